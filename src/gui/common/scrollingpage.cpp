// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/common/scrollingpage.h"

#include <QApplication>

ScrollingPage::ScrollingPage(QWidget* contents, QWidget* parent)
    : QScrollArea(parent) {
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    setWidget(contents);
    // Tab scrolls to the next box by itself; a refusal's cursor or a click does not.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now && widget() && widget()->isAncestorOf(now)) {
            ensureWidgetVisible(now);
        }
    });
}

QSize ScrollingPage::sizeHint() const {
    const QSize contents = widget() ? widget()->sizeHint() : QSize();
    return contents.grownBy(contentsMargins());
}
