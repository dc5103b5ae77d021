// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

// Appends `field` as a CSV field, quoted (with quotes doubled) only when it holds the separator,
// a quote or a line-end character or starts with a byte-order mark, so that a reader gives it back
// unchanged.
void appendCsvField(std::string& out, std::string_view field, char separator);

// The rows as a spreadsheet file: UTF-8 with a byte-order mark, RFC 4180 quoting, CR LF after
// every record. Under a decimal comma the separator is ";", which Russian spreadsheet programs
// open directly in columns; otherwise ",".
std::string tableCsv(const std::vector<std::vector<std::string>>& rows, char decimalSeparator);
