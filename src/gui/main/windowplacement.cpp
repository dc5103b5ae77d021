// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/main/windowplacement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QWidget>
#include <algorithm>

namespace {
// Where the frame stood on the screen, and the size of the window inside it.
const QString frameKey = QStringLiteral("MainWindow/frame");
const QString sizeKey = QStringLiteral("MainWindow/size");
} // namespace

WindowPlacement::WindowPlacement(QWidget& window, QSettings& settings)
    : window_(window)
    , settings_(settings) {
    restore();
    window.installEventFilter(this);
}

bool WindowPlacement::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window_ && event->type() == QEvent::Close) {
        save();
    }
    return false;
}

void WindowPlacement::restore() {
    const QRect frame = settings_.value(frameKey).toRect();
    const QSize size = settings_.value(sizeKey).toSize();
    const QList<QScreen*> screens = QGuiApplication::screens();
    const bool fits = std::any_of(screens.begin(), screens.end(), [&frame](const QScreen* screen) {
        return screen->availableGeometry().contains(frame);
    });
    if (!frame.isValid() || !size.isValid() || !fits) {
        return;
    }
    window_.resize(size);
    // A window's position is its frame's.
    window_.move(frame.topLeft());
}

void WindowPlacement::save() {
    settings_.setValue(frameKey, window_.frameGeometry());
    settings_.setValue(sizeKey, window_.size());
}
