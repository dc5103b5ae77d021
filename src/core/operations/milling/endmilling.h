// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/operations/milling/millingforce.h"

// Tangential cutting force of end mills: the handbook's coefficient and exponents, rows by tool
// material, columns by work material. High-speed steel on aluminium alloys takes the face-mill
// steel law with a quarter of its Cp, 82.5 / 4. Carbide and ceramics on steel carry w = -0.13:
// their Pz grows with the spindle speed (the factor n^0.13).
inline constexpr MillingTable endMillingTable{{
    {{{68.2, 0.86, 0.72, 1.0, 0.86, 0},
      {30, 0.83, 0.65, 1.0, 0.83, 0},
      {82.5 / 4, 0.95, 0.8, 1.1, 1.1, 0},
      {22.6, 0.86, 0.72, 1.0, 0.86, 0}}},
    {{{12.5, 0.85, 0.75, 1.0, 0.73, -0.13},
      {45, 0.9, 0.8, 1.0, 1.0, 0},
      {18, 0.86, 0.72, 1.0, 0.86, 0},
      {18, 0.86, 0.72, 1.0, 0.86, 0}}},
    {{{5.5, 0.85, 0.75, 1.0, 0.73, -0.13},
      {18, 0.9, 0.8, 1.0, 1.0, 0},
      {4.5, 0.86, 0.72, 1.0, 0.86, 0},
      {4.5, 0.86, 0.72, 1.0, 0.86, 0}}},
}};
static_assert(isComplete(endMillingTable), "an end-milling entry lacks a handbook number");

// An end mill cuts either with its face or with its side; the scheme sets how Py and Px follow
// from Pz.
enum class EndMillingScheme { Face = 1, Cylindrical = 2 };

// Face scheme: Py = 0.3 Pz, Px = 0.5 Pz. Cylindrical scheme: Py = 0.5 Pz, Px = 0.3 Pz tan ω.
MillingResult endMilling(ToolMaterial tool, WorkMaterial work, EndMillingScheme scheme,
                         const MillingInputs& in, double helixAngle);
