// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/export/file_0.h"
#include "support/windowdriver.h"

#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QTemporaryDir>

namespace {

// The mnemonic letters of a menu's items, each item's marked letter upper-cased.
QStringList letters(const QWidget* menu) {
    QStringList letters;
    for (const QAction* action : menu->actions()) {
        const QString text = action->text();
        const qsizetype mark = text.indexOf('&');
        letters << (mark >= 0 && mark + 1 < text.size() ? text.mid(mark + 1, 1).toUpper() : "");
    }
    return letters;
}

void expectUniqueMnemonics(const QWidget* menu) {
    const QStringList marked = letters(menu);
    EXPECT_FALSE(marked.contains("")) << menu->objectName().toStdString();
    EXPECT_EQ(QSet<QString>(marked.begin(), marked.end()).size(), marked.size())
        << marked.join(' ').toStdString();
}

} // namespace

using KeyboardTest = WindowTest;

TEST_F(KeyboardTest, EveryMenuItemHasItsOwnMnemonic) {
    expectUniqueMnemonics(main.menuBar());
    for (const QMenu* menu : main.findChildren<QMenu*>()) {
        expectUniqueMnemonics(menu);
    }
    const QStringList mainLetters = letters(main.menuBar());
    for (const auto& [item, number] : {std::pair{"MAKE_0011", 1}, std::pair{"MAKE_0007", 7}}) {
        CalcWindow* window = open(item, number);
        expectUniqueMnemonics(window->menuBar());
        // Both menu bars stand in one window: an Alt letter must not open two menus.
        for (const QString& letter : letters(window->menuBar())) {
            EXPECT_FALSE(mainLetters.contains(letter)) << letter.toStdString();
        }
        EXPECT_EQ(QString(control<QAction>(window, "SAVE_0" + QByteArray::number(number))->text())
                      .remove('&'),
                  "СОХРАНИТЬ");
    }
}

TEST_F(KeyboardTest, OnlyTheActiveWindowsMenuTakesTheKeyboard) {
    CalcWindow* face = open("MAKE_0011", 1);
    CalcWindow* turning = open("MAKE_0021", 5);
    EXPECT_TRUE(turning->menuBar()->isEnabled());
    EXPECT_FALSE(face->menuBar()->isEnabled());
    open("MAKE_0011", 1);
    EXPECT_TRUE(face->menuBar()->isEnabled());
    EXPECT_FALSE(turning->menuBar()->isEnabled());
}

TEST_F(KeyboardTest, EnterComputesAndCtrlSSavesWithoutTheMouse) {
    QTemporaryDir folder;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(folder.path());
    CalcWindow* window = open("MAKE_0011", 1);
    EXPECT_EQ(focusedBox(window), "D_TEXT");
    fillFaceMillingExample(window);
    dialogs.answer("1");
    dialogs.answer("2");
    auto* speed = control<QLineEdit>(window, "V_TEXT");
    speed->setFocus();
    QTest::keyClick(speed, Qt::Key_Return);
    EXPECT_EQ(cell(window, 1, 9), shown("1720,8"));

    QTest::keyClick(speed, Qt::Key_S, Qt::ControlModifier);
    ASSERT_NE(main.saveDialog(), nullptr);
    EXPECT_EQ(focusedBox(main.saveDialog()), "Text1");
    main.saveDialog()->close();
    QDir::setCurrent(previous);
}

TEST_F(KeyboardTest, DefaultSizeShowsEveryColumnWithoutScrolling) {
    main.resize(1366, 768);
    for (const auto& [item, number] : {std::pair{"MAKE_0011", 1}, std::pair{"MAKE_0021", 5}}) {
        CalcWindow* window = open(item, number);
        window->grid()->setRows(2);
        for (int column = 0; column < window->grid()->columnCount(); ++column) {
            window->grid()->setCellText(1, column, "1720,8");
        }
        QApplication::processEvents();
        EXPECT_LE(window->parentWidget()->width(), 1366) << item;
        EXPECT_EQ(window->grid()->horizontalScrollBar()->maximum(), 0) << item;
    }
}
