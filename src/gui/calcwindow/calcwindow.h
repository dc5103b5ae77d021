// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/calc/calculation.h"
#include "core/calc/resultstable.h"
#include "core/cutter/cutter.h"
#include "gui/export/exportfiles.h"

#include <QMainWindow>
#include <QPointer>
#include <memory>
#include <optional>
#include <vector>

class CalcForm;
class QLabel;
class MachineCatalog;
struct Machine;
struct Operation;
class REZEC;
class SKOROST;
class SpeedCatalog;
class GRAFIK;
class ResultsGrid;
class UserDialogs;
struct CalcOutcome;
struct CalcRequest;
struct TableExport;
class WorkingReport;

// The reference windows a calculation window's "СПРАВКА" opens.
enum class Reference { WorkMaterials, MetricThreads };

// The frame shared by the seven calculation windows, built from the operation's declaration:
// material and tool options, the numeric boxes, the row-number box, the results grid and the
// menu. "РАСЧЁТ" reads the boxes and options, answers the calculation's questions with input
// boxes, and shows its refusals, its row and its notice.
class CalcWindow : public QMainWindow {
    Q_OBJECT
public:
    CalcWindow(const Calculation& calculation, CalcState& state, UserDialogs& dialogs,
               QWidget* parent = nullptr);

    const WindowDefinition& definition() const { return calculation_.window; }
    ResultsGrid* grid() const { return grid_; }
    int RowCount() const { return table_.RowCount(); }
    int ErrorCode() const { return errorCode_; }

    // What the last calculation in this window took from the tables: the work-material
    // correction factor and the force coefficients (none where the handbook has no data).
    double Kmp = 0;
    std::vector<double> ForceCoefficients;

    // The machines its machine choice offers; without them it offers none.
    void useMachines(MachineCatalog& catalog);

    // The coefficient rows its speed service offers; without them the service is not connected.
    void useSpeeds(SpeedCatalog& catalog);
    // The speed service's dialog while it is open; nullptr otherwise.
    SKOROST* speedDialog() const;

    // The cutter dialog while it is open; nullptr otherwise.
    REZEC* cutterDialog() const;

    // The row-number box, set by the main menu when it opens the window.
    void setRowNumberText(const QString& text);

public slots:
    // "РАСЧЁТ" of every window.
    void MAKE_Click();
    // The speed service ("СКОРОСТЬ", "ПОДАЧА И СКОРОСТЬ"): the cutting speed from the user's
    // coefficient rows for the inputs as "РАСЧЁТ" reads them, offered for the speed box.
    void SPEED_Click();
    // "СОХРАНИТЬ": the report of the results table into the working file in the current folder.
    void SAVE_Click();
    // "СКОРОСТЬ ПО ПАСПОРТУ": the cutting speed at the passport speed just below the one typed.
    void PASSPORT_Click();
    // "ПОДАЧА ПО ПАСПОРТУ": the passport feed below the feed at the passport speed, written into
    // the feed box with the cutting speed at that spindle speed.
    void PASSPORT_S_Click();
    // "НАИБОЛЬШАЯ ПОДАЧА", "НАИБОЛЬШАЯ СКОРОСТЬ": the largest value the chosen machine and the
    // window's cutter allow, offered for the box.
    void LIMIT_S_Click();
    void LIMIT_V_Click();
    // "ЭКСПОРТ": the results table as CSV or PDF, or printed.
    void EXPORT_CSV_Click();
    void EXPORT_PDF_Click();
    void PRINT_Click();
    // "ГРАФИК": the results against one input, in a chart window that follows this one.
    void GRAPH_Click();
    // "РЕЗЕЦ" of a window that checks a cutter: its dialog, one per window.
    void REZEC_Click();

signals:
    // "СОХРАНИТЬ" has written the report to its working file; the save dialog takes it from here.
    void reportWritten(std::shared_ptr<WorkingReport> report);
    // "СПРАВКА" asks for a reference window.
    void referenceRequested(Reference which);

protected:
    // What a window keeps of the inputs its formulas ran on, besides Kmp and the coefficients.
    virtual void keep(const CalcInputs&) {}

private:
    QWidget* buildResults(QWidget* page);
    void buildMenu();
    void addExportMenu();
    void addMachineMenu();
    // Where the window checks a cutter: its item, its line under the grid, and the cutter kept
    // from the last run.
    void addCutterItem();
    void addCutterLine(QWidget* frame);
    void restoreCutter();
    void EXIT_Click();

    void refuse(const CalcOutcome& outcome);
    void writeRow(const CalcOutcome& outcome);
    // Marks the row's cells that cross a limit of the chosen machine or a check of the cutter;
    // the message naming them, the machine's first, or an empty one.
    QString checkRow(const CalcOutcome& outcome);
    void showMachineLine();
    const Machine* chosenMachine() const;
    // The cutter's line for the row computed last; empty without a cutter or a row.
    void showCutterLine();
    const Cutter* chosenCutter() const;
    void useCutter(const std::optional<Cutter>& cutter);
    // The inputs "РАСЧЁТ" would compute with, its questions asked and its refusals shown, for
    // the chosen machine; nothing when there is no machine or no inputs.
    std::optional<CalcInputs> machineInputs(const Machine*& machine);
    // The chosen machine with those inputs and the spindle speed they give.
    struct MachineCut {
        const Machine& machine;
        CalcInputs inputs;
        double n;
    };
    std::optional<MachineCut> machineCut();
    // The inputs as "РАСЧЁТ" reads them: asking its questions and showing its refusals, or
    // without a word (then a missing choice or value gives nothing). An input `sought` is worked
    // out from the others: its box is neither read nor required.
    enum class Asking { Questions, Nothing };
    std::optional<CalcInputs> readInputs(Asking asking, std::optional<Key> sought = std::nullopt);
    // Whether a row of the library may serve the boxes and options as they are, a choice not
    // yet made matching any.
    bool speedRowsMayServe(const CalcRequest& request) const;
    // Where the rows are kept and entered, as the speed item's tip.
    void showSpeedTip();
    // The chart follows the boxes, the options and the machine without asking anything.
    void updateGraph();
    void offerLargest(Key varied);
    // The table as it leaves the window, titled by the report title.
    TableExport exported(const Machine* machine, const Cutter* cutter) const;
    // The table as a page: the PDF and the printout, dated, with the machine and cutter lines.
    TableDocument pageDocument() const;
    QString reportTitleText() const;

    const Calculation& calculation_;
    CalcState& state_;
    UserDialogs& dialogs_;
    ResultsTable table_;

    CalcForm* form_ = nullptr;
    ResultsGrid* grid_ = nullptr;

    ExportFiles export_;
    QPointer<GRAFIK> graph_;
    SpeedCatalog* speeds_ = nullptr;
    QAction* speedItem_ = nullptr;
    QPointer<SKOROST> speedDialog_;
    QLabel* machineLine_ = nullptr;
    QLabel* cutterLine_ = nullptr; // where the window checks a cutter
    std::optional<Cutter> cutter_;
    QPointer<REZEC> cutterDialog_;
    QLabel* timeLine_ = nullptr; // the last row's minute feed, main time and removal rate
    std::optional<RowResults> lastResults_; // of the row computed last, for the lines under it
    int errorCode_ = 0;
};
