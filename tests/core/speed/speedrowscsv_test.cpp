// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/speed/speedrowscsv.h"
#include "core/speed/speedrowsjson.h"

#include <gtest/gtest.h>

namespace {

// Rows with every kind of cell: several operations, bands, a factor, no value at all for most
// fields, a negative exponent, a source with both separators and a quote in it.
std::vector<SpeedRow> libraryRows() {
    SpeedRow drilling;
    drilling.name = "Сверление Р6М5";
    drilling.operations = {"drilling"};
    drilling.set(SpeedField::Cv, 7);
    drilling.set(SpeedField::q, 0.4);
    drilling.set(SpeedField::y, 0.7);
    drilling.set(SpeedField::m, 0.2);
    drilling.set(SpeedField::T, 45);
    drilling.set(SpeedField::Kg, 1);
    drilling.set(SpeedField::nv, -0.9);
    drilling.set(SpeedField::sTo, 0.2);
    drilling.source = "Справочник технолога; т. 2, с. 278 \"карта 38\"";
    SpeedRow turning;
    turning.name = "Точение ВК8";
    turning.operations = {"turning", "boring", "facing"};
    turning.tool = ToolMaterial::Carbide;
    turning.work = WorkMaterial::CastIron;
    turning.set(SpeedField::Cv, 292);
    turning.set(SpeedField::x, 0.15);
    turning.set(SpeedField::y, 0.2);
    turning.set(SpeedField::m, 0.2);
    turning.set(SpeedField::Kpv, 0.85);
    turning.set(SpeedField::sFrom, 0.4);
    turning.set(SpeedField::sTo, 0.8);
    return {drilling, turning};
}

// A table written in either form reads back into the same rows, by the same reader.
TEST(SpeedRowsCsv, ExportThenImportGivesTheSameRowsInBothForms) {
    const std::vector<SpeedRow> rows = libraryRows();
    for (const char decimalSeparator : {',', '.'}) {
        const std::string text = speedRowsCsv(rows, decimalSeparator);
        const ImportedSpeedRows imported = parseSpeedRowsCsv(text);
        EXPECT_EQ(imported.problem, "") << text;
        EXPECT_EQ(imported.refusals, std::vector<std::string>()) << text;
        EXPECT_EQ(speedRowsJson(imported.rows), speedRowsJson(rows)) << text;
    }
    // The form a Russian spreadsheet opens in columns.
    const std::string russian = speedRowsCsv(rows, ',');
    EXPECT_TRUE(russian.starts_with("\xEF\xBB\xBFname;operations;tool;work;Cv;q;x;y;u;p;m;k;T;Kg;"
                                    "nv;Kmv;Kpv;Kiv;K;s-from;s-to;t-from;t-to;D-from;D-to;B-from;"
                                    "B-to;source\r\n"))
        << russian;
    EXPECT_NE(russian.find("\r\nТочение ВК8;turning boring facing;carbide;cast-iron;292;;0,15;0,2;"
                           ";;0,2;;;;;;0,85;;;0,4;0,8;;;;;;;\r\n"),
              std::string::npos)
        << russian;
}

// Every row that cannot be one of the library is named by its line and left out; the others
// come in. A decimal point in a ";" table reads as well as a comma.
TEST(SpeedRowsCsv, EachRowRefusedIsNamedByItsLineAndTheOthersAreTaken) {
    const std::string text = "name;operations;tool;work;Cv;y;m;T;Kmv\n"
                             "А;turning;hss;steel;40;0,3;0.2;60;\n"
                             ";turning;hss;steel;40;;;;\n"
                             "Б;turning;hss;steel;4O;;;;\n"
                             "В;turning;wood;steel;40;;;;\n"
                             "Г;turning;hss;;40;;;;\n"
                             "Д;turnin;hss;steel;40;;;;\n"
                             "Е;turning;hss;steel;40;;;0;\n"
                             "А;boring;hss;steel;40;;;;\n"
                             "Ж;boring;hss;steel;40;;;;0,5;7\n"
                             "З;drilling;carbide;copper;12;;;;0,9\n";
    const ImportedSpeedRows imported = parseSpeedRowsCsv(text);
    EXPECT_EQ(imported.problem, "");
    EXPECT_EQ(imported.refusals,
              (std::vector<std::string>{
                  "СТРОКА 3 ФАЙЛА CSV: НЕ ЗАДАНО ИМЯ СТРОКИ КОЭФФИЦИЕНТОВ",
                  "СТРОКА 4 ФАЙЛА CSV: НЕВЕРНОЕ ЧИСЛО В СТОЛБЦЕ Cv: 4O",
                  "СТРОКА 5 ФАЙЛА CSV: НЕИЗВЕСТНЫЙ МАТЕРИАЛ ИНСТРУМЕНТА wood",
                  "СТРОКА 6 ФАЙЛА CSV: НЕ ЗАДАН ОБРАБАТЫВАЕМЫЙ МАТЕРИАЛ",
                  "СТРОКА 7 ФАЙЛА CSV: СТРОКА «Д»: НЕИЗВЕСТНАЯ ОПЕРАЦИЯ turnin",
                  "СТРОКА 8 ФАЙЛА CSV: СТРОКА «Е»: ЗНАЧЕНИЕ T ВНЕ ПРЕДЕЛОВ: ОТ 1 ДО 100000 мин",
                  "СТРОКА 9 ФАЙЛА CSV: ИМЯ «А» УЖЕ ЕСТЬ В СТРОКЕ 2",
                  "СТРОКА 10 ФАЙЛА CSV: ЯЧЕЕК БОЛЬШЕ, ЧЕМ СТОЛБЦОВ В ЗАГОЛОВКЕ",
              }));
    ASSERT_EQ(imported.rows.size(), 2u);
    EXPECT_EQ(imported.rows[0].name, "А");
    EXPECT_EQ(imported.rows[0].given(SpeedField::y), 0.3);
    EXPECT_EQ(imported.rows[0].given(SpeedField::m), 0.2);
    EXPECT_EQ(imported.rows[0].given(SpeedField::Kmv), std::nullopt);
    EXPECT_EQ(imported.rows[1].name, "З");
    EXPECT_EQ(imported.rows[1].tool, ToolMaterial::Carbide);
    EXPECT_EQ(imported.rows[1].work, WorkMaterial::CopperAlloy);
    const std::string report = importReport(imported);
    EXPECT_TRUE(report.starts_with("ПРИНЯТО СТРОК: 2. НЕ ПРИНЯТЫ:\nСТРОКА 3 ФАЙЛА CSV")) << report;
    EXPECT_TRUE(
        report.ends_with("\nСТРОКА 10 ФАЙЛА CSV: ЯЧЕЕК БОЛЬШЕ, ЧЕМ СТОЛБЦОВ В ЗАГОЛОВКЕ!!!"))
        << report;
}

// A column that is no field of a row refuses the whole table: its numbers would land nowhere.
TEST(SpeedRowsCsv, AHeaderThatIsNotTheLibrarysRefusesTheWholeTable) {
    const std::pair<std::string, std::string> cases[] = {
        {"name,tool,work,operations,Cv,Cw\na,hss,steel,turning,40,1\n",
         "НЕИЗВЕСТНЫЙ СТОЛБЕЦ В ЗАГОЛОВКЕ CSV: Cw!!!"},
        {"name;Cv;Cv\n", "СТОЛБЕЦ ПОВТОРЯЕТСЯ В ЗАГОЛОВКЕ CSV: Cv!!!"},
        {"operations,tool,work,Cv\nturning,hss,steel,40\n", "В ЗАГОЛОВКЕ CSV НЕТ СТОЛБЦА name!!!"},
        {"\xEF\xBB\xBF\r\n", "В ФАЙЛЕ CSV НЕТ ЗАГОЛОВКА!!!"},
    };
    for (const auto& [text, problem] : cases) {
        const ImportedSpeedRows imported = parseSpeedRowsCsv(text);
        EXPECT_EQ(imported.problem, problem) << text;
        EXPECT_TRUE(imported.rows.empty()) << text;
    }
}

} // namespace
