// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/common/userdialogs.h"

class QWidget;

// The real boxes: QMessageBox, QInputDialog, QFileDialog and QPrintPreviewDialog, modal to the
// active window.
class QtUserDialogs : public UserDialogs {
public:
    void message(const QString& text) override;
    std::optional<QString> input(const QString& prompt) override;
    bool confirm(const QString& text) override;
    std::optional<QString> saveFileName(const QString& caption, const QString& start,
                                        const QString& filter) override;
    std::optional<QString> openFileName(const QString& caption, const QString& start,
                                        const QString& filter) override;
    void printPreview(const std::function<void(QPrinter&)>& paint) override;
};
