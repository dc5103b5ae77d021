// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/common/screenfit.h"

#include "core/screen/windowfit.h"

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>
#include <cmath>

namespace {

ScreenRect screenRect(const QRect& rect) {
    return {rect.x(), rect.y(), rect.width(), rect.height()};
}

// The frame the window system has put around `window`; none before it is shown.
FrameMargins frameOf(const QWidget* window) {
    const QRect frame = window->frameGeometry();
    const QRect inside = window->geometry();
    FrameMargins margins{inside.left() - frame.left(), inside.top() - frame.top(),
                         frame.right() - inside.right(), frame.bottom() - inside.bottom()};
    // At a scale such as 150 % Qt rounds the frame, measured in the screen's pixels, to the
    // program's, and the window's size and the screen's as well: a pixel more on each framed side
    // keeps the whole frame on the screen whichever way they were rounded.
    const double scale = window->devicePixelRatioF();
    if (scale != std::floor(scale)) {
        for (int* side : {&margins.left, &margins.top, &margins.right, &margins.bottom}) {
            *side += *side > 0 ? 1 : 0;
        }
    }
    return margins;
}

// Before its first showing a window has no frame yet: another window's is the best guess of it.
FrameMargins expectedFrameOf(const QWidget* window) {
    for (const QWidget* shown : QApplication::topLevelWidgets()) {
        if (shown != window && shown->isVisible() && frameOf(shown) != FrameMargins{}) {
            return frameOf(shown);
        }
    }
    return frameOf(window);
}

ScreenSize minimumOf(const QWidget* window) {
    const QSize minimum = window->minimumSize().expandedTo(window->minimumSizeHint());
    return {minimum.width(), minimum.height()};
}

// Whenever a top-level window is shown, and again once the window system has put its frame around
// it, moves and shrinks it as little as it takes for it and its frame to lie inside the free part
// of its screen. Where the user moves it later is left to the user.
class ScreenKeeper : public QObject {
public:
    explicit ScreenKeeper(QWidget* window)
        : QObject(window)
        , window_(window) {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != window_) {
            return false;
        }
        if (event->type() == QEvent::Show) {
            keep();
        } else if ((event->type() == QEvent::Move || event->type() == QEvent::Resize) &&
                   window_->isVisible() && kept_ == FrameMargins{} &&
                   frameOf(window_) != FrameMargins{}) {
            // The window system has just framed the window: its title bar may now stand out.
            // Later moves are the user's.
            keep();
        }
        return false;
    }

private:
    void keep() {
        kept_ = frameOf(window_);
        // A maximized or full-screen window is where the window system puts it.
        if (window_->windowState() != Qt::WindowNoState) {
            return;
        }
        const ScreenRect placed =
            fitWindow(screenRect(window_->geometry()), kept_,
                      screenRect(window_->screen()->availableGeometry()), minimumOf(window_));
        const QRect fitted(placed.x, placed.y, placed.width, placed.height);
        if (fitted != window_->geometry()) {
            window_->setGeometry(fitted);
        }
    }

    QWidget* window_;
    FrameMargins kept_;
};

} // namespace

void fitToScreen(QWidget* window, QSize wanted) {
    const QRect room = window->screen()->availableGeometry();
    const ScreenRect placed =
        fitWindow({room.x(), room.y(), wanted.width(), wanted.height()}, expectedFrameOf(window),
                  screenRect(room), minimumOf(window));
    window->resize(placed.width, placed.height);
    new ScreenKeeper(window);
}

void fitToArea(QMdiSubWindow* frame, QSize wanted) {
    frame->resize(wanted.boundedTo(frame->mdiArea()->viewport()->size()));
}

void keepInArea(QMdiSubWindow* frame) {
    const ScreenRect placed =
        fitWindow(screenRect(frame->geometry()), {},
                  screenRect(frame->mdiArea()->viewport()->rect()), minimumOf(frame));
    frame->setGeometry(placed.x, placed.y, placed.width, placed.height);
}
