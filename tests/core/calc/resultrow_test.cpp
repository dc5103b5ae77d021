// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/calc/resultrow.h"
#include "support/commalocale.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using RowCellsTest = CommaLocaleTest;

TEST(HeadingsTest, MillingAndTurningLayouts) {
    const std::vector<std::string> milling = headings(GridLayout::Milling);
    ASSERT_EQ(milling.size(), 15u);
    EXPECT_EQ(milling.front(), "номер");
    EXPECT_EQ(milling[7], "В фр, мм"); // Cyrillic В
    EXPECT_EQ(milling[12], "M, Hм");
    EXPECT_EQ(milling.back(), "n, об/мин");
    EXPECT_EQ(columnCount(GridLayout::Milling), 15);

    const std::vector<std::string> turning = headings(GridLayout::Turning);
    ASSERT_EQ(turning.size(), 13u);
    EXPECT_EQ(turning[3], "s, мм/об");
    EXPECT_EQ(turning[6], "D, мм");
    EXPECT_EQ(turning.back(), "n, об/мин");
    EXPECT_EQ(columnCount(GridLayout::Turning), 13);
}

// The inputs of one row; each test adds the results it needs.
RowValues inputs(int row, const char* tool, const char* work, double s, double v, double t,
                 double D, double B, double z) {
    RowValues values;
    values.row = row;
    values.tool = tool;
    values.work = work;
    values.feed = s;
    values.speed = v;
    values.depth = t;
    values.diameter = D;
    values.width = B;
    values.teeth = z;
    return values;
}

// A milling row: inputs in plain form, forces with one decimal, torque and power with three,
// the speed as a whole number rounded half to even; the separator is the caller's.
TEST_F(RowCellsTest, MillingColumnsInOrder) {
    RowValues values = inputs(3, "ТC", "сталь", 0.1, 100, 2.5, 100, 50, 10);
    values.results.Pz = 1720.83;
    values.results.Py = 688.33;
    values.results.Px = 860.41;
    values.results.M = 86.0413;
    values.results.N = 2.8118;
    values.results.n = 318.5;
    const std::vector<std::string> expected{"3",     "ТC",    "сталь",  "0,1",   "100",
                                            "2,5",   "100",   "50",     "10",    "1720,8",
                                            "688,3", "860,4", "86,041", "2,812", "318"};
    EXPECT_EQ(rowCells(GridLayout::Milling, values, ResultPatterns{}, ','), expected);
}

// A result the tool has no value for stays blank.
TEST_F(RowCellsTest, EmptyResultsLeaveBlankCells) {
    const RowValues values = inputs(1, "Б/Р", "чугун", 0.2, 30, 1, 80, 40, 8);
    const std::vector<std::string> expected{"1", "Б/Р", "чугун", "0.2", "30", "1", "80", "40",
                                            "8", "",    "",      "",    "",   "",  ""};
    EXPECT_EQ(rowCells(GridLayout::Milling, values, ResultPatterns{}, '.'), expected);
}

// Turning windows show the torque without decimals and the speed with two; the milling
// geometry has no column there.
TEST_F(RowCellsTest, TurningLayoutWithItsPatterns) {
    RowValues values = inputs(2, "Б/Р", "сталь", 0.3, 50, 1.5, 25, 99, 99);
    values.results.Pz = 1798.4;
    values.results.M = 22.48;
    values.results.N = 1.4693;
    values.results.n = 636.942675;
    const std::vector<std::string> expected{"2",      "Б/Р", "сталь", "0.3", "50",    "1.5",   "25",
                                            "1798.4", "",    "",      "22",  "1.469", "636.94"};
    EXPECT_EQ(rowCells(GridLayout::Turning, values, ResultPatterns{0, 2}, '.'), expected);
}

} // namespace
