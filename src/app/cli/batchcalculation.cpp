// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/cli/batchcalculation.h"

#include "app/cli/chunkwriter.h"
#include "core/calc/numberformat.h"
#include "core/calc/quotedtext.h"
#include "core/output/tablecsv.h"

namespace {

// The columns of the input as read, as many as the header has, so that every output row lines up.
void appendInputColumns(std::string& out, std::span<const std::string_view> record,
                        std::size_t count) {
    for (std::size_t column = 0; column < count; ++column) {
        if (column > 0) {
            out += ',';
        }
        if (column < record.size()) {
            appendCsvField(out, record[column], ',');
        }
    }
}

// The operation named in a row; most files repeat one name, so the last one found is kept.
class OperationLookup {
public:
    const Operation* find(std::string_view name) {
        if (last_ == nullptr || last_->name != name) {
            last_ = findOperation(name);
        }
        return last_;
    }

private:
    const Operation* last_ = nullptr;
};

// The rows of a batch computed one by one into the chunk being filled: each row's columns as
// read, then its results, or its number cells empty and why it is refused.
class RowComputer {
public:
    RowComputer(const CsvColumns& columns, const ResultColumns& results, std::FILE* notices)
        : columns_(columns)
        , emptyCells_(results.emptyCells())
        , notices_(notices) {}

    // A record the reader could not read whole (`unreadable` says why) is refused as it was read.
    void compute(ComputedRows& chunk, const CsvReader& input, std::size_t number,
                 std::string_view unreadable) {
        const auto record = input.fields();
        if (const std::string_view verbatim = input.verbatimText();
            !verbatim.empty() && record.size() == columns_.count()) {
            chunk.text += verbatim;
        } else {
            appendInputColumns(chunk.text, record, columns_.count());
        }
        const Operation* operation = nullptr;
        if (!unreadable.empty()) {
            refuse(chunk, unreadable);
        } else if (record.size() != columns_.count()) {
            refuse(chunk, "ЧИСЛО ПОЛЕЙ СТРОКИ НЕ РАВНО ЧИСЛУ СТОЛБЦОВ ЗАГОЛОВКА!!!");
        } else if (const std::string_view name = columns_.operationText(record); name.empty()) {
            refuse(chunk, "ВЫ НЕ ЗАДАЛИ ОПЕРАЦИЮ!!!");
        } else if ((operation = lookup_.find(name)) == nullptr) {
            refuse(chunk, "НЕИЗВЕСТНАЯ ОПЕРАЦИЯ: " + quotedText(name) + "!!!");
        } else {
            // The row's cutter is read first, as calc reads the cutter's keys before it computes.
            columns_.cutterTexts(record, cutterTexts_);
            CutterArguments cutter = cutterOfTexts(cutterTexts_, *operation);
            if (!cutter.error.empty()) {
                refuse(chunk, cutter.error);
                return;
            }
            columns_.keyTexts(record, texts_);
            const Outcome outcome = calculate(*operation, texts_);
            if (!outcome.error.empty()) {
                refuse(chunk, outcome.error);
                return;
            }
            chunk.rows.push_back({chunk.text.size(), true, outcome.row.results,
                                  &calculation(operation->window), std::move(cutter.cutter)});
            if (outcome.notice != nullptr) {
                std::fprintf(notices_, "СТРОКА %s: %s\n",
                             integerText(static_cast<long long>(number)).c_str(), outcome.notice);
            }
        }
    }

    std::size_t refused = 0;

private:
    void refuse(ComputedRows& chunk, std::string_view message) {
        std::string& text = chunk.text;
        text += emptyCells_;
        appendCsvField(text, message, ',');
        text += '\n';
        chunk.rows.push_back({text.size(), false, {}, nullptr, std::nullopt});
        ++refused;
    }

    const CsvColumns& columns_;
    std::string emptyCells_;
    std::FILE* notices_;
    OperationLookup lookup_;
    KeyTexts texts_{};
    CutterTexts cutterTexts_{};
};

} // namespace

BatchCalculation::BatchCalculation(CsvReader& input, CsvColumns columns, std::string headerLine,
                                   std::optional<Machine> machine, ResultColumns results)
    : input_(&input)
    , columns_(std::move(columns))
    , headerLine_(std::move(headerLine))
    , machine_(std::move(machine))
    , results_(results) {}

std::optional<BatchCalculation> BatchCalculation::begin(CsvReader& input, std::string& error,
                                                        std::optional<Machine> machine) {
    auto columns = CsvColumns::readHeader(input, true, error);
    if (!columns) {
        return std::nullopt;
    }
    const ResultColumns results{columns->hasKey(Key::L), machine.has_value(), columns->hasCutter()};
    std::string headerLine;
    appendInputColumns(headerLine, input.fields(), columns->count());
    headerLine += results.heading();
    return BatchCalculation(input, std::move(*columns), std::move(headerLine), std::move(machine),
                            results);
}

std::string BatchCalculation::readFailure(CsvReader::Status status) const {
    return readFailureMessage(
        *input_, status, "СТРОКЕ " + integerText(static_cast<long long>(input_->lineNumber())));
}

BatchSummary BatchCalculation::run(OutputBuffer& output, std::FILE* notices) {
    output.append(headerLine_);
    ChunkWriter writer(output, machine_ ? &*machine_ : nullptr, results_);
    ComputedRows* chunk = writer.emptyChunk();

    BatchSummary summary;
    RowComputer rows(columns_, results_, notices);
    CsvReader::Status status = CsvReader::Status::End;
    std::string unreadable;
    // A quote left open is a refusal of its row only: the reader goes on at the next line.
    while (!writer.failed() && ((status = input_->next()) == CsvReader::Status::Record ||
                                status == CsvReader::Status::UnclosedQuote)) {
        ++summary.rows;
        unreadable.clear();
        if (status == CsvReader::Status::UnclosedQuote) {
            unreadable = readFailure(status);
        }
        rows.compute(*chunk, *input_, summary.rows, unreadable);
        if (chunk->full()) {
            writer.write(chunk);
            chunk = writer.emptyChunk();
        }
    }
    writer.write(chunk);

    const bool written = writer.finish();
    summary.refused = rows.refused;
    summary.crossed = writer.crossedRows();
    if (!written || !output.flush()) {
        summary.status = BatchSummary::Status::WriteFailed;
    } else if (status != CsvReader::Status::End) {
        summary.status = BatchSummary::Status::BadInput;
        summary.message = readFailure(status);
    } else {
        summary.status = summary.refused > 0   ? BatchSummary::Status::SomeRefused
                         : summary.crossed > 0 ? BatchSummary::Status::SomeCrossed
                                               : BatchSummary::Status::AllComputed;
    }
    return summary;
}
