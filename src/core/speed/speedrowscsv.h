// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/speed/speedrow.h"

#include <filesystem>
#include <string>
#include <vector>

// The coefficient rows as a spreadsheet table, so that a handbook's table kept in a spreadsheet
// comes into the library whole and goes back out. The header names the columns as the library
// file does: name, operations, tool, work, Cv … B-to, source; `operations` holds the command
// line's names separated by spaces, and an empty cell is a field the row does not give.

// UTF-8 with a byte-order mark and CR LF, as the program's other tables: under a decimal comma
// the cells are separated by ";" with decimal commas, otherwise by "," with points.
std::string speedRowsCsv(const std::vector<SpeedRow>& rows, char decimalSeparator);

struct ImportedSpeedRows {
    std::vector<SpeedRow> rows;        // the rows taken
    std::vector<std::string> refusals; // "СТРОКА 4 ФАЙЛА CSV: …", each row left out and why
    std::string problem;               // why nothing of the file is taken; empty when it is read
};

// Reads a table in either form: its separator is the first "," or ";" of the header, and a number
// is read with a decimal comma or a point. A header naming a column that is not a row's field
// refuses the whole table; a row that cannot be one of the library (no name, a number that does
// not read, an unknown tool, work or operation, a value out of its range, a name an earlier row
// of the table has) is left out, named by its line, and the others are taken.
ImportedSpeedRows parseSpeedRowsCsv(const std::string& text);
// The table of a file the user chose: only a regular file no larger than a library file.
ImportedSpeedRows readSpeedRowsCsv(const std::filesystem::path& path);

// What an import did, as one message: the rows taken and every row left out with its reason.
std::string importReport(const ImportedSpeedRows& imported);
