#pragma once

#include "milling/millingforce.h"

// Cylindrical (plain, helical-tooth) milling force coefficients; the high-speed-steel Cp on
// aluminium alloys is a quarter of 82.5. No row has a speed exponent: Pz does not depend on v.
inline constexpr MillingTable cylindricalMillingTable{{
    {{{68.2, 0.86, 0.72, 1.0, 0.86, 0},
      {30, 0.83, 0.65, 1.0, 0.83, 0},
      {82.5 / 4, 0.95, 0.8, 1.1, 1.1, 0},
      {22.6, 0.86, 0.72, 1.0, 0.86, 0}}},
    {{{101, 0.88, 0.75, 1.0, 0.87, 0},
      {58, 0.9, 0.8, 1.0, 0.9, 0},
      {58, 0.9, 0.8, 1.0, 0.9, 0},
      {58, 0.9, 0.8, 1.0, 0.9, 0}}},
    {{{51, 0.88, 0.75, 1.0, 0.87, 0},
      {22, 0.9, 0.8, 1.0, 0.9, 0},
      {4.5, 0.86, 0.72, 1.0, 0.86, 0},
      {4.5, 0.86, 0.72, 1.0, 0.86, 0}}},
}};

// Py = 0.5 Pz; Px = 0.3 Pz tan ω for teeth at the helix angle ω (degrees).
MillingResult cylindricalMilling(ToolMaterial tool, WorkMaterial work, const MillingInputs& in,
                                 double helixAngle);
