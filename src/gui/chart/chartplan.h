// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/plot/limitcrossing.h"
#include "core/plot/sweep.h"
#include "gui/chart/chartquantities.h"

#include <QList>
#include <QPointF>
#include <vector>

// What one redraw puts into the chart's series, computed before any series changes.
struct ChartDrawing {
    // Each quantity's pieces of curve; none for a quantity not shown.
    std::array<std::vector<QList<QPointF>>, quantityCount> pieces;
    struct Limit {
        QList<QPointF> level, crossing, drop;
        QString label;
        bool rising = true; // the curve crosses its limit upwards
    };
    Limit power, torque;
    std::array<QList<QPointF>, valueAxisCount> current; // by ValueAxis
};

// The shown quantities' curves, piece by piece.
void planCurves(ChartDrawing& drawing, const SweepCurves& curves, const ShownQuantities& shown);

// The machine's limits on the shown power and torque, from `from` to `to` of the `varied` input;
// a crossing labelled "s = 0,274".
void planLimits(ChartDrawing& drawing, const ChartLimits& limits, Key varied, double from,
                double to, const ShownQuantities& shown);

// The shown quantities at the current inputs, unless the calculation refuses them.
void planCurrent(ChartDrawing& drawing, const SweepPoint& point, const ShownQuantities& shown);
