// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/calcwindow/velta_05.h"
#include "support/windowdriver.h"

namespace {

class TurningTest : public WindowTest {
protected:
    // The handbook check case: a carbide tool in 750 MPa steel.
    CalcWindow* computeExample(const char* menuItem) {
        CalcWindow* window = open(menuItem, 5);
        fill(window, {{"D_TEXT5", "50"},
                      {"T_TEXT5", "2"},
                      {"H_TEXT5", "750"},
                      {"S_TEXT5", "0,2"},
                      {"V_TEXT5", "100"}});
        click(window, "TS_OPT5");
        click(window, "ST_OPT5");
        calculate(window);
        return window;
    }
};

} // namespace

TEST_F(TurningTest, SubOperationsThroughTheWindow) {
    struct Case {
        const char* menuItem;
        QStringList forces; // Pz, Py, Px, M, N
    };
    const QStringList turningForces{"899,3", "433,7", "480,6", "22", "1,470"};
    const Case cases[] = {
        {"MAKE_0021", turningForces},
        {"MAKE_0022", turningForces},
        {"MAKE_0024", turningForces},
        // Grooving and parting: the narrow edge's own main force, no radial or axial force.
        {"MAKE_0023", {"1854,5", "0,0", "0,0", "46", "3,030"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.menuItem);
        CalcWindow* window = computeExample(c.menuItem);
        EXPECT_TRUE(dialogs.shown.isEmpty());
        EXPECT_EQ(rowTexts(window, 1),
                  shown(QStringList({"1", "ТC", "сталь", "0,2", "100", "2", "50"}) + c.forces +
                        QStringList{"636,94"}));
        EXPECT_DOUBLE_EQ(static_cast<VELTA_05*>(window)->Kmp, 1.0);
    }
}

TEST_F(TurningTest, AllEmptyReportsTheSpeedLast) {
    CalcWindow* window = open("MAKE_0021", 5);
    click(window, "BR_OPT5");
    click(window, "CH_OPT5");
    calculate(window);
    EXPECT_EQ(dialogs.shown, QStringList{"message: ВЫ НЕ ЗАДАЛИ СКОРОСТЬ РЕЗАНИЯ!!!"});
    EXPECT_EQ(focusedBox(window), "V_TEXT5");
}

TEST_F(TurningTest, SubOperationSetElsewhereDecidesTheNextRow) {
    CalcWindow* window = computeExample("MAKE_0023");
    EXPECT_EQ(cell(window, 1, 8), shown("0,0"));
    // Drilling chosen in the main menu sets sub-operation 1 for the turning window too.
    open("MAKE_0003", 6);
    calculateAt(window, "2");
    EXPECT_EQ(cell(window, 2, 7), shown("899,3"));
    EXPECT_EQ(cell(window, 2, 8), shown("433,7"));
}
