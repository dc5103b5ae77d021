// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/calc/calculation.h"

// Thread cutting with a cutter, a tap or a die; the tool chosen is the sub-operation that titles
// the report.
Calculation threadCuttingCalculation();
