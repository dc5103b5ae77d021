// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/calcwindow/calcwindow.h"
#include "gui/calcwindow/resultsgrid.h"
#include "gui/main/velta_00.h"
#include "support/scripteddialogs.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>
#include <gtest/gtest.h>

// A text as the Russian user sees it ("1720,8"), as this locale shows it: every comma between two
// digits becomes the locale's decimal point, so "1720.8" under C. The commas of headings and
// messages stay.
inline QString shown(QString russian) {
    static const QRegularExpression decimalComma(QStringLiteral("(?<=\\d),(?=\\d)"));
    return russian.replace(decimalComma, QLocale().decimalPoint());
}
inline QStringList shown(const QStringList& russian) {
    QStringList texts;
    for (const QString& text : russian) {
        texts << shown(text);
    }
    return texts;
}

// Drives the program as a user would: menu items of the main window and of the calculation
// windows, typing into boxes, clicking options, reading the grid. The tests run in the locale of
// the process's environment, as the program does on a desktop: CTest runs them under ru_RU, C and
// en_US.
class WindowTest : public ::testing::Test {
protected:
    WindowTest() {
        main.show();
        // Keys reach shortcuts only in the active window, as on a desktop.
        QApplication::setActiveWindow(&main);
    }
    ~WindowTest() override {
        EXPECT_EQ(dialogs.unusedAnswers(), 0u) << "the script holds answers nobody asked for";
    }

    // Triggers a menu item of the main window or of a calculation window by its control name.
    void choose(const char* control, QWidget* owner = nullptr) {
        auto* action = (owner ? owner : static_cast<QWidget*>(&main))
                           ->findChild<QAction*>(QString::fromUtf8(control));
        ASSERT_NE(action, nullptr) << control;
        action->trigger();
    }

    CalcWindow* open(const char* control, int number) {
        choose(control);
        return main.calcWindow(number);
    }

    template <typename Widget = QWidget> Widget* control(QWidget* window, const char* name) {
        auto* widget = window->findChild<Widget*>(QString::fromUtf8(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    void type(QWidget* window, const char* box, const QString& text) {
        auto* edit = control<QLineEdit>(window, box);
        edit->clear();
        // Key by key, as typed; Cyrillic letters have no key code of their own here.
        for (const QChar character : text) {
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(character),
                                Qt::NoModifier);
        }
    }

    void fill(QWidget* window, std::initializer_list<std::pair<const char*, QString>> values) {
        for (const auto& [box, text] : values) {
            type(window, box, text);
        }
    }

    // The boxes of the face-milling check case: a 100 mm cutter with 10 teeth, 50 mm wide and
    // 2 mm deep in 750 MPa steel, 0.1 mm/tooth at 100 m/min.
    void fillFaceMillingExample(QWidget* window) {
        fill(window, {{"D_TEXT", "100"},
                      {"Z_TEXT", "10"},
                      {"B_TEXT", "50"},
                      {"T_TEXT", "2"},
                      {"H_TEXT", "750"},
                      {"S_TEXT", "0,1"},
                      {"V_TEXT", "100"}});
    }

    // "РАСЧЁТ" of the window, as its menu item.
    void calculate(CalcWindow* window) {
        choose(QStringLiteral("MAKE_0%1").arg(window->definition().number).toUtf8(), window);
    }
    void calculateAt(CalcWindow* window, const QString& row) {
        type(window, "Text1", row);
        calculate(window);
    }

    void click(QWidget* window, const char* option) {
        control<QRadioButton>(window, option)->click();
    }

    // A menu item's caption as the user reads it, without the mnemonic mark.
    static QString caption(const QAction* action) { return QString(action->text()).remove('&'); }

    QString cell(CalcWindow* window, int row, int column) {
        return window->grid()->cellText(row, column);
    }

    QStringList rowTexts(CalcWindow* window, int row) {
        QStringList texts;
        for (int column = 0; column < window->grid()->columnCount(); ++column) {
            texts << cell(window, row, column);
        }
        return texts;
    }

    QString focusedBox(QWidget* window) {
        QWidget* focus = window->focusWidget();
        return focus ? focus->objectName() : QString();
    }

    ScriptedDialogs dialogs;
    VELTA_00 main{dialogs};
};
