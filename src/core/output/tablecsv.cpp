// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/output/tablecsv.h"

namespace {
constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";
}

void appendCsvField(std::string& out, std::string_view field, char separator) {
    // A field that starts with a byte-order mark is quoted too, lest it start a file and the
    // reader skip the mark.
    const char special[] = {separator, '"', '\r', '\n', '\0'};
    if (field.find_first_of(special) == std::string_view::npos &&
        !field.starts_with(byteOrderMark)) {
        out += field;
        return;
    }
    out += '"';
    for (const char c : field) {
        if (c == '"') {
            out += '"';
        }
        out += c;
    }
    out += '"';
}

std::string tableCsv(const std::vector<std::vector<std::string>>& rows, char decimalSeparator) {
    const char separator = decimalSeparator == ',' ? ';' : ',';
    std::string out(byteOrderMark);
    for (const auto& row : rows) {
        for (std::size_t i = 0; i < row.size(); ++i) {
            if (i > 0) {
                out += separator;
            }
            appendCsvField(out, row[i], separator);
        }
        out += "\r\n";
    }
    return out;
}
