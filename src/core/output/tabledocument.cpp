// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/output/tabledocument.h"

#include <algorithm>

namespace {
bool isNumber(const std::string& cell) {
    return std::any_of(cell.begin(), cell.end(), [](char c) { return c >= '0' && c <= '9'; }) &&
           cell.find_first_not_of("0123456789,.-+E") == std::string::npos;
}
} // namespace

std::vector<bool> numericColumns(const std::vector<std::vector<std::string>>& rows) {
    std::vector<bool> numeric(rows.empty() ? 0 : rows.front().size(), true);
    for (std::size_t row = 1; row < rows.size(); ++row) {
        for (std::size_t column = 0; column < numeric.size() && column < rows[row].size();
             ++column) {
            const std::string& cell = rows[row][column];
            if (!cell.empty() && !isNumber(cell)) {
                numeric[column] = false;
            }
        }
    }
    return numeric;
}
