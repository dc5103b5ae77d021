// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/machine/machinecatalog.h"
#include "gui/machine/stanki.h"
#include "support/freshconfiguration.h"
#include "support/windowdriver.h"

#include <QComboBox>
#include <QFile>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>

namespace {

class StankiTest : protected FreshConfiguration, public WindowTest {
protected:
    StankiTest() {
        EXPECT_EQ(catalog().path(),
                  std::filesystem::path(config.path().toStdString()) / "rezhim" / "machines.json");
    }

    STANKI* openMachines() {
        choose("MACHINES_00");
        return main.findChild<STANKI*>(QStringLiteral("STANKI"));
    }

    MachineCatalog& catalog() { return main.machines(); }

    QByteArray fileBytes() {
        QFile file(QString::fromStdString(catalog().path().string()));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // The machines as the file on disk holds them, in the file's own form for readable failures.
    std::string onDisk() {
        const ParsedLibrary parsed = parseLibraryJson(fileBytes().toStdString());
        EXPECT_EQ(parsed.problem, "");
        return libraryJson(parsed.machines);
    }
    std::string inCatalog() { return libraryJson(catalog().machines()); }

    void press(STANKI* dialog, const char* name) { control<QPushButton>(dialog, name)->click(); }
    QString text(STANKI* dialog, const char* name) {
        return control<QLineEdit>(dialog, name)->text();
    }
    QStringList listed(STANKI* dialog) {
        QStringList names;
        auto* list = control<QListWidget>(dialog, "MachineList");
        for (int row = 0; row < list->count(); ++row) {
            names << list->item(row)->text();
        }
        return names;
    }
    QString selected(STANKI* dialog) {
        const QListWidgetItem* item = control<QListWidget>(dialog, "MachineList")->currentItem();
        return item ? item->text() : QString();
    }
    // A click on the machine's line, as the user selects it.
    void select(STANKI* dialog, int row) {
        auto* list = control<QListWidget>(dialog, "MachineList");
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(row)).center());
    }
    void chooseSeries(STANKI* dialog, const QString& item) {
        auto* ratio = control<QComboBox>(dialog, "MachineRatio");
        const int index = ratio->findText(shown(item));
        ASSERT_GE(index, 0) << item.toStdString();
        ratio->setCurrentIndex(index);
    }

    static QString message(const std::string& text) {
        return QStringLiteral("message: ") + QString::fromStdString(text);
    }
};

// A milling machine with a gearbox: the passport's speeds, no torque given.
const Machine millingMachine = [] {
    Machine machine;
    machine.name = "6Р12";
    machine.power = 7.5;
    machine.efficiency = 0.75;
    machine.speeds = {31.5, 40, 50};
    machine.forceMax = 15000;
    return machine;
}();
// A lathe with a stepless main drive.
const Machine lathe = [] {
    Machine machine;
    machine.name = "16К20Ф3";
    machine.power = 10;
    machine.efficiency = 0.8;
    machine.speedMin = 12.5;
    machine.speedMax = 2000;
    machine.torqueMax = 800;
    return machine;
}();

} // namespace

TEST_F(StankiTest, MenuOpensOneModelessDialogBeforeTheAboutItem) {
    const QList<QAction*> items = main.menuBar()->actions();
    const auto at = [&items](const char* name) {
        return std::find_if(items.begin(), items.end(),
                            [name](const QAction* item) { return item->objectName() == name; }) -
               items.begin();
    };
    ASSERT_LT(at("MACHINES_00"), items.size());
    EXPECT_EQ(caption(items[at("MACHINES_00")]), "СТАНКИ");
    EXPECT_EQ(at("MACHINES_00") + 1, at("TITUL1"));

    STANKI* dialog = openMachines();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), "Станки");
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(dialog->isModal());
    choose("MACHINES_00");
    EXPECT_EQ(main.findChildren<STANKI*>().size(), 1);

    // Closed, it is gone; the item then opens a new one.
    dialog->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(main.findChildren<STANKI*>().isEmpty());
    dialog = openMachines();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
}

TEST_F(StankiTest, TypedMachinesAreSavedToTheLibraryFileAndStaySelected) {
    STANKI* dialog = openMachines();
    fill(dialog, {{"MachineName", "6Р12"},
                  {"MachinePower", "7,5"},
                  {"MachineEfficiency", "0,75"},
                  {"MachineSpeeds", "40; 31,5; 50"},
                  {"MachineForce", "15000"}});
    press(dialog, "MachineAdd");
    EXPECT_EQ(dialogs.shown, QStringList());
    EXPECT_EQ(inCatalog(), libraryJson({millingMachine}));
    EXPECT_EQ(onDisk(), libraryJson({millingMachine}));
    EXPECT_EQ(listed(dialog), QStringList({"6Р12"}));
    EXPECT_EQ(selected(dialog), "6Р12");
    // The machine as saved, in the user's decimal format; the range fields only show the list's
    // ends and are out of use.
    EXPECT_EQ(text(dialog, "MachineSpeeds"), shown("31,5; 40; 50"));
    EXPECT_EQ(text(dialog, "MachinePower"), shown("7,5"));
    EXPECT_EQ(text(dialog, "MachineSpeedMin"), shown("31,5"));
    EXPECT_EQ(text(dialog, "MachineSpeedMax"), "50");
    EXPECT_FALSE(control<QLineEdit>(dialog, "MachineSpeedMin")->isEnabled());

    // A stepless drive: no list, the range typed.
    fill(dialog, {{"MachineName", "16К20Ф3"},
                  {"MachinePower", "10"},
                  {"MachineEfficiency", "0.8"},
                  {"MachineSpeeds", ""},
                  {"MachineSpeedMin", "12,5"},
                  {"MachineSpeedMax", "2000"},
                  {"MachineTorque", "800"},
                  {"MachineForce", ""}});
    press(dialog, "MachineAdd");
    EXPECT_EQ(dialogs.shown, QStringList());
    EXPECT_EQ(inCatalog(), libraryJson({millingMachine, lathe}));
    EXPECT_EQ(selected(dialog), "16К20Ф3");

    // The first one selected again, renamed and given a new motor.
    select(dialog, 0);
    EXPECT_EQ(text(dialog, "MachineName"), "6Р12");
    EXPECT_EQ(text(dialog, "MachineTorque"), "");
    EXPECT_EQ(text(dialog, "MachineForce"), "15000");
    fill(dialog, {{"MachineName", "6Р12Б"}, {"MachinePower", "11"}});
    press(dialog, "MachineSave");
    Machine renamed = millingMachine;
    renamed.name = "6Р12Б";
    renamed.power = 11;
    EXPECT_EQ(dialogs.shown, QStringList());
    EXPECT_EQ(onDisk(), libraryJson({renamed, lathe}));
    EXPECT_EQ(listed(dialog), QStringList({"6Р12Б", "16К20Ф3"}));
    EXPECT_EQ(selected(dialog), "6Р12Б");
    select(dialog, 1);
    EXPECT_EQ(text(dialog, "MachineSpeeds"), "");
    EXPECT_EQ(text(dialog, "MachineSpeedMin"), shown("12,5"));
    EXPECT_TRUE(control<QLineEdit>(dialog, "MachineSpeedMin")->isEnabled());
}

TEST_F(StankiTest, BadDataIsRefusedWithItsMessageAndNothingIsSaved) {
    STANKI* dialog = openMachines();
    // A file where the library's folder should be: the file cannot be written.
    QFile blocker(config.filePath("rezhim"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    fill(dialog, {{"MachineName", "6Р12"},
                  {"MachinePower", "7,5"},
                  {"MachineEfficiency", "0,75"},
                  {"MachineSpeeds", "31,5; 40; 50"},
                  {"MachineForce", "15000"}});
    press(dialog, "MachineAdd");
    EXPECT_EQ(dialogs.shown, QStringList({message("НЕ УДАЛОСЬ ЗАПИСАТЬ ФАЙЛ СТАНКОВ " +
                                                  catalog().path().string() + "!!!")}));
    EXPECT_TRUE(catalog().machines().empty());
    EXPECT_TRUE(listed(dialog).isEmpty());
    // The typed data is still there for another try.
    ASSERT_TRUE(blocker.remove());
    press(dialog, "MachineAdd");
    ASSERT_EQ(inCatalog(), libraryJson({millingMachine}));
    ASSERT_EQ(catalog().add(lathe), "");
    const QByteArray saved = fileBytes();

    const struct {
        const char* button;
        std::vector<std::pair<const char*, QString>> typed;
        std::string message;
    } cases[] = {
        {"MachineSave",
         {{"MachinePower", "7,5 кВт"}},
         notANumberMessage(machinefield::power, "7,5 кВт")},
        {"MachineSave",
         {{"MachineEfficiency", "0,8х"}},
         notANumberMessage(machinefield::efficiency, "0,8х")},
        {"MachineAdd",
         {{"MachineName", "2Н135"}, {"MachineSpeeds", "31,5; 4О; 50"}},
         notANumberMessage(machinefield::speeds, "4О")},
        {"MachineSave",
         {{"MachineSpeeds", ""}, {"MachineSpeedMin", "12,5"}, {"MachineSpeedMax", "2ООО"}},
         notANumberMessage(machinefield::speedMax, "2ООО")},
        {"MachineSave",
         {{"MachineTorque", "1e"}},
         notANumberMessage(machinefield::torqueMax, "1e")},
        {"MachineSave",
         {{"MachineForce", "15 000"}},
         notANumberMessage(machinefield::forceMax, "15 000")},
        {"MachineAdd", {}, "СТАНОК С ИМЕНЕМ 6Р12 УЖЕ ЕСТЬ!!!"},
        {"MachineSave", {{"MachineName", "16К20Ф3"}}, "СТАНОК С ИМЕНЕМ 16К20Ф3 УЖЕ ЕСТЬ!!!"},
        {"MachineSave", {{"MachineName", "  "}}, "НЕ ЗАДАНО ИМЯ СТАНКА!!!"},
        {"MachineSave", {{"MachinePower", "0"}}, "МОЩНОСТЬ ДВИГАТЕЛЯ ДОЛЖНА БЫТЬ БОЛЬШЕ НУЛЯ!!!"},
        {"MachineAdd",
         {{"MachineName", "2Н135"}, {"MachineEfficiency", "1,2"}},
         "КПД ДОЛЖЕН БЫТЬ БОЛЬШЕ НУЛЯ И НЕ БОЛЬШЕ 1!!!"},
        {"MachineSave",
         {{"MachineSpeeds", "31,5; 40; 40"}},
         "ЧАСТОТЫ ВРАЩЕНИЯ ПОВТОРЯЮТСЯ ИЛИ НЕ ИДУТ ПО ВОЗРАСТАНИЮ!!!"},
        {"MachineSave",
         {{"MachineSpeeds", "0; 40"}},
         "ЧАСТОТЫ ВРАЩЕНИЯ ДОЛЖНЫ БЫТЬ БОЛЬШЕ НУЛЯ!!!"},
        {"MachineSave",
         {{"MachineSpeeds", ""}, {"MachineSpeedMin", "2000"}, {"MachineSpeedMax", "12,5"}},
         "НАИМЕНЬШАЯ ЧАСТОТА ДОЛЖНА БЫТЬ МЕНЬШЕ НАИБОЛЬШЕЙ!!!"},
        {"MachineSave",
         {{"MachineTorque", "-800"}},
         "НАИБОЛЬШИЙ МОМЕНТ ДОЛЖЕН БЫТЬ БОЛЬШЕ НУЛЯ!!!"},
    };
    const std::string before = inCatalog();
    for (const auto& bad : cases) {
        SCOPED_TRACE(bad.message);
        // The first machine's fields afresh, with one thing wrong.
        select(dialog, 1);
        select(dialog, 0);
        ASSERT_EQ(selected(dialog), "6Р12");
        for (const auto& [field, value] : bad.typed) {
            type(dialog, field, value);
        }
        dialogs.shown.clear();
        press(dialog, bad.button);
        EXPECT_EQ(dialogs.shown, QStringList({message(bad.message)}));
        EXPECT_EQ(inCatalog(), before);
        EXPECT_EQ(fileBytes(), saved);
        EXPECT_EQ(selected(dialog), "6Р12");
    }
}

TEST_F(StankiTest, SeriesFillsTheSpeedListBetweenTheEnds) {
    STANKI* dialog = openMachines();
    chooseSeries(dialog, "R10 φ = 1,26");
    const struct {
        QString low, high;
        std::string refusal;
    } bad[] = {
        {"1600", "31,5", "НАИМЕНЬШАЯ ЧАСТОТА ДОЛЖНА БЫТЬ МЕНЬШЕ НАИБОЛЬШЕЙ!!!"},
        {"31,5", "", "ДЛЯ РЯДА ЗАДАЙТЕ НАИМЕНЬШУЮ И НАИБОЛЬШУЮ ЧАСТОТУ!!!"},
        {"-31,5", "1600", "НАИМЕНЬШАЯ ЧАСТОТА ДОЛЖНА БЫТЬ БОЛЬШЕ НУЛЯ!!!"},
        {"31,5", "16ОО", notANumberMessage(machinefield::speedMax, "16ОО")},
    };
    for (const auto& [low, high, refusal] : bad) {
        SCOPED_TRACE(refusal);
        type(dialog, "MachineSpeedMin", low);
        type(dialog, "MachineSpeedMax", high);
        dialogs.shown.clear();
        press(dialog, "MachineGenerate");
        EXPECT_EQ(dialogs.shown, QStringList({message(refusal)}));
        EXPECT_EQ(text(dialog, "MachineSpeeds"), "");
    }

    // The gearbox of the 6Р12.
    dialogs.shown.clear();
    fill(dialog, {{"MachineSpeedMin", "31,5"}, {"MachineSpeedMax", "1600"}});
    press(dialog, "MachineGenerate");
    EXPECT_EQ(dialogs.shown, QStringList());
    EXPECT_EQ(text(dialog, "MachineSpeeds"),
              shown("31,5; 40; 50; 63; 80; 100; 125; 160; 200; 250; 315; 400; 500; 630; 800; "
                    "1000; 1250; 1600"));
    EXPECT_FALSE(control<QLineEdit>(dialog, "MachineSpeedMax")->isEnabled());

    // Another ratio over the same speeds, then the list saved as shown.
    chooseSeries(dialog, "R5 φ = 1,58");
    press(dialog, "MachineGenerate");
    EXPECT_EQ(text(dialog, "MachineSpeeds"), shown("31,5; 50; 80; 125; 200; 315; 500; 800; 1250"));
    fill(dialog, {{"MachineName", "6Р12"}, {"MachinePower", "7,5"}, {"MachineEfficiency", "0,75"}});
    press(dialog, "MachineAdd");
    EXPECT_EQ(dialogs.shown, QStringList());
    ASSERT_EQ(catalog().machines().size(), 1u);
    EXPECT_EQ(catalog().machines()[0].speeds,
              std::vector<double>({31.5, 50, 80, 125, 200, 315, 500, 800, 1250}));

    // The table's feeds of R10 from 25 to 400 mm/min, saved with their unit and shown again.
    fill(dialog, {{"MachineFeedMin", "25"}, {"MachineFeedMax", "400"}});
    press(dialog, "MachineGenerateFeeds");
    EXPECT_EQ(text(dialog, "MachineFeeds"),
              shown("25; 31,5; 40; 50; 63; 80; 100; 125; 160; 200; 250; 315; 400"));
    control<QComboBox>(dialog, "MachineFeedUnit")->setCurrentIndex(0);
    press(dialog, "MachineSave");
    EXPECT_EQ(dialogs.shown, QStringList());
    Machine saved = catalog().machines()[0];
    EXPECT_EQ(saved.feeds, seriesSpeeds(speedSeries[1], 25, 400));
    EXPECT_EQ(saved.feedUnit, FeedUnit::perMinute);
    EXPECT_EQ(onDisk(), inCatalog());
    // A lathe's feeds in mm/rev; a feed that is no number is refused naming its field.
    fill(dialog, {{"MachineFeeds", "0,1; 0,05; 0,2"}});
    control<QComboBox>(dialog, "MachineFeedUnit")->setCurrentIndex(1);
    press(dialog, "MachineSave");
    saved.feeds = {0.05, 0.1, 0.2};
    saved.feedUnit = FeedUnit::perRevolution;
    EXPECT_EQ(inCatalog(), libraryJson({saved}));
    EXPECT_EQ(text(dialog, "MachineFeeds"), shown("0,05; 0,1; 0,2"));
    EXPECT_EQ(control<QComboBox>(dialog, "MachineFeedUnit")->currentText(), "мм/об");
    fill(dialog, {{"MachineFeeds", "0,1; 0,2мм"}});
    press(dialog, "MachineSave");
    EXPECT_EQ(dialogs.shown,
              QStringList({message(notANumberMessage(machinefield::feeds, "0,2мм"))}));
    EXPECT_EQ(inCatalog(), libraryJson({saved}));
}

TEST_F(StankiTest, DeletesTheSelectedMachineOnlyAfterTheQuestion) {
    STANKI* dialog = openMachines();
    // The list follows the catalog, whoever changes it.
    ASSERT_EQ(catalog().add(millingMachine), "");
    ASSERT_EQ(catalog().add(lathe), "");
    EXPECT_EQ(listed(dialog), QStringList({"6Р12", "16К20Ф3"}));
    EXPECT_FALSE(control<QPushButton>(dialog, "MachineDelete")->isEnabled());

    select(dialog, 1);
    EXPECT_EQ(text(dialog, "MachineName"), "16К20Ф3");
    const QByteArray saved = fileBytes();
    dialogs.confirmWith(false);
    press(dialog, "MachineDelete");
    EXPECT_EQ(dialogs.shown, QStringList({"confirm: Удалить станок 16К20Ф3?"}));
    EXPECT_EQ(fileBytes(), saved);
    EXPECT_EQ(listed(dialog), QStringList({"6Р12", "16К20Ф3"}));

    dialogs.confirmWith(true);
    press(dialog, "MachineDelete");
    EXPECT_EQ(inCatalog(), libraryJson({millingMachine}));
    EXPECT_EQ(onDisk(), libraryJson({millingMachine}));
    EXPECT_EQ(listed(dialog), QStringList({"6Р12"}));
    EXPECT_EQ(selected(dialog), "");
    EXPECT_EQ(text(dialog, "MachineName"), "");
    EXPECT_FALSE(control<QPushButton>(dialog, "MachineDelete")->isEnabled());
}
