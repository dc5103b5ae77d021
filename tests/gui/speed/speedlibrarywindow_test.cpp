// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/machine/machine.h"
#include "core/speed/speedrowscsv.h"
#include "core/speed/speedrowsjson.h"
#include "gui/speed/speedcatalog.h"
#include "gui/speed/speedlibrarywindow.h"
#include "support/freshconfiguration.h"
#include "support/windowdriver.h"

#include <QComboBox>
#include <QFile>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>

namespace {

SpeedRow rowOf(const std::string& name, std::vector<std::string> operations, double Cv) {
    SpeedRow row;
    row.name = name;
    row.operations = std::move(operations);
    row.set(SpeedField::Cv, Cv);
    return row;
}

class SpeedLibraryWindowTest : protected FreshConfiguration, public WindowTest {
protected:
    SpeedLibraryWindowTest() {
        EXPECT_EQ(catalog().path(),
                  std::filesystem::path(config.path().toStdString()) / "rezhim" / "speeds.json");
    }

    SpeedLibraryWindow* openRows() {
        choose("SPEEDS_00");
        return main.findChild<SpeedLibraryWindow*>();
    }
    SpeedCatalog& catalog() { return main.speeds(); }

    // The rows in the library file's own form, for readable failures.
    std::string onDisk() {
        const LoadedSpeedRows loaded = loadSpeedRows(catalog().path(), DamagedLibrary::Keep);
        EXPECT_EQ(loaded.problem, "");
        return speedRowsJson(loaded.rows);
    }
    std::string inCatalog() { return speedRowsJson(catalog().rows()); }

    void press(QWidget* window, const char* name) { control<QPushButton>(window, name)->click(); }
    QString text(QWidget* window, const char* name) {
        return control<QLineEdit>(window, name)->text();
    }
    QStringList listed(QWidget* window) {
        QStringList names;
        auto* list = control<QListWidget>(window, "SpeedRowList");
        for (int line = 0; line < list->count(); ++line) {
            names << list->item(line)->text();
        }
        return names;
    }
    QString selected(QWidget* window) {
        const QListWidgetItem* item = control<QListWidget>(window, "SpeedRowList")->currentItem();
        return item ? item->text() : QString();
    }
    // The operations checked, by their command-line names.
    QStringList checked(QWidget* window) {
        QStringList names;
        auto* list = control<QListWidget>(window, "SpeedRowOperations");
        for (int line = 0; line < list->count(); ++line) {
            if (list->item(line)->checkState() == Qt::Checked) {
                names << list->item(line)->data(Qt::UserRole).toString();
            }
        }
        return names;
    }
    // A click on the box of the operation, as the user ticks it.
    void tick(QWidget* window, const QString& name) {
        auto* list = control<QListWidget>(window, "SpeedRowOperations");
        for (int line = 0; line < list->count(); ++line) {
            QListWidgetItem* item = list->item(line);
            if (item->data(Qt::UserRole).toString() == name) {
                item->setCheckState(item->checkState() == Qt::Checked ? Qt::Unchecked
                                                                      : Qt::Checked);
                return;
            }
        }
        ADD_FAILURE() << name.toStdString();
    }

    static QString message(const std::string& text) {
        return QStringLiteral("message: ") + QString::fromStdString(text);
    }
    static char decimalPoint() { return QLocale().decimalPoint().at(0).toLatin1(); }
};

// The drilling row of the worked check, as typed into the window.
const SpeedRow drilling = [] {
    SpeedRow row = rowOf("Сверление Р6М5", {"drilling"}, 7);
    row.set(SpeedField::q, 0.4);
    row.set(SpeedField::y, 0.7);
    row.set(SpeedField::m, 0.2);
    row.set(SpeedField::T, 45);
    row.set(SpeedField::Kg, 1);
    row.set(SpeedField::nv, 0.9);
    row.set(SpeedField::sTo, 0.2);
    row.source = "Справочник технолога, т. 2";
    return row;
}();

} // namespace

TEST_F(SpeedLibraryWindowTest, ARowTypedIsAddedEditedAndDeletedInTheLibraryFile) {
    const QList<QAction*> items = main.menuBar()->actions();
    const auto at = [&items](const char* name) {
        return std::find_if(items.begin(), items.end(),
                            [name](const QAction* item) { return item->objectName() == name; }) -
               items.begin();
    };
    ASSERT_LT(at("SPEEDS_00"), items.size());
    EXPECT_EQ(caption(items[at("SPEEDS_00")]), "КОЭФФИЦИЕНТЫ СКОРОСТИ");
    EXPECT_EQ(at("SPEEDS_00") + 1, at("MACHINES_00"));
    SpeedLibraryWindow* window = openRows();
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(window->isModal());
    EXPECT_EQ(window->windowTitle(), "Коэффициенты скорости");
    choose("SPEEDS_00");
    EXPECT_EQ(main.findChildren<SpeedLibraryWindow*>().size(), 1);

    fill(window, {{"SpeedRowName", "Сверление Р6М5"},
                  {"Speed_Cv", "7"},
                  {"Speed_q", "0,4"},
                  {"Speed_y", "0.7"},
                  {"Speed_m", "0,2"},
                  {"Speed_T", "45"},
                  {"Speed_Kg", "1"},
                  {"Speed_nv", "0,9"},
                  {"Speed_s-to", "0,2"},
                  {"SpeedRowSource", "Справочник технолога, т. 2"}});
    tick(window, "drilling");
    press(window, "SpeedRowAdd");
    EXPECT_EQ(dialogs.shown, QStringList());
    EXPECT_EQ(inCatalog(), speedRowsJson({drilling}));
    EXPECT_EQ(onDisk(), speedRowsJson({drilling}));
    EXPECT_EQ(listed(window), QStringList({"Сверление Р6М5"}));
    EXPECT_EQ(selected(window), "Сверление Р6М5");
    // As saved, in the user's decimal format.
    EXPECT_EQ(text(window, "Speed_y"), shown("0,7"));
    EXPECT_EQ(text(window, "Speed_x"), "");

    // Edited: another coefficient, one more operation, the work-material law by Kmv instead.
    fill(window, {{"Speed_Cv", "7,5"}, {"Speed_Kmv", "0,51"}});
    tick(window, "enlarging");
    press(window, "SpeedRowSave");
    EXPECT_EQ(dialogs.shown,
              QStringList({message("СТРОКА «Сверление Р6М5»: Kmv ЗАДАЁТСЯ ВМЕСТО Kg И nv, А НЕ "
                                   "ВМЕСТЕ С НИМИ!!!")}));
    EXPECT_EQ(onDisk(), speedRowsJson({drilling}));
    dialogs.shown.clear();
    fill(window, {{"Speed_Kg", ""}, {"Speed_nv", "0,9О"}});
    press(window, "SpeedRowSave");
    EXPECT_EQ(dialogs.shown, QStringList({message(notANumberMessage("nv", "0,9О"))}));
    dialogs.shown.clear();
    type(window, "Speed_nv", "");
    press(window, "SpeedRowSave");
    EXPECT_EQ(dialogs.shown, QStringList());
    SpeedRow edited = drilling;
    edited.operations = {"drilling", "enlarging"};
    edited.set(SpeedField::Cv, 7.5);
    edited.set(SpeedField::Kg, std::nullopt);
    edited.set(SpeedField::nv, std::nullopt);
    edited.set(SpeedField::Kmv, 0.51);
    EXPECT_EQ(onDisk(), speedRowsJson({edited}));
    EXPECT_EQ(checked(window), QStringList({"drilling", "enlarging"}));

    // Deleted only after the question.
    dialogs.confirmWith(false);
    press(window, "SpeedRowDelete");
    EXPECT_EQ(dialogs.shown,
              QStringList({"confirm: Удалить строку коэффициентов Сверление Р6М5?"}));
    EXPECT_EQ(onDisk(), speedRowsJson({edited}));
    dialogs.confirmWith(true);
    press(window, "SpeedRowDelete");
    EXPECT_EQ(onDisk(), speedRowsJson({}));
    EXPECT_EQ(listed(window), QStringList());
    EXPECT_EQ(text(window, "SpeedRowName"), "");
    EXPECT_EQ(checked(window), QStringList());
    EXPECT_FALSE(control<QPushButton>(window, "SpeedRowDelete")->isEnabled());
}

// A spreadsheet's table comes in whole but for the row it refuses, which the one message names;
// rows of the library it does not name stay. Exported, the library reads back the same.
TEST_F(SpeedLibraryWindowTest, ImportTakesTheGoodRowsNamesTheBadOneAndExportReadsBack) {
    SpeedLibraryWindow* window = openRows();
    // Saved by another program: the list follows.
    SpeedCatalog other(catalog().path());
    QSignalSpy followed(&catalog(), &SpeedCatalog::changed);
    const SpeedRow old = rowOf("А", {"turning"}, 40);
    const SpeedRow boring = rowOf("Х", {"boring"}, 35);
    ASSERT_EQ(other.import({old, boring}), "");
    ASSERT_TRUE(followed.wait(5000));
    EXPECT_EQ(listed(window), QStringList({"А", "Х"}));

    QTemporaryDir folder;
    const QString table = folder.filePath("справочник.csv");
    QFile file(table);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("\xEF\xBB\xBFname;operations;tool;work;Cv;y;m;T;source\r\n"
               "А;turning facing;carbide;steel;292;0,3;0,2;60;табл. 17\r\n"
               "Б;drilling;hss;cast-iron;9,8;0.5;0,125;35;\r\n"
               "В;turning;hss;steel;;;;;\r\n");
    file.close();
    dialogs.chooseFile(table);
    press(window, "SpeedImport");
    EXPECT_EQ(dialogs.shown,
              QStringList({"open: CSV CSV (*.csv)",
                           message("ПРИНЯТО СТРОК: 2. НЕ ПРИНЯТЫ:\nСТРОКА 4 ФАЙЛА CSV: СТРОКА «В»: "
                                   "НЕ ЗАДАН КОЭФФИЦИЕНТ Cv!!!")}));
    SpeedRow turning = rowOf("А", {"turning", "facing"}, 292);
    turning.tool = ToolMaterial::Carbide;
    turning.set(SpeedField::y, 0.3);
    turning.set(SpeedField::m, 0.2);
    turning.set(SpeedField::T, 60);
    turning.source = "табл. 17";
    SpeedRow castIron = rowOf("Б", {"drilling"}, 9.8);
    castIron.work = WorkMaterial::CastIron;
    castIron.set(SpeedField::y, 0.5);
    castIron.set(SpeedField::m, 0.125);
    castIron.set(SpeedField::T, 35);
    EXPECT_EQ(onDisk(), speedRowsJson({turning, boring, castIron}));
    EXPECT_EQ(listed(window), QStringList({"А", "Х", "Б"}));

    // The library as the user's spreadsheet opens it: ";" and decimal commas on a Russian desktop.
    const QString exported = folder.filePath("speeds.csv");
    dialogs.chooseFile(exported);
    press(window, "SpeedExport");
    QFile written(exported);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const std::string bytes = written.readAll().toStdString();
    EXPECT_EQ(bytes, speedRowsCsv(catalog().rows(), decimalPoint()));
    EXPECT_TRUE(bytes.starts_with(decimalPoint() == ',' ? "\xEF\xBB\xBFname;operations;"
                                                        : "\xEF\xBB\xBFname,operations,"));
    EXPECT_EQ(speedRowsJson(parseSpeedRowsCsv(bytes).rows), onDisk());
}
