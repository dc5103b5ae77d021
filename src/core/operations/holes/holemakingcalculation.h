// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/calc/calculation.h"

// Hole-making: drilling, enlarging, core drilling, reaming, by the sub-operation the main menu
// chose last.
Calculation holeMakingCalculation();
