// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/windowdriver.h"
#include "support/workingfolder.h"

#include <QApplication>
#include <QFile>
#include <QMenuBar>
#include <QStringDecoder>

namespace {

const QString workPrompt = "input: ВЫ НЕ ВЫБРАЛИ ТИП ОБРАБАТЫВАЕМОГО МАТЕРИАЛА! ВЫБЕРИТЕ: 1 - "
                           "СТАЛЬ, 2 - ЧУГУН, 3 - АЛ. СПЛАВ, 4 - МЕД. СПЛАВ ";
const QString toolPrompt = "input: ВЫ НЕ ВЫБРАЛИ ТИП МАТЕРИАЛА ИНСТРУМЕНТА! ВЫБЕРИТЕ: 1 - Б\\Р "
                           "СТАЛЬ, 2 - ТВ. СПЛАВ, 3 - МИНЕРАЛОКЕРАМИКА ";
const QString schemePrompt = "input: ВЫ НЕ ВЫБРАЛИ СХЕМУ ФРЕЗЕРОВАНИЯ! ВЫБЕРИТЕ: 1 - СХЕМА ТОРЦ. "
                             "ФРЕЗЕРОВАНИЯ, 2 - СХЕМА ЦИЛ. ФРЕЗЕРОВАНИЯ ";

class FrameTest : public WindowTest {
protected:
    // The face-milling window with every box filled and both materials chosen.
    CalcWindow* filledFaceMilling() {
        CalcWindow* window = open("MAKE_0011", 1);
        fillFaceMillingExample(window);
        click(window, "TS_OPT");
        click(window, "ST_OPT");
        return window;
    }
    QString rowBox(CalcWindow* window) { return control<QLineEdit>(window, "Text1")->text(); }
};

struct EmptyWindow {
    const char* menuItem;
    int number;
    bool asksScheme;
    int code;
    const char* message;
    const char* focus;
};

} // namespace

TEST_F(FrameTest, AllBoxesEmptyAsksMaterialsThenReportsTheLastMissingInput) {
    const EmptyWindow windows[] = {
        {"MAKE_0011", 1, false, 70, "ВЫ НЕ ЗАДАЛИ СКОРОСТЬ РЕЗАНИЯ!!!", "V_TEXT"},
        {"MAKE_0013", 2, false, 80, "ВЫ НЕ ЗАДАЛИ УГОЛ НАКЛОНА ЗУБЬЕВ ФРЕЗЫ!!!", "A_TEXT2"},
        {"MAKE_0012", 3, true, 70, "ВЫ НЕ ЗАДАЛИ СКОРОСТЬ РЕЗАНИЯ!!!", "V_TEXT1"},
        {"MAKE_0021", 5, false, 50, "ВЫ НЕ ЗАДАЛИ СКОРОСТЬ РЕЗАНИЯ!!!", "V_TEXT5"},
        {"MAKE_0004", 6, false, 50, "ВЫ НЕ ЗАДАЛИ СКОРОСТЬ РЕЗАНИЯ!!!", "V_TEXT6"},
    };
    for (const EmptyWindow& w : windows) {
        SCOPED_TRACE(w.menuItem);
        dialogs.shown.clear();
        CalcWindow* window = open(w.menuItem, w.number);
        dialogs.answer("2");
        dialogs.answer("1");
        QStringList expected{workPrompt, toolPrompt};
        if (w.asksScheme) {
            dialogs.answer("1");
            expected << schemePrompt;
        }
        expected << "message: " + QString::fromUtf8(w.message);
        calculate(window);

        EXPECT_EQ(dialogs.shown, expected);
        EXPECT_EQ(window->ErrorCode(), w.code);
        EXPECT_EQ(focusedBox(window), w.focus);
        const QString suffix = QString::fromUtf8(window->definition().suffix);
        EXPECT_TRUE(control<QRadioButton>(window, ("CH_OPT" + suffix).toUtf8())->isChecked());
        EXPECT_EQ(control<QLabel>(window, "Label5")->text(), "Твёрдость, НВ");
        EXPECT_TRUE(control<QRadioButton>(window, ("BR_OPT" + suffix).toUtf8())->isChecked());
        EXPECT_EQ(rowTexts(window, 1).join(""), "");
        EXPECT_EQ(window->RowCount(), 2);
        EXPECT_EQ(main.state().NextRow, 1);
    }
}

TEST_F(FrameTest, LaterMissingInputWinsAndNegativesPassTheCheck) {
    CalcWindow* window = filledFaceMilling();
    fill(window, {{"D_TEXT", ""}, {"V_TEXT", ""}, {"S_TEXT", "-0,1"}});
    calculate(window);
    EXPECT_EQ(dialogs.shown, QStringList{"message: ВЫ НЕ ЗАДАЛИ СКОРОСТЬ РЕЗАНИЯ!!!"});
    EXPECT_EQ(focusedBox(window), "V_TEXT");

    // Once nothing is missing, the negative feed is refused, focus in the first negative box.
    dialogs.shown.clear();
    fill(window, {{"D_TEXT", "100"}, {"V_TEXT", "100"}, {"B_TEXT", "-50"}});
    calculate(window);
    EXPECT_EQ(dialogs.shown, QStringList{"message: ЗНАЧЕНИЕ НЕ МОЖЕТ БЫТЬ ОТРИЦАТЕЛЬНЫМ!!!"});
    EXPECT_EQ(focusedBox(window), "B_TEXT");
    EXPECT_EQ(rowTexts(window, 1).join(""), "");
    EXPECT_EQ(main.state().NextRow, 1);
}

TEST_F(FrameTest, UnparsableCommaTextCountsAsNotEntered) {
    CalcWindow* window = filledFaceMilling();
    fill(window, {{"T_TEXT", "2,5 мм"}});
    calculate(window);
    EXPECT_EQ(dialogs.shown, QStringList{"message: ВЫ НЕ ЗАДАЛИ ГЛУБИНУ ФРЕЗЕРОВАНИЯ!!!"});
    EXPECT_EQ(focusedBox(window), "T_TEXT");
}

TEST_F(FrameTest, MaterialAnswersAreRoundedHalfToEvenAndAskedAgainWhenOutOfRange) {
    struct Case {
        std::vector<QString> answers;
        int code;
        const char* work;
        const char* label;
    };
    const Case cases[] = {
        {{"2"}, 2, "CH_OPT", "Твёрдость, НВ"},
        {{"2.5"}, 2, "CH_OPT", "Твёрдость, НВ"},
        {{"3.5"}, 4, "CU_OPT", "Твёрдость, НВ"},
        {{" 3 "}, 3, "AL_OPT", "Предел прочности, МПа"},
        {{"0", "", "5", "abc", "1"}, 1, "ST_OPT", "Предел прочности, МПа"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.answers.front().toStdString());
        dialogs.shown.clear();
        CalcWindow* window = open("MAKE_0011", 1);
        fill(window, {{"D_TEXT", ""}});
        for (const QString& answer : c.answers) {
            dialogs.answer(answer);
        }
        dialogs.answer("1");
        calculate(window);
        EXPECT_EQ(dialogs.shown.count(workPrompt), static_cast<int>(c.answers.size()));
        EXPECT_TRUE(control<QRadioButton>(window, c.work)->isChecked());
        EXPECT_EQ(control<QLabel>(window, "Label5")->text(), c.label);
        EXPECT_EQ(main.state().WorkMaterial, c.code);
        choose("EXIT_01", window);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

TEST_F(FrameTest, CancelInAQuestionStopsWithNothingWritten) {
    for (const int cancelled : {0, 1}) {
        SCOPED_TRACE(cancelled);
        CalcWindow* window = open("MAKE_0011", 1);
        fillFaceMillingExample(window);
        if (cancelled == 1) {
            dialogs.answer("1");
        }
        dialogs.cancel();
        calculate(window);
        EXPECT_FALSE(dialogs.shown.join("").contains("message:"));
        EXPECT_EQ(rowTexts(window, 1).join(""), "");
        EXPECT_EQ(main.state().NextRow, 1);
        EXPECT_EQ(rowBox(window), "1");
        choose("EXIT_01", window);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

TEST_F(FrameTest, RowNumberOutsideTheGridIsRefused) {
    CalcWindow* window = filledFaceMilling();
    for (const char* row : {"0", "-1", "2", "40000", "abc"}) {
        SCOPED_TRACE(row);
        dialogs.shown.clear();
        calculateAt(window, row);
        EXPECT_EQ(dialogs.shown, QStringList{"message: НЕВЕРНЫЙ НОМЕР СТРОКИ!!!"});
        EXPECT_EQ(focusedBox(window), "Text1");
        EXPECT_EQ(cell(window, 0, 0), "номер");
        EXPECT_EQ(window->RowCount(), 2);
        EXPECT_EQ(main.state().NextRow, 1);
    }
    // With blanks around it, or cut short by a comma, the row number still reads as 1.
    for (const char* row : {" 1 ", "1,7"}) {
        dialogs.shown.clear();
        calculateAt(window, row);
        EXPECT_TRUE(dialogs.shown.isEmpty());
        EXPECT_EQ(cell(window, 1, 0), "1");
    }
}

TEST_F(FrameTest, RowsFillOneByOneAndAnEarlierRowIsRecomputed) {
    CalcWindow* window = filledFaceMilling();
    calculate(window);
    EXPECT_EQ(window->grid()->rows(), 2);
    EXPECT_EQ(rowBox(window), "2");
    calculate(window);
    calculate(window);
    EXPECT_EQ(window->grid()->rows(), 4);
    EXPECT_EQ(rowBox(window), "4");
    EXPECT_EQ(window->RowCount(), 5);

    // Recompute row 2 with another speed: the box proposes the first free row again.
    fill(window, {{"V_TEXT", "200"}});
    calculateAt(window, "2");
    EXPECT_EQ(cell(window, 2, 4), "200");
    EXPECT_EQ(cell(window, 3, 4), "100");
    EXPECT_EQ(rowBox(window), "4");
    EXPECT_EQ(window->RowCount(), 5);
}

TEST_F(FrameTest, SharedCountersResetByTheMenuNeverDropFilledRows) {
    CalcWindow* window = filledFaceMilling();
    for (int row = 1; row <= 3; ++row) {
        calculate(window);
    }
    ASSERT_EQ(window->RowCount(), 5);
    open("MAKE_0021", 5); // another window resets the shared counters
    EXPECT_EQ(main.state().NextRow, 1);

    calculateAt(window, "1");
    EXPECT_EQ(rowBox(window), "2");
    EXPECT_EQ(window->RowCount(), 5);
    calculateAt(window, "1");
    EXPECT_EQ(rowBox(window), "2");
    EXPECT_EQ(window->RowCount(), 5);
    calculateAt(window, "2");
    EXPECT_EQ(window->grid()->rows(), 5);
    for (int row = 1; row <= 3; ++row) {
        EXPECT_EQ(cell(window, row, 9), shown("1720,8")) << row;
    }
    // Row 4 is the next new one and may be written; the grid grows for it.
    calculateAt(window, "4");
    EXPECT_EQ(cell(window, 4, 0), "4");
    EXPECT_EQ(window->RowCount(), 6);
}

// A window whose row was sent past its last one by another window's counters: the rows it
// reserved on the way stay empty in the grid and never reach the report.
TEST_F(FrameTest, RowsReservedByAnotherWindowStayOutOfTheReport) {
    const WorkingFolder working;
    CalcWindow* turning = open("MAKE_0021", 5);
    fill(turning, {{"D_TEXT5", "50"},
                   {"T_TEXT5", "2"},
                   {"H_TEXT5", "750"},
                   {"S_TEXT5", "0.2"},
                   {"V_TEXT5", "100"}});
    click(turning, "TS_OPT5");
    click(turning, "ST_OPT5");
    CalcWindow* milling = filledFaceMilling();
    for (int row = 1; row <= 3; ++row) {
        calculate(milling);
    }
    calculate(turning); // its box still says row 1; the shared next row is 4
    calculate(turning); // row 4, as the box now proposes: rows 2 and 3 stay empty
    ASSERT_EQ(turning->RowCount(), 6);
    choose("SAVE_05", turning);
    QFile report(working.onlyFile());
    ASSERT_TRUE(report.open(QIODevice::ReadOnly));
    const QString text = QStringDecoder("windows-1251")(report.readAll());
    const QStringList lines = text.split("\r\n");
    EXPECT_EQ(lines,
              QStringList({"Точение продольное", rowTexts(turning, 0).join(""),
                           rowTexts(turning, 1).join(""), rowTexts(turning, 4).join(""), ""}));
    EXPECT_EQ(cell(turning, 4, 0), "4");
}

TEST_F(FrameTest, TurningLayoutEchoesInputsAndMaterials) {
    CalcWindow* window = open("MAKE_0021", 5);
    fill(window, {{"D_TEXT5", "50"},
                  {"T_TEXT5", "2"},
                  {"H_TEXT5", "750"},
                  {"S_TEXT5", "0.2"},
                  {"V_TEXT5", "100"}});
    click(window, "MK_OPT5");
    click(window, "CU_OPT5");
    calculate(window);
    // Ceramics on a hard copper alloy (Kmp 0.75): torque in whole N·m, speed to 0.01 rev/min.
    EXPECT_EQ(rowTexts(window, 1), shown({"1", "М/K", "МЕД.", "0,2", "100", "2", "50", "78,7",
                                          "40,2", "67,1", "2", "0,129", "636,94"}));
    EXPECT_EQ(rowBox(window), "2");
}

TEST_F(FrameTest, DiscMillingAsksForEachEmptyValueInOrderAndWritesItBack) {
    CalcWindow* window = open("MAKE_0014", 4);
    fill(window, {{"Z_TEXT4", "20"},
                  {"B_TEXT4", "10"},
                  {"T_TEXT4", "5"},
                  {"H_TEXT4", "750"},
                  {"S_TEXT4", "0,05"}});
    click(window, "BR_OPT4");
    click(window, "ST_OPT4");
    for (const char* answer : {"", "abc", "0", "100", "30,5"}) {
        dialogs.answer(answer);
    }
    calculate(window);
    const QString diameter = "input: ВЫ НЕ ЗАДАЛИ ДИАМЕТР ФРЕЗЫ, ВВЕДИТЕ ЗНАЧЕНИЕ: ";
    EXPECT_EQ(dialogs.shown, QStringList({diameter, diameter, diameter, diameter,
                                          "input: ВЫ НЕ ЗАДАЛИ СКОРОСТЬ РЕЗАНИЯ, ВВЕДИТЕ "
                                          "ЗНАЧЕНИЕ: "}));
    EXPECT_EQ(control<QLineEdit>(window, "D_TEXT4")->text(), "100");
    EXPECT_EQ(control<QLineEdit>(window, "V_TEXT4")->text(), shown("30,5"));
    EXPECT_EQ(cell(window, 1, 6), "100");
    EXPECT_EQ(cell(window, 1, 1), "Б/Р");

    // Cancel leaves the question and the calculation; answers already given stay.
    type(window, "D_TEXT4", "");
    dialogs.cancel();
    calculate(window);
    EXPECT_EQ(rowBox(window), "2");
    EXPECT_EQ(control<QLineEdit>(window, "V_TEXT4")->text(), shown("30,5"));
}

TEST_F(FrameTest, StubItemsAnswerThatTheServiceIsNotConnected) {
    const std::tuple<const char*, int, const char*> stubs[] = {{"MAKE_0011", 1, "DATA0"},
                                                               {"MAKE_0013", 2, "FEED_V"},
                                                               {"MAKE_0012", 3, "VELTA_K"},
                                                               {"MAKE_0021", 5, "VELTA0"}};
    for (const auto& [item, number, stub] : stubs) {
        dialogs.shown.clear();
        CalcWindow* window = open(item, number);
        choose(stub, window);
        EXPECT_EQ(dialogs.shown, QStringList{"message: УСЛУГА НЕ ПОДКЛЮЧЕНА!!!"}) << stub;
    }
    EXPECT_EQ(open("MAKE_0014", 4)->findChild<QAction*>("DATA0"), nullptr);
}

TEST_F(FrameTest, WindowControlsAndMenus) {
    CalcWindow* threads = open("MAKE_0007", 7);
    const char* threadControls[] = {"D_TEXT7", "T_TEXT7",   "S_TEXT7",   "P_TEXT7",   "V_TEXT7",
                                    "H_TEXT7", "REZ_TEXT7", "MET_TEXT7", "PLA_TEXT7", "Text1"};
    for (const char* name : threadControls) {
        EXPECT_NE(threads->findChild<QWidget*>(name), nullptr) << name;
    }
    EXPECT_EQ(control<QLabel>(threads, "Label2")->text(), "Число проходов (резца)");
    EXPECT_EQ(caption(control<QAction>(threads, "HELP_1")), "ПО ОБРАБАТЫВАЕМОМУ МАТЕРИАЛУ");
    EXPECT_EQ(caption(control<QAction>(threads, "HELP_2")), "ПО ПАРАМЕТРАМ РЕЗЬБ");

    CalcWindow* end = open("MAKE_0012", 3);
    EXPECT_EQ(control<QRadioButton>(end, "SHT_TEXT")->text(), "как торцовое");
    EXPECT_EQ(control<QRadioButton>(end, "SHC_TEXT")->text(), "как цилиндрическое");
    EXPECT_EQ(control<QLabel>(end, "Label8")->text(), "Угол наклона зубьев");

    CalcWindow* face = open("MAKE_0011", 1);
    QStringList captions;
    for (QAction* action : face->menuBar()->actions()) {
        captions << action->objectName() + " " + caption(action);
    }
    EXPECT_EQ(captions, QStringList({"DATA0 ПОДАЧА И СКОРОСТЬ", "MAKE_01 РАСЧЁТ", "HELP_0 СПРАВКА",
                                     "SAVE_01 СОХРАНИТЬ", "GRAPH_01 ГРАФИК", "EXPORT_01 ЭКСПОРТ",
                                     "STANOK_01 СТАНОК", "EXIT_01 ВЫХОД"}));
    EXPECT_EQ(control<QLabel>(face, "Label5")->text(), "Предел прочности (МПа)/ твёрдость (HB)");
    EXPECT_EQ(control<QLabel>(face, "Label9")->text(), "НОМЕР СТРОКИ");
}

TEST_F(FrameTest, FaceMillingTabOrder) {
    CalcWindow* window = open("MAKE_0011", 1);
    const QStringList expected{"D_TEXT", "Z_TEXT", "B_TEXT", "T_TEXT", "S_TEXT",
                               "V_TEXT", "ST_OPT", "CH_OPT", "AL_OPT", "CU_OPT",
                               "H_TEXT", "BR_OPT", "TS_OPT", "MK_OPT", "Text1"};
    QStringList order;
    QWidget* widget = control(window, "D_TEXT");
    while (order.size() < expected.size()) {
        if (widget->focusPolicy() & Qt::TabFocus) {
            order << widget->objectName();
        }
        widget = widget->nextInFocusChain();
    }
    EXPECT_EQ(order, expected);
}
