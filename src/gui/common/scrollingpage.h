// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QScrollArea>

// A window's contents, scrolled where the window is smaller than they are: on a small screen
// every part of them can still be reached. It asks for room for all of them, and keeps the
// widget that takes the keyboard in view.
class ScrollingPage : public QScrollArea {
    Q_OBJECT
public:
    explicit ScrollingPage(QWidget* contents, QWidget* parent = nullptr);

    QSize sizeHint() const override;
};
