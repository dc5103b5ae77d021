// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/csv.h"

#include "core/calc/numberformat.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";

char* find(char* begin, char* end, char c) {
    return static_cast<char*>(std::memchr(begin, c, static_cast<std::size_t>(end - begin)));
}

} // namespace

CsvReader::CsvReader(std::FILE* source, std::size_t bufferSize, std::size_t maxRecordSize)
    : source_(source)
    , maxRecordSize_(std::max({bufferSize, maxRecordSize, std::size_t{1}}))
    , buffer_(bufferSize == 0 ? 1 : bufferSize) {}

CsvReader::Status CsvReader::next() {
    for (;;) {
        char* const data = buffer_.data();
        char* const first = data + begin_;
        char* const last = data + end_;
        char* const lineEnd = find(first, last, '\n');
        if (lineEnd == nullptr && !atEof_) {
            if (const Refill read = refill(); read != Refill::Read) {
                return refillFailure(read);
            }
            continue;
        }
        if (lineEnd == nullptr && first == last) {
            return Status::End;
        }
        // Most records hold no quote: they end at the line end and split at every separator.
        recordLine_ = linesRead_ + 1;
        char* recordEnd = lineEnd != nullptr ? lineEnd : last;
        char* const plainEnd =
            recordEnd != first && recordEnd[-1] == '\r' ? recordEnd - 1 : recordEnd;
        if (splitPlain(first, plainEnd)) {
            begin_ = static_cast<std::size_t>(recordEnd - data) + (lineEnd != nullptr ? 1 : 0);
            linesRead_ += lineEnd != nullptr ? 1 : 0;
            startChecked_ = true; // a byte-order mark can only come before the first record
            if (first == plainEnd) {
                continue; // a blank line
            }
            return Status::Record;
        }
        const RecordEnd record = findQuotedRecordEnd();
        if (!record.found) {
            if (!atEof_) {
                if (const Refill read = refill(); read != Refill::Read) {
                    return refillFailure(read);
                }
                continue;
            }
            if (record.openQuote) {
                return unclosedQuote(first);
            }
        }
        recordEnd = data + record.end;
        begin_ = record.end + (record.found ? 1 : 0);
        linesRead_ += static_cast<std::size_t>(std::count(first, data + begin_, '\n'));
        startChecked_ = true;
        // A CR before the line end is outside quotes: inside them the line end would not end the
        // record.
        if (recordEnd[-1] == '\r') {
            --recordEnd;
        }
        splitQuoted(first, recordEnd);
        return Status::Record;
    }
}

CsvReader::Status CsvReader::unclosedQuote(char* first) {
    // The rest of the stream is in the buffer by now, the record's line with it.
    char* const last = buffer_.data() + end_;
    char* const lineEnd = find(first, last, '\n');
    char* recordEnd = lineEnd != nullptr ? lineEnd : last;
    begin_ = lineEnd != nullptr ? static_cast<std::size_t>(lineEnd + 1 - buffer_.data()) : end_;
    linesRead_ += lineEnd != nullptr ? 1 : 0;
    if (recordEnd != first && recordEnd[-1] == '\r') {
        --recordEnd;
    }
    splitQuoted(first, recordEnd);
    return Status::UnclosedQuote;
}

CsvReader::RecordEnd CsvReader::findQuotedRecordEnd() const {
    const char* const data = buffer_.data();
    // A quote opens a quoted field only at the start of a field; elsewhere it is kept as text, as
    // splitQuoted keeps it.
    enum class State { FieldStart, Plain, Quoted, QuoteInQuoted };
    State state = State::FieldStart;
    for (const char* p = data + begin_; p != data + end_; ++p) {
        const char c = *p;
        switch (state) {
        case State::FieldStart:
        case State::Plain:
        case State::QuoteInQuoted:
            if (c == '\n') {
                return {true, static_cast<std::size_t>(p - data), false};
            }
            if (c == separator_) {
                state = State::FieldStart;
            } else if (c == '"' && state != State::Plain) {
                state = State::Quoted; // an opening quote, or the second of a doubled one
            } else {
                state = State::Plain;
            }
            break;
        case State::Quoted:
            if (c == '"') {
                state = State::QuoteInQuoted;
            }
            break;
        }
    }
    return {false, end_, state == State::Quoted};
}

CsvReader::Status CsvReader::refillFailure(Refill result) {
    if (result == Refill::Failed) {
        return Status::ReadError;
    }
    // Nothing more is read: what follows the record cannot be told apart from it.
    recordLine_ = linesRead_ + 1;
    atEof_ = true;
    begin_ = end_;
    return Status::TooLong;
}

CsvReader::Refill CsvReader::refill() {
    if (begin_ > 0) {
        std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
        end_ -= begin_;
        begin_ = 0;
    }
    if (end_ == buffer_.size()) {
        // One record longer than the buffer.
        if (buffer_.size() >= maxRecordSize_) {
            return Refill::Full;
        }
        buffer_.resize(std::min(buffer_.size() * 2, maxRecordSize_));
    }
    const std::size_t count = std::fread(buffer_.data() + end_, 1, buffer_.size() - end_, source_);
    if (count == 0) {
        if (std::ferror(source_)) {
            return Refill::Failed;
        }
        atEof_ = true;
    }
    end_ += count;
    if (!startChecked_ && (end_ >= byteOrderMark.size() || atEof_)) {
        startChecked_ = true;
        if (std::string_view(buffer_.data(), end_).starts_with(byteOrderMark)) {
            begin_ = byteOrderMark.size();
        }
    }
    return Refill::Read;
}

bool CsvReader::splitPlain(char* begin, char* end) {
    // One pass over the bytes: fields of a few characters make a byte loop faster than memchr.
    fields_.clear();
    bool verbatim = true;
    char* fieldStart = begin;
    for (char* p = begin; p != end; ++p) {
        const char c = *p;
        if (c == separator_) {
            fields_.emplace_back(fieldStart, static_cast<std::size_t>(p - fieldStart));
            fieldStart = p + 1;
        } else if (c == '"') {
            return false;
        } else if (c == '\r') {
            verbatim = false; // written back quoted
        }
    }
    fields_.emplace_back(fieldStart, static_cast<std::size_t>(end - fieldStart));
    verbatim_ = verbatim ? std::string_view(begin, static_cast<std::size_t>(end - begin))
                         : std::string_view();
    return true;
}

void CsvReader::splitQuoted(char* begin, char* end) {
    fields_.clear();
    verbatim_ = {};
    char* read = begin;
    for (;;) {
        // The unescaped text is never longer than the text read, so it is written over it.
        char* const fieldStart = read;
        char* write = read;
        if (read != end && *read == '"') {
            ++read;
            while (read != end) {
                if (*read == '"') {
                    if (read + 1 != end && read[1] == '"') {
                        *write++ = '"';
                        read += 2;
                        continue;
                    }
                    ++read; // the closing quote
                    break;
                }
                *write++ = *read++;
            }
        }
        // Unquoted text, or text after a closing quote, is kept up to the next separator.
        while (read != end && *read != separator_) {
            *write++ = *read++;
        }
        fields_.emplace_back(fieldStart, static_cast<std::size_t>(write - fieldStart));
        if (read == end) {
            return;
        }
        ++read; // the separator
    }
}

std::string readFailureMessage(const CsvReader& reader, CsvReader::Status status,
                               std::string_view where) {
    switch (status) {
    case CsvReader::Status::UnclosedQuote:
        return "НЕЗАКРЫТЫЕ КАВЫЧКИ В " + std::string(where) + " ФАЙЛА CSV!!!";
    case CsvReader::Status::TooLong:
        return "ЗАПИСЬ ДЛИННЕЕ " + integerText(static_cast<long long>(reader.maxRecordSize())) +
               " БАЙТ В " + std::string(where) + " ФАЙЛА CSV!!!";
    default:
        return "ОШИБКА ЧТЕНИЯ ФАЙЛА CSV!!!";
    }
}
