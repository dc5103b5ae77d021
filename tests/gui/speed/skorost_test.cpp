// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/speed/speedlibrary.h"
#include "gui/machine/machinecatalog.h"
#include "gui/speed/skorost.h"
#include "gui/speed/speedcatalog.h"
#include "support/testmachines.h"
#include "support/testspeedrows.h"
#include "support/windowdriver.h"

#include <QComboBox>
#include <QHelpEvent>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QToolTip>

namespace {

class SpeedServiceTest : public WindowTest {
protected:
    ~SpeedServiceTest() override {
        for (std::size_t i = main.speeds().rows().size(); i-- > 0;) {
            main.speeds().remove(i);
        }
        for (std::size_t i = main.machines().machines().size(); i-- > 0;) {
            main.machines().remove(i);
        }
    }

    // The drilling window with the boxes of the drilling check: an 11,5 mm HSS drill in 750 MPa
    // steel at 0,25 mm/rev, the speed left to the service.
    CalcWindow* drillingWindow() {
        CalcWindow* window = open("MAKE_0003", 6);
        fill(window, {{"D_TEXT6", "11,5"}, {"H_TEXT6", "750"}, {"S_TEXT6", "0,25"}});
        click(window, "BR_OPT6");
        click(window, "ST_OPT6");
        return window;
    }

    // The speed item of the window, its dialog once it opened, and the dialog's parts.
    SKOROST* askSpeed(CalcWindow* window, const char* item) {
        choose(item, window);
        return window->speedDialog();
    }
    QString value(SKOROST* dialog, const char* term) {
        return control<QLabel>(dialog, (QByteArray("VALUE_") + term).constData())->text();
    }
    QString message(SKOROST* dialog) { return control<QLabel>(dialog, "MESSAGE")->text(); }
    void typeToolLife(SKOROST* dialog, const QString& text) {
        control<QLineEdit>(dialog, "T_EDIT")->setText(text);
    }
    void press(SKOROST* dialog, const char* button) {
        control<QPushButton>(dialog, button)->click();
    }
    QString speedBox(CalcWindow* window, const char* box) {
        return control<QLineEdit>(window, box)->text();
    }
};

} // namespace

// A program without coefficient rows answers as it always did, in every window, and reads and
// asks nothing: the boxes are empty and no material is chosen. The item says where rows go.
TEST_F(SpeedServiceTest, WithAnEmptyLibraryEveryWindowsItemIsNotConnected) {
    struct Item {
        const char* menuItem;
        int number;
        const char* speedItem;
        const char* caption;
    };
    const Item items[] = {{"MAKE_0011", 1, "DATA0", "ПОДАЧА И СКОРОСТЬ"},
                          {"MAKE_0013", 2, "FEED_V", "ПОДАЧА И СКОРОСТЬ"},
                          {"MAKE_0012", 3, "VELTA_K", "ПОДАЧА И СКОРОСТЬ"},
                          {"MAKE_0014", 4, "VELTA4", "СКОРОСТЬ"},
                          {"MAKE_0021", 5, "VELTA0", "СКОРОСТЬ"},
                          {"MAKE_0003", 6, "VELTA6", "СКОРОСТЬ"},
                          {"MAKE_0007", 7, "VELTA7", "СКОРОСТЬ"}};
    const QString library = QString::fromStdString(main.speeds().path().string());
    for (const Item& item : items) {
        SCOPED_TRACE(item.speedItem);
        dialogs.shown.clear();
        CalcWindow* window = open(item.menuItem, item.number);
        auto* action = control<QAction>(window, item.speedItem);
        ASSERT_NE(action, nullptr);
        EXPECT_EQ(caption(action), item.caption);
        EXPECT_TRUE(action->toolTip().contains(library)) << action->toolTip().toStdString();
        EXPECT_TRUE(action->statusTip().contains("«КОЭФФИЦИЕНТЫ СКОРОСТИ»"));
        // The pointer resting on the item shows the tip.
        QMenuBar* bar = window->menuBar();
        const QPoint over = bar->actionGeometry(action).center();
        QHelpEvent hover(QEvent::ToolTip, over, bar->mapToGlobal(over));
        QApplication::sendEvent(bar, &hover);
        EXPECT_EQ(QToolTip::text(), action->toolTip());
        action->trigger();
        EXPECT_EQ(dialogs.shown, QStringList{"message: УСЛУГА НЕ ПОДКЛЮЧЕНА!!!"});
        EXPECT_EQ(window->speedDialog(), nullptr);
    }
}

// The drilling check through the window: the terms of the formula, v and n as the user's locale
// shows them, a tool life typed with a comma, one refused, and v to 0,01 m/min in the speed box.
TEST_F(SpeedServiceTest, DrillingCheckWritesTheSpeedIntoTheBox) {
    ASSERT_EQ(main.speeds().add(drillingRow()), "");
    CalcWindow* window = drillingWindow();
    const int rowCount = window->RowCount();
    SKOROST* dialog = askSpeed(window, "VELTA6");
    EXPECT_TRUE(dialogs.shown.isEmpty()) << dialogs.shown.join('\n').toStdString();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(control<QComboBox>(dialog, "ROW_CHOICE")->currentText(), "сверло Р6М5");
    EXPECT_EQ(control<QLabel>(dialog, "SOURCE")->text(), "справочник, табл. 28");
    EXPECT_EQ(control<QLineEdit>(dialog, "T_EDIT")->text(), "45");
    QStringList terms;
    for (const char* term : {"Cv", "Dq", "Tm", "tx", "sy", "Bu", "zp", "ik", "Kmv", "Kpv", "Kiv",
                             "K", "Kv", "v", "n"}) {
        terms << value(dialog, term);
    }
    // A drill's depth D/2 has no exponent in the row: it stays out of the formula.
    EXPECT_EQ(terms, shown({"7", "2,6563", "2,1411", "1", "0,3789", "1", "1", "1", "0,51", "1", "1",
                            "1", "0,51", "11,688", "323,68"}));
    EXPECT_TRUE(message(dialog).isEmpty());

    typeToolLife(dialog, "22,5");
    EXPECT_EQ(value(dialog, "v"), shown("13,426"));
    EXPECT_EQ(value(dialog, "n"), shown("371,81"));
    typeToolLife(dialog, "0,5");
    EXPECT_EQ(message(dialog), "ПЕРИОД СТОЙКОСТИ T ВНЕ ПРЕДЕЛОВ: ОТ 1 ДО 100000 мин!!!");
    EXPECT_EQ(value(dialog, "v"), "");
    EXPECT_FALSE(control<QPushButton>(dialog, "ACCEPT")->isEnabled());
    typeToolLife(dialog, "45");
    press(dialog, "ACCEPT");
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(speedBox(window, "V_TEXT6"), shown("11,69"));
    EXPECT_EQ(speedBox(window, "S_TEXT6"), "0,25") << "the feed stays the user's";
    EXPECT_EQ(window->RowCount(), rowCount) << "no row is computed by the service";
    EXPECT_TRUE(dialogs.shown.isEmpty()) << dialogs.shown.join('\n').toStdString();
}

// Two rows split by the feed, as a handbook's table is: the one the feed fits is chosen first, the
// other says which band the feed misses and computes nothing.
TEST_F(SpeedServiceTest, ARowWhoseBandTheInputsMissSaysWhichAndGivesNoSpeed) {
    SpeedRow fine = drillingRow("мелкие подачи");
    fine.set(SpeedField::sTo, 0.2);
    SpeedRow coarse = drillingRow("крупные подачи");
    coarse.set(SpeedField::sFrom, 0.2);
    ASSERT_EQ(main.speeds().add(fine), "");
    ASSERT_EQ(main.speeds().add(coarse), "");
    CalcWindow* window = drillingWindow();
    type(window, "V_TEXT6", "20");
    SKOROST* dialog = askSpeed(window, "VELTA6");
    ASSERT_NE(dialog, nullptr);
    auto* rows = control<QComboBox>(dialog, "ROW_CHOICE");
    ASSERT_EQ(rows->count(), 2);
    EXPECT_TRUE(rows->isEnabled());
    EXPECT_EQ(rows->currentText(), "крупные подачи");
    EXPECT_EQ(value(dialog, "v"), shown("11,688"));

    rows->setCurrentIndex(0);
    EXPECT_EQ(message(dialog), shown("s = 0,25 ВНЕ ПОЛОСЫ СТРОКИ «мелкие подачи»: ДО 0,2!!!"));
    EXPECT_EQ(value(dialog, "v"), "");
    EXPECT_EQ(value(dialog, "Cv"), "");
    EXPECT_FALSE(control<QPushButton>(dialog, "ACCEPT")->isEnabled());
    press(dialog, "ACCEPT");
    EXPECT_EQ(speedBox(window, "V_TEXT6"), "20");
}

// With a machine the passport speed below n is offered too, and the user may take its speed.
TEST_F(SpeedServiceTest, TheMachinesPassportSpeedMayBeTaken) {
    ASSERT_EQ(main.machines().add(mill6R12()), "");
    ASSERT_EQ(main.speeds().add(drillingRow()), "");
    CalcWindow* window = drillingWindow();
    auto* machine = control<QComboBox>(window, "MACHINE_06");
    machine->setCurrentIndex(machine->findText("6Р12"));
    SKOROST* dialog = askSpeed(window, "VELTA6");
    ASSERT_NE(dialog, nullptr);
    // The R10 gearbox has 315 rev/min below 323,68: vф = 3,14 · 11,5 · 315 / 1000.
    EXPECT_EQ(value(dialog, "n"), shown("323,68"));
    EXPECT_EQ(value(dialog, "nf"), "315");
    EXPECT_EQ(value(dialog, "vf"), shown("11,375"));
    auto* takePassport = control<QRadioButton>(dialog, "TAKE_VF");
    EXPECT_TRUE(takePassport->isVisible());
    takePassport->click();
    press(dialog, "ACCEPT");
    EXPECT_EQ(speedBox(window, "V_TEXT6"), shown("11,37"));
}

// A row another program saves is offered at once: the face-milling check, in a milling window.
TEST_F(SpeedServiceTest, ARowAnotherProgramAddsIsOfferedWithoutARestart) {
    CalcWindow* window = open("MAKE_0011", 1);
    fill(window, {{"D_TEXT", "100"},
                  {"Z_TEXT", "10"},
                  {"B_TEXT", "48"},
                  {"T_TEXT", "1"},
                  {"H_TEXT", "750"},
                  {"S_TEXT", "0,15"}});
    click(window, "BR_OPT");
    click(window, "ST_OPT");
    choose("DATA0", window);
    EXPECT_EQ(dialogs.shown, QStringList{"message: УСЛУГА НЕ ПОДКЛЮЧЕНА!!!"});

    QSignalSpy followed(&main.speeds(), &SpeedCatalog::changed);
    ASSERT_EQ(changeSpeedRows(main.speeds().path(), {std::nullopt, faceMillingRow()}).error, "");
    ASSERT_TRUE(followed.wait(5000));
    dialogs.shown.clear();
    SKOROST* dialog = askSpeed(window, "DATA0");
    EXPECT_TRUE(dialogs.shown.isEmpty()) << dialogs.shown.join('\n').toStdString();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(value(dialog, "v"), shown("54,841"));
    EXPECT_EQ(value(dialog, "n"), shown("174,65"));
    press(dialog, "ACCEPT");
    EXPECT_EQ(speedBox(window, "V_TEXT"), shown("54,84"));
}

// The boxes are read as "РАСЧЁТ" reads them, its question for a missing choice included; Cancel
// then leaves the speed box and the table as they were.
TEST_F(SpeedServiceTest, CancelChangesNothing) {
    ASSERT_EQ(main.speeds().add(drillingRow()), "");
    CalcWindow* window = open("MAKE_0003", 6);
    fill(window, {{"D_TEXT6", "11,5"}, {"H_TEXT6", "750"}, {"S_TEXT6", "0,25"}, {"V_TEXT6", "20"}});
    click(window, "ST_OPT6");
    const int rowCount = window->RowCount();
    dialogs.answer("1");
    SKOROST* dialog = askSpeed(window, "VELTA6");
    EXPECT_EQ(dialogs.shown, QStringList{"input: ВЫ НЕ ВЫБРАЛИ ТИП МАТЕРИАЛА ИНСТРУМЕНТА! "
                                         "ВЫБЕРИТЕ: 1 - Б\\Р СТАЛЬ, 2 - ТВ. СПЛАВ, 3 - "
                                         "МИНЕРАЛОКЕРАМИКА "});
    EXPECT_TRUE(control<QRadioButton>(window, "BR_OPT6")->isChecked());
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(value(dialog, "v"), shown("11,688"));
    press(dialog, "CANCEL");
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(speedBox(window, "V_TEXT6"), "20");
    EXPECT_EQ(window->RowCount(), rowCount);

    // A refusal of "РАСЧЁТ" is the service's too, and opens nothing.
    dialogs.shown.clear();
    type(window, "D_TEXT6", "-1");
    EXPECT_EQ(askSpeed(window, "VELTA6"), nullptr);
    EXPECT_EQ(dialogs.shown, QStringList{"message: ЗНАЧЕНИЕ НЕ МОЖЕТ БЫТЬ ОТРИЦАТЕЛЬНЫМ!!!"});
    EXPECT_EQ(focusedBox(window), "D_TEXT6");
}
