#include "gui/chart/grafik.h"

#include "core/calc/numberformat.h"
#include "core/machine/machinecheck.h"
#include "core/plot/sweep.h"
#include "gui/common/userdialogs.h"
#include "gui/common/userlocale.h"
#include "gui/export/exportfiles.h"

#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QGraphicsSimpleTextItem>
#include <QHBoxLayout>
#include <QLabel>
#include <QLegendMarker>
#include <QLineEdit>
#include <QLineSeries>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScatterSeries>
#include <QSignalBlocker>
#include <QSvgGenerator>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

namespace {

// Enough points that a power law reads as a smooth curve, few enough that a redraw stays well
// inside a frame.
constexpr int pointsPerCurve = 200;

enum class Axis { force, power, torque };

struct Quantity {
    Result result;
    const char* name;
    const char* box;
    Axis axis;
    QRgb color;
    const char* unit;
    int decimals; // in the line under the chart, as the engineer reads them
};

// Forces in newtons on the left; the power and the torque each on an axis of their own at the
// right, since the torque of a cutter is tens to hundreds of N·m while the power is a few kW:
// on one scale the power curve would lie flat along the bottom.
constexpr std::array<Quantity, 5> quantities{{
    {Result::Pz, "Pz", "GraphPz", Axis::force, 0x1f77b4, "Н", 0},
    {Result::Py, "Py", "GraphPy", Axis::force, 0xff7f0e, "Н", 0},
    {Result::Px, "Px", "GraphPx", Axis::force, 0x2ca02c, "Н", 0},
    {Result::M, "M", "GraphM", Axis::torque, 0x9467bd, "Н·м", 1},
    {Result::N, "N", "GraphN", Axis::power, 0xd62728, "кВт", 2},
}};
constexpr std::size_t torqueIndex = 3;
constexpr std::size_t powerIndex = 4;

std::size_t axisIndex(Axis axis) {
    return static_cast<std::size_t>(axis);
}

QString fixed(double value, int decimals) {
    return QString::fromStdString(fixedText(value, decimals, userDecimalSeparator()));
}

// The input's letter as the handbook writes it.
QString symbol(Key key) {
    switch (key) {
    case Key::angle:
        return QStringLiteral("ω");
    case Key::passes:
        return QStringLiteral("i");
    default:
        return QString::fromStdString(std::string(keyNames[static_cast<std::size_t>(key)]));
    }
}

// The smallest step of the form m·10^k not below `rough`, m one of `mantissas`.
template <std::size_t count>
double niceStep(double rough, const std::array<double, count>& mantissas) {
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (const double mantissa : mantissas) {
        if (mantissa * power >= rough * (1 - 1e-12)) {
            return mantissa * power;
        }
    }
    return 10 * power;
}

// The decimals that show every multiple of `step` exactly.
int decimalsOf(double step) {
    for (int decimals = 0; decimals < 9; ++decimals) {
        const double scaled = step * std::pow(10.0, decimals);
        if (std::abs(scaled - std::round(scaled)) <= 1e-6 * scaled) {
            return decimals;
        }
    }
    return 9;
}

// The decimals of the input read off the chart: about the spacing of the computed points.
int readingDecimals(double from, double to) {
    return std::max(0, static_cast<int>(std::ceil(-std::log10((to - from) / pointsPerCurve))));
}

// A new format lays the axis out again, so only a changed one is set.
void setLabelFormat(QValueAxis* axis, int decimals) {
    const QString format = QStringLiteral("%.%1f").arg(decimals);
    if (axis->labelFormat() != format) {
        axis->setLabelFormat(format);
    }
}

QPen curvePen(QRgb color, Qt::PenStyle style = Qt::SolidLine) {
    QPen pen{QColor(color)};
    pen.setWidthF(2);
    pen.setStyle(style);
    return pen;
}

} // namespace

GRAFIK::GRAFIK(const Calculation& calculation, const CalcInputs& inputs,
               std::optional<Machine> machine, UserDialogs& dialogs, QWidget* parent)
    : QMainWindow(parent)
    , calculation_(calculation)
    , inputs_(inputs)
    , machine_(std::move(machine))
    , dialogs_(dialogs) {
    setObjectName(QStringLiteral("GRAFIK"));
    setWindowTitle(QStringLiteral("График"));
    buildChart();
    buildControls();
    resetRange();
    redraw();
    resize(1000, 680);
}

void GRAFIK::buildControls() {
    auto* central = new QWidget(this);
    setCentralWidget(central);
    auto* controls = new QHBoxLayout;

    vary_ = new QComboBox(central);
    vary_->setObjectName(QStringLiteral("GraphVary"));
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
        vary_->addItem(QString::fromUtf8(box->label), static_cast<int>(box->key));
    }
    vary_->setCurrentIndex(std::max(0, vary_->findData(static_cast<int>(Key::s))));
    auto* varyLabel = new QLabel(QStringLiteral("По оси абсцисс:"), central);
    varyLabel->setBuddy(vary_);
    controls->addWidget(varyLabel);
    controls->addWidget(vary_);

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
    controls->addSpacing(12);

    for (std::size_t i = 0; i < quantityCount; ++i) {
        shown_[i] = new QCheckBox(QString::fromUtf8(quantities[i].name), central);
        shown_[i]->setObjectName(QString::fromUtf8(quantities[i].box));
        shown_[i]->setChecked(true);
        connect(shown_[i], &QCheckBox::toggled, this, &GRAFIK::redraw);
        controls->addWidget(shown_[i]);
    }
    controls->addStretch();
    const auto exportButton = [&](const char* name, const char* format) {
        auto* button = new QPushButton(QString::fromUtf8(format) + QStringLiteral("…"), central);
        button->setObjectName(QString::fromUtf8(name));
        connect(button, &QPushButton::clicked, this, [this, format] { save(format); });
        controls->addWidget(button);
    };
    exportButton("GraphPng", "PNG");
    exportButton("GraphSvg", "SVG");

    // A changed input to vary starts again from half to twice its current value.
    connect(vary_, &QComboBox::currentIndexChanged, this, [this] {
        resetRange();
        redraw();
    });

    values_ = new QLabel(central);
    values_->setObjectName(QStringLiteral("GraphValues"));
    values_->setMinimumHeight(values_->fontMetrics().height());
    notes_ = new QLabel(central);
    notes_->setObjectName(QStringLiteral("GraphNotes"));
    notes_->setStyleSheet(QStringLiteral("color: #b00000"));
    notes_->setWordWrap(true);

    auto* layout = new QVBoxLayout(central);
    layout->addLayout(controls);
    layout->addWidget(view_, 1);
    layout->addWidget(values_);
    layout->addWidget(notes_);
}

void GRAFIK::buildChart() {
    chart_ = new QChart;
    chart_->setObjectName(QStringLiteral("GraphChart"));
    // Axis labels in the user's decimal point, without thousands separators, as in the grid.
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    chart_->setLocale(locale);
    chart_->setLocalizeNumbers(true);
    chart_->legend()->setAlignment(Qt::AlignBottom);
    // Dashed limits and ringed points show as such in the legend.
    chart_->legend()->setMarkerShape(QLegend::MarkerShapeFromSeries);

    const auto addAxis = [this](const char* title, Qt::Alignment side) {
        auto* axis = new QValueAxis(chart_);
        axis->setTitleText(QString::fromUtf8(title));
        chart_->addAxis(axis, side);
        return axis;
    };
    inputAxis_ = addAxis("", Qt::AlignBottom);
    inputAxis_->setTickType(QValueAxis::TicksDynamic);
    inputAxis_->setTickAnchor(0);
    forceAxis_ = addAxis("Сила, Н", Qt::AlignLeft);
    powerAxis_ = addAxis("Мощность, кВт", Qt::AlignRight);
    torqueAxis_ = addAxis("Момент, Н·м", Qt::AlignRight);
    // One grid for the three scales: each has the same five intervals.
    for (QValueAxis* axis : {forceAxis_, powerAxis_, torqueAxis_}) {
        axis->setTickCount(6);
    }
    powerAxis_->setGridLineVisible(false);
    torqueAxis_->setGridLineVisible(false);
    powerAxis_->setLinePenColor(QColor(quantities[powerIndex].color));
    torqueAxis_->setLinePenColor(QColor(quantities[torqueIndex].color));

    const auto attach = [this](QAbstractSeries* series, QValueAxis* axis) {
        chart_->addSeries(series);
        series->attachAxis(inputAxis_);
        series->attachAxis(axis);
    };
    for (std::size_t i = 0; i < quantityCount; ++i) {
        pieces_[i].push_back(addPiece(i));
    }
    // Where a curve reaches its limit: a ring labelled with the input's value there, and a
    // dotted drop to the input's axis.
    const auto limitLines = [&](const char* levelName, const char* crossingName,
                                std::size_t quantity, QValueAxis* axis) {
        const QRgb color = quantities[quantity].color;
        LimitLines lines;
        lines.level = new QLineSeries(chart_);
        lines.level->setName(QString::fromUtf8(levelName));
        lines.level->setPen(curvePen(color, Qt::DashLine));
        attach(lines.level, axis);
        lines.drop = new QLineSeries(chart_);
        QPen drop(QColor(color), 1, Qt::DotLine);
        lines.drop->setPen(drop);
        attach(lines.drop, axis);
        lines.crossing = new QScatterSeries(chart_);
        lines.crossing->setName(QString::fromUtf8(crossingName));
        lines.crossing->setMarkerSize(13);
        lines.crossing->setColor(Qt::transparent);
        QPen ring(Qt::black);
        ring.setWidthF(2);
        lines.crossing->setPen(ring);
        attach(lines.crossing, axis);
        lines.label = new QGraphicsSimpleTextItem(chart_);
        QFont font = chart_->font();
        font.setBold(true);
        font.setPointSizeF(font.pointSizeF() * 1.15);
        lines.label->setFont(font);
        lines.label->setZValue(10); // above the curves
        lines.label->hide();
        return lines;
    };
    spindle_ = limitLines("N шпинделя", "Предел мощности", powerIndex, powerAxis_);
    torqueLimit_ = limitLines("M станка", "Предел момента", torqueIndex, torqueAxis_);
    connect(chart_, &QChart::plotAreaChanged, this, &GRAFIK::placeLabels);

    const std::array<QValueAxis*, 3> axes{forceAxis_, powerAxis_, torqueAxis_};
    for (std::size_t i = 0; i < current_.size(); ++i) {
        current_[i] = new QScatterSeries(chart_);
        current_[i]->setName(QStringLiteral("Текущий режим"));
        current_[i]->setMarkerSize(9);
        current_[i]->setColor(Qt::black);
        current_[i]->setBorderColor(Qt::white);
        attach(current_[i], axes[i]);
    }
    view_ = new QChartView(chart_);
    view_->setObjectName(QStringLiteral("GraphView"));
    view_->setRenderHint(QPainter::Antialiasing);
    view_->setMinimumSize(640, 400);
    view_->setMouseTracking(true);
    view_->viewport()->setMouseTracking(true);
    view_->viewport()->installEventFilter(this);
}

QLineSeries* GRAFIK::addPiece(std::size_t quantity) {
    auto* series = new QLineSeries(chart_);
    series->setName(QString::fromUtf8(quantities[quantity].name));
    series->setPen(curvePen(quantities[quantity].color));
    chart_->addSeries(series);
    series->attachAxis(inputAxis_);
    const std::array<QValueAxis*, 3> axes{forceAxis_, powerAxis_, torqueAxis_};
    series->attachAxis(axes[axisIndex(quantities[quantity].axis)]);
    return series;
}

Key GRAFIK::varied() const {
    return static_cast<Key>(vary_->currentData().toInt());
}

void GRAFIK::resetRange() {
    const double x = inputs_[varied()];
    const QSignalBlocker fromBlocker(from_);
    const QSignalBlocker toBlocker(to_);
    const char separator = userDecimalSeparator();
    from_->setText(QString::fromStdString(plainText(x > 0 ? x / 2 : 0, separator)));
    to_->setText(QString::fromStdString(plainText(x > 0 ? 2 * x : 1, separator)));
    inputAxis_->setTitleText(vary_->currentText());
}

void GRAFIK::setInputs(const CalcInputs& inputs) {
    inputs_ = inputs;
    redraw();
}

void GRAFIK::setMachine(std::optional<Machine> machine) {
    if (machine == machine_) {
        return;
    }
    machine_ = std::move(machine);
    redraw();
}

// What one redraw puts into the series, computed before any series changes.
struct GRAFIK::Drawing {
    // Each quantity's pieces of curve; none for a quantity not shown.
    std::array<std::vector<QList<QPointF>>, quantityCount> pieces;
    struct Limit {
        QList<QPointF> level, crossing, drop;
        QString label;
        bool rising = true; // the curve crosses its limit upwards
    };
    Limit power, torque;
    std::array<QList<QPointF>, 3> current; // on the axes of the forces, the power, the torque
};

void GRAFIK::redraw() {
    const QString fromText = from_->text();
    const QString toText = to_->text();
    const std::optional<double> from = machineNumber(fromText.toStdString());
    const std::optional<double> to = machineNumber(toText.toStdString());
    // A range being typed is not drawn until it is one; the chart keeps the last one till then.
    if (!from || !to) {
        notes_->setText(QString::fromStdString(
            notANumberMessage(from ? "ДО" : "ОТ", (from ? toText : fromText).toStdString())));
        return;
    }
    if (!(*from < *to)) {
        notes_->setText(QStringLiteral("НАЧАЛО ДИАПАЗОНА ДОЛЖНО БЫТЬ МЕНЬШЕ КОНЦА!!!"));
        return;
    }
    drawnFrom_ = *from;
    drawnTo_ = *to;
    const SweepCurves curves =
        sweepCurves(calculation_, inputs_, varied(), *from, *to, pointsPerCurve);
    Drawing drawing;
    planCurves(drawing, curves);
    planLimits(drawing, *from, *to);
    planCurrent(drawing, *from, *to);
    // Each change of an axis lays out again every series on it: the series are emptied first
    // and filled once, when the axes have their new ranges.
    for (QAbstractSeries* series : chart_->series()) {
        static_cast<QXYSeries*>(series)->clear();
    }
    scaleAxes(drawing, *from, *to);
    apply(drawing);
    updateLegend();

    QString title = QString::fromUtf8(calculation_.window.caption);
    if (machine_) {
        title += QStringLiteral(" — станок ") + QString::fromStdString(machine_->name);
    }
    if (chart_->title() != title) {
        chart_->setTitle(title);
    }
    QStringList refusals;
    for (const std::string& refusal : curves.refusals) {
        refusals << QString::fromStdString(refusal);
    }
    notes_->setText(refusals.isEmpty() ? QString()
                    : curves.pieces.empty()
                        ? QStringLiteral("Диапазон не рассчитан: ") + refusals.join(' ')
                        : QStringLiteral("Часть диапазона не рассчитана: ") + refusals.join(' '));
}

void GRAFIK::planCurves(Drawing& drawing, const SweepCurves& curves) const {
    for (std::size_t q = 0; q < quantityCount; ++q) {
        if (!shown_[q]->isChecked()) {
            continue;
        }
        for (const std::vector<SweepPoint>& piece : curves.pieces) {
            QList<QPointF>& points = drawing.pieces[q].emplace_back();
            points.reserve(static_cast<qsizetype>(piece.size()));
            for (const SweepPoint& point : piece) {
                if (const auto value = resultValue(point.computed.row, quantities[q].result)) {
                    points.append({point.x, *value});
                }
            }
        }
    }
}

void GRAFIK::planLimits(Drawing& drawing, double from, double to) const {
    // The crossing is the largest value "НАИБОЛЬШАЯ ПОДАЧА" gives on a machine with only this
    // limit: the same search, so the mark and the message never disagree.
    const auto plan = [&](Drawing::Limit& lines, std::optional<double> limit, const Machine& only,
                          std::size_t quantity) {
        if (!limit || !shown_[quantity]->isChecked()) {
            return;
        }
        lines.level = {{from, *limit}, {to, *limit}};
        const LargestValue largest = largestValue(calculation_, inputs_, only, varied());
        const LimitReach* reach = largest.reaches.empty() ? nullptr : &largest.reaches.front();
        const bool upper = reach && reach->kind == LimitReach::Kind::Upper;
        if (!reach || !(upper || reach->kind == LimitReach::Kind::Lower) || reach->value < from ||
            reach->value > to) {
            return;
        }
        lines.crossing = {{reach->value, *limit}};
        lines.drop = {{reach->value, 0}, {reach->value, *limit}};
        // Rounded as it would be typed, to the side that keeps the limit.
        const int decimals = varied() == Key::s || varied() == Key::v ? enteredDecimals(varied())
                                                                      : readingDecimals(from, to);
        const double value =
            upper ? roundedDown(reach->value, decimals) : -roundedDown(-reach->value, decimals);
        lines.label = symbol(varied()) + QStringLiteral(" = ") + fixed(value, decimals);
        lines.rising = upper;
    };
    Machine powerOnly;
    Machine torqueOnly;
    if (machine_) {
        powerOnly.power = machine_->power;
        powerOnly.efficiency = machine_->efficiency;
        torqueOnly.torqueMax = machine_->torqueMax;
    }
    plan(drawing.power, spindlePower(powerOnly), powerOnly, powerIndex);
    plan(drawing.torque, torqueOnly.torqueMax, torqueOnly, torqueIndex);
}

void GRAFIK::planCurrent(Drawing& drawing, double from, double to) const {
    const double x = inputs_[varied()];
    if (x < from || x > to) {
        return;
    }
    const SweepPoint point = sweepPoint(calculation_, inputs_, varied(), x);
    for (std::size_t q = 0; q < quantityCount && point.refusal.empty(); ++q) {
        const auto value = resultValue(point.computed.row, quantities[q].result);
        if (value && shown_[q]->isChecked()) {
            drawing.current[axisIndex(quantities[q].axis)].append({x, *value});
        }
    }
}

void GRAFIK::scaleAxes(const Drawing& drawing, double from, double to) {
    const double interval = niceStep((to - from) / 8, std::array{1.0, 2.0, 2.5, 5.0});
    // The axis lays out its ticks at once: a wide range with the narrow step of the last one
    // would make hundreds of thousands of labels.
    if (interval >= inputAxis_->tickInterval()) {
        inputAxis_->setTickInterval(interval);
        inputAxis_->setRange(from, to);
    } else {
        inputAxis_->setRange(from, to);
        inputAxis_->setTickInterval(interval);
    }
    setLabelFormat(inputAxis_, decimalsOf(interval));

    // The highest value drawn on each axis, the machine's limits included.
    std::array<double, 3> top{};
    std::array<bool, 3> used{};
    const auto include = [&](Axis axis, const QList<QPointF>& points) {
        for (const QPointF& point : points) {
            top[axisIndex(axis)] = std::max(top[axisIndex(axis)], point.y());
        }
    };
    for (std::size_t q = 0; q < quantityCount; ++q) {
        used[axisIndex(quantities[q].axis)] |= shown_[q]->isChecked();
        for (const QList<QPointF>& piece : drawing.pieces[q]) {
            include(quantities[q].axis, piece);
        }
    }
    include(Axis::power, drawing.power.level);
    include(Axis::torque, drawing.torque.level);

    // Five intervals of a step that reads easily on each axis, with room above the highest
    // curve for the labels of the crossings. The power, the torque and the forces are often in
    // proportion (M = Pz·D/2000, N = Pz·v/60000 whatever the feed, depth or width): scaled alike
    // their curves would lie on each other, so each axis after the power's takes a coarser step
    // until its curves fill a height of their own.
    const std::array<QValueAxis*, 3> axes{forceAxis_, powerAxis_, torqueAxis_};
    const auto nice = [](double rough) {
        return niceStep(rough, std::array{1.0, 1.2, 1.5, 2.0, 2.5, 3.0, 4.0, 5.0, 6.0, 8.0});
    };
    std::array<double, 3> fills{};
    std::vector<std::size_t> placed;
    for (const Axis axis : {Axis::power, Axis::torque, Axis::force}) {
        const std::size_t i = axisIndex(axis);
        double step = nice((top[i] > 0 ? top[i] : 1) * 1.06 / 5);
        const auto crowded = [&] {
            return std::any_of(placed.begin(), placed.end(), [&](std::size_t j) {
                return std::abs(top[i] / (5 * step) - fills[j]) < 0.12;
            });
        };
        for (int coarser = 0; top[i] > 0 && coarser < 4 && crowded(); ++coarser) {
            step = nice(step * 1.001);
        }
        fills[i] = top[i] / (5 * step);
        if (used[i] && top[i] > 0) {
            placed.push_back(i);
        }
        axes[i]->setRange(0, 5 * step);
        setLabelFormat(axes[i], decimalsOf(step));
        axes[i]->setVisible(used[i]);
    }
}

void GRAFIK::apply(const Drawing& drawing) {
    // Every quantity keeps at least one series, its legend entry, when nothing is computed.
    for (std::size_t q = 0; q < quantityCount; ++q) {
        std::vector<QLineSeries*>& series = pieces_[q];
        const std::size_t needed = std::max<std::size_t>(1, drawing.pieces[q].size());
        while (series.size() < needed) {
            series.push_back(addPiece(q));
        }
        while (series.size() > needed) {
            chart_->removeSeries(series.back());
            delete series.back();
            series.pop_back();
        }
        for (std::size_t i = 0; i < drawing.pieces[q].size(); ++i) {
            series[i]->replace(drawing.pieces[q][i]);
        }
        for (QLineSeries* piece : series) {
            piece->setVisible(shown_[q]->isChecked());
        }
    }
    const auto showLimit = [](LimitLines& lines, const Drawing::Limit& limit) {
        lines.level->replace(limit.level);
        lines.crossing->replace(limit.crossing);
        lines.label->setText(limit.label);
        lines.label->setVisible(!limit.crossing.isEmpty());
        lines.labelLeft = limit.rising;
        lines.drop->replace(limit.drop);
        for (QXYSeries* series :
             {static_cast<QXYSeries*>(lines.level), static_cast<QXYSeries*>(lines.crossing),
              static_cast<QXYSeries*>(lines.drop)}) {
            series->setVisible(!series->points().isEmpty());
        }
    };
    showLimit(spindle_, drawing.power);
    showLimit(torqueLimit_, drawing.torque);
    placeLabels();
    for (std::size_t i = 0; i < current_.size(); ++i) {
        current_[i]->replace(drawing.current[i]);
        current_[i]->setVisible(!drawing.current[i].isEmpty());
    }
}

void GRAFIK::placeLabels() {
    // Above the ring on the side the curve leaves free: the left of a curve rising through its
    // limit, the right of a falling one; inside the plot.
    const QRectF plot = chart_->plotArea();
    for (LimitLines* lines : {&spindle_, &torqueLimit_}) {
        if (lines->crossing->count() == 0) {
            continue;
        }
        const QPointF ring = chart_->mapToPosition(lines->crossing->at(0), lines->crossing);
        const QRectF box = lines->label->boundingRect();
        const double gap = 8;
        const double x = lines->labelLeft ? ring.x() - gap - box.width() : ring.x() + gap;
        lines->label->setPos(
            std::clamp(x, plot.left(), std::max(plot.left(), plot.right() - box.width())),
            std::max(plot.top(), ring.y() - gap - box.height()));
    }
}

void GRAFIK::updateLegend() {
    // One entry for each quantity, however many pieces its curve has.
    QLegend* legend = chart_->legend();
    const auto showEntry = [legend](QAbstractSeries* series, bool visible) {
        for (QLegendMarker* marker : legend->markers(series)) {
            marker->setVisible(visible);
        }
    };
    for (const std::vector<QLineSeries*>& series : pieces_) {
        for (std::size_t i = 0; i < series.size(); ++i) {
            showEntry(series[i], i == 0 && series[i]->isVisible());
        }
    }
    for (const LimitLines& lines : {spindle_, torqueLimit_}) {
        showEntry(lines.level, lines.level->isVisible());
        showEntry(lines.crossing, false);
        showEntry(lines.drop, false);
    }
    bool entered = false;
    for (QScatterSeries* marks : current_) {
        showEntry(marks, !entered && marks->isVisible());
        entered = entered || marks->isVisible();
    }
}

bool GRAFIK::eventFilter(QObject* watched, QEvent* event) {
    if (watched == view_->viewport()) {
        if (event->type() == QEvent::MouseMove) {
            const QPointF at = chart_->mapFromScene(
                view_->mapToScene(static_cast<QMouseEvent*>(event)->position().toPoint()));
            if (chart_->plotArea().contains(at)) {
                // Every series shares the input's axis; the power curve's has it for certain.
                showValuesAt(chart_->mapToValue(at, pieces_[powerIndex].front()).x());
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
    // The value under the cursor rounded as it is shown, and the calculation at exactly that
    // value: what "РАСЧЁТ" gives when it is typed into the box.
    const int decimals = readingDecimals(drawnFrom_, drawnTo_);
    const double scale = std::pow(10.0, decimals);
    const double shownX = std::round(x * scale) / scale;
    const SweepPoint point = sweepPoint(calculation_, inputs_, varied(), shownX);
    QString text =
        symbol(varied()) + QStringLiteral(" = ") + fixed(shownX, decimals) + QStringLiteral(": ");
    if (!point.refusal.empty()) {
        values_->setText(text + QString::fromStdString(point.refusal));
        return;
    }
    QStringList parts;
    for (std::size_t q = 0; q < quantityCount; ++q) {
        const auto value = resultValue(point.computed.row, quantities[q].result);
        if (value && shown_[q]->isChecked()) {
            parts << QStringLiteral("%1 = %2 %3")
                         .arg(QString::fromUtf8(quantities[q].name),
                              fixed(*value, quantities[q].decimals),
                              QString::fromUtf8(quantities[q].unit));
        }
    }
    values_->setText(text + parts.join(QStringLiteral(", ")));
}

void GRAFIK::save(const char* format) {
    const QString type = QString::fromUtf8(format);
    ExportFiles(dialogs_).saveFile(type, QStringLiteral("grafik"), [this, &type](QIODevice& file) {
        if (type == QStringLiteral("PNG")) {
            return view_->grab().save(&file, "PNG");
        }
        QSvgGenerator svg;
        svg.setOutputDevice(&file);
        svg.setSize(view_->size());
        svg.setViewBox(QRect(QPoint(), view_->size()));
        svg.setTitle(windowTitle());
        QPainter painter;
        if (!painter.begin(&svg)) {
            return false;
        }
        view_->render(&painter);
        return painter.end();
    });
}
