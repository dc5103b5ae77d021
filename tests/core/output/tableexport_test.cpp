// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/calc/calculationflow.h"
#include "core/calc/resultrow.h"
#include "core/operations/registry.h"
#include "core/output/report.h"
#include "core/output/tableexport.h"
#include "support/workedexample.h"

#include <gtest/gtest.h>

namespace {

// The face-milling example computed into rows 1 and 2 of a fresh table, as "РАСЧЁТ" writes them;
// row 2 at three times the feed; row 1 over a working travel of 200 mm.
ResultsTable faceMillingTable() {
    const Calculation& calc = calculation(1);
    ResultsTable table(calc.window.layout);
    CalcState state;
    state.ResultRow = state.NextRow = 1;
    for (const auto& [row, feed] : {std::pair{1, 0.1}, std::pair{2, 0.3}}) {
        CalcInputs inputs = faceMillingExample();
        inputs[Key::s] = feed;
        CalcRequest request;
        for (const NumericBox& box : calc.window.boxes) {
            request.values.push_back(inputs[box.key]);
        }
        request.tool = 2; // carbide
        request.work = 1; // steel
        request.row = row;
        request.rowCount = table.RowCount();
        request.travel = row == 1 ? "200" : "";
        Unanswered none;
        const CalcOutcome outcome = runCalculation(calc, request, state, none);
        EXPECT_EQ(outcome.status, CalcOutcome::Status::Computed) << outcome.message;
        table.write(row, rowCells(calc.window.layout, outcome.row, calc.window.patterns, ','),
                    outcome.row.results, state);
    }
    return table;
}

} // namespace

TEST(TableExport, RowsMachineColumnsAndFormats) {
    const ResultsTable table = faceMillingTable();
    const Calculation& calc = calculation(1);

    // Without a machine: the grid's headings and its two filled rows, then the feed rates and H,
    // nothing crossed. Sм = 0,1·10·318,47 = 318,47 mm/min, To = 200/318,47 = 0,628 min,
    // Q = 2·50·318,47/1000 = 31,847 cm³/min; at 0,3 mm/tooth 955,41 mm/min and 95,541 cm³/min,
    // and no To without L.
    const TableExport plain = exportTable(table, calc, nullptr, nullptr, "Фрезерование", ',');
    EXPECT_EQ(plain.document.title, "Фрезерование");
    ASSERT_EQ(plain.document.headings.size(), 19u);
    EXPECT_EQ(std::vector(plain.document.headings.begin() + 15, plain.document.headings.end()),
              (std::vector<std::string>{"Sм, мм/мин", "To, мин", "Q, см³/мин", "H, МПа/HB"}));
    ASSERT_EQ(plain.document.rows.size(), 2u);
    EXPECT_EQ(plain.document.rows[0][13], "2,812");
    EXPECT_EQ(std::vector(plain.document.rows[0].begin() + 15, plain.document.rows[0].end()),
              (std::vector<std::string>{"318,47", "0,628", "31,847", "750"}));
    EXPECT_EQ(std::vector(plain.document.rows[1].begin() + 15, plain.document.rows[1].end()),
              (std::vector<std::string>{"955,41", "", "95,541", "750"}));
    EXPECT_FALSE(plain.crossesMachine);
    EXPECT_EQ(plain.document.numeric.size(), 19u);
    EXPECT_FALSE(plain.document.numeric[1]) << "the tool column holds names";

    // 6 kW at the spindle: N = 2,812 kW is 47 %; three times the feed needs 2,812 · 3^0,8 = 6,41.
    Machine mill;
    mill.power = 7.5;
    mill.efficiency = 0.8;
    const TableExport checked = exportTable(table, calc, &mill, nullptr, "Фрезерование", ',');
    EXPECT_TRUE(checked.crossesMachine);
    ASSERT_EQ(checked.document.headings.size(), 22u);
    EXPECT_EQ(checked.document.headings.back(), "превышено");
    EXPECT_EQ(std::vector(checked.document.rows[0].begin(), checked.document.rows[0].begin() + 19),
              plain.document.rows[0]);
    EXPECT_EQ(checked.document.rows[0][19], "6,00");
    EXPECT_EQ(checked.document.rows[0][20], "47");
    EXPECT_EQ(checked.document.rows[0][21], "");
    EXPECT_EQ(checked.document.rows[1][20], "107");
    EXPECT_EQ(checked.document.rows[1][21], "мощность");

    // The report is the title and the grid's rows in windows-1251, without the exports' own
    // columns, the machine's kept; the CSV is the whole table.
    EXPECT_EQ(exportBytes(plain.document, ExportFormat::report, ','),
              toWindows1251(reportText("Фрезерование", table.reportRows())));
    std::vector<std::vector<std::string>> reportRows = table.reportRows();
    reportRows[0].insert(reportRows[0].end(), {"N шп, кВт", "загрузка, %", "превышено"});
    reportRows[1].insert(reportRows[1].end(), {"6,00", "47", ""});
    reportRows[2].insert(reportRows[2].end(), {"6,00", "107", "мощность"});
    EXPECT_EQ(exportBytes(checked.document, ExportFormat::report, ','),
              toWindows1251(reportText("Фрезерование", reportRows)));
    const std::optional<std::string> csv = exportBytes(checked.document, ExportFormat::csv, ',');
    ASSERT_TRUE(csv);
    EXPECT_EQ(csv->substr(0, 3), "\xEF\xBB\xBF");
    EXPECT_NE(csv->find("\r\n1;ТC;сталь;0,1;100;2;100;50;10;1720,8;688,3;860,4;86,041;2,812;318;"
                        "318,47;0,628;31,847;750;6,00;47;\r\n"),
              std::string::npos);

    // The helix angle has a column where the window has its box.
    const Calculation& cylindrical = calculation(2);
    EXPECT_EQ(
        exportTable(ResultsTable(cylindrical.window.layout), cylindrical, nullptr, nullptr, "", ',')
            .document.headings.back(),
        "ω, °");

    EXPECT_EQ(exportFormatNamed("csv"), ExportFormat::csv);
    EXPECT_EQ(exportFormatNamed("report"), ExportFormat::report);
    EXPECT_EQ(exportFormatNamed("pdf"), std::nullopt);
}
