// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/cli/textcolumns.h"

#include <algorithm>

std::size_t codePointCount(std::string_view utf8) {
    // Every code point has exactly one byte that is not a continuation byte 10xxxxxx.
    return static_cast<std::size_t>(std::count_if(utf8.begin(), utf8.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

std::string alignedColumns(const std::vector<std::vector<std::string>>& lines) {
    std::vector<std::size_t> widths;
    for (const auto& line : lines) {
        widths.resize(std::max(widths.size(), line.size()));
        for (std::size_t column = 0; column < line.size(); ++column) {
            widths[column] = std::max(widths[column], codePointCount(line[column]));
        }
    }
    std::string text;
    for (const auto& line : lines) {
        std::string row;
        for (std::size_t column = 0; column < line.size(); ++column) {
            if (column > 0) {
                row.append(2, ' ');
            }
            row += line[column];
            row.append(widths[column] - codePointCount(line[column]), ' ');
        }
        row.erase(row.find_last_not_of(' ') + 1);
        text += row;
        text += '\n';
    }
    return text;
}
