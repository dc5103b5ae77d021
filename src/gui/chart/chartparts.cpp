// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/chart/chartparts.h"

#include <QChart>
#include <QGraphicsSimpleTextItem>
#include <QLineSeries>
#include <QLocale>
#include <QScatterSeries>
#include <QValueAxis>

namespace {

QPen curvePen(QRgb color, Qt::PenStyle style = Qt::SolidLine) {
    QPen pen{QColor(color)};
    pen.setWidthF(2);
    pen.setStyle(style);
    return pen;
}

QChart* newChart() {
    auto* chart = new QChart;
    chart->setObjectName(QStringLiteral("GraphChart"));
    // Axis labels in the user's decimal point, without thousands separators, as in the grid.
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    chart->setLocale(locale);
    chart->setLocalizeNumbers(true);
    chart->legend()->setAlignment(Qt::AlignBottom);
    // Dashed limits and ringed points show as such in the legend.
    chart->legend()->setMarkerShape(QLegend::MarkerShapeFromSeries);
    return chart;
}

void addAxes(ChartParts& parts) {
    const auto addAxis = [&parts](const char* title, Qt::Alignment side) {
        auto* axis = new QValueAxis(parts.chart);
        axis->setTitleText(QString::fromUtf8(title));
        parts.chart->addAxis(axis, side);
        return axis;
    };
    parts.inputAxis = addAxis("", Qt::AlignBottom);
    parts.inputAxis->setTickType(QValueAxis::TicksDynamic);
    parts.inputAxis->setTickAnchor(0);
    QValueAxis* force = addAxis("Сила, Н", Qt::AlignLeft);
    QValueAxis* power = addAxis("Мощность, кВт", Qt::AlignRight);
    QValueAxis* torque = addAxis("Момент, Н·м", Qt::AlignRight);
    parts.valueAxes = {force, power, torque};
    // One grid for the three scales: each has the same five intervals.
    for (QValueAxis* axis : parts.valueAxes) {
        axis->setTickCount(6);
    }
    power->setGridLineVisible(false);
    torque->setGridLineVisible(false);
    power->setLinePenColor(QColor(quantities[powerIndex].color));
    torque->setLinePenColor(QColor(quantities[torqueIndex].color));
}

void attach(ChartParts& parts, QAbstractSeries* series, ValueAxis axis) {
    parts.chart->addSeries(series);
    series->attachAxis(parts.inputAxis);
    series->attachAxis(parts.valueAxes[axisIndex(axis)]);
}

// Where a curve reaches its limit: a ring labelled with the input's value there, and a dotted
// drop to the input's axis.
LimitLines limitLines(ChartParts& parts, const char* levelName, const char* crossingName,
                      std::size_t quantity) {
    const QRgb color = quantities[quantity].color;
    const ValueAxis axis = quantities[quantity].axis;
    LimitLines lines;
    lines.level = new QLineSeries(parts.chart);
    lines.level->setName(QString::fromUtf8(levelName));
    lines.level->setPen(curvePen(color, Qt::DashLine));
    attach(parts, lines.level, axis);
    lines.drop = new QLineSeries(parts.chart);
    QPen drop(QColor(color), 1, Qt::DotLine);
    lines.drop->setPen(drop);
    attach(parts, lines.drop, axis);
    lines.crossing = new QScatterSeries(parts.chart);
    lines.crossing->setName(QString::fromUtf8(crossingName));
    lines.crossing->setMarkerSize(13);
    lines.crossing->setColor(Qt::transparent);
    QPen ring(Qt::black);
    ring.setWidthF(2);
    lines.crossing->setPen(ring);
    attach(parts, lines.crossing, axis);
    lines.label = new QGraphicsSimpleTextItem(parts.chart);
    QFont font = parts.chart->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.15);
    lines.label->setFont(font);
    lines.label->setZValue(10); // above the curves
    lines.label->hide();
    return lines;
}

} // namespace

ChartParts buildChartParts() {
    ChartParts parts;
    parts.chart = newChart();
    addAxes(parts);
    for (std::size_t i = 0; i < quantityCount; ++i) {
        parts.pieces[i].push_back(addPiece(parts, i));
    }
    parts.spindle = limitLines(parts, "N шпинделя", "Предел мощности", powerIndex);
    parts.torqueLimit = limitLines(parts, "M станка", "Предел момента", torqueIndex);
    for (std::size_t i = 0; i < parts.current.size(); ++i) {
        auto* marks = new QScatterSeries(parts.chart);
        marks->setName(QStringLiteral("Текущий режим"));
        marks->setMarkerSize(9);
        marks->setColor(Qt::black);
        marks->setBorderColor(Qt::white);
        attach(parts, marks, static_cast<ValueAxis>(i));
        parts.current[i] = marks;
    }
    return parts;
}

QLineSeries* addPiece(ChartParts& parts, std::size_t quantity) {
    auto* series = new QLineSeries(parts.chart);
    series->setName(QString::fromUtf8(quantities[quantity].name));
    series->setPen(curvePen(quantities[quantity].color));
    attach(parts, series, quantities[quantity].axis);
    return series;
}
