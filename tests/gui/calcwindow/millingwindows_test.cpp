// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/calcwindow/millingwindow.h"
#include "support/windowdriver.h"

namespace {

const QString schemePrompt = "input: ВЫ НЕ ВЫБРАЛИ СХЕМУ ФРЕЗЕРОВАНИЯ! ВЫБЕРИТЕ: 1 - СХЕМА ТОРЦ. "
                             "ФРЕЗЕРОВАНИЯ, 2 - СХЕМА ЦИЛ. ФРЕЗЕРОВАНИЯ ";

struct Example {
    const char* name;
    const char* menuItem;
    int window;
    const char* tool;
    const char* scheme; // end milling only
    // D, Z, B, t, H, s, v, ω as typed
    std::array<const char*, 8> inputs;
    QStringList cells; // columns 1 and 9 to 14
};

const Example examples[] = {
    {"cylindrical high speed steel",
     "MAKE_0013",
     2,
     "BR_OPT2",
     nullptr,
     {"80", "8", "50", "3", "750", "0,1", "30", "30"},
     {"Б/Р", "3086,8", "1543,4", "534,3", "123,473", "1,513", "119"}},
    {"cylindrical carbide",
     "MAKE_0013",
     2,
     "TS_OPT2",
     nullptr,
     {"80", "8", "50", "3", "750", "0,1", "30", "30"},
     {"ТC", "4174,1", "2087,0", "722,5", "166,963", "2,046", "119"}},
    {"end face scheme",
     "MAKE_0012",
     3,
     "BR_OPT1",
     "SHT_TEXT",
     {"20", "4", "10", "5", "750", "0,05", "25", "30"},
     {"Б/Р", "957,9", "287,4", "479,0", "9,579", "0,391", "398"}},
    // The scheme changes only Py and Px; the helix angle enters only the cylindrical one.
    {"end cylindrical scheme",
     "MAKE_0012",
     3,
     "BR_OPT1",
     "SHC_TEXT",
     {"20", "4", "10", "5", "750", "0,05", "25", "30"},
     {"Б/Р", "957,9", "479,0", "165,8", "9,579", "0,391", "398"}},
    {"end cylindrical scheme straight teeth",
     "MAKE_0012",
     3,
     "BR_OPT1",
     "SHC_TEXT",
     {"20", "4", "10", "5", "750", "0,05", "25", ""},
     {"Б/Р", "957,9", "479,0", "0,0", "9,579", "0,391", "398"}},
    {"end carbide",
     "MAKE_0012",
     3,
     "TS_OPT1",
     "SHT_TEXT",
     {"20", "4", "10", "5", "750", "0,05", "25", "30"},
     {"ТC", "507,7", "152,3", "253,8", "5,077", "0,207", "398"}},
    // w = -0.13: the faster carbide end mill meets the larger force.
    {"end carbide faster",
     "MAKE_0012",
     3,
     "TS_OPT1",
     "SHT_TEXT",
     {"20", "4", "10", "5", "750", "0,05", "100", "30"},
     {"ТC", "607,9", "182,4", "304,0", "6,079", "0,993", "1592"}},
    {"end ceramics label",
     "MAKE_0012",
     3,
     "MK_OPT1",
     "SHT_TEXT",
     {"20", "4", "10", "5", "750", "0,05", "25", "30"},
     {"МK"}},
    {"disc",
     "MAKE_0014",
     4,
     "BR_OPT4",
     nullptr,
     {"100", "20", "10", "5", "750", "0,05", "30", "0"},
     {"Б/Р", "1200,0", "480,0", "0,0", "60,001", "0,588", "96"}},
};

void PrintTo(const Example& example, std::ostream* out) {
    *out << example.name;
}

class MillingWindowsTest : public WindowTest, public ::testing::WithParamInterface<Example> {};

} // namespace

TEST_P(MillingWindowsTest, WorkedExampleThroughTheWindow) {
    const Example& example = GetParam();
    CalcWindow* window = open(example.menuItem, example.window);
    const QString suffix = QString::fromUtf8(window->definition().suffix);
    const char* boxes[] = {"D_TEXT", "Z_TEXT", "B_TEXT", "T_TEXT",
                           "H_TEXT", "S_TEXT", "V_TEXT", "A_TEXT"};
    for (std::size_t i = 0; i < example.inputs.size(); ++i) {
        type(window, (boxes[i] + suffix).toUtf8(), example.inputs[i]);
    }
    click(window, example.tool);
    click(window, ("ST_OPT" + suffix).toUtf8());
    if (example.scheme) {
        click(window, example.scheme);
    }
    calculate(window);
    EXPECT_TRUE(dialogs.shown.isEmpty()) << dialogs.shown.join('\n').toStdString();
    QStringList cells{cell(window, 1, 1)};
    for (int column = 9; column <= 14 && cells.size() < example.cells.size(); ++column) {
        cells << cell(window, 1, column);
    }
    EXPECT_EQ(cells, shown(example.cells));
    EXPECT_EQ(rowTexts(window, 1).mid(5, 4),
              shown({example.inputs[3], example.inputs[0], example.inputs[2], example.inputs[1]}));
    EXPECT_DOUBLE_EQ(static_cast<MillingWindow*>(window)->Kmp, 1.0);
}

INSTANTIATE_TEST_SUITE_P(Examples, MillingWindowsTest, ::testing::ValuesIn(examples),
                         [](const ::testing::TestParamInfo<Example>& row) {
                             std::string name = row.param.name;
                             std::replace(name.begin(), name.end(), ' ', '_');
                             return name;
                         });

using MillingEdgeTest = WindowTest;

TEST_F(MillingEdgeTest, HelixAngleIsRequiredOnlyInCylindricalMilling) {
    CalcWindow* window = open("MAKE_0013", 2);
    fill(window, {{"D_TEXT2", "80"},
                  {"Z_TEXT2", "8"},
                  {"B_TEXT2", "50"},
                  {"T_TEXT2", "3"},
                  {"H_TEXT2", "750"},
                  {"S_TEXT2", "0,1"},
                  {"V_TEXT2", "30"},
                  {"A_TEXT2", "0"}});
    click(window, "BR_OPT2");
    click(window, "ST_OPT2");
    calculate(window);
    EXPECT_EQ(dialogs.shown, QStringList{"message: ВЫ НЕ ЗАДАЛИ УГОЛ НАКЛОНА ЗУБЬЕВ ФРЕЗЫ!!!"});
    EXPECT_EQ(focusedBox(window), "A_TEXT2");

    // At 90° the tangent law gives Px of a million newtons (tan 1.57 ≈ 1255.77): no cutter has
    // a helix past 75°.
    dialogs.shown.clear();
    type(window, "A_TEXT2", "90");
    calculate(window);
    EXPECT_EQ(dialogs.shown, QStringList{"message: ЗНАЧЕНИЕ В ПОЛЕ «Угол наклона зубьев» ВНЕ "
                                         "ПРЕДЕЛОВ РЕАЛЬНОГО РЕЗАНИЯ: ОТ 0 ДО 75°!!!"});
    EXPECT_EQ(focusedBox(window), "A_TEXT2");
    EXPECT_EQ(cell(window, 1, 11), "");

    dialogs.shown.clear();
    type(window, "A_TEXT2", "75");
    calculate(window);
    EXPECT_TRUE(dialogs.shown.isEmpty());
    EXPECT_DOUBLE_EQ(static_cast<MillingWindow*>(window)->HelixAngle, 75);

    dialogs.shown.clear();
    type(window, "A_TEXT2", "-30");
    calculate(window);
    EXPECT_EQ(dialogs.shown, QStringList{"message: ЗНАЧЕНИЕ НЕ МОЖЕТ БЫТЬ ОТРИЦАТЕЛЬНЫМ!!!"});
    EXPECT_EQ(focusedBox(window), "A_TEXT2");
}

TEST_F(MillingEdgeTest, SchemeQuestionAfterTheMaterialsAsksAgainAndCancelStops) {
    CalcWindow* window = open("MAKE_0012", 3);
    fill(window, {{"D_TEXT1", "20"},
                  {"Z_TEXT1", "4"},
                  {"B_TEXT1", "10"},
                  {"T_TEXT1", "5"},
                  {"H_TEXT1", "750"},
                  {"S_TEXT1", "0,05"},
                  {"V_TEXT1", "25"}});
    for (const char* answer : {"1", "1", "3", "0"}) {
        dialogs.answer(answer);
    }
    dialogs.cancel();
    calculate(window);
    EXPECT_EQ(dialogs.shown.size(), 5);
    EXPECT_EQ(dialogs.shown.mid(2), QStringList({schemePrompt, schemePrompt, schemePrompt}));
    EXPECT_EQ(rowTexts(window, 1).join(""), "");

    dialogs.shown.clear();
    dialogs.answer("2");
    calculate(window);
    EXPECT_EQ(dialogs.shown, QStringList{schemePrompt});
    EXPECT_TRUE(control<QRadioButton>(window, "SHC_TEXT")->isChecked());
    EXPECT_EQ(main.state().SchemeKind, 2);
    EXPECT_EQ(cell(window, 1, 10), shown("479,0"));
}
