// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/calc/calculation.h"
#include "core/machine/machine.h"

#include <optional>

// Where the chart's curves of the power and the torque reach the machine's limits on them.

// The input's value where a curve reaches its limit, and that value as it would be typed.
struct LimitCrossing {
    double x = 0;
    double label = 0; // rounded to the side that keeps the limit
    int labelDecimals = 0;
    bool rising = true; // the curve crosses its limit upwards: the limit holds below `x`
};

// A limit of the machine on one quantity: its level, where the machine has one, and the crossing
// where it lies inside the range drawn.
struct ChartLimit {
    std::optional<double> level;
    std::optional<LimitCrossing> crossing;
};

// The power at the spindle (kW) and the machine's torque (N·m).
struct ChartLimits {
    ChartLimit power;
    ChartLimit torque;
};

// The limits of `machine` (none without one) with `varied` drawn from `from` to `to`, every other
// input as in `inputs`. A crossing is the largest value "НАИБОЛЬШАЯ ПОДАЧА" gives on a machine with
// only that limit: the same search, so the mark and the message never disagree.
ChartLimits chartLimits(const Calculation& calculation, const CalcInputs& inputs,
                        const std::optional<Machine>& machine, Key varied, double from, double to);
