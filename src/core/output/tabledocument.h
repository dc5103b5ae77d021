// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <vector>

// The results table as a page of a process sheet: what the PDF and the printout show.
struct TableDocument {
    std::string title;                     // the window's report title
    std::string date;                      // "09.12.2026"
    std::vector<std::string> machineLines; // the machine and its check, when one is chosen
    std::vector<std::string> headings;
    std::vector<std::vector<std::string>> rows; // the filled rows, cells as the grid shows them
    std::vector<bool> numeric;                  // per column: right-aligned numbers
    // The columns only the exports have, which the report of "СОХРАНИТЬ" leaves out: from column
    // `exportOnlyFrom` on, `exportOnlyCount` of them.
    std::size_t exportOnlyFrom = 0;
    std::size_t exportOnlyCount = 0;
};

// The columns whose every filled cell below the headings is a number ("1720,8", "-3", "1E+20"):
// they are set right-aligned.
std::vector<bool> numericColumns(const std::vector<std::vector<std::string>>& rows);
