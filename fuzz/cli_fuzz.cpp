// SPDX-License-Identifier: GPL-3.0-or-later
// Outside input of the command line: key=value arguments and CSV records. Reading either never
// fails, a calculation is refused or gives finite numbers, and a CSV record written back with
// the writer reads back field for field.
#include "app/cli/keyarguments.h"
#include "app/cli/operations.h"
#include "core/files/csv.h"
#include "core/output/tablecsv.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

void calculateArguments(std::string_view text) {
    if (text.empty()) {
        return;
    }
    const Operation& operation =
        operations[static_cast<unsigned char>(text[0]) % operations.size()];
    std::vector<std::string_view> arguments;
    for (std::size_t start = 1; start <= text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        arguments.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    const KeyArguments keys = readKeyArguments(arguments);
    if (!keys.error.empty()) {
        return;
    }
    const Outcome outcome = calculate(operation, keys.texts);
    const RowResults& results = outcome.row.results;
    if (outcome.error.empty() && !allFinite(results)) {
        std::abort(); // a number that is no number reached the output
    }
}

std::vector<std::vector<std::string>> readAll(const std::string& text, std::size_t bufferSize) {
    std::vector<std::vector<std::string>> records;
    std::FILE* stream = fmemopen(const_cast<char*>(text.data()), text.size(), "rb");
    if (!stream) {
        return records;
    }
    CsvReader reader(stream, bufferSize);
    while (reader.next() == CsvReader::Status::Record) {
        records.emplace_back(reader.fields().begin(), reader.fields().end());
    }
    std::fclose(stream);
    return records;
}

void roundTripCsv(const std::string& text) {
    // A small buffer makes records cross its edges and grow it.
    for (const auto& record : readAll(text, 16)) {
        std::string written;
        for (std::size_t i = 0; i < record.size(); ++i) {
            if (i > 0) {
                written += ',';
            }
            appendCsvField(written, record[i], ',');
        }
        written += "\r\n";
        const auto again = readAll(written, 1 << 12);
        const bool blank = record.size() == 1 && record[0].empty();
        if (!blank && (again.size() != 1 || again[0] != record)) {
            std::abort();
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    calculateArguments(text);
    if (!text.empty()) {
        roundTripCsv(text);
    }
    return 0;
}
