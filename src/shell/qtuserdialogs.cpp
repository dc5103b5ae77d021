#include "shell/qtuserdialogs.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

void QtUserDialogs::message(const QString& text) {
    QMessageBox::information(QApplication::activeWindow(), dialogTitle, text);
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
    return QMessageBox::question(QApplication::activeWindow(), dialogTitle, text,
                                 QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
}
