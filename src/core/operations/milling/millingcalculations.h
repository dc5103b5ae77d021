// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/calc/calculation.h"

// Face, cylindrical, end and disc milling, each with its window.
Calculation faceMillingCalculation();
Calculation cylindricalMillingCalculation();
Calculation endMillingCalculation();
Calculation discMillingCalculation();
