#pragma once

#include "shell/userdialogs.h"

class QWidget;

// The real boxes: QMessageBox and QInputDialog, modal to the active window.
class QtUserDialogs : public UserDialogs {
public:
    void message(const QString& text) override;
    std::optional<QString> input(const QString& prompt) override;
    bool confirm(const QString& text) override;
};
