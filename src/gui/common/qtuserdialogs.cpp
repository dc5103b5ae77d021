// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/common/qtuserdialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace {

// A plain box with the text and its buttons, without an icon.
QMessageBox::StandardButton plainBox(const QString& text, QMessageBox::StandardButtons buttons) {
    QMessageBox box(QMessageBox::NoIcon, dialogTitle, text, buttons, QApplication::activeWindow());
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

// The path a file dialog gave, none when it was cancelled.
std::optional<QString> chosen(const QString& path) {
    if (path.isEmpty()) {
        return std::nullopt;
    }
    return path;
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

std::optional<QString> QtUserDialogs::saveFileName(const QString& caption, const QString& start,
                                                   const QString& filter) {
    return chosen(
        QFileDialog::getSaveFileName(QApplication::activeWindow(), caption, start, filter));
}

std::optional<QString> QtUserDialogs::openFileName(const QString& caption, const QString& start,
                                                   const QString& filter) {
    return chosen(
        QFileDialog::getOpenFileName(QApplication::activeWindow(), caption, start, filter));
}

void QtUserDialogs::printPreview(const std::function<void(QPrinter&)>& paint) {
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog preview(&printer, QApplication::activeWindow());
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested,
                     [&paint](QPrinter* target) { paint(*target); });
    preview.exec();
}
