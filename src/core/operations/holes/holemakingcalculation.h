#pragma once

#include "core/calc/calculation.h"

// Hole-making: drilling, enlarging, core drilling, reaming, by the sub-operation the main menu
// chose last.
Calculation holeMakingCalculation();
