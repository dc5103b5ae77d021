// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <span>

// The chart's scales: a step that reads easily on each axis, and the decimals its labels need.

// The points computed along each curve: enough that a power law reads as a smooth curve, few
// enough that a redraw stays well inside a frame.
inline constexpr int pointsPerCurve = 200;

// The smallest step of the form m·10^k not below `rough`, m one of `mantissas` (ascending, from
// 1 up to below 10).
double niceStep(double rough, std::span<const double> mantissas);

// The decimals that show every multiple of `step` exactly.
int decimalsOf(double step);

// The decimals of the input read off the chart between `from` and `to`: about the spacing of the
// computed points.
int readingDecimals(double from, double to);

struct AxisTicks {
    double step = 0;
    int decimals = 0;
};

// The input's axis from `from` to `to`: about eight intervals of 1, 2, 2,5 or 5·10^k.
AxisTicks inputTicks(double from, double to);

// The three value axes, in this order.
enum class ValueAxis { force, power, torque };
inline constexpr std::size_t valueAxisCount = 3;
inline constexpr std::size_t axisIndex(ValueAxis axis) {
    return static_cast<std::size_t>(axis);
}

// What is drawn on a value axis: the highest value of its curves and limits, and whether any of
// its quantities is shown.
struct AxisContent {
    double top = 0;
    bool used = false;
};

// A value axis from 0 to `max`, five intervals of `step`.
struct ValueScale {
    double step = 0;
    double max = 0;
    int decimals = 0;
    bool visible = false;
};

// Each value axis scaled to its content, indexed by ValueAxis.
std::array<ValueScale, valueAxisCount>
valueScales(const std::array<AxisContent, valueAxisCount>& axes);
