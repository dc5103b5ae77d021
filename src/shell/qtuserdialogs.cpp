#include "shell/qtuserdialogs.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

namespace {

// A plain box with the text and its buttons, without an icon.
QMessageBox::StandardButton plainBox(const QString& text, QMessageBox::StandardButtons buttons) {
    QMessageBox box(QMessageBox::NoIcon, dialogTitle, text, buttons, QApplication::activeWindow());
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

} // namespace

void QtUserDialogs::message(const QString& text) {
    plainBox(text, QMessageBox::Ok);
}

std::optional<QString> QtUserDialogs::input(const QString& prompt) {
    bool accepted = false;
    const QString text = QInputDialog::getText(QApplication::activeWindow(), dialogTitle, prompt,
                                               QLineEdit::Normal, QString(), &accepted);
    if (!accepted) {
        return std::nullopt;
    }
    return text;
}

bool QtUserDialogs::confirm(const QString& text) {
    return plainBox(text, QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
}
