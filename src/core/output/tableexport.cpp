#include "core/output/tableexport.h"

#include "core/machine/machinecheck.h"
#include "core/output/report.h"
#include "core/output/tablecsv.h"

#include <algorithm>
#include <iterator>

TableExport exportTable(const ResultsTable& table, const Calculation& calculation,
                        const Machine* machine, std::string title, char decimalSeparator) {
    TableExport out;
    std::vector<std::vector<std::string>> rows = table.reportRows();
    if (machine) {
        const std::vector<RowResults> results = table.reportResults();
        addMachineColumns(rows, results, *machine, calculation, decimalSeparator);
        out.crossesMachine =
            std::any_of(results.begin(), results.end(), [&](const RowResults& row) {
                return !checkMachine(*machine, calculation, row).violations.empty();
            });
    }
    TableDocument& document = out.document;
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
        return toWindows1251(reportText(document.title, rows));
    case ExportFormat::csv:
        return tableCsv(rows, decimalSeparator);
    }
    return std::nullopt;
}
