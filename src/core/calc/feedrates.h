// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/calc/calculation.h"
#include "core/calc/removalformula.h"

#include <optional>
#include <string>

// A row's minute feed Sм, mm/min, main time To = L·i/Sм, min (none without L), and removal rate
// Q, cm³/min (none in threading).
struct FeedRates {
    double Sm = 0;
    double perRevolution = 0; // the feed of one revolution, mm/rev: sz·z of a mill
    std::optional<double> To;
    std::optional<double> Q;
};

// The rates at spindle speed n (rev/min) for the inputs of the row: the feed (Key::s), the
// working travel (Key::L, 0 for none), the passes (Key::passes) and the cut's dimensions.
FeedRates feedRates(RemovalFormula formula, const CalcInputs& inputs, double n);

// The row's results with Sм, To and Q at its spindle speed, by the formula of what the
// calculation computes for these inputs (inputs.kind); nothing is added without a speed.
void addFeedRates(RowResults& results, const Calculation& calculation, const CalcInputs& inputs);

// "Sм 318 мм/мин · To 0,63 мин · Q 31,8 см³/мин": the row's rates as the line under the grid
// shows them, to the figure a shop sets and reads; To and Q left out where there are none.
std::string feedRatesLine(const RowResults& results, char decimalSeparator);
