// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/calcwindow/velta_07.h"
#include "support/windowdriver.h"

namespace {

const QString toolKindPrompt =
    "input: ВЫ НЕ ВЫБРАЛИ ТИП ИНСТРУМЕНТА! ВЫБЕРИТЕ: 1 - РЕЗЕЦ, 2 - МЕТЧИК, 3 - ПЛАШКА ";
const QString passesPrompt = "input: ВЫ НЕ ЗАДАЛИ ЧИСЛО ПРОХОДОВ РЕЗЦА, ВВЕДИТЕ ЗНАЧЕНИЕ: ";

class ThreadCuttingTest : public WindowTest {
protected:
    // An M20 × 2.5 thread in 750 MPa steel with high-speed-steel tools.
    CalcWindow* openM20(const char* speed, const char* passes) {
        CalcWindow* window = open("MAKE_0007", 7);
        fill(window, {{"D_TEXT7", "20"},
                      {"T_TEXT7", "1,5"},
                      {"H_TEXT7", "750"},
                      {"S_TEXT7", "2,5"},
                      {"V_TEXT7", speed},
                      {"P_TEXT7", passes}});
        click(window, "BR_OPT7");
        click(window, "ST_OPT7");
        return window;
    }
};

} // namespace

TEST_F(ThreadCuttingTest, CutterWorkedExample) {
    CalcWindow* window = openM20("20", "6");
    click(window, "REZ_TEXT7");
    calculate(window);
    EXPECT_TRUE(dialogs.shown.isEmpty());
    EXPECT_EQ(rowTexts(window, 1), shown({"1", "Б/Р", "сталь", "2,5", "20", "1,5", "20", "1969,1",
                                          "0,0", "0,0", "19,691", "0,644", "318"}));
    EXPECT_EQ(main.state().OperationKind, 1);
}

TEST_F(ThreadCuttingTest, TapAndDieGiveTheSameRowWhateverTheDepth) {
    const QStringList torqueRow{"70,748", "1,155", "159"};
    struct Case {
        const char* tool;
        const char* depth;
        int operationKind;
    };
    for (const Case c :
         {Case{"MET_TEXT7", "1,5", 2}, Case{"PLA_TEXT7", "1,5", 3}, Case{"PLA_TEXT7", "0,3", 3}}) {
        SCOPED_TRACE(std::string(c.tool) + " " + c.depth);
        CalcWindow* window = openM20("10", "");
        click(window, c.tool);
        type(window, "T_TEXT7", c.depth);
        calculate(window);
        EXPECT_TRUE(dialogs.shown.isEmpty()); // passes are not asked for a tap or a die
        EXPECT_EQ(rowTexts(window, 1).mid(7),
                  shown(QStringList({"0,0", "0,0", "0,0"}) + torqueRow));
        EXPECT_EQ(main.state().OperationKind, c.operationKind);
    }
}

TEST_F(ThreadCuttingTest, MissingInputIsReportedAtOnceWithoutQuestions) {
    CalcWindow* window = open("MAKE_0007", 7);
    calculate(window);
    EXPECT_EQ(dialogs.shown, QStringList{"message: ВЫ НЕ ЗАДАЛИ СКОРОСТЬ РЕЗАНИЯ!!!"});
    EXPECT_EQ(focusedBox(window), "V_TEXT7");

    // A zero diameter stops too, before it could reach the spindle-speed division.
    dialogs.shown.clear();
    fill(window, {{"T_TEXT7", "1"}, {"H_TEXT7", "750"}, {"S_TEXT7", "2"}, {"V_TEXT7", "10"}});
    calculate(window);
    EXPECT_EQ(dialogs.shown, QStringList{"message: ВЫ НЕ ЗАДАЛИ ДИАМЕТР РЕЗЬБЫ!!!"});
    EXPECT_EQ(focusedBox(window), "D_TEXT7");
    EXPECT_EQ(rowTexts(window, 1).join(""), "");
}

TEST_F(ThreadCuttingTest, PassesAreAskedForTheCutterUntilGiven) {
    CalcWindow* window = openM20("20", "");
    click(window, "REZ_TEXT7");
    for (const char* answer : {"", "abc", "6"}) {
        dialogs.answer(answer);
    }
    calculate(window);
    EXPECT_EQ(dialogs.shown, QStringList({passesPrompt, passesPrompt, passesPrompt}));
    EXPECT_EQ(control<QLineEdit>(window, "P_TEXT7")->text(), "6");
    EXPECT_EQ(cell(window, 1, 7), shown("1969,1"));

    type(window, "P_TEXT7", "");
    dialogs.cancel();
    calculateAt(window, "2");
    EXPECT_EQ(cell(window, 2, 0), "");
    EXPECT_EQ(main.state().NextRow, 2);
}

TEST_F(ThreadCuttingTest, ToolKindQuestionAsksAgainAndCancelWritesNothing) {
    CalcWindow* window = openM20("10", "");
    main.state().OperationKind = 4;
    dialogs.answer("4");
    dialogs.cancel();
    calculate(window);
    EXPECT_EQ(dialogs.shown, QStringList({toolKindPrompt, toolKindPrompt}));
    EXPECT_EQ(rowTexts(window, 1).join(""), "");
    EXPECT_EQ(main.state().OperationKind, 4);

    dialogs.shown.clear();
    dialogs.answer("2,4"); // the comma ends the number: 2, a tap
    calculate(window);
    EXPECT_TRUE(control<QRadioButton>(window, "MET_TEXT7")->isChecked());
    EXPECT_EQ(main.state().SchemeKind, 2);
    EXPECT_EQ(cell(window, 1, 10), shown("70,748"));
}

TEST_F(ThreadCuttingTest, ThreadToolDecidesTheNextHoleMakingFormula) {
    CalcWindow* holes = open("MAKE_0003", 6);
    fill(holes, {{"D_TEXT6", "20"},
                 {"T_TEXT6", "1,5"},
                 {"H_TEXT6", "600"},
                 {"S_TEXT6", "0,6"},
                 {"V_TEXT6", "20"}});
    click(holes, "BR_OPT6");
    click(holes, "ST_OPT6");
    calculate(holes);
    EXPECT_EQ(cell(holes, 1, 5), "10"); // drilling: half the diameter

    CalcWindow* threads = openM20("10", "");
    click(threads, "MET_TEXT7");
    calculate(threads);
    calculateAt(holes, "2");
    EXPECT_EQ(cell(holes, 2, 5), shown("1,5")); // the tap set enlarging: the typed depth
    EXPECT_EQ(cell(holes, 2, 7), shown("731,3"));
}
