// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/operations/milling/millingforce.h"

// Tangential cutting force of cylindrical (plain, helical-tooth) mills: the handbook's
// coefficient and exponents, rows by tool material, columns by work material. High-speed steel on
// aluminium alloys takes the face-mill steel law with a quarter of its Cp, 82.5 / 4. No entry has
// a speed exponent: Pz does not depend on v.
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
static_assert(isComplete(cylindricalMillingTable),
              "a cylindrical-milling entry lacks a handbook number");

// Py = 0.5 Pz; Px = 0.3 Pz tan ω for teeth at the helix angle ω (degrees).
MillingResult cylindricalMilling(ToolMaterial tool, WorkMaterial work, const MillingInputs& in,
                                 double helixAngle);
