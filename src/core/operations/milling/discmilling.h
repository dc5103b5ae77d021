// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/operations/milling/millingforce.h"

// Tangential cutting force of disc mills: the handbook's coefficient and exponents, rows by tool
// material, columns by work material. High-speed steel on aluminium alloys takes a quarter of its
// steel Cp, 68.2 / 4; ceramics on steel carry w = 0.1 (Pz falls as n rises).
inline constexpr MillingTable discMillingTable{{
    {{{68.2, 0.86, 0.72, 1.0, 0.86, 0},
      {30, 0.83, 0.65, 1.0, 0.83, 0},
      {68.2 / 4, 0.86, 0.72, 1.0, 0.86, 0},
      {22.6, 0.86, 0.72, 1.0, 0.86, 0}}},
    {{{101, 0.88, 0.75, 1.0, 0.87, 0},
      {130, 0.9, 0.8, 1.0, 1.0, 0},
      {18, 0.86, 0.72, 1.0, 0.86, 0},
      {18, 0.86, 0.72, 1.0, 0.86, 0}}},
    {{{125, 0.9, 0.8, 1.1, 1.1, 0.1},
      {58, 0.9, 0.8, 1.0, 1.0, 0},
      {4.5, 0.86, 0.72, 1.0, 0.86, 0},
      {4.5, 0.86, 0.72, 1.0, 0.86, 0}}},
}};
static_assert(isComplete(discMillingTable), "a disc-milling entry lacks a handbook number");

// Py = 0.4 Pz; Px = 0.2 Pz tan ω.
MillingResult discMilling(ToolMaterial tool, WorkMaterial work, const MillingInputs& in,
                          double helixAngle);
