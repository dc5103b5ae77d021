// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/plot/axisticks.h"
#include "gui/chart/chartparts.h"
#include "gui/chart/chartplan.h"

// A redraw's plan put into the chart's series, from `from` to `to` with the input's `ticks` (of a
// range inputTicks accepts), its axes scaled to it and the legend showing one entry for each
// quantity drawn.
void showDrawing(ChartParts& parts, const ChartDrawing& drawing, double from, double to,
                 const AxisTicks& ticks, const ShownQuantities& shown);

// The labels of the crossings beside their rings: again whenever the plot area moves.
void placeLimitLabels(ChartParts& parts);
