// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string>

// The chart's scales: a step that reads easily on each axis, and the decimals its labels need.

// The points computed along each curve: enough that a power law reads as a smooth curve, few
// enough that a redraw stays well inside a frame.
inline constexpr int pointsPerCurve = 200;

// The smallest step of the form m·10^k not below `rough`, m one of `mantissas` (ascending, from
// 1 up to below 10).
double niceStep(double rough, std::span<const double> mantissas);

// The decimals that show every multiple of `step` exactly.
int decimalsOf(double step);

// The labels show at most this many decimals.
inline constexpr int maxDecimals = 9;

// The decimals of the input read off the chart between `from` and `to`: about the spacing of the
// computed points, at most maxDecimals.
int readingDecimals(double from, double to);

struct AxisTicks {
    double step = 0;
    int decimals = 0;
    std::string refusal; // why the range cannot be drawn; then there is no step
};

// The chart draws its input between these, a thousand times beyond the largest input of a real
// cut: the ticks and the points stay apart by many times the spacing of doubles there.
inline constexpr double chartRangeLimit = 1e9;

// The input's axis from `from` to `to`: about eight intervals of 1, 2, 2,5 or 5·10^k. Refused,
// with the message the chart shows, unless `from` < `to` lie within ±chartRangeLimit and the
// range is at least a millionth of its larger end's decade (and of 1): narrower, the step would
// fall below the spacing of doubles, and the axis's labels could not tell its ticks apart.
AxisTicks inputTicks(double from, double to);

// The ticks the axis lays out for `ticks`, walked as Qt's dynamic ticks are: from the first
// multiple of the step at or above `from` (the axis's anchor is 0), adding the step while the
// tick is not above `to`. The walk stops after maxInputTicks + 1 ticks, which an accepted range
// never reaches.
inline constexpr int maxInputTicks = 9;
int inputTickCount(double from, double to, const AxisTicks& ticks);

// The value axes, in this order: the forces, the power, the torque, the minute feed, the main
// time and the removal rate.
enum class ValueAxis { force, power, torque, minuteFeed, mainTime, removalRate };
inline constexpr std::size_t valueAxisCount = 6;
inline constexpr std::size_t axisIndex(ValueAxis axis) {
    return static_cast<std::size_t>(axis);
}

// What is drawn on a value axis: the highest value of its curves and limits, and whether any of
// its quantities is shown.
struct AxisContent {
    double top = 0;
    bool used = false;
};

// A value axis from 0 to `max`, five intervals of `step`. A top beyond what labels of at most
// maxDecimals decimals and no exponent show is scaled as the nearest that they do
// (smallestValueTop, largestValueTop); its curve then runs off the axis.
inline constexpr double smallestValueTop = 1e-9;
inline constexpr double largestValueTop = 1e15;
struct ValueScale {
    double step = 0;
    double max = 0;
    int decimals = 0;
    bool visible = false;
};

// Each value axis scaled to its content, indexed by ValueAxis.
std::array<ValueScale, valueAxisCount>
valueScales(const std::array<AxisContent, valueAxisCount>& axes);
