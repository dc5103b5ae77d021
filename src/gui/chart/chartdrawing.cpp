// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/chart/chartdrawing.h"

#include <QChart>
#include <QGraphicsSimpleTextItem>
#include <QLegendMarker>
#include <QLineSeries>
#include <QScatterSeries>
#include <QValueAxis>
#include <algorithm>

namespace {

// A new format lays the axis out again, so only a changed one is set.
void setLabelFormat(QValueAxis* axis, int decimals) {
    const QString format = QStringLiteral("%.%1f").arg(decimals);
    if (axis->labelFormat() != format) {
        axis->setLabelFormat(format);
    }
}

void scaleInputAxis(QValueAxis* axis, double from, double to, const AxisTicks& ticks) {
    // The axis lays out its ticks at once: a wide range with the narrow step of the last one
    // would make hundreds of thousands of labels.
    if (ticks.step >= axis->tickInterval()) {
        axis->setTickInterval(ticks.step);
        axis->setRange(from, to);
    } else {
        axis->setRange(from, to);
        axis->setTickInterval(ticks.step);
    }
    setLabelFormat(axis, ticks.decimals);
}

void scaleValueAxes(ChartParts& parts, const ChartDrawing& drawing, const ShownQuantities& shown) {
    // The highest value drawn on each axis, the machine's limits included.
    std::array<AxisContent, valueAxisCount> content{};
    const auto include = [&content](ValueAxis axis, const QList<QPointF>& points) {
        for (const QPointF& point : points) {
            content[axisIndex(axis)].top = std::max(content[axisIndex(axis)].top, point.y());
        }
    };
    for (std::size_t q = 0; q < quantityCount; ++q) {
        content[axisIndex(quantities[q].axis)].used |= shown[q];
        for (const QList<QPointF>& piece : drawing.pieces[q]) {
            include(quantities[q].axis, piece);
        }
    }
    include(ValueAxis::power, drawing.power.level);
    include(ValueAxis::torque, drawing.torque.level);
    const std::array<ValueScale, valueAxisCount> scales = valueScales(content);
    for (std::size_t i = 0; i < valueAxisCount; ++i) {
        parts.valueAxes[i]->setRange(0, scales[i].max);
        setLabelFormat(parts.valueAxes[i], scales[i].decimals);
        parts.valueAxes[i]->setVisible(scales[i].visible);
    }
}

// Every quantity keeps at least one series, its legend entry, when nothing is computed.
void showCurves(ChartParts& parts, const ChartDrawing& drawing, const ShownQuantities& shown) {
    for (std::size_t q = 0; q < quantityCount; ++q) {
        std::vector<QLineSeries*>& series = parts.pieces[q];
        const std::size_t needed = std::max<std::size_t>(1, drawing.pieces[q].size());
        while (series.size() < needed) {
            series.push_back(addPiece(parts, q));
        }
        while (series.size() > needed) {
            parts.chart->removeSeries(series.back());
            delete series.back();
            series.pop_back();
        }
        for (std::size_t i = 0; i < drawing.pieces[q].size(); ++i) {
            series[i]->replace(drawing.pieces[q][i]);
        }
        for (QLineSeries* piece : series) {
            piece->setVisible(shown[q]);
        }
    }
}

void showLimit(LimitLines& lines, const ChartDrawing::Limit& limit) {
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
}

void updateLegend(const ChartParts& parts) {
    // One entry for each quantity, however many pieces its curve has.
    QLegend* legend = parts.chart->legend();
    const auto showEntry = [legend](QAbstractSeries* series, bool visible) {
        for (QLegendMarker* marker : legend->markers(series)) {
            marker->setVisible(visible);
        }
    };
    for (const std::vector<QLineSeries*>& series : parts.pieces) {
        for (std::size_t i = 0; i < series.size(); ++i) {
            showEntry(series[i], i == 0 && series[i]->isVisible());
        }
    }
    for (const LimitLines& lines : {parts.spindle, parts.torqueLimit}) {
        showEntry(lines.level, lines.level->isVisible());
        showEntry(lines.crossing, false);
        showEntry(lines.drop, false);
    }
    bool entered = false;
    for (QScatterSeries* marks : parts.current) {
        showEntry(marks, !entered && marks->isVisible());
        entered = entered || marks->isVisible();
    }
}

} // namespace

void showDrawing(ChartParts& parts, const ChartDrawing& drawing, double from, double to,
                 const AxisTicks& ticks, const ShownQuantities& shown) {
    // Each change of an axis lays out again every series on it: the series are emptied first
    // and filled once, when the axes have their new ranges.
    for (QAbstractSeries* series : parts.chart->series()) {
        static_cast<QXYSeries*>(series)->clear();
    }
    scaleInputAxis(parts.inputAxis, from, to, ticks);
    scaleValueAxes(parts, drawing, shown);
    showCurves(parts, drawing, shown);
    showLimit(parts.spindle, drawing.power);
    showLimit(parts.torqueLimit, drawing.torque);
    placeLimitLabels(parts);
    for (std::size_t i = 0; i < parts.current.size(); ++i) {
        parts.current[i]->replace(drawing.current[i]);
        parts.current[i]->setVisible(!drawing.current[i].isEmpty());
    }
    updateLegend(parts);
}

void placeLimitLabels(ChartParts& parts) {
    // Above the ring on the side the curve leaves free: the left of a curve rising through its
    // limit, the right of a falling one; inside the plot.
    const QRectF plot = parts.chart->plotArea();
    for (LimitLines* lines : {&parts.spindle, &parts.torqueLimit}) {
        if (lines->crossing->count() == 0) {
            continue;
        }
        const QPointF ring = parts.chart->mapToPosition(lines->crossing->at(0), lines->crossing);
        const QRectF box = lines->label->boundingRect();
        const double gap = 8;
        const double x = lines->labelLeft ? ring.x() - gap - box.width() : ring.x() + gap;
        lines->label->setPos(
            std::clamp(x, plot.left(), std::max(plot.left(), plot.right() - box.width())),
            std::max(plot.top(), ring.y() - gap - box.height()));
    }
}
