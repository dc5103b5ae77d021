// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The characters of UTF-8 text: a Cyrillic letter takes two bytes but one place on a terminal.
std::size_t codePointCount(std::string_view utf8);

// Lines of cells set in columns for reading: each column as wide as its widest cell, two spaces
// between columns, no spaces at the ends of the lines.
std::string alignedColumns(const std::vector<std::vector<std::string>>& lines);
