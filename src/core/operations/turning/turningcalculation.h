// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/calc/calculation.h"

// Turning: longitudinal, facing, grooving and parting, boring, by the sub-operation the main
// menu chose last.
Calculation turningCalculation();
