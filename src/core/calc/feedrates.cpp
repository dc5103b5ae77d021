// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/calc/feedrates.h"

#include "core/calc/numberformat.h"

#include <numbers>

namespace {

// mm³/min to cm³/min.
constexpr double perCubicCentimetre = 1000;

double circleArea(double diameter) {
    // The true area of the hole: π itself. The spindle speed keeps the handbook's 3,14.
    return std::numbers::pi * diameter * diameter / 4;
}

std::optional<double> removalRate(RemovalFormula formula, const CalcInputs& in, double Sm) {
    switch (formula) {
    case RemovalFormula::milling:
        return in[Key::t] * in[Key::B] * Sm / perCubicCentimetre;
    case RemovalFormula::turning:
        // v m/min is 1000·v mm/min, which the 1000 of cm³ cancels.
        return in[Key::v] * in[Key::s] * in[Key::t];
    case RemovalFormula::drilling:
        return circleArea(in[Key::D]) * Sm / perCubicCentimetre;
    case RemovalFormula::enlarging: {
        const double before = in[Key::D] - 2 * in[Key::t];
        return (circleArea(in[Key::D]) - circleArea(before)) * Sm / perCubicCentimetre;
    }
    case RemovalFormula::threading:
    case RemovalFormula::threadingPasses:
        return std::nullopt;
    }
    return std::nullopt;
}

} // namespace

FeedRates feedRates(RemovalFormula formula, const CalcInputs& inputs, double n) {
    FeedRates out;
    const double teeth = formula == RemovalFormula::milling ? inputs[Key::z] : 1;
    out.perRevolution = inputs[Key::s] * teeth;
    out.Sm = out.perRevolution * n;
    const double passes = formula == RemovalFormula::threadingPasses ? inputs[Key::passes] : 1;
    if (inputs[Key::L] > 0 && out.Sm > 0) {
        out.To = inputs[Key::L] * passes / out.Sm;
    }
    out.Q = removalRate(formula, inputs, out.Sm);
    return out;
}

void addFeedRates(RowResults& results, const Calculation& calculation, const CalcInputs& inputs) {
    if (!results.n) {
        return;
    }
    const FeedRates rates = feedRates(calculation.removalOf(inputs.kind), inputs, *results.n);
    results.Sm = rates.Sm;
    results.feedPerRevolution = rates.perRevolution;
    results.To = rates.To;
    results.Q = rates.Q;
}

std::string feedRatesLine(const RowResults& results, char decimalSeparator) {
    if (!results.Sm) {
        return {};
    }
    std::string line = "Sм " + fixedText(*results.Sm, 0, decimalSeparator) + " мм/мин";
    if (results.To) {
        line += " · To " + fixedText(*results.To, 2, decimalSeparator) + " мин";
    }
    if (results.Q) {
        line += " · Q " + fixedText(*results.Q, 1, decimalSeparator) + " см³/мин";
    }
    return line;
}
