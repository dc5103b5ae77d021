#pragma once

#include "core/calc/calculation.h"

// Face, cylindrical, end and disc milling, each with its window.
Calculation faceMillingCalculation();
Calculation cylindricalMillingCalculation();
Calculation endMillingCalculation();
Calculation discMillingCalculation();
