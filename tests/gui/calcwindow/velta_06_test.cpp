// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/calcwindow/velta_06.h"
#include "support/windowdriver.h"

namespace {

class HoleMakingTest : public WindowTest {
protected:
    CalcWindow* openWith(const char* menuItem, const char* tool, const char* work) {
        CalcWindow* window = open(menuItem, 6);
        click(window, tool);
        click(window, work);
        return window;
    }
    QStringList results(CalcWindow* window, int row) { return rowTexts(window, row).mid(5); }
};

} // namespace

TEST_F(HoleMakingTest, DrillingWorksWithHalfTheDiameterWhateverTheDepthBoxHolds) {
    CalcWindow* window = openWith("MAKE_0003", "BR_OPT6", "ST_OPT6");
    for (const char* depth : {"", "7"}) {
        SCOPED_TRACE(depth);
        fill(window, {{"D_TEXT6", "20"},
                      {"T_TEXT6", depth},
                      {"H_TEXT6", "750"},
                      {"S_TEXT6", "0,3"},
                      {"V_TEXT6", "25"}});
        calculateAt(window, "1");
        EXPECT_TRUE(dialogs.shown.isEmpty());
        EXPECT_EQ(rowTexts(window, 1), shown({"1", "Б/Р", "сталь", "0,3", "25", "10", "20",
                                              "5855,0", "0,0", "0,0", "52,672", "2,151", "398"}));
        EXPECT_EQ(control<QLineEdit>(window, "T_TEXT6")->text(), depth);
    }
}

TEST_F(HoleMakingTest, DrillingWithoutDiameterReportsTheDepth) {
    CalcWindow* window = openWith("MAKE_0003", "BR_OPT6", "ST_OPT6");
    fill(window, {{"T_TEXT6", "5"}, {"H_TEXT6", "750"}, {"S_TEXT6", "0,3"}, {"V_TEXT6", "25"}});
    calculate(window);
    EXPECT_EQ(dialogs.shown, QStringList{"message: ВЫ НЕ ЗАДАЛИ ГЛУБИНУ РЕЗАНИЯ!!!"});
    EXPECT_EQ(focusedBox(window), "T_TEXT6");
    EXPECT_EQ(window->ErrorCode(), 20);
}

TEST_F(HoleMakingTest, EnlargingAndCoreDrillingGiveTheSameRow) {
    for (const char* item : {"MAKE_0004", "MAKE_0005"}) {
        SCOPED_TRACE(item);
        CalcWindow* window = openWith(item, "BR_OPT6", "ST_OPT6");
        fill(window, {{"D_TEXT6", "20"},
                      {"T_TEXT6", "1,5"},
                      {"H_TEXT6", "600"},
                      {"S_TEXT6", "0,6"},
                      {"V_TEXT6", "20"}});
        calculate(window);
        EXPECT_EQ(results(window, 1),
                  shown({"1,5", "20", "731,3", "0,0", "0,0", "16,114", "0,526", "318"}));
    }
}

TEST_F(HoleMakingTest, ReamingWithoutHandbookDataLeavesTheForcesBlank) {
    CalcWindow* window = openWith("MAKE0005", "MK_OPT6", "ST_OPT6");
    fill(window, {{"D_TEXT6", "20"},
                  {"T_TEXT6", "1,5"},
                  {"H_TEXT6", "750"},
                  {"S_TEXT6", "0,6"},
                  {"V_TEXT6", "20"}});
    calculate(window);
    // Ceramics: the neutral set, 10 Kmp for the force and the torque.
    EXPECT_EQ(results(window, 1),
              shown({"1,5", "20", "10,0", "0,0", "0,0", "10,000", "0,327", "318"}));

    for (const char* tool : {"BR_OPT6", "TS_OPT6"}) {
        SCOPED_TRACE(tool);
        dialogs.shown.clear();
        click(window, tool);
        calculateAt(window, "1");
        EXPECT_EQ(dialogs.shown, QStringList{"message: НЕТ ДАННЫХ ДЛЯ РАСЧЁТА УСИЛИЙ ПРИ "
                                             "РАЗВЁРТЫВАНИИ ЭТИМ ИНСТРУМЕНТОМ!!!"});
        EXPECT_EQ(results(window, 1), shown({"1,5", "20", "", "0,0", "0,0", "", "", "318"}));
        EXPECT_TRUE(window->ForceCoefficients.empty()); // no force data for this reamer
    }
}
