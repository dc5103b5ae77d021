// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/calc/calculation.h"
#include "gui/chart/chartquantities.h"

// The line under the chart for the input's value `x` under the mouse, rounded to `decimals` as
// it is shown, and the calculation at exactly that value: what "РАСЧЁТ" gives when it is typed
// into the box. "s = 0,300: Pz = … Н, …, N = … кВт", or why the calculation refuses it.
QString chartReadout(const Calculation& calculation, const CalcInputs& inputs, Key varied, double x,
                     int decimals, const ShownQuantities& shown);
