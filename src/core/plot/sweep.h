// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/calc/calculation.h"

#include <string>
#include <vector>

// One input of a calculation varied over a range, every other as it is: what the chart draws and
// `rezhim-cli sweep` lists.

// A point of the sweep: the results there, or why the calculation refuses that value (zero where
// the input is required, a negative value, a result that is not finite).
struct SweepPoint {
    double x = 0;
    Computed computed;
    CalcInputs inputs;   // what the formulas ran on, where computed
    std::string refusal; // empty where computed
};

// The calculation at one value of the input, through the flow of "РАСЧЁТ" itself: the derived
// inputs follow (a drill's depth follows its diameter), and a value it would refuse or ask for
// is refused with the window's message, as on the command line.
SweepPoint sweepPoint(const Calculation& calculation, const CalcInputs& inputs, Key varied,
                      double x);

// The input at point `i` of `count` evenly from `from` to `to`, both included.
double sweepValue(double from, double to, int count, int i);

// `count` points evenly from `from` to `to`, both included.
std::vector<SweepPoint> sweepPoints(const Calculation& calculation, const CalcInputs& inputs,
                                    Key varied, double from, double to, int count);

// The points as pieces of curve: a refused point breaks the curve, and so does a band edge of
// the handbook's tables (Kmp of aluminium alloys at 250 and 350 MPa, of copper alloys at 120 HB),
// where the results jump. A piece ends and the next begins at the edge itself, so the jump is
// drawn as a jump, not as a slope between two points.
struct SweepCurves {
    std::vector<std::vector<SweepPoint>> pieces;
    std::vector<std::string> refusals; // each reason once, in the order met
};
SweepCurves sweepCurves(const Calculation& calculation, const CalcInputs& inputs, Key varied,
                        double from, double to, int count);
