#pragma once

#include "core/calc/calculation.h"
#include "core/machine/machine.h"

#include <QMainWindow>
#include <array>
#include <optional>
#include <vector>

class QAbstractSeries;
class QChart;
class QChartView;
class QCheckBox;
class QComboBox;
class QGraphicsSimpleTextItem;
class QLabel;
class QLineEdit;
class QLineSeries;
class QScatterSeries;
class QValueAxis;
class UserDialogs;
struct SweepCurves;

// "ГРАФИК": how the forces, the torque and the power of one calculation change with one of its
// inputs, every other input as the calculation window holds it, against the limits of the
// window's machine. Every point is the core's own calculation at that value.
class GRAFIK : public QMainWindow {
    Q_OBJECT
public:
    GRAFIK(const Calculation& calculation, const CalcInputs& inputs, std::optional<Machine> machine,
           UserDialogs& dialogs, QWidget* parent = nullptr);

    // The calculation window's inputs or machine changed: the chart follows them.
    void setInputs(const CalcInputs& inputs);
    void setMachine(std::optional<Machine> machine);

    QChart* chart() const { return chart_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The quantities drawn, in the order of their check boxes.
    static constexpr std::size_t quantityCount = 5;

    void buildControls();
    void buildChart();
    Key varied() const;
    void resetRange();
    struct Drawing;
    void redraw();
    void planCurves(Drawing& drawing, const SweepCurves& curves) const;
    void planLimits(Drawing& drawing, double from, double to) const;
    void planCurrent(Drawing& drawing, double from, double to) const;
    void scaleAxes(const Drawing& drawing, double from, double to);
    void apply(const Drawing& drawing);
    void placeLabels();
    void updateLegend();
    QLineSeries* addPiece(std::size_t quantity);
    void showValuesAt(double x);
    void save(const char* format);

    const Calculation& calculation_;
    CalcInputs inputs_;
    std::optional<Machine> machine_;
    UserDialogs& dialogs_;

    QComboBox* vary_ = nullptr;
    QLineEdit* from_ = nullptr;
    QLineEdit* to_ = nullptr;
    std::array<QCheckBox*, quantityCount> shown_{};
    QChartView* view_ = nullptr;
    QChart* chart_ = nullptr;
    QLabel* values_ = nullptr; // the calculation under the mouse
    QLabel* notes_ = nullptr;  // refusals and a range that cannot be drawn

    QValueAxis* inputAxis_ = nullptr;
    QValueAxis* forceAxis_ = nullptr;
    QValueAxis* powerAxis_ = nullptr;
    QValueAxis* torqueAxis_ = nullptr;
    // Each quantity's curve, one series for each piece between refusals and band edges.
    std::array<std::vector<QLineSeries*>, quantityCount> pieces_;
    // A limit of the machine on the power or the torque: its level, and the point where the
    // curve reaches it, ringed and dropped to the input's axis, where its value reads off.
    struct LimitLines {
        QLineSeries* level = nullptr;
        QScatterSeries* crossing = nullptr;
        QLineSeries* drop = nullptr;
        QGraphicsSimpleTextItem* label = nullptr;
        bool labelLeft = true;
    };
    LimitLines spindle_;
    LimitLines torqueLimit_;
    // The current inputs on the curves of each axis: forces, power, torque.
    std::array<QScatterSeries*, 3> current_{};
    // The range drawn, for reading the mouse position.
    double drawnFrom_ = 0;
    double drawnTo_ = 0;
};
