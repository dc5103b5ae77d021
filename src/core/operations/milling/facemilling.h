// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/operations/milling/millingforce.h"

// Tangential cutting force of face mills: the handbook's coefficient and exponents, rows by tool
// material, columns by work material. Both aluminium-alloy entries, and carbide on copper alloys,
// take a quarter of the carbide steel Cp, 825 / 4 = 206.25.
inline constexpr MillingTable faceMillingTable{{
    // high-speed steel
    {{{82.5, 0.95, 0.8, 1.1, 1.1, 0},
      {50, 0.9, 0.72, 1.14, 1.14, 0},
      {206.25, 0.95, 0.8, 1.1, 1.1, 0},
      {22.6, 0.86, 0.72, 1.0, 0.86, 0}}},
    // carbide
    {{{825, 1.0, 0.75, 1.1, 1.3, 0.2},
      {54.5, 0.9, 0.74, 1.0, 1.0, 0},
      {206.25, 1.0, 0.75, 1.1, 1.3, 0.2},
      {206.25, 0.95, 0.8, 1.1, 1.1, 0}}},
    // mineral ceramics
    {{{400, 1.0, 0.75, 1.1, 1.3, 0.2},
      {21, 0.9, 0.74, 1.0, 1.0, 0},
      {5, 0.95, 0.8, 1.1, 1.1, 0},
      {5, 0.95, 0.8, 1.1, 1.1, 0}}},
}};
static_assert(isComplete(faceMillingTable), "a face-milling entry lacks a handbook number");

MillingResult faceMilling(ToolMaterial tool, WorkMaterial work, const MillingInputs& in);
