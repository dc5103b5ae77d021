// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/plot/axisticks.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace {

// 10^exponent as a message writes it, with a decimal comma: "0,000001", "1000".
std::string powerOfTenText(int exponent) {
    if (exponent < 0) {
        return "0," + std::string(static_cast<std::size_t>(-exponent - 1), '0') + "1";
    }
    return "1" + std::string(static_cast<std::size_t>(exponent), '0');
}

// The top a value axis is scaled to: none for nothing drawn, else kept where its labels read.
double scaledTop(double top) {
    return top > 0 ? std::clamp(top, smallestValueTop, largestValueTop) : 0;
}

} // namespace

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
    for (int decimals = 0; decimals < maxDecimals; ++decimals) {
        const double scaled = step * std::pow(10.0, decimals);
        if (std::abs(scaled - std::round(scaled)) <= 1e-6 * scaled) {
            return decimals;
        }
    }
    return maxDecimals;
}

int readingDecimals(double from, double to) {
    const double spacing = (to - from) / pointsPerCurve;
    if (!(spacing > 0)) {
        return maxDecimals;
    }
    return static_cast<int>(
        std::clamp(std::ceil(-std::log10(spacing)), 0.0, static_cast<double>(maxDecimals)));
}

AxisTicks inputTicks(double from, double to) {
    constexpr int limitDecade = 9;
    static_assert(chartRangeLimit == 1e9, "the message names 10^limitDecade");
    if (!(std::abs(from) <= chartRangeLimit && std::abs(to) <= chartRangeLimit)) {
        const std::string limit = powerOfTenText(limitDecade);
        return {0, 0, "ДИАПАЗОН ГРАФИКА ДОЛЖЕН ЛЕЖАТЬ ОТ -" + limit + " ДО " + limit + "!!!"};
    }
    if (!(from < to)) {
        return {0, 0, "НАЧАЛО ДИАПАЗОНА ДОЛЖНО БЫТЬ МЕНЬШЕ КОНЦА!!!"};
    }
    // A millionth of the decade of the larger end: the labels tell its ticks apart in at most
    // maxDecimals decimals, and the step stays far above the spacing of doubles there.
    const double larger = std::max({1.0, std::abs(from), std::abs(to)});
    const int narrowest = static_cast<int>(std::ceil(std::log10(larger))) - 6;
    if (to - from < std::pow(10.0, narrowest)) {
        return {0, 0,
                "ДИАПАЗОН СЛИШКОМ УЗОК: КОНЕЦ ДОЛЖЕН БЫТЬ БОЛЬШЕ НАЧАЛА НЕ МЕНЕЕ ЧЕМ НА " +
                    powerOfTenText(narrowest) + "!!!"};
    }
    constexpr std::array mantissas{1.0, 2.0, 2.5, 5.0};
    const double step = niceStep((to - from) / 8, mantissas);
    return {step, decimalsOf(step), {}};
}

int inputTickCount(double from, double to, const AxisTicks& ticks) {
    if (!(ticks.step > 0)) {
        return 0;
    }
    double tick = 0 - std::floor((0 - from) / ticks.step) * ticks.step;
    int count = 0;
    for (; tick <= to && count <= maxInputTicks; tick += ticks.step) {
        ++count;
    }
    return count;
}

std::array<ValueScale, valueAxisCount>
valueScales(const std::array<AxisContent, valueAxisCount>& axes) {
    // Five intervals of a step that reads easily on each axis, with room above the highest curve
    // for the labels of the crossings. The power, the torque and the forces are often in
    // proportion (M = Pz·D/2000, N = Pz·v/60000 whatever the feed, depth or width): scaled alike
    // their curves would lie on each other, so each axis after the power's takes a coarser step
    // until its curves fill a height of their own. So do the rates after them: the removal rate is
    // in proportion to the minute feed (Q = t·B·Sм/1000 of a mill), the main time to the torque
    // over a turned diameter (To = L/(s·n) with n ∝ 1/D, M = Pz·D/2000). The rates come last, so
    // the forces, the power and the torque keep their scales whether the rates are drawn or not.
    constexpr std::array mantissas{1.0, 1.2, 1.5, 2.0, 2.5, 3.0, 4.0, 5.0, 6.0, 8.0};
    constexpr std::array order{ValueAxis::power,      ValueAxis::torque,      ValueAxis::force,
                               ValueAxis::minuteFeed, ValueAxis::removalRate, ValueAxis::mainTime};
    std::array<ValueScale, valueAxisCount> scales{};
    std::array<double, valueAxisCount> fills{};
    std::vector<std::size_t> placed;
    for (const ValueAxis axis : order) {
        const std::size_t i = axisIndex(axis);
        const double top = scaledTop(axes[i].top);
        double step = niceStep((top > 0 ? top : 1) * 1.06 / 5, mantissas);
        // How near the top of the curves comes to the top of another axis's curves at `candidate`.
        const auto clearance = [&](double candidate) {
            double nearest = std::numeric_limits<double>::infinity();
            for (const std::size_t j : placed) {
                nearest = std::min(nearest, std::abs(top / (5 * candidate) - fills[j]));
            }
            return nearest;
        };
        // This step or the first of four coarser ones that is clear of the others; when none is,
        // as with many axes drawn, the clearest of them.
        double chosen = step;
        for (int coarser = 0; top > 0 && coarser < 4 && clearance(chosen) < 0.12; ++coarser) {
            step = niceStep(step * 1.001, mantissas);
            if (clearance(step) > clearance(chosen)) {
                chosen = step;
            }
        }
        fills[i] = top / (5 * chosen);
        if (axes[i].used && top > 0) {
            placed.push_back(i);
        }
        scales[i] = {chosen, 5 * chosen, decimalsOf(chosen), axes[i].used};
    }
    return scales;
}
