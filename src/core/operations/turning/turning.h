// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/calc/materials.h"
#include "core/calc/workpieceinputs.h"

#include <array>

// One force component of turning: P = 10 Cp t^x s^y v^n · Kmp (N), t depth of cut (mm),
// s feed (mm/rev), v cutting speed (m/min). A table entry is written with all four numbers in this
// order; an entry left short does not compile.
struct ForceLaw {
    constexpr ForceLaw() = default;
    constexpr ForceLaw(double coefficient, double ofDepth, double ofFeed, double ofSpeed)
        : Cp(coefficient)
        , x(ofDepth)
        , y(ofFeed)
        , n(ofSpeed) {}

    double Cp = 0, x = 0, y = 0, n = 0;
};

// Whether a law is whole: the handbook gives every component a coefficient and the exponents of t
// and s. Only n may be zero, where the force does not depend on the cutting speed.
constexpr bool isComplete(const ForceLaw& law) {
    return law.Cp > 0 && law.x != 0 && law.y != 0;
}

struct TurningCoefficients {
    ForceLaw Pz; // tangential
    ForceLaw Py; // radial
    ForceLaw Px; // axial (feed)
};

using TurningTable =
    std::array<std::array<TurningCoefficients, workMaterialCount>, toolMaterialCount>;
using GroovingTable = std::array<std::array<ForceLaw, workMaterialCount>, toolMaterialCount>;

// Every entry of a table whole, all three components of it.
constexpr bool isComplete(const TurningTable& table) {
    return everyEntry(table, [](const TurningCoefficients& c) {
        return isComplete(c.Pz) && isComplete(c.Py) && isComplete(c.Px);
    });
}
constexpr bool isComplete(const GroovingTable& table) {
    return everyEntry(table, [](const ForceLaw& law) { return isComplete(law); });
}

// Tangential, radial and axial cutting forces of straight-turning tools in longitudinal turning,
// facing and boring: the handbook's coefficient and exponents, rows by tool (high-speed steel,
// carbide, mineral ceramics), columns by work material (steel, cast iron, aluminium alloys, copper
// alloys).
inline constexpr TurningTable turningTable{{
    {{{{200, 1.0, 0.75, 0}, {125, 0.9, 0.75, 0}, {67, 1.2, 0.65, 0}},
      {{180, 1.0, 0.75, 0}, {120, 0.9, 0.75, 0}, {65, 1.2, 0.65, 0}},
      {{40, 1.0, 0.75, 0}, {25, 0.9, 0.75, 0}, {13, 1.2, 0.65, 0}},
      {{55, 1.0, 0.66, 0}, {33, 0.9, 0.75, 0}, {16, 1.2, 0.65, 0}}}},
    {{{{300, 1.0, 0.75, -0.15}, {243, 0.9, 0.6, -0.3}, {339, 1.0, 0.5, -0.4}},
      {{92, 1.0, 0.75, 0}, {54, 0.9, 0.75, 0}, {46, 1.0, 0.4, 0}},
      {{74, 1.0, 0.75, -0.15}, {62, 0.9, 0.6, 0}, {16, 1.0, 0.5, 0}},
      {{74, 1.0, 0.75, -0.15}, {62, 0.9, 0.6, 0}, {16, 1.0, 0.5, 0}}}},
    {{{{74, 1.0, 0.75, -0.15}, {120, 0.9, 0.6, -0.3}, {200, 1.0, 0.5, -0.4}},
      {{45, 1.0, 0.75, 0}, {21, 0.9, 0.75, 0}, {23, 1.0, 0.4, 0}},
      {{35, 1.0, 0.75, -0.15}, {30, 0.9, 0.6, -0.3}, {10, 1.0, 0.5, 0}},
      {{35, 1.0, 0.75, -0.15}, {30, 0.9, 0.6, -0.3}, {10, 1.0, 0.5, 0}}}},
}};
static_assert(isComplete(turningTable), "a turning entry lacks a handbook number");

// Tangential cutting force of grooving and parting tools, rows by tool, columns by work material.
// The narrow cutting edge has its own law for high-speed steel and for carbide on steel; elsewhere
// the turning law holds. A grooving tool has no radial or axial force worth reporting.
inline constexpr GroovingTable groovingPzTable{{
    {{{247, 1.0, 1.0, 0}, {158, 1.0, 1.0, 0}, {50, 1.0, 1.0, 0}, {75, 1.0, 1.0, 0}}},
    {{{408, 0.72, 0.8, 0}, {92, 1.0, 0.75, 0}, {74, 1.0, 0.75, -0.15}, {74, 1.0, 0.75, -0.15}}},
    {{{74, 1.0, 0.75, -0.15}, {45, 1.0, 0.75, 0}, {35, 1.0, 0.75, -0.15}, {35, 1.0, 0.75, -0.15}}},
}};
static_assert(isComplete(groovingPzTable), "a grooving entry lacks a handbook number");

// Sub-operations of the turning window.
inline constexpr int groovingAndParting = 3;

struct TurningResult {
    TurningCoefficients coefficients;
    double Kmp = 0;
    double n = 0;  // rev/min
    double Pz = 0; // N
    double Py = 0; // N
    double Px = 0; // N
    double M = 0;  // N·m
    double N = 0;  // kW
};

TurningResult turning(ToolMaterial tool, WorkMaterial work, int operationKind,
                      const WorkpieceInputs& in);
