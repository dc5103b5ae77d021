// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/plot/limitcrossing.h"

#include "core/machine/machinecheck.h"
#include "core/plot/axisticks.h"

namespace {

// The limit of a machine that has only this one, with its level.
ChartLimit chartLimit(const Calculation& calculation, const CalcInputs& inputs, const Machine& only,
                      std::optional<double> level, Key varied, double from, double to) {
    ChartLimit out;
    out.level = level;
    if (!level) {
        return out;
    }
    const LargestValue largest = largestValue(calculation, inputs, only, varied);
    if (largest.reaches.empty()) {
        return out;
    }
    const LimitReach& reach = largest.reaches.front();
    const bool upper = reach.kind == LimitReach::Kind::Upper;
    // An upper end the search does not offer (0 as the box takes it, or outside a real cut) is
    // no crossing: the message says no value keeps the limit, or that nothing bounds the input.
    if (!(upper || reach.kind == LimitReach::Kind::Lower) || (upper && !largest.value) ||
        reach.value < from || reach.value > to) {
        return out;
    }
    // Rounded as it would be typed: a feed or a speed as its box takes it, any other input to
    // what the chart reads; down where the limit holds below, up where it holds above.
    const int decimals =
        varied == Key::s || varied == Key::v ? enteredDecimals(varied) : readingDecimals(from, to);
    const double label =
        upper ? roundedDown(reach.value, decimals) : -roundedDown(-reach.value, decimals);
    // A largest value read as 0 is kept by no value the chart can show.
    if (upper && !(label > 0)) {
        return out;
    }
    out.crossing = LimitCrossing{reach.value, label, decimals, upper};
    return out;
}

} // namespace

ChartLimits chartLimits(const Calculation& calculation, const CalcInputs& inputs,
                        const std::optional<Machine>& machine, Key varied, double from, double to) {
    Machine powerOnly;
    Machine torqueOnly;
    if (machine) {
        powerOnly.power = machine->power;
        powerOnly.efficiency = machine->efficiency;
        torqueOnly.torqueMax = machine->torqueMax;
    }
    return {chartLimit(calculation, inputs, powerOnly, spindlePower(powerOnly), varied, from, to),
            chartLimit(calculation, inputs, torqueOnly, torqueOnly.torqueMax, varied, from, to)};
}
