// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/chart/grafik.h"

#include "core/calc/numberformat.h"
#include "core/calc/parsenumber.h"
#include "core/plot/axisticks.h"
#include "core/plot/limitcrossing.h"
#include "core/plot/sweep.h"
#include "gui/chart/chartdrawing.h"
#include "gui/chart/chartexport.h"
#include "gui/chart/chartplan.h"
#include "gui/chart/chartreadout.h"
#include "gui/common/screenfit.h"
#include "gui/common/userlocale.h"

#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>

GRAFIK::GRAFIK(const Calculation& calculation, const CalcInputs& inputs,
               std::optional<Machine> machine, UserDialogs& dialogs, QWidget* parent)
    : QMainWindow(parent)
    , calculation_(calculation)
    , inputs_(inputs)
    , machine_(std::move(machine))
    , dialogs_(dialogs) {
    setObjectName(QStringLiteral("GRAFIK"));
    setWindowTitle(QStringLiteral("График"));
    buildView();
    buildControls();
    offerQuantities();
    resetRange();
    redraw();
    fitToScreen(this, QSize(1000, 680));
}

void GRAFIK::buildView() {
    parts_ = buildChartParts();
    connect(parts_.chart, &QChart::plotAreaChanged, this, [this] { placeLimitLabels(parts_); });
    view_ = new QChartView(parts_.chart);
    view_->setObjectName(QStringLiteral("GraphView"));
    view_->setRenderHint(QPainter::Antialiasing);
    // On a small screen the chart gives up its room first: the window then fits the screen.
    view_->setMinimumSize(320, 200);
    view_->setMouseTracking(true);
    view_->viewport()->setMouseTracking(true);
    view_->viewport()->installEventFilter(this);
}

void GRAFIK::buildControls() {
    auto* central = new QWidget(this);
    setCentralWidget(central);
    auto* controls = new QHBoxLayout;
    addVaryBox(central, controls);
    addRangeBoxes(central, controls);
    controls->addStretch();
    addExportButtons(central, controls);
    // The quantities on a row of their own, which leaves the range boxes room on a laptop's
    // screen.
    auto* quantityRow = new QHBoxLayout;
    addQuantityBoxes(central, quantityRow);
    quantityRow->addStretch();

    values_ = new QLabel(central);
    values_->setObjectName(QStringLiteral("GraphValues"));
    values_->setMinimumHeight(values_->fontMetrics().height());
    // With every quantity ticked the line may be wider than the window: it wraps rather than
    // widens it under the mouse.
    values_->setWordWrap(true);
    notes_ = new QLabel(central);
    notes_->setObjectName(QStringLiteral("GraphNotes"));
    notes_->setStyleSheet(QStringLiteral("color: #b00000"));
    notes_->setWordWrap(true);

    auto* layout = new QVBoxLayout(central);
    layout->addLayout(controls);
    layout->addLayout(quantityRow);
    layout->addWidget(view_, 1);
    layout->addWidget(values_);
    layout->addWidget(notes_);
}

void GRAFIK::addVaryBox(QWidget* central, QBoxLayout* controls) {
    vary_ = new QComboBox(central);
    vary_->setObjectName(QStringLiteral("GraphVary"));
    offerInputs();
    vary_->setCurrentIndex(std::max(0, vary_->findData(static_cast<int>(Key::s))));
    // As wide as its longest label where there is room, narrower (its list still whole) where not.
    vary_->setMinimumContentsLength(12);
    auto* varyLabel = new QLabel(QStringLiteral("По оси абсцисс:"), central);
    varyLabel->setBuddy(vary_);
    controls->addWidget(varyLabel);
    controls->addWidget(vary_);
    // A changed input to vary starts again from half to twice its current value.
    connect(vary_, &QComboBox::currentIndexChanged, this, [this] {
        resetRange();
        redraw();
    });
}

void GRAFIK::addRangeBoxes(QWidget* central, QBoxLayout* controls) {
    const auto rangeBox = [&](const char* name, const char* caption) {
        auto* edit = new QLineEdit(central);
        edit->setObjectName(QString::fromUtf8(name));
        edit->setMaximumWidth(90);
        auto* label = new QLabel(QString::fromUtf8(caption), central);
        label->setBuddy(edit);
        controls->addWidget(label);
        controls->addWidget(edit);
        connect(edit, &QLineEdit::textChanged, this, &GRAFIK::redraw);
        return edit;
    };
    from_ = rangeBox("GraphFrom", "от");
    to_ = rangeBox("GraphTo", "до");
}

void GRAFIK::addQuantityBoxes(QWidget* central, QBoxLayout* controls) {
    for (std::size_t i = 0; i < quantityCount; ++i) {
        shown_[i] = new QCheckBox(QString::fromUtf8(quantities[i].name), central);
        shown_[i]->setObjectName(QString::fromUtf8(quantities[i].box));
        shown_[i]->setChecked(quantities[i].shownAtFirst);
        connect(shown_[i], &QCheckBox::toggled, this, &GRAFIK::redraw);
        controls->addWidget(shown_[i]);
    }
}

void GRAFIK::addExportButtons(QWidget* central, QBoxLayout* controls) {
    const auto exportButton = [&](const char* name, const char* format) {
        auto* button = new QPushButton(QString::fromUtf8(format) + QStringLiteral("…"), central);
        button->setObjectName(QString::fromUtf8(name));
        connect(button, &QPushButton::clicked, this, [this, format] {
            saveChartView(view_, QString::fromUtf8(format), windowTitle(), dialogs_);
        });
        controls->addWidget(button);
    };
    exportButton("GraphPng", "PNG");
    exportButton("GraphSvg", "SVG");
}

Key GRAFIK::varied() const {
    return static_cast<Key>(vary_->currentData().toInt());
}

ShownQuantities GRAFIK::shownQuantities() const {
    ShownQuantities shown{};
    for (std::size_t q = 0; q < quantityCount; ++q) {
        shown[q] = shown_[q]->isChecked() && shown_[q]->isEnabled();
    }
    return shown;
}

void GRAFIK::offerQuantities() {
    // What the row gives does not depend on the input varied: the current row tells.
    const SweepPoint current = sweepPoint(calculation_, inputs_, varied(), inputs_[varied()]);
    for (std::size_t q = 0; q < quantityCount; ++q) {
        const bool given =
            !current.refusal.empty() || (current.computed.row.*quantities[q].value).has_value();
        shown_[q]->setEnabled(given);
        shown_[q]->setToolTip(given ? QString() : QString::fromUtf8(quantities[q].missing));
    }
}

void GRAFIK::resetRange() {
    const double x = inputs_[varied()];
    const QSignalBlocker fromBlocker(from_);
    const QSignalBlocker toBlocker(to_);
    const char separator = userDecimalSeparator();
    from_->setText(QString::fromStdString(plainText(x > 0 ? x / 2 : 0, separator)));
    to_->setText(QString::fromStdString(plainText(x > 0 ? 2 * x : 1, separator)));
    parts_.inputAxis->setTitleText(vary_->currentText());
}

void GRAFIK::setInputs(const CalcInputs& inputs) {
    const bool kindChanged = inputs.kind != inputs_.kind;
    inputs_ = inputs;
    if (kindChanged) {
        const Key before = varied();
        const QSignalBlocker blocker(vary_);
        offerInputs();
        const int kept = vary_->findData(static_cast<int>(before));
        vary_->setCurrentIndex(kept >= 0 ? kept : 0);
        if (kept < 0) {
            resetRange();
        }
    }
    offerQuantities();
    redraw();
}

// The inputs the operation reads, in the window's screen order: an input derived from the
// others (a drill's depth) would draw every curve flat.
void GRAFIK::offerInputs() {
    vary_->clear();
    const WindowDefinition& window = calculation_.window;
    std::vector<std::string> order = window.screenOrder;
    if (order.empty()) {
        for (const NumericBox& box : window.boxes) {
            order.push_back(box.name);
        }
    }
    for (const std::string& name : order) {
        const auto box =
            std::find_if(window.boxes.begin(), window.boxes.end(),
                         [&name](const NumericBox& entry) { return entry.name == name; });
        if (calculation_.reads(box->key, inputs_.kind)) {
            vary_->addItem(QString::fromUtf8(box->label), static_cast<int>(box->key));
        }
    }
}

void GRAFIK::setMachine(std::optional<Machine> machine) {
    if (machine == machine_) {
        return;
    }
    machine_ = std::move(machine);
    redraw();
}

void GRAFIK::redraw() {
    const QString fromText = from_->text();
    const QString toText = to_->text();
    const std::optional<double> from = typedNumber(fromText.toStdString());
    const std::optional<double> to = typedNumber(toText.toStdString());
    // A range being typed is not drawn until it is one; the chart keeps the last one till then.
    if (!from || !to) {
        notes_->setText(QString::fromStdString(
            notANumberMessage(from ? "ДО" : "ОТ", (from ? toText : fromText).toStdString())));
        return;
    }
    // Nor is a range whose axis could not be laid out: reversed, beyond any input, or narrower
    // than its labels tell apart.
    const AxisTicks ticks = inputTicks(*from, *to);
    if (!ticks.refusal.empty()) {
        notes_->setText(QString::fromStdString(ticks.refusal));
        return;
    }
    drawnFrom_ = *from;
    drawnTo_ = *to;
    const ShownQuantities shown = shownQuantities();
    const SweepCurves curves =
        sweepCurves(calculation_, inputs_, varied(), *from, *to, pointsPerCurve);
    ChartDrawing drawing;
    planCurves(drawing, curves, shown);
    planLimits(drawing, chartLimits(calculation_, inputs_, machine_, varied(), *from, *to),
               varied(), *from, *to, shown);
    if (const double x = inputs_[varied()]; x >= *from && x <= *to) {
        planCurrent(drawing, sweepPoint(calculation_, inputs_, varied(), x), shown);
    }
    showDrawing(parts_, drawing, *from, *to, ticks, shown);
    showTitle();
    showRefusals(curves);
}

void GRAFIK::showTitle() {
    QString title = QString::fromUtf8(calculation_.window.caption);
    if (machine_) {
        title += QStringLiteral(" — станок ") + QString::fromStdString(machine_->name);
    }
    if (parts_.chart->title() != title) {
        parts_.chart->setTitle(title);
    }
}

void GRAFIK::showRefusals(const SweepCurves& curves) {
    QStringList refusals;
    for (const std::string& refusal : curves.refusals) {
        refusals << QString::fromStdString(refusal);
    }
    notes_->setText(refusals.isEmpty() ? QString()
                    : curves.pieces.empty()
                        ? QStringLiteral("Диапазон не рассчитан: ") + refusals.join(' ')
                        : QStringLiteral("Часть диапазона не рассчитана: ") + refusals.join(' '));
}

bool GRAFIK::eventFilter(QObject* watched, QEvent* event) {
    if (watched == view_->viewport()) {
        if (event->type() == QEvent::MouseMove) {
            QChart* chart = parts_.chart;
            const QPointF at = chart->mapFromScene(
                view_->mapToScene(static_cast<QMouseEvent*>(event)->position().toPoint()));
            if (chart->plotArea().contains(at)) {
                // Every series shares the input's axis; the power curve's has it for certain.
                showValuesAt(chart->mapToValue(at, parts_.pieces[powerIndex].front()).x());
            } else {
                values_->clear();
            }
        } else if (event->type() == QEvent::Leave) {
            values_->clear();
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void GRAFIK::showValuesAt(double x) {
    values_->setText(chartReadout(calculation_, inputs_, varied(), x,
                                  readingDecimals(drawnFrom_, drawnTo_), shownQuantities()));
}
