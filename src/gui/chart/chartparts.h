// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/chart/chartquantities.h"

#include <array>
#include <vector>

class QChart;
class QGraphicsSimpleTextItem;
class QLineSeries;
class QScatterSeries;
class QValueAxis;

// A limit of the machine on the power or the torque: its level, and the point where the curve
// reaches it, ringed and dropped to the input's axis, where its value reads off.
struct LimitLines {
    QLineSeries* level = nullptr;
    QScatterSeries* crossing = nullptr;
    QLineSeries* drop = nullptr;
    QGraphicsSimpleTextItem* label = nullptr;
    bool labelLeft = true;
};

// The chart and what lasts on it from one redraw to the next.
struct ChartParts {
    QChart* chart = nullptr;
    QValueAxis* inputAxis = nullptr;
    std::array<QValueAxis*, valueAxisCount> valueAxes{}; // by ValueAxis
    // Each quantity's curve, one series for each piece between refusals and band edges.
    std::array<std::vector<QLineSeries*>, quantityCount> pieces;
    LimitLines spindle;
    LimitLines torqueLimit;
    // The current inputs on the curves of each value axis.
    std::array<QScatterSeries*, valueAxisCount> current{};
};

// A new chart with its axes, a piece of each curve, the machine's limits and the current marks,
// in the order of the legend.
ChartParts buildChartParts();

// Another series for a piece of the curve of `quantity`, on its axes.
QLineSeries* addPiece(ChartParts& parts, std::size_t quantity);
