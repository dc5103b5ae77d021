// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/machine/machinecatalog.h"
#include "support/testmachines.h"
#include "support/windowdriver.h"

#include <QComboBox>

namespace {

class MachineInWindowTest : public WindowTest {
protected:
    MachineInWindowTest() {
        Machine drillPress = mill6R12();
        drillPress.name = "2Н135";
        drillPress.torqueMax = 50;
        EXPECT_EQ(main.machines().add(mill6R12()), "");
        EXPECT_EQ(main.machines().add(drillPress), "");
    }
    ~MachineInWindowTest() override {
        for (std::size_t i = main.machines().machines().size(); i-- > 0;) {
            main.machines().remove(i);
        }
    }

    void chooseMachine(CalcWindow* window, int number, const QString& name) {
        auto* choice = control<QComboBox>(
            window, QStringLiteral("MACHINE_0%1").arg(number).toUtf8().constData());
        choice->setCurrentIndex(choice->findText(name));
    }
    QString machineLine(CalcWindow* window, int number) {
        return control<QLabel>(window,
                               QStringLiteral("MACHINE_LINE_0%1").arg(number).toUtf8().constData())
            ->text();
    }
    // The face-milling window with the worked example typed in, on `machine`.
    CalcWindow* faceMillingOn(const QString& machine) {
        CalcWindow* window = open("MAKE_0011", 1);
        chooseMachine(window, 1, machine);
        fillFaceMillingExample(window);
        click(window, "TS_OPT");
        click(window, "ST_OPT");
        return window;
    }
    bool marked(CalcWindow* window, int row, int column) {
        return !window->grid()->item(row - 1, column)->toolTip().isEmpty();
    }
};

TEST_F(MachineInWindowTest, FaceMillingUpToTheSpindlePowerAndBack) {
    CalcWindow* window = faceMillingOn("6Р12");
    choose("MAKE_01", window);
    EXPECT_TRUE(dialogs.shown.isEmpty()) << dialogs.shown.join('\n').toStdString();
    EXPECT_EQ(machineLine(window, 1),
              shown("Станок 6Р12: на шпинделе 6,00 кВт, резание 2,81 кВт — 47 %"));

    // Three times the feed needs more than the spindle gives: the row is kept, its N cell marked.
    type(window, "S_TEXT", "0,3");
    choose("MAKE_01", window);
    const QString crossed =
        shown("МОЩНОСТЬ РЕЗАНИЯ 6,41 кВт БОЛЬШЕ МОЩНОСТИ НА ШПИНДЕЛЕ 6,00 кВт!!!");
    EXPECT_EQ(dialogs.shown, QStringList{"message: " + crossed});
    EXPECT_EQ(cell(window, 2, 13), shown("6,410"));
    EXPECT_TRUE(marked(window, 2, 13));
    EXPECT_EQ(window->grid()->item(1, 13)->toolTip(), crossed);
    EXPECT_FALSE(marked(window, 2, 9));
    EXPECT_FALSE(marked(window, 1, 13));

    // The largest feed goes into the box, rounded down, and its row passes.
    dialogs.shown.clear();
    dialogs.confirmWith(true);
    choose("LIMIT_S_01", window);
    EXPECT_EQ(dialogs.shown,
              QStringList{shown("confirm: НАИБОЛЬШАЯ ПОДАЧА 0,274 мм/зуб, ЕЁ ОГРАНИЧИВАЕТ МОЩНОСТЬ "
                                "НА ШПИНДЕЛЕ.\nЧАСТОТА ВРАЩЕНИЯ НЕ ЗАВИСИТ ОТ ПОДАЧИ.\nВВЕСТИ "
                                "ЕЁ В ПОЛЕ ПОДАЧИ?")});
    EXPECT_EQ(control<QLineEdit>(window, "S_TEXT")->text(), shown("0,274"));
    EXPECT_EQ(window->RowCount(), 4) << "no row is computed by the offer";
    dialogs.shown.clear();
    choose("MAKE_01", window);
    EXPECT_TRUE(dialogs.shown.isEmpty()) << dialogs.shown.join('\n').toStdString();
    EXPECT_FALSE(marked(window, 3, 13));
    EXPECT_EQ(machineLine(window, 1),
              shown("Станок 6Р12: на шпинделе 6,00 кВт, резание 5,99 кВт — 100 %"));
}

// The face-milling example at 0,12 mm/tooth over a travel of 200 mm on a 6Р12 whose table feeds
// run from 25 to 315 mm/min (R10): Sм = 0,12·10·318,47 = 382,2 mm/min is above them. The passport
// feed then takes nф = 315, the feed there 0,12·10·315 = 378 → 315 mm/min, sz = 0,1.
TEST_F(MachineInWindowTest, PassportFeedMainTimeAndTheFeedLimit) {
    Machine table = mill6R12();
    table.name = "6Р12Ф";
    table.feeds = seriesSpeeds(speedSeries[1], 25, 315);
    EXPECT_EQ(main.machines().add(table), "");
    CalcWindow* window = faceMillingOn("6Р12Ф");
    type(window, "S_TEXT", "0,12");
    type(window, "TRAVEL_01", "200");
    choose("MAKE_01", window);
    EXPECT_EQ(dialogs.shown,
              QStringList{shown("message: ПОДАЧА 382,2 мм/мин БОЛЬШЕ НАИБОЛЬШЕЙ ПОДАЧИ СТАНКА "
                                "315 мм/мин!!!")});
    EXPECT_TRUE(marked(window, 1, 3));
    EXPECT_FALSE(marked(window, 1, 13));
    // 200/382,17 = 0,523 min; 2·50·382,17/1000 = 38,2 cm³/min.
    const auto timeLine = [this, window] {
        return control<QLabel>(window, "TIME_LINE_01")->text();
    };
    EXPECT_EQ(timeLine(), shown("Sм 382 мм/мин · To 0,52 мин · Q 38,2 см³/мин"));

    dialogs.shown.clear();
    choose("PASSPORT_S_01", window);
    EXPECT_EQ(control<QLineEdit>(window, "S_TEXT")->text(), shown("0,1"));
    EXPECT_EQ(control<QLineEdit>(window, "V_TEXT")->text(), shown("98,91"));
    EXPECT_EQ(dialogs.shown, QStringList{shown("message: ПОДАЧА ПО ПАСПОРТУ 315 мм/мин: s = 0,1 "
                                               "мм/зуб при nф = 315 об/мин, v = 98,91 м/мин.")});
    // At the passport's speed and feed: 315 mm/min, 200/315 = 0,635 min, 31,5 cm³/min.
    dialogs.shown.clear();
    choose("MAKE_01", window);
    EXPECT_TRUE(dialogs.shown.isEmpty()) << dialogs.shown.join('\n').toStdString();
    EXPECT_FALSE(marked(window, 2, 3));
    EXPECT_EQ(timeLine(), shown("Sм 315 мм/мин · To 0,63 мин · Q 31,5 см³/мин"));

    // Without a travel there is no main time; a travel of 0 is refused, and no row is written.
    type(window, "TRAVEL_01", "");
    choose("MAKE_01", window);
    EXPECT_EQ(timeLine(), shown("Sм 315 мм/мин · Q 31,5 см³/мин"));
    type(window, "TRAVEL_01", "0");
    choose("MAKE_01", window);
    EXPECT_EQ(dialogs.shown, QStringList{"message: НЕВЕРНАЯ ДЛИНА РАБОЧЕГО ХОДА: 0!!!"});
    EXPECT_EQ(window->RowCount(), 5) << "three rows and no more";
    EXPECT_EQ(open("MAKE_0007", 7)->findChild<QAction*>(QStringLiteral("PASSPORT_S_07")), nullptr);
}

TEST_F(MachineInWindowTest, PassportSpeedAndLimitsThatDoNotDependOnTheInput) {
    CalcWindow* turning = open("MAKE_0021", 5);
    chooseMachine(turning, 5, "6Р12");
    fill(turning, {{"D_TEXT5", "50"},
                   {"T_TEXT5", "2"},
                   {"H_TEXT5", "750"},
                   {"S_TEXT5", "0,2"},
                   {"V_TEXT5", "100"}});
    click(turning, "TS_OPT5");
    click(turning, "ST_OPT5");
    choose("PASSPORT_05", turning);
    EXPECT_EQ(control<QLineEdit>(turning, "V_TEXT5")->text(), shown("98,91"));
    EXPECT_EQ(dialogs.shown,
              QStringList{shown("message: ЧАСТОТА ВРАЩЕНИЯ ПО ПАСПОРТУ 630 об/мин, СКОРОСТЬ "
                                "РЕЗАНИЯ 98,91 м/мин")});

    // A stepless drive runs at the computed n = 1000 · 100 / (3,14 · 100) itself: v stays 100.
    dialogs.shown.clear();
    Machine stepless = mill6R12();
    stepless.name = "6Т13";
    stepless.speeds.clear();
    stepless.speedMin = 50;
    stepless.speedMax = 1600;
    EXPECT_EQ(main.machines().add(stepless), "");
    CalcWindow* milling = faceMillingOn("6Т13");
    choose("PASSPORT_01", milling);
    EXPECT_EQ(control<QLineEdit>(milling, "V_TEXT")->text(), "100");
    EXPECT_EQ(dialogs.shown,
              QStringList{shown("message: ЧАСТОТА ВРАЩЕНИЯ ПО ПАСПОРТУ 318,471337579618 об/мин, "
                                "СКОРОСТЬ РЕЗАНИЯ 100 м/мин")});

    // A drill's torque does not depend on the cutting speed: no speed keeps 52,67 N·m under 50.
    dialogs.shown.clear();
    CalcWindow* drilling = open("MAKE_0003", 6);
    chooseMachine(drilling, 6, "2Н135");
    fill(drilling, {{"D_TEXT6", "20"}, {"H_TEXT6", "750"}, {"S_TEXT6", "0,3"}, {"V_TEXT6", "25"}});
    click(drilling, "BR_OPT6");
    click(drilling, "ST_OPT6");
    choose("LIMIT_V_06", drilling);
    EXPECT_EQ(dialogs.shown,
              QStringList{"message: НИ ПРИ КАКОЙ СКОРОСТИ РЕЗАНИЯ НЕ СОБЛЮДАЕТСЯ ОГРАНИЧЕНИЕ: "
                          "НАИБОЛЬШИЙ МОМЕНТ СТАНКА!!!\nКРУТЯЩИЙ МОМЕНТ НЕ ЗАВИСИТ ОТ СКОРОСТИ "
                          "РЕЗАНИЯ."});

    // Without a machine there is nothing to take limits from; threading has no feed to choose.
    dialogs.shown.clear();
    CalcWindow* threading = open("MAKE_0007", 7);
    choose("LIMIT_V_07", threading);
    EXPECT_EQ(dialogs.shown, QStringList{"message: ВЫ НЕ ВЫБРАЛИ СТАНОК!!!"});
    EXPECT_EQ(threading->findChild<QAction*>(QStringLiteral("LIMIT_S_07")), nullptr);
}

// Neither a feed of 0 nor one of 5429 mm/tooth is offered for the box: 1e-4 kW at the spindle
// is kept only at s = 1,17e-7, 10 000 kW up to far beyond a real cut.
TEST_F(MachineInWindowTest, NoLargestFeedOfZeroOrBeyondARealCut) {
    Machine weak = mill6R12();
    weak.name = "Слабый";
    weak.power = 0.01;
    weak.efficiency = 0.01;
    Machine strong = mill6R12();
    strong.name = "Мощный";
    strong.power = 10000;
    strong.efficiency = 1;
    EXPECT_EQ(main.machines().add(weak), "");
    EXPECT_EQ(main.machines().add(strong), "");
    const std::pair<QString, QString> cases[] = {
        {"Слабый", "message: НИ ПРИ КАКОЙ ПОДАЧЕ НЕ СОБЛЮДАЕТСЯ ОГРАНИЧЕНИЕ: МОЩНОСТЬ НА "
                   "ШПИНДЕЛЕ!!!\nЧАСТОТА ВРАЩЕНИЯ НЕ ЗАВИСИТ ОТ ПОДАЧИ."},
        {"Мощный", "message: ПОДАЧА ДО 100 мм/зуб НЕ ОГРАНИЧЕНА НИ ОДНИМ ПРЕДЕЛОМ СТАНКА.\n"
                   "ЧАСТОТА ВРАЩЕНИЯ НЕ ЗАВИСИТ ОТ ПОДАЧИ."},
    };
    for (const auto& [machine, said] : cases) {
        SCOPED_TRACE(machine.toStdString());
        CalcWindow* window = faceMillingOn(machine);
        dialogs.shown.clear();
        choose("LIMIT_S_01", window);
        EXPECT_EQ(dialogs.shown, QStringList{said});
        EXPECT_EQ(control<QLineEdit>(window, "S_TEXT")->text(), "0,1") << "as it was typed";
    }
}

} // namespace
