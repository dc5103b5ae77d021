// SPDX-License-Identifier: GPL-3.0-or-later
// Where the calculation window's table goes: the report of "СОХРАНИТЬ", the menu "ЭКСПОРТ" and
// the chart of "ГРАФИК", which follows the window's inputs.
#include "core/files/reportfile.h"
#include "core/output/report.h"
#include "core/output/tableexport.h"
#include "gui/calcwindow/calcwindow.h"
#include "gui/chart/grafik.h"
#include "gui/common/userdialogs.h"
#include "gui/common/userlocale.h"

#include <QDate>
#include <QLabel>

QString CalcWindow::reportTitleText() const {
    return QString::fromStdString(reportTitle(definition().number, state_.OperationKind));
}

TableExport CalcWindow::exported(const Machine* machine, const Cutter* cutter) const {
    return exportTable(table_, calculation_, machine, cutter, reportTitleText().toStdString(),
                       userDecimalSeparator());
}

void CalcWindow::SAVE_Click() {
    // The report has the grid's columns only, whatever machine and cutter are chosen.
    const std::optional<std::string> bytes = exportBytes(
        exported(nullptr, nullptr).document, ExportFormat::report, userDecimalSeparator());
    std::shared_ptr<WorkingReport> report = bytes ? WorkingReport::write(*bytes) : nullptr;
    if (!report) {
        dialogs_.message(QStringLiteral("НЕ УДАЛОСЬ ЗАПИСАТЬ ВРЕМЕННЫЙ ФАЙЛ ОТЧЁТА В ПАПКУ %1!!!")
                             .arg(QString::fromStdString(workingReportFolder().string())));
        return;
    }
    emit reportWritten(std::move(report));
}

void CalcWindow::EXPORT_CSV_Click() {
    const std::optional<std::string> bytes =
        exportBytes(exported(chosenMachine(), chosenCutter()).document, ExportFormat::csv,
                    userDecimalSeparator());
    // The report title names the file, as it titles the report: "Фрезерование торцовыми фрезами".
    export_.saveCsv(*bytes, reportTitleText());
}

TableDocument CalcWindow::pageDocument() const {
    TableDocument document = exported(chosenMachine(), chosenCutter()).document;
    document.date = QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")).toStdString();
    for (const QLabel* line : {machineLine_, cutterLine_}) {
        if (line && !line->text().isEmpty()) {
            document.machineLines.push_back(line->text().toStdString());
        }
    }
    return document;
}

void CalcWindow::EXPORT_PDF_Click() {
    export_.savePdf(pageDocument(), reportTitleText());
}

void CalcWindow::PRINT_Click() {
    export_.print(pageDocument());
}

void CalcWindow::GRAPH_Click() {
    const std::optional<CalcInputs> inputs = readInputs(Asking::Questions);
    if (!inputs) {
        return;
    }
    const Machine* machine = chosenMachine();
    const std::optional<Machine> chosen = machine ? std::optional(*machine) : std::nullopt;
    if (!graph_) {
        graph_ = new GRAFIK(calculation_, *inputs, chosen, dialogs_, this);
        graph_->setAttribute(Qt::WA_DeleteOnClose);
        graph_->setWindowFlag(Qt::Window);
    } else {
        graph_->setInputs(*inputs);
        graph_->setMachine(chosen);
    }
    graph_->show();
    graph_->raise();
    graph_->activateWindow();
}

void CalcWindow::updateGraph() {
    if (!graph_) {
        return;
    }
    // No questions here: a missing choice or value leaves the chart as it is until "ГРАФИК".
    if (const std::optional<CalcInputs> inputs = readInputs(Asking::Nothing)) {
        graph_->setInputs(*inputs);
    }
    const Machine* machine = chosenMachine();
    graph_->setMachine(machine ? std::optional(*machine) : std::nullopt);
}
