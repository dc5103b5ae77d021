// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/windowdriver.h"

#include <QMenu>
#include <QTimer>

namespace {

struct Opening {
    const char* control;
    int window;
    const char* caption;
    int columns;
    int operationKind; // 0: the item leaves it unchanged
};

const Opening openings[] = {
    {"MAKE_0011", 1, "ФРЕЗЕРОВАНИЕ ТОРЦОВЫМИ ФРЕЗАМИ", 15, 0},
    {"MAKE_0012", 3, "ФРЕЗЕРОВАНИЕ КОНЦЕВЫМИ ФРЕЗАМИ", 15, 0},
    {"MAKE_0013", 2, "ФРЕЗЕРОВАНИЕ ЦИЛИНДРИЧЕСКИМИ ФРЕЗАМИ", 15, 0},
    {"MAKE_0014", 4, "ФРЕЗЕРОВАНИЕ ДИСКОВЫМИ ФРЕЗАМИ", 15, 0},
    {"MAKE_0021", 5, "ТОКАРНАЯ ОБРАБОТКА", 13, 1},
    {"MAKE_0022", 5, "ТОКАРНАЯ ОБРАБОТКА", 13, 2},
    {"MAKE_0023", 5, "ТОКАРНАЯ ОБРАБОТКА", 13, 3},
    {"MAKE_0024", 5, "ТОКАРНАЯ ОБРАБОТКА", 13, 4},
    {"MAKE_0003", 6, "СВЕРЛЕНИЕ, РАССВЕРЛИВАНИЕ, ЗЕНКЕРОВАНИЕ, РАЗВЁРТЫВАНИЕ", 13, 1},
    {"MAKE_0004", 6, "СВЕРЛЕНИЕ, РАССВЕРЛИВАНИЕ, ЗЕНКЕРОВАНИЕ, РАЗВЁРТЫВАНИЕ", 13, 2},
    {"MAKE_0005", 6, "СВЕРЛЕНИЕ, РАССВЕРЛИВАНИЕ, ЗЕНКЕРОВАНИЕ, РАЗВЁРТЫВАНИЕ", 13, 3},
    {"MAKE0005", 6, "СВЕРЛЕНИЕ, РАССВЕРЛИВАНИЕ, ЗЕНКЕРОВАНИЕ, РАЗВЁРТЫВАНИЕ", 13, 4},
    {"MAKE_0007", 7, "НАРЕЗАНИЕ РЕЗЬБЫ", 13, 0},
};

void unloadedByEventLoop() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

using MainWindowTest = WindowTest;

TEST_F(MainWindowTest, EveryOperationOpensItsWindowAtRowOne) {
    EXPECT_EQ(main.windowTitle(), "Расчёт режимов резания");
    for (const Opening& item : openings) {
        SCOPED_TRACE(item.control);
        main.state().OperationKind = 9; // a value no item sets
        main.state().ResultRow = 5;
        main.state().NextRow = 5;
        CalcWindow* window = open(item.control, item.window);
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(window->objectName(), QStringLiteral("VELTA_0%1").arg(item.window));
        EXPECT_EQ(window->windowTitle(), QString::fromUtf8(item.caption));
        EXPECT_TRUE(window->isVisible());
        EXPECT_EQ(window->grid()->columnCount(), item.columns);
        EXPECT_EQ(cell(window, 0, 0), "номер");
        EXPECT_EQ(cell(window, 0, item.columns - 1), "n, об/мин");
        EXPECT_EQ(window->RowCount(), 2);
        EXPECT_EQ(control<QLineEdit>(window, "Text1")->text(), "1");
        EXPECT_EQ(main.state().ResultRow, 1);
        EXPECT_EQ(main.state().NextRow, 1);
        EXPECT_EQ(main.state().OperationKind, item.operationKind ? item.operationKind : 9);
    }
}

TEST_F(MainWindowTest, MenuTreeCarriesItsControlNames) {
    const std::pair<const char*, const char*> items[] = {
        {"MAKE_00", "ВЫБОР ОПЕРАЦИИ"},
        {"MAKE_0001", "ФРЕЗЕРОВАНИЕ"},
        {"MAKE_0002", "ТОЧЕНИЕ"},
        {"MAKE_0011", "ТОРЦОВЫМИ ФРЕЗАМИ"},
        {"MAKE_0023", "ПРОТОЧКА КАНАВОК И ОТРЕЗКА"},
        {"MAKE0005", "РАЗВЁРТЫВАНИЕ"},
        {"MAKE_0007", "НАРЕЗАНИЕ РЕЗЬБЫ"},
        {"TITUL1", "О ПРОГРАММЕ"},
        {"EXIT_00", "ВЫХОД"}};
    for (const auto& [name, text] : items) {
        EXPECT_EQ(caption(control<QAction>(&main, name)), QString::fromUtf8(text)) << name;
    }
    EXPECT_EQ(control<QMenu>(&main, "MAKE_0002")->actions().size(), 4);
}

TEST_F(MainWindowTest, SpeedItemStaysHiddenUntilTurningWindowIsLoadedAfresh) {
    CalcWindow* turning = open("MAKE_0021", 5);
    EXPECT_TRUE(control<QAction>(turning, "VELTA0")->isVisible());
    open("MAKE_0022", 5);
    EXPECT_FALSE(control<QAction>(turning, "VELTA0")->isVisible());
    open("MAKE_0021", 5);
    EXPECT_FALSE(control<QAction>(turning, "VELTA0")->isVisible());
    open("MAKE_0023", 5);
    EXPECT_FALSE(control<QAction>(turning, "VELTA0")->isVisible());

    choose("EXIT_05", turning);
    unloadedByEventLoop();
    EXPECT_EQ(main.calcWindow(5), nullptr);
    turning = open("MAKE_0024", 5);
    EXPECT_TRUE(control<QAction>(turning, "VELTA0")->isVisible());
}

TEST_F(MainWindowTest, ReopeningKeepsTheGridAndUnloadingStartsAfresh) {
    CalcWindow* window = open("MAKE_0011", 1);
    type(window, "D_TEXT", "100");
    window->grid()->setRows(3);
    window->grid()->setCellText(2, 0, "2");
    open("MAKE_0011", 1);
    EXPECT_EQ(main.calcWindow(1), window);
    EXPECT_EQ(cell(window, 2, 0), "2");
    EXPECT_EQ(control<QLineEdit>(window, "D_TEXT")->text(), "100");

    choose("EXIT_01", window);
    unloadedByEventLoop();
    window = open("MAKE_0011", 1);
    EXPECT_EQ(control<QLineEdit>(window, "D_TEXT")->text(), "");
    EXPECT_EQ(window->grid()->rows(), 2);
    EXPECT_EQ(cell(window, 1, 0), "");
}

// "ВЫХОД" ends the program even while another top-level window is open, which would keep it
// alive under Qt's last-window rule.
TEST_F(MainWindowTest, ExitEndsTheProgramWhateverWindowIsOpen) {
    QWidget other;
    other.show();
    QTimer::singleShot(0, &main, [this] { choose("EXIT_00"); });
    QTimer::singleShot(3000, [] { QApplication::exit(1); }); // the program went on running
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_FALSE(main.isVisible());
}
