// SPDX-License-Identifier: GPL-3.0-or-later
// The calculation window's speed service: the cutting speed the user's coefficient rows give for
// the window's operation, materials and boxes, offered for the speed box.
#include "core/calc/calculationflow.h"
#include "core/calc/numberformat.h"
#include "core/operations/registry.h"
#include "core/speed/speedservice.h"
#include "gui/calcwindow/calcform.h"
#include "gui/calcwindow/calcwindow.h"
#include "gui/common/userdialogs.h"
#include "gui/common/userlocale.h"
#include "gui/machine/machinechoice.h"
#include "gui/speed/skorost.h"
#include "gui/speed/speedcatalog.h"

#include <QAction>
#include <algorithm>

namespace {

const char* const notConnectedMessage = "УСЛУГА НЕ ПОДКЛЮЧЕНА!!!";

} // namespace

void CalcWindow::useSpeeds(SpeedCatalog& catalog) {
    speeds_ = &catalog;
    showSpeedTip();
}

SKOROST* CalcWindow::speedDialog() const {
    return speedDialog_ && speedDialog_->isVisible() ? speedDialog_.data() : nullptr;
}

void CalcWindow::showSpeedTip() {
    if (!speedItem_) {
        return;
    }
    const std::filesystem::path path = speeds_ ? speeds_->path() : defaultSpeedLibraryPath();
    const QString tip =
        QStringLiteral("Скорость резания по строкам коэффициентов пользователя. Строки хранятся "
                       "в файле %1 и вводятся в окне «КОЭФФИЦИЕНТЫ СКОРОСТИ» главного меню.")
            .arg(QString::fromStdString(path.string()));
    speedItem_->setToolTip(tip);
    speedItem_->setStatusTip(tip);
}

bool CalcWindow::speedRowsMayServe(const CalcRequest& request) const {
    if (!speeds_) {
        return false;
    }
    // The sub-operation is known unless the window's own option chooses it and none is chosen.
    std::optional<int> kind = state_.OperationKind;
    if (calculation_.choiceIsOperationKind) {
        kind = request.choice;
    }
    const auto tool = request.tool ? toolMaterialFromCode(*request.tool) : std::nullopt;
    const auto work = request.work ? workMaterialFromCode(*request.work) : std::nullopt;
    return ::speedRowsMayServe(speeds_->rows(), definition().number, kind, tool, work);
}

void CalcWindow::SPEED_Click() {
    // With no row for this window nothing is read or asked: the service is not there.
    if (!speedRowsMayServe(form_->request(table_.RowCount()))) {
        dialogs_.message(QString::fromUtf8(notConnectedMessage));
        return;
    }
    const std::optional<CalcInputs> inputs = readInputs(Asking::Questions, Key::v);
    if (!inputs) {
        return;
    }
    const Operation* operation = windowOperation(definition().number, inputs->kind);
    // The questions may have chosen a material no row is for.
    if (!operation ||
        !speedServiceConnected(speeds_->rows(), *operation, inputs->tool, inputs->work)) {
        dialogs_.message(QString::fromUtf8(notConnectedMessage));
        return;
    }
    if (speedDialog_) {
        speedDialog_->close();
    }
    const Machine* machine = chosenMachine();
    speedDialog_ = new SKOROST(speeds_->rows(), *operation, *inputs,
                               machine ? std::optional(*machine) : std::nullopt, this);
    speedDialog_->setAttribute(Qt::WA_DeleteOnClose);
    connect(speedDialog_, &SKOROST::speedAccepted, this, [this](double v) {
        // To 0,01 m/min, as a speed is read off a handbook's table.
        form_->setValueText(Key::v,
                            QString::fromStdString(fixedText(v, 2, userDecimalSeparator())));
    });
    // Beside the window, as the other dialogs of the program: nothing waits on it.
    speedDialog_->show();
    speedDialog_->raise();
    speedDialog_->activateWindow();
}
