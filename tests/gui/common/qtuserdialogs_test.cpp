// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/common/qtuserdialogs.h"
#include "support/scripteddialogs.h" // readable Qt texts in failures

#include <QApplication>
#include <QDialog>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {

// The captions of the buttons of the box `show` opens, read while it waits for the user; the box
// is then cancelled. A message box must come without an icon.
QStringList buttonsOf(const std::function<void()>& show) {
    QStringList captions;
    QTimer::singleShot(0, [&captions] {
        QWidget* box = QApplication::activeModalWidget();
        if (box == nullptr) {
            return;
        }
        if (const auto* messageBox = qobject_cast<QMessageBox*>(box)) {
            EXPECT_EQ(messageBox->icon(), QMessageBox::NoIcon) << messageBox->text().toStdString();
        }
        for (const QPushButton* button : box->findChildren<QPushButton*>()) {
            captions << button->text().remove('&');
        }
        captions.sort();
        static_cast<QDialog*>(box)->reject();
    });
    show();
    return captions;
}

} // namespace

// The real boxes with Qt's own buttons: on a Russian desktop they read as the rest of it does, and
// the message and question boxes are plain, with no icon.
TEST(QtUserDialogsTest, PlainBoxesWithButtonsInTheUsersLanguage) {
    const bool russian = QLocale().language() == QLocale::Russian;
    QStringList okCancel{"OK", russian ? "Отмена" : "Cancel"};
    okCancel.sort();
    QtUserDialogs dialogs;
    std::optional<QString> typed = QStringLiteral("not asked");
    EXPECT_EQ(buttonsOf([&] { typed = dialogs.input("ВВЕДИТЕ ЗНАЧЕНИЕ: "); }), okCancel);
    EXPECT_EQ(typed, std::nullopt); // cancelled
    EXPECT_EQ(buttonsOf([&] { dialogs.confirm("Файл уже существует, хотите его заменить?"); }),
              okCancel);
    EXPECT_EQ(buttonsOf([&] { dialogs.message("УСЛУГА НЕ ПОДКЛЮЧЕНА!!!"); }), QStringList{"OK"});
}
