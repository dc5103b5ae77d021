// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/calc/calculation.h"
#include "core/machine/machine.h"
#include "gui/chart/chartparts.h"

#include <QMainWindow>
#include <array>
#include <optional>

class QBoxLayout;
class QChart;
class QChartView;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class UserDialogs;
struct SweepCurves;

// "ГРАФИК": how the forces, the torque and the power of one calculation, and on request its minute
// feed, main time and removal rate, change with one of its inputs, every other input as the
// calculation window holds it, against the limits of the window's machine. Every point is the
// core's own calculation at that value.
class GRAFIK : public QMainWindow {
    Q_OBJECT
public:
    GRAFIK(const Calculation& calculation, const CalcInputs& inputs, std::optional<Machine> machine,
           UserDialogs& dialogs, QWidget* parent = nullptr);

    // The calculation window's inputs or machine changed: the chart follows them.
    void setInputs(const CalcInputs& inputs);
    void setMachine(std::optional<Machine> machine);

    QChart* chart() const { return parts_.chart; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildView();
    void buildControls();
    void addVaryBox(QWidget* central, QBoxLayout* controls);
    void offerInputs();
    void addRangeBoxes(QWidget* central, QBoxLayout* controls);
    void addQuantityBoxes(QWidget* central, QBoxLayout* controls);
    void addExportButtons(QWidget* central, QBoxLayout* controls);
    Key varied() const;
    // Only the quantities the row has can be ticked: no main time without the working travel.
    void offerQuantities();
    ShownQuantities shownQuantities() const;
    void resetRange();
    void redraw();
    void showTitle();
    void showRefusals(const SweepCurves& curves);
    void showValuesAt(double x);

    const Calculation& calculation_;
    CalcInputs inputs_;
    std::optional<Machine> machine_;
    UserDialogs& dialogs_;

    QComboBox* vary_ = nullptr;
    QLineEdit* from_ = nullptr;
    QLineEdit* to_ = nullptr;
    std::array<QCheckBox*, quantityCount> shown_{};
    QChartView* view_ = nullptr;
    ChartParts parts_;
    QLabel* values_ = nullptr; // the calculation under the mouse
    QLabel* notes_ = nullptr;  // refusals and a range that cannot be drawn
    // The range drawn, for reading the mouse position.
    double drawnFrom_ = 0;
    double drawnTo_ = 0;
};
