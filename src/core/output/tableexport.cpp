// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/output/tableexport.h"

#include "core/calc/numberformat.h"
#include "core/machine/machinecheck.h"
#include "core/output/report.h"
#include "core/output/tablecsv.h"

#include <algorithm>
#include <iterator>

namespace {

// The exports' own columns: each row's feed rates and the inputs its cells do not show.
std::size_t addFeedColumns(std::vector<std::vector<std::string>>& rows,
                           const std::vector<RowResults>& results, const Calculation& calculation,
                           char separator) {
    const bool angle = calculation.window.hasBox(Key::angle);
    const std::size_t before = rows.front().size();
    rows.front().insert(rows.front().end(), {"Sм, мм/мин", "To, мин", "Q, см³/мин", "H, МПа/HB"});
    if (angle) {
        rows.front().push_back("ω, °");
    }
    const auto fixed = [separator](const std::optional<double>& value, int decimals) {
        return optionalFixedText(value, decimals, separator);
    };
    const auto plain = [separator](const std::optional<double>& value) {
        return optionalPlainText(value, separator);
    };
    for (std::size_t i = 0; i < results.size(); ++i) {
        const RowResults& row = results[i];
        rows[i + 1].insert(rows[i + 1].end(),
                           {fixed(row.Sm, 2), fixed(row.To, 3), fixed(row.Q, 3), plain(row.H)});
        if (angle) {
            rows[i + 1].push_back(plain(row.angle));
        }
    }
    return rows.front().size() - before;
}

} // namespace

TableExport exportTable(const ResultsTable& table, const Calculation& calculation,
                        const Machine* machine, const Cutter* cutter, std::string title,
                        char decimalSeparator) {
    TableExport out;
    std::vector<std::vector<std::string>> rows = table.reportRows();
    const std::vector<RowResults> results = table.reportResults();
    TableDocument& document = out.document;
    document.exportOnlyFrom = rows.front().size();
    document.exportOnlyCount = addFeedColumns(rows, results, calculation, decimalSeparator);
    if (machine) {
        addMachineColumns(rows, results, *machine, calculation, decimalSeparator);
        out.crossesMachine =
            std::any_of(results.begin(), results.end(), [&](const RowResults& row) {
                return !checkMachine(*machine, calculation, row).violations.empty();
            });
    }
    if (cutter) {
        addCutterColumns(rows, results, *cutter, decimalSeparator);
        out.crossesCutter = std::any_of(results.begin(), results.end(), [&](const RowResults& row) {
            return !checkCutter(*cutter, row).violations.empty();
        });
    }
    document.title = std::move(title);
    document.numeric = numericColumns(rows);
    document.headings = std::move(rows.front());
    document.rows.assign(std::make_move_iterator(rows.begin() + 1),
                         std::make_move_iterator(rows.end()));
    return out;
}

std::optional<ExportFormat> exportFormatNamed(std::string_view name) {
    const auto found = std::find(exportFormatNames.begin(), exportFormatNames.end(), name);
    if (found == exportFormatNames.end()) {
        return std::nullopt;
    }
    return static_cast<ExportFormat>(found - exportFormatNames.begin());
}

std::optional<std::string> exportBytes(const TableDocument& document, ExportFormat format,
                                       char decimalSeparator) {
    std::vector<std::vector<std::string>> rows{document.headings};
    rows.insert(rows.end(), document.rows.begin(), document.rows.end());
    switch (format) {
    case ExportFormat::report:
        for (std::vector<std::string>& row : rows) {
            const auto from = row.begin() + static_cast<std::ptrdiff_t>(document.exportOnlyFrom);
            row.erase(from, from + static_cast<std::ptrdiff_t>(document.exportOnlyCount));
        }
        return toWindows1251(reportText(document.title, rows));
    case ExportFormat::csv:
        return tableCsv(rows, decimalSeparator);
    }
    return std::nullopt;
}
