// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMdiSubWindow>

// Unloads a window shown in the main window's area together with its frame; the next opening
// creates it afresh.
inline void unloadWindow(QWidget* window) {
    if (auto* frame = qobject_cast<QMdiSubWindow*>(window->parentWidget())) {
        frame->close();
    } else {
        window->close();
    }
}
