// SPDX-License-Identifier: GPL-3.0-or-later
// Any range typed into the chart's "от" and "до" and any height of its curves: the axes' arithmetic
// ends with a bounded result. A range is refused with a message, or its ticks are a finite step
// apart and few, walked as the chart's axis walks them, its points distinct and inside it, its
// reading decimals bounded; every value axis gets a finite step and labels it can show.
// The input is read as doubles in the machine's byte order (the seeds are little-endian): from,
// to, then the six axes' tops (missing bytes read as 0), then one byte of the axes drawn.
#include "core/plot/axisticks.h"
#include "core/plot/sweep.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

double doubleAt(const std::uint8_t* data, std::size_t size, std::size_t index) {
    double value = 0;
    const std::size_t offset = index * sizeof value;
    if (offset < size) {
        std::memcpy(&value, data + offset, std::min(sizeof value, size - offset));
    }
    return value;
}

void check(bool holds) {
    if (!holds) {
        std::abort();
    }
}

void checkInputAxis(double from, double to) {
    const AxisTicks ticks = inputTicks(from, to);
    const int decimals = readingDecimals(from, to);
    check(decimals >= 0 && decimals <= maxDecimals);
    if (!ticks.refusal.empty()) {
        return;
    }
    check(std::isfinite(from) && std::isfinite(to) && from < to);
    check(std::isfinite(ticks.step) && ticks.step > 0);
    check(ticks.decimals >= 0 && ticks.decimals <= maxDecimals);
    // About eight intervals: never so few that the axis cannot be read.
    const int count = inputTickCount(from, to, ticks);
    check(count >= 3 && count <= maxInputTicks);
    // The curve's points are distinct and in the range, but for the rounding of its end.
    const double slack = (to - from) * 1e-12;
    double previous = from;
    for (int i = 0; i < pointsPerCurve; ++i) {
        const double x = sweepValue(from, to, pointsPerCurve, i);
        check(x >= from - slack && x <= to + slack && (i == 0 || x > previous));
        previous = x;
    }
}

void checkValueAxes(const std::uint8_t* data, std::size_t size) {
    std::array<AxisContent, valueAxisCount> content{};
    const std::uint8_t drawn = size > 8 * (2 + valueAxisCount) ? data[8 * (2 + valueAxisCount)] : 0;
    for (std::size_t i = 0; i < valueAxisCount; ++i) {
        content[i] = {doubleAt(data, size, 2 + i), ((drawn >> i) & 1) != 0};
    }
    const std::array<ValueScale, valueAxisCount> scales = valueScales(content);
    for (std::size_t i = 0; i < valueAxisCount; ++i) {
        const ValueScale& scale = scales[i];
        check(std::isfinite(scale.step) && scale.step > 0 && scale.max == 5 * scale.step);
        check(scale.decimals >= 0 && scale.decimals <= maxDecimals);
        check(scale.visible == content[i].used);
        // The curves fit under the axis wherever their labels can show them.
        const double top = content[i].top;
        if (top >= smallestValueTop && top <= largestValueTop) {
            check(scale.max >= top);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const double from = doubleAt(data, size, 0);
    const double to = doubleAt(data, size, 1);
    checkInputAxis(from, to);
    checkInputAxis(to, from);
    checkValueAxes(data, size);
    return 0;
}
