// SPDX-License-Identifier: GPL-3.0-or-later
// The calculation window's cutter, where the window checks one: its dialog "РЕЗЕЦ", the cutter
// kept between runs and its line under the grid. The check of each row is the machine's beside
// it, in calcwindowmachine.cpp.
#include "gui/calcwindow/calcwindow.h"
#include "gui/common/userlocale.h"
#include "gui/common/usersettings.h"
#include "gui/cutter/keptcutter.h"
#include "gui/cutter/rezec.h"

#include <QLabel>

void CalcWindow::restoreCutter() {
    if (!definition().checksCutter) {
        return;
    }
    QSettings settings = userSettings();
    cutter_ = keptCutter(settings);
}

const Cutter* CalcWindow::chosenCutter() const {
    return cutter_ ? &*cutter_ : nullptr;
}

REZEC* CalcWindow::cutterDialog() const {
    return cutterDialog_ && cutterDialog_->isVisible() ? cutterDialog_.data() : nullptr;
}

void CalcWindow::REZEC_Click() {
    // One closed is on its way out: a new one shows the cutter as it is now.
    if (!cutterDialog()) {
        cutterDialog_ = new REZEC(cutter_, dialogs_, this);
        cutterDialog_->setAttribute(Qt::WA_DeleteOnClose);
        connect(cutterDialog_, &REZEC::cutterChosen, this, &CalcWindow::useCutter);
    }
    // Beside the window, as the program's other dialogs: nothing waits on it.
    cutterDialog_->show();
    cutterDialog_->raise();
    cutterDialog_->activateWindow();
}

void CalcWindow::useCutter(const std::optional<Cutter>& cutter) {
    cutter_ = cutter;
    QSettings settings = userSettings();
    keepCutter(settings, cutter_);
    showCutterLine();
}

void CalcWindow::showCutterLine() {
    if (!cutterLine_) {
        return;
    }
    if (!cutter_ || !lastResults_) {
        cutterLine_->clear();
        return;
    }
    const CutterCheck check = checkCutter(*cutter_, *lastResults_);
    cutterLine_->setText(
        QString::fromStdString(cutterLine(*cutter_, check, userDecimalSeparator())));
}
