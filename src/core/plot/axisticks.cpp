// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/plot/axisticks.h"

#include <algorithm>
#include <cmath>
#include <vector>

double niceStep(double rough, std::span<const double> mantissas) {
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (const double mantissa : mantissas) {
        if (mantissa * power >= rough * (1 - 1e-12)) {
            return mantissa * power;
        }
    }
    return 10 * power;
}

int decimalsOf(double step) {
    for (int decimals = 0; decimals < 9; ++decimals) {
        const double scaled = step * std::pow(10.0, decimals);
        if (std::abs(scaled - std::round(scaled)) <= 1e-6 * scaled) {
            return decimals;
        }
    }
    return 9;
}

int readingDecimals(double from, double to) {
    return std::max(0, static_cast<int>(std::ceil(-std::log10((to - from) / pointsPerCurve))));
}

AxisTicks inputTicks(double from, double to) {
    constexpr std::array mantissas{1.0, 2.0, 2.5, 5.0};
    const double step = niceStep((to - from) / 8, mantissas);
    return {step, decimalsOf(step)};
}

std::array<ValueScale, valueAxisCount>
valueScales(const std::array<AxisContent, valueAxisCount>& axes) {
    // Five intervals of a step that reads easily on each axis, with room above the highest curve
    // for the labels of the crossings. The power, the torque and the forces are often in
    // proportion (M = Pz·D/2000, N = Pz·v/60000 whatever the feed, depth or width): scaled alike
    // their curves would lie on each other, so each axis after the power's takes a coarser step
    // until its curves fill a height of their own.
    constexpr std::array mantissas{1.0, 1.2, 1.5, 2.0, 2.5, 3.0, 4.0, 5.0, 6.0, 8.0};
    std::array<ValueScale, valueAxisCount> scales{};
    std::array<double, valueAxisCount> fills{};
    std::vector<std::size_t> placed;
    for (const ValueAxis axis : {ValueAxis::power, ValueAxis::torque, ValueAxis::force}) {
        const std::size_t i = axisIndex(axis);
        const double top = axes[i].top;
        double step = niceStep((top > 0 ? top : 1) * 1.06 / 5, mantissas);
        const auto crowded = [&] {
            return std::any_of(placed.begin(), placed.end(), [&](std::size_t j) {
                return std::abs(top / (5 * step) - fills[j]) < 0.12;
            });
        };
        for (int coarser = 0; top > 0 && coarser < 4 && crowded(); ++coarser) {
            step = niceStep(step * 1.001, mantissas);
        }
        fills[i] = top / (5 * step);
        if (axes[i].used && top > 0) {
            placed.push_back(i);
        }
        scales[i] = {step, 5 * step, decimalsOf(step), axes[i].used};
    }
    return scales;
}
