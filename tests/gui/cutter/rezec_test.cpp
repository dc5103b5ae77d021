// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/cutter/keptcutter.h"
#include "gui/cutter/rezec.h"
#include "support/pdftext.h"
#include "support/windowdriver.h"

#include <QFile>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>

namespace {

// The check case of the cutter: longitudinal turning with carbide in 750 MPa steel, D = 100,
// t = 5, s = 0,8, v = 100 gives Pz = 6359,29 N; a 16 × 16 shank 40 mm out bends at
// 6·Pz·l/(b·h²) = 372,6 MPa and springs 4·Pz·l³/(E·b·h³) = 0,124 mm; a 1 mm nose leaves
// Rz = 1000·0,8²/8 = 80 µm, Ra = 80·4/(9·√3) = 20,5 µm.
class CutterTest : public WindowTest {
protected:
    // Every test starts and ends without a cutter kept: no other test meets one.
    CutterTest() { forget(); }
    ~CutterTest() override { forget(); }
    static void forget() {
        QSettings settings("rezhim", "rezhim");
        keepCutter(settings, std::nullopt);
    }

    CalcWindow* turning() {
        CalcWindow* window = open("MAKE_0021", 5);
        fill(window, {{"D_TEXT5", "100"},
                      {"T_TEXT5", "5"},
                      {"H_TEXT5", "750"},
                      {"S_TEXT5", "0,8"},
                      {"V_TEXT5", "100"}});
        click(window, "TS_OPT5");
        click(window, "ST_OPT5");
        return window;
    }

    REZEC* cutterDialog(CalcWindow* window) {
        choose("REZEC_05", window);
        EXPECT_NE(window->cutterDialog(), nullptr);
        return window->cutterDialog();
    }
    void press(REZEC* dialog, const char* button) { control<QPushButton>(dialog, button)->click(); }
    // The 16 × 16 cutter of the check case, the allowed values left as the dialog offers them.
    void setCheckCaseCutter(CalcWindow* window) {
        REZEC* dialog = cutterDialog(window);
        fill(dialog, {{"SHANK_B", "16"}, {"SHANK_H", "16"}, {"OVERHANG", "40"}, {"NOSE_R", "1"}});
        press(dialog, "ACCEPT");
    }

    // The window closed and unloaded, as the event loop would: the next opening makes it afresh.
    void unload(CalcWindow* window) {
        choose("EXIT_05", window);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ASSERT_EQ(main.calcWindow(5), nullptr);
    }

    QString cutterLine(CalcWindow* window) {
        return control<QLabel>(window, "CUTTER_LINE_05")->text();
    }
    QString reason(CalcWindow* window, int row, int column) {
        return window->grid()->item(row - 1, column)->toolTip();
    }

    static constexpr int feedColumn = 3;
    static constexpr int PzColumn = 7;
    const QString checkCaseLine = shown(
        "Резец 16×16, вылет 40 мм: σ 372,6 МПа > 200 · f 0,124 мм > 0,1 · Rz 80 мкм (Ra 20,5)");
    const QString stressMessage =
        shown("ИЗГИБАЮЩЕЕ НАПРЯЖЕНИЕ В ДЕРЖАВКЕ 372,6 МПа БОЛЬШЕ ДОПУСТИМОГО 200 МПа!!!");
};

} // namespace

TEST_F(CutterTest, TheCheckCaseThroughTheTurningWindow) {
    CalcWindow* window = turning();
    REZEC* dialog = cutterDialog(window);
    // The defaults of a steel shank, in the user's format.
    EXPECT_EQ(control<QLineEdit>(dialog, "SIGMA_MAX")->text(), "200");
    EXPECT_EQ(control<QLineEdit>(dialog, "F_MAX")->text(), shown("0,1"));
    EXPECT_EQ(control<QLineEdit>(dialog, "E_MODULUS")->text(), "200000");
    EXPECT_FALSE(control<QLineEdit>(dialog, "BAR_D")->isEnabled());
    fill(dialog, {{"SHANK_B", "16"}, {"SHANK_H", "16"}, {"OVERHANG", "40"}, {"NOSE_R", "1"}});
    press(dialog, "ACCEPT");
    EXPECT_EQ(window->cutterDialog(), nullptr);
    EXPECT_EQ(cutterLine(window), "") << "no row computed yet";

    calculate(window);
    EXPECT_EQ(cell(window, 1, PzColumn), shown("6359,3"));
    EXPECT_EQ(cutterLine(window), checkCaseLine);
    // Both checks of the shank mark the Pz cell, and keep both reasons; the finish is not
    // checked without a required Rz.
    const QString deflectionMessage = shown("ПРОГИБ РЕЗЦА 0,124 мм БОЛЬШЕ ДОПУСТИМОГО 0,1 мм!!!");
    EXPECT_EQ(reason(window, 1, PzColumn), stressMessage + "\n" + deflectionMessage);
    EXPECT_EQ(reason(window, 1, feedColumn), "");
    EXPECT_EQ(dialogs.shown, QStringList{"message: " + stressMessage + "\n" + deflectionMessage});

    // Without a machine the cutter alone bounds the feed: the strength, at 0,34897 mm/rev.
    dialogs.shown.clear();
    dialogs.confirmWith(false);
    choose("LIMIT_S_05", window);
    ASSERT_EQ(dialogs.shown.size(), 1);
    EXPECT_TRUE(dialogs.shown[0].startsWith(
        shown("confirm: НАИБОЛЬШАЯ ПОДАЧА 0,348 мм/об, ЕЁ ОГРАНИЧИВАЕТ ПРОЧНОСТЬ ДЕРЖАВКИ.")))
        << dialogs.shown[0].toStdString();

    // The export adds σ, f, Rz and Ra after the row's columns.
    QTemporaryDir folder;
    dialogs.chooseFile(folder.filePath("turning.csv"));
    choose("EXPORT_CSV_05", window);
    QFile file(folder.filePath("turning.csv"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    ASSERT_GE(lines.size(), 2);
    const bool comma = QLocale().decimalPoint() == ",";
    EXPECT_TRUE(lines[0].endsWith(comma ? ";σ, МПа;f, мм;Rz, мкм;Ra, мкм\r"
                                        : ",\"σ, МПа\",\"f, мм\",\"Rz, мкм\",\"Ra, мкм\"\r"))
        << lines[0].toStdString();
    EXPECT_TRUE(
        lines[1].endsWith(comma ? ";372,61;0,1242;80,00;20,53\r" : ",372.61,0.1242,80.00,20.53\r"))
        << lines[1].toStdString();

    // The page carries the cutter's line under the title and its columns.
    dialogs.chooseFile(folder.filePath("turning.pdf"));
    choose("EXPORT_PDF_05", window);
    const QString page = pdfText(folder.filePath("turning.pdf"));
    EXPECT_TRUE(page.contains(checkCaseLine)) << page.toStdString();
    EXPECT_TRUE(page.contains(shown("372,61"))) << page.toStdString();
}

// A dialog that refuses says why, puts the cursor in the box and leaves the cutter as it was;
// so does one cancelled.
TEST_F(CutterTest, RefusalsChangeNothing) {
    CalcWindow* window = turning();
    setCheckCaseCutter(window);
    struct Case {
        const char* box;
        QString text;
        QString message;
    };
    const Case cases[] = {
        {"SHANK_B", "16x", "НЕВЕРНОЕ ЧИСЛО В ПОЛЕ «ШИРИНА ДЕРЖАВКИ»: 16x!!!"},
        {"OVERHANG", "", "НЕ ЗАДАН ВЫЛЕТ РЕЗЦА!!!"},
        // The core words its ranges in the Russian format on every desktop.
        {"NOSE_R", "20",
         "ЗНАЧЕНИЕ В ПОЛЕ «РАДИУС ПРИ ВЕРШИНЕ» ВНЕ ПРЕДЕЛОВ РЕАЛЬНОГО РЕЗЦА: ОТ 0,01 ДО 10 мм!!!"},
        {"SIGMA_MAX", "5",
         "ЗНАЧЕНИЕ В ПОЛЕ «ДОПУСТИМОЕ НАПРЯЖЕНИЕ» ВНЕ ПРЕДЕЛОВ РЕАЛЬНОГО "
         "РЕЗЦА: ОТ 10 ДО 2000 МПа!!!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.box);
        dialogs.shown.clear();
        REZEC* dialog = cutterDialog(window);
        type(dialog, c.box, c.text);
        press(dialog, "ACCEPT");
        EXPECT_EQ(dialogs.shown, QStringList{"message: " + c.message});
        EXPECT_EQ(window->cutterDialog(), dialog) << "the dialog stays open";
        EXPECT_EQ(focusedBox(dialog), c.box);
        press(dialog, "CANCEL");
    }
    // Cancelled with a change typed: nothing taken either.
    REZEC* dialog = cutterDialog(window);
    EXPECT_EQ(control<QLineEdit>(dialog, "SHANK_B")->text(), "16") << "the cutter set is shown";
    type(dialog, "OVERHANG", "20");
    press(dialog, "CANCEL");
    dialogs.shown.clear();
    calculate(window);
    EXPECT_EQ(cutterLine(window), checkCaseLine);
    QSettings settings("rezhim", "rezhim");
    EXPECT_EQ(keptCutter(settings)->overhang, 40);
}

TEST_F(CutterTest, RemovedTheWindowIsAsWithoutACutter) {
    CalcWindow* window = turning();
    setCheckCaseCutter(window);
    calculate(window);
    ASSERT_EQ(cutterLine(window), checkCaseLine);
    press(cutterDialog(window), "REMOVE");
    EXPECT_EQ(cutterLine(window), "");

    dialogs.shown.clear();
    calculate(window);
    EXPECT_TRUE(dialogs.shown.isEmpty()) << dialogs.shown.join('\n').toStdString();
    EXPECT_EQ(reason(window, 2, PzColumn), "");
    EXPECT_EQ(cutterLine(window), "");
    choose("LIMIT_S_05", window);
    EXPECT_EQ(dialogs.shown, QStringList{"message: ВЫ НЕ ВЫБРАЛИ СТАНОК!!!"});
    unload(window);
    window = turning();
    calculate(window);
    EXPECT_EQ(cutterLine(window), "") << "none is kept either";
}

// The cutter a window was given is the next window's, and the next run's: a round bar with a
// required finish and a carbide bar's modulus, typed with a comma and a point.
TEST_F(CutterTest, KeptForTheNextWindowUnlessDamaged) {
    CalcWindow* window = turning();
    REZEC* dialog = cutterDialog(window);
    click(dialog, "SHANK_ROUND");
    EXPECT_FALSE(control<QLineEdit>(dialog, "SHANK_B")->isEnabled());
    fill(dialog, {{"BAR_D", "25"},
                  {"OVERHANG", "100"},
                  {"NOSE_R", "0,8"},
                  {"E_MODULUS", "600000"},
                  {"RZ_MAX", "12.5"}});
    press(dialog, "ACCEPT");
    unload(window);

    QSettings settings("rezhim", "rezhim");
    // Point notation, whatever the desktop's format.
    EXPECT_EQ(settings.value("Cutter/r").toString(), "0.8");
    EXPECT_EQ(settings.value("Cutter/RzMax").toString(), "12.5");
    window = turning();
    calculate(window);
    // 1000·0,8²/(8·0,8) = 100 µm over the 12,5 asked: the feed cell is marked.
    const QString kept = cutterLine(window);
    EXPECT_TRUE(kept.startsWith(shown("Резец ⌀25, вылет 100 мм: σ "))) << kept.toStdString();
    EXPECT_TRUE(kept.endsWith(shown(" · Rz 100 мкм > 12,5 (Ra 25,7)"))) << kept.toStdString();
    EXPECT_EQ(reason(window, 1, feedColumn),
              shown("ШЕРОХОВАТОСТЬ Rz 100 мкм БОЛЬШЕ ДОПУСТИМОЙ 12,5 мкм!!!"));
    dialog = cutterDialog(window);
    EXPECT_TRUE(control<QRadioButton>(dialog, "SHANK_ROUND")->isChecked());
    EXPECT_EQ(control<QLineEdit>(dialog, "NOSE_R")->text(), shown("0,8"));
    EXPECT_EQ(control<QLineEdit>(dialog, "E_MODULUS")->text(), "600000");
    press(dialog, "CANCEL");
    unload(window);
    dialogs.shown.clear();

    // What does not read, or what the check refuses, is dropped without a word.
    const std::pair<const char*, const char*> damages[] = {
        {"Cutter/d", "25 мм"},
        {"Cutter/overhang", "0"},
        {"Cutter/shank", "square"},
    };
    const std::optional<Cutter> good = keptCutter(settings);
    ASSERT_TRUE(good.has_value());
    for (const auto& [key, value] : damages) {
        SCOPED_TRACE(key);
        keepCutter(settings, good);
        settings.setValue(key, value);
        window = turning();
        calculate(window);
        EXPECT_EQ(cutterLine(window), "");
        EXPECT_EQ(control<QLineEdit>(cutterDialog(window), "NOSE_R")->text(), "");
        press(window->cutterDialog(), "CANCEL");
        unload(window);
    }
    EXPECT_TRUE(dialogs.shown.isEmpty()) << dialogs.shown.join('\n').toStdString();
}

TEST_F(CutterTest, OnlyTheWindowThatChecksACutterHasItsItem) {
    for (const char* item : {"MAKE_0011", "MAKE_0013", "MAKE_0012", "MAKE_0014", "MAKE_0021",
                             "MAKE_0003", "MAKE_0007"}) {
        choose(item);
    }
    int withItem = 0;
    for (int number = 1; number <= static_cast<int>(windowCount); ++number) {
        const CalcWindow* window = main.calcWindow(number);
        ASSERT_NE(window, nullptr) << number;
        QStringList captions;
        for (const QAction* action : window->menuBar()->actions()) {
            captions << caption(action);
        }
        EXPECT_EQ(captions.contains("РЕЗЕЦ"), window->definition().checksCutter) << number;
        withItem += captions.contains("РЕЗЕЦ") ? 1 : 0;
    }
    EXPECT_EQ(withItem, 1);
}
