// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/calcwindow/velta_01.h"
#include "support/windowdriver.h"

namespace {

class FaceMillingTest : public WindowTest {
protected:
    CalcWindow* window = open("MAKE_0011", 1);

    void fill(const QString& D, const QString& z, const QString& B, const QString& t,
              const QString& H, const QString& s, const QString& v) {
        type(window, "D_TEXT", D);
        type(window, "Z_TEXT", z);
        type(window, "B_TEXT", B);
        type(window, "T_TEXT", t);
        type(window, "H_TEXT", H);
        type(window, "S_TEXT", s);
        type(window, "V_TEXT", v);
    }
    void calculate() { choose("MAKE_01", window); }
    double kmp() const { return static_cast<VELTA_01*>(window)->Kmp; }
};

} // namespace

TEST_F(FaceMillingTest, WorkedExampleThroughTheWindow) {
    fill("100", "10", "50", "2", "750", "0,1", "100");
    click(window, "TS_OPT");
    click(window, "ST_OPT");
    calculate();

    EXPECT_TRUE(dialogs.shown.isEmpty()) << dialogs.shown.join('\n').toStdString();
    EXPECT_EQ(rowTexts(window, 1), shown({"1", "ТC", "сталь", "0,1", "100", "2", "100", "50", "10",
                                          "1720,8", "688,3", "860,4", "86,041", "2,812", "318"}));
    EXPECT_DOUBLE_EQ(kmp(), 1.0);
    EXPECT_NEAR(main.state().ForcePz, 1720.83, 0.01);
    EXPECT_NEAR(main.state().SpindleSpeed, 318.471, 0.001);
    EXPECT_EQ(control<QLineEdit>(window, "Text1")->text(), "2");
    EXPECT_EQ(window->grid()->rows(), 2);
}

TEST_F(FaceMillingTest, PointNotationGivesTheSameRow) {
    fill("100", "10", "50", "2", "750", "0.1", "100");
    click(window, "TS_OPT");
    click(window, "ST_OPT");
    calculate();
    EXPECT_EQ(cell(window, 1, 9), shown("1720,8"));
    EXPECT_EQ(cell(window, 1, 3), shown("0,1"));
}

TEST_F(FaceMillingTest, SpeedEntersTheForceOnlyWhereTheTableHasASpeedExponent) {
    struct Case {
        const char* tool;
        bool forceDependsOnSpeed;
    };
    for (const Case c : {Case{"BR_OPT", false}, Case{"TS_OPT", true}, Case{"MK_OPT", true}}) {
        SCOPED_TRACE(c.tool);
        click(window, c.tool);
        click(window, "ST_OPT");
        fill("100", "10", "50", "2", "750", "0,1", "30");
        calculate();
        const double slow = main.state().ForcePz;
        type(window, "V_TEXT", "300");
        calculate();
        const double fast = main.state().ForcePz;
        if (c.forceDependsOnSpeed) {
            EXPECT_LT(fast, slow); // w = 0.2: Pz falls as v rises
        } else {
            EXPECT_DOUBLE_EQ(fast, slow);
        }
    }
}

TEST_F(FaceMillingTest, AluminiumAndCopperBandsThroughTheWindow) {
    struct Case {
        const char* work;
        const char* strength;
        double kmp;
    };
    const Case cases[] = {{"AL_OPT", "249,9", 1.5}, {"AL_OPT", "250", 2.0},
                          {"AL_OPT", "350", 2.0},   {"AL_OPT", "350.1", 2.75},
                          {"CU_OPT", "119.9", 1.5}, {"CU_OPT", "120", 0.75}};
    click(window, "BR_OPT");
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.work) + " " + c.strength);
        click(window, c.work);
        fill("100", "10", "50", "2", c.strength, "0,1", "100");
        calculate();
        EXPECT_DOUBLE_EQ(kmp(), c.kmp);
    }
}

TEST_F(FaceMillingTest, SpindleSpeedAbove16BitsIsShownInFull) {
    // n = 100 × 1000 / 3.14 / 0.9 ≈ 35385.6 rev/min: a tiny cutter at full speed.
    fill("0,9", "2", "0,5", "0,2", "750", "0,01", "100");
    click(window, "TS_OPT");
    click(window, "ST_OPT");
    calculate();
    EXPECT_EQ(cell(window, 1, 14), "35386");
}

// A value no cut has is refused in its box before anything is computed: the power laws would
// give numbers for it (a width of 1e300 overflows, a feed of 1e-5 mm/tooth gives forces of 0,0).
TEST_F(FaceMillingTest, ValueOutsideARealCutIsRefusedInItsBoxWithoutWritingAnything) {
    struct Case {
        std::array<const char*, 7> texts; // D, z, B, t, H, s, v
        const char* box;
        const char* field;
        const char* range;
    };
    const Case cases[] = {
        {{"100", "10", "1e300", "2", "750", "0,1", "100"},
         "B_TEXT",
         "Ширина фрезерования, мм",
         "ОТ 0,01 ДО 10000 мм"},
        {{"0,09", "10", "50", "2", "750", "0,1", "100"},
         "D_TEXT",
         "Диаметр фрезы, мм",
         "ОТ 0,1 ДО 10000 мм"},
        {{"100", "10,5", "50", "2", "750", "0,1", "100"},
         "Z_TEXT",
         "Число зубьев фрезы",
         "ЦЕЛОЕ ЧИСЛО ОТ 1 ДО 1000"},
        {{"100", "10", "50", "2", "750", "0,00001", "100"},
         "S_TEXT",
         "Подача, мм/зуб",
         "ОТ 0,0001 ДО 100"},
        {{"100", "10", "50", "2", "10001", "0,1", "100"},
         "H_TEXT",
         "Предел прочности (МПа)/ твёрдость (HB)",
         "ОТ 1 ДО 10000"},
    };
    click(window, "TS_OPT");
    click(window, "ST_OPT");
    for (const Case& c : cases) {
        dialogs.shown.clear();
        fill(c.texts[0], c.texts[1], c.texts[2], c.texts[3], c.texts[4], c.texts[5], c.texts[6]);
        calculate();
        EXPECT_EQ(dialogs.shown, QStringList{QString("message: ЗНАЧЕНИЕ В ПОЛЕ «%1» ВНЕ ПРЕДЕЛОВ "
                                                     "РЕАЛЬНОГО РЕЗАНИЯ: %2!!!")
                                                 .arg(c.field, c.range)});
        EXPECT_EQ(focusedBox(window), c.box);
        EXPECT_EQ(rowTexts(window, 1).join(""), "");
        EXPECT_EQ(main.state().NextRow, 1);
        EXPECT_EQ(window->RowCount(), 2);
    }
    // The ends of the ranges are real cuts.
    dialogs.shown.clear();
    fill("10000", "1000", "0,01", "2", "10000", "100", "10000");
    calculate();
    EXPECT_TRUE(dialogs.shown.isEmpty());
}
