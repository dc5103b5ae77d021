// SPDX-License-Identifier: GPL-3.0-or-later
// The calculation window's machine: the check of every row, the load line under the grid and the
// menu "СТАНОК".
#include "core/calc/calculationflow.h"
#include "core/calc/feedrates.h"
#include "core/calc/numberformat.h"
#include "core/machine/machinecheck.h"
#include "core/machine/passportfeed.h"
#include "gui/calcwindow/calcform.h"
#include "gui/calcwindow/calcwindow.h"
#include "gui/calcwindow/resultsgrid.h"
#include "gui/common/userdialogs.h"
#include "gui/common/userlocale.h"
#include "gui/machine/machinechoice.h"

#include <QLabel>

const Machine* CalcWindow::chosenMachine() const {
    return form_->machineChoice()->machine();
}

QString CalcWindow::checkRow(const CalcOutcome& outcome) {
    lastResults_ = outcome.row.results;
    timeLine_->setText(
        QString::fromStdString(feedRatesLine(outcome.row.results, userDecimalSeparator())));
    showMachineLine();
    showCutterLine();
    std::vector<Violation> violations;
    if (const Machine* machine = chosenMachine()) {
        violations = checkMachine(*machine, calculation_, outcome.row.results).violations;
    }
    if (const Cutter* cutter = chosenCutter()) {
        const CutterCheck check = checkCutter(*cutter, outcome.row.results);
        violations.insert(violations.end(), check.violations.begin(), check.violations.end());
    }
    const char separator = userDecimalSeparator();
    for (const Violation& violation : violations) {
        grid_->markCell(outcome.row.row, limitColumn(calculation_, violation.limit),
                        QString::fromStdString(violationsMessage({violation}, separator)));
    }
    return QString::fromStdString(violationsMessage(violations, separator));
}

void CalcWindow::showMachineLine() {
    const Machine* machine = chosenMachine();
    if (!machine) {
        machineLine_->clear();
        return;
    }
    const RowResults results = lastResults_.value_or(RowResults{});
    const MachineCheck check = checkMachine(*machine, calculation_, results);
    machineLine_->setText(
        QString::fromStdString(loadLine(*machine, check, results, userDecimalSeparator())));
}

std::optional<CalcInputs> CalcWindow::machineInputs(const Machine*& machine) {
    machine = chosenMachine();
    if (!machine) {
        dialogs_.message(QStringLiteral("ВЫ НЕ ВЫБРАЛИ СТАНОК!!!"));
        form_->machineChoice()->setFocus();
        return std::nullopt;
    }
    return readInputs(Asking::Questions);
}

std::optional<CalcWindow::MachineCut> CalcWindow::machineCut() {
    const Machine* machine = nullptr;
    std::optional<CalcInputs> inputs = machineInputs(machine);
    if (!inputs) {
        return std::nullopt;
    }
    const double n = *calculation_.compute(*inputs).row.n;
    return MachineCut{*machine, std::move(*inputs), n};
}

void CalcWindow::PASSPORT_Click() {
    const std::optional<MachineCut> cut = machineCut();
    if (!cut) {
        return;
    }
    const std::optional<PassportSpeed> passport =
        passportSpeed(cut->machine, cut->n, cut->inputs[Key::D]);
    const char separator = userDecimalSeparator();
    if (!passport) {
        dialogs_.message(QString::fromStdString(noPassportSpeedMessage(cut->n, separator)));
        return;
    }
    const QString v = QString::fromStdString(plainText(passport->v, separator));
    form_->setValueText(Key::v, v);
    dialogs_.message(
        QStringLiteral("ЧАСТОТА ВРАЩЕНИЯ ПО ПАСПОРТУ %1 об/мин, СКОРОСТЬ РЕЗАНИЯ %2 м/мин")
            .arg(QString::fromStdString(plainText(passport->n, separator)), v));
}

void CalcWindow::PASSPORT_S_Click() {
    const std::optional<MachineCut> cut = machineCut();
    if (!cut) {
        return;
    }
    const char separator = userDecimalSeparator();
    const PassportFeedChoice choice =
        passportFeed(cut->machine, calculation_, cut->inputs, cut->n, separator);
    if (!choice.feed) {
        dialogs_.message(QString::fromStdString(choice.refusal));
        return;
    }
    form_->setValueText(Key::s, QString::fromStdString(plainText(choice.feed->s, separator)));
    form_->setValueText(Key::v, QString::fromStdString(plainText(choice.feed->speed.v, separator)));
    dialogs_.message(QString::fromStdString(passportFeedMessage(
        *choice.feed, cut->machine.feedUnit, inputUnit(definition().layout, Key::s), separator)));
}

void CalcWindow::LIMIT_S_Click() {
    offerLargest(Key::s);
}

void CalcWindow::LIMIT_V_Click() {
    offerLargest(Key::v);
}

void CalcWindow::offerLargest(Key varied) {
    const Cutter* cutter = chosenCutter();
    const Machine* machine = chosenMachine();
    // A cutter's own limits bound the value without a machine.
    const std::optional<CalcInputs> inputs =
        cutter ? readInputs(Asking::Questions) : machineInputs(machine);
    if (!inputs) {
        return;
    }
    const char separator = userDecimalSeparator();
    const LargestValueReport report =
        reportLargest(largestValue(calculation_, *inputs, machine, cutter, varied),
                      definition().layout, varied, separator);
    const QString text = QString::fromStdString(report.text);
    if (!report.entered) {
        dialogs_.message(text);
        return;
    }
    const QString offer = varied == Key::s ? QStringLiteral("\nВВЕСТИ ЕЁ В ПОЛЕ ПОДАЧИ?")
                                           : QStringLiteral("\nВВЕСТИ ЕЁ В ПОЛЕ СКОРОСТИ?");
    if (dialogs_.confirm(text + offer)) {
        form_->setValueText(varied, QString::fromStdString(plainText(*report.entered, separator)));
    }
}
