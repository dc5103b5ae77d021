// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QSettings;
class QWidget;

// The main window's size and position, kept between runs in the user's settings. They are
// restored only where the window, frame included, still fits the free part of one of the screens
// present: after a screen was unplugged or made smaller the window opens at its default. They are
// written when the window closes.
class WindowPlacement : public QObject {
    Q_OBJECT
public:
    // Restores the placement into `window`, which is not shown yet.
    WindowPlacement(QWidget& window, QSettings& settings);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void restore();
    void save();

    QWidget& window_;
    QSettings& settings_;
};
