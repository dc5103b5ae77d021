// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/calc/calculation.h"
#include "core/calc/resultstable.h"
#include "core/cutter/cutter.h"
#include "core/machine/machine.h"
#include "core/output/tabledocument.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

// What leaves the program of a results table, by "СОХРАНИТЬ", "ЭКСПОРТ" or `rezhim-cli report`.
struct TableExport {
    TableDocument document;
    bool crossesMachine = false; // a row crosses a limit of the machine
    bool crossesCutter = false;  // a row crosses a check of the cutter
};

// The filled rows of `table` under their headings, then the feed rates "Sм, мм/мин", "To, мин",
// "Q, см³/мин" and the inputs the grid does not show, "H, МПа/HB" and where the window has one
// "ω, °" (the report of "СОХРАНИТЬ" leaves these out), then the machine's three columns when a
// machine is given and the cutter's four when a cutter is, as a document titled `title`. The date
// and the lines of the machine and the cutter are the caller's: the windows show them, the command
// line has none.
TableExport exportTable(const ResultsTable& table, const Calculation& calculation,
                        const Machine* machine, const Cutter* cutter, std::string title,
                        char decimalSeparator);

// The formats written as bytes: the report of "СОХРАНИТЬ" (windows-1251) and CSV. The PDF and
// the printout are drawn from the document by the windows.
enum class ExportFormat { report, csv };
inline constexpr std::array<std::string_view, 2> exportFormatNames{"report", "csv"};
std::optional<ExportFormat> exportFormatNamed(std::string_view name);

// The document in `format`; nothing when the report holds a character windows-1251 lacks.
std::optional<std::string> exportBytes(const TableDocument& document, ExportFormat format,
                                       char decimalSeparator);
