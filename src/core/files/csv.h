// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdio>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Reads RFC 4180 records from a stream through one fixed buffer, so a file of any length is read
// in the same memory: fields are views into the buffer, unescaped in place. Commas separate
// fields, or semicolons, as a spreadsheet with a decimal comma writes them (setSeparator); a field
// may be double-quoted (with "" for a quote and with separators and line ends inside),
// records end with LF or CR LF, a UTF-8 byte-order mark at the start is skipped and blank lines
// are skipped. The buffer grows only for a record longer than itself, and only up to
// `maxRecordSize`: no row of cutting data comes near it, and a stream without line ends
// (/dev/zero, a binary file given by mistake) must not take the machine's memory. A record that
// does not fit in it, its line end included, is Status::TooLong, and reading stops there.
//
// A quote still open at the end of the stream cannot have been meant to hold the rest of the
// file: the quoted field it opens is taken to run to the end of its line, the record is given with
// Status::UnclosedQuote, and reading goes on from the next line, so that one bad cell costs one
// record and not the rest of the file. Where more than the bound follows the quote, the end of
// the stream is never reached: the record is TooLong.
class CsvReader {
public:
    static constexpr std::size_t defaultBufferSize = std::size_t{1} << 20;

    static constexpr std::size_t defaultMaxRecordSize = defaultBufferSize;

    explicit CsvReader(std::FILE* source, std::size_t bufferSize = defaultBufferSize,
                       std::size_t maxRecordSize = defaultMaxRecordSize);

    enum class Status {
        Record,        // fields() holds the next record
        End,           // no more records
        UnclosedQuote, // the stream ended inside a quoted field: fields() holds its line
        ReadError,
        TooLong, // the record at lineNumber() does not fit in maxRecordSize() bytes
    };
    // ',' unless set; it applies from the next record on.
    void setSeparator(char separator) { separator_ = separator; }
    // The fields stay valid until the next call.
    Status next();
    std::span<const std::string_view> fields() const { return fields_; }
    // The record's text as read, when writing its fields back with appendCsvField gives exactly
    // this text (no field was quoted or holds a CR); empty otherwise. A batch copies it whole.
    std::string_view verbatimText() const { return verbatim_; }
    // The line of the stream the record last given begins on, counting from 1.
    std::size_t lineNumber() const { return recordLine_; }
    std::size_t maxRecordSize() const { return maxRecordSize_; }

private:
    struct RecordEnd {
        bool found = false;     // a line end outside quotes
        std::size_t end = 0;    // the line end, or the end of the data
        bool openQuote = false; // the data ended inside a quoted field
    };
    RecordEnd findQuotedRecordEnd() const;
    enum class Refill { Read, Failed, Full };
    Refill refill();
    Status refillFailure(Refill result);
    Status unclosedQuote(char* first);
    bool splitPlain(char* begin, char* end);
    void splitQuoted(char* begin, char* end);

    std::FILE* source_;
    char separator_ = ',';
    std::size_t maxRecordSize_;
    std::vector<char> buffer_;
    std::size_t begin_ = 0; // first byte not yet consumed
    std::size_t end_ = 0;   // end of the bytes read
    bool atEof_ = false;
    bool startChecked_ = false;
    std::size_t linesRead_ = 0; // line ends consumed
    std::size_t recordLine_ = 0;
    std::vector<std::string_view> fields_;
    std::string_view verbatim_;
};

// Why reading stopped short, as told to the user: `where` names the record ("ЗАГОЛОВКЕ",
// "СТРОКЕ 5").
std::string readFailureMessage(const CsvReader& reader, CsvReader::Status status,
                               std::string_view where);
