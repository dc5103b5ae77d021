// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/calc/materials.h"
#include "core/calc/workpieceinputs.h"

#include <array>
#include <optional>

// Axial force and torque of a hole-making tool:
//   drilling             P0 = 10 Cp D^qP s^yP · Kmp,   M = 10 Cm D^qM s^yM · Kmp
//   enlarging and core   P0 = 10 Cp t^xP s^yP · Kmp,   M = 10 Cm D^qM t^xM s^yM · Kmp
// (N and N·m; D diameter and t depth of cut in mm, s feed in mm/rev). A table entry is written
// with all eight numbers in this order; an entry left short does not compile.
struct HoleCoefficients {
    constexpr HoleCoefficients() = default;
    constexpr HoleCoefficients(double forceCoefficient, double forceOfDepth, double forceOfFeed,
                               double forceOfDiameter, double torqueCoefficient,
                               double torqueOfDepth, double torqueOfFeed, double torqueOfDiameter)
        : Cp(forceCoefficient)
        , xP(forceOfDepth)
        , yP(forceOfFeed)
        , qP(forceOfDiameter)
        , Cm(torqueCoefficient)
        , xM(torqueOfDepth)
        , yM(torqueOfFeed)
        , qM(torqueOfDiameter) {}

    friend constexpr bool operator==(const HoleCoefficients&, const HoleCoefficients&) = default;

    double Cp = 0, xP = 0, yP = 0, qP = 0;
    double Cm = 0, xM = 0, yM = 0, qM = 0;
};

struct HoleCoefficientSets {
    HoleCoefficients drilling;  // into solid material
    HoleCoefficients enlarging; // enlarging a drilled hole and core drilling
};

// Where the handbook has no data: the neutral set makes both results 10 Kmp.
inline constexpr HoleCoefficients neutralSet{1, 0, 0, 0, 1, 0, 0, 0};

// Whether a law is whole, or the neutral set. Every law has both coefficients and both feed
// exponents, and a drill's force and torque both grow with its diameter. Drilling has no depth
// factor, and in enlarging the depth and diameter exponents are zero in some of the handbook's
// laws, so those go unchecked.
constexpr bool isCompleteDrilling(const HoleCoefficients& c) {
    return c == neutralSet ||
           (c.Cp > 0 && c.yP != 0 && c.qP != 0 && c.Cm > 0 && c.yM != 0 && c.qM != 0);
}
constexpr bool isCompleteEnlarging(const HoleCoefficients& c) {
    return c == neutralSet || (c.Cp > 0 && c.yP != 0 && c.Cm > 0 && c.yM != 0);
}

using HoleTable = std::array<std::array<HoleCoefficientSets, workMaterialCount>, toolMaterialCount>;

// Every entry of the table whole, both its laws.
constexpr bool isComplete(const HoleTable& table) {
    return everyEntry(table, [](const HoleCoefficientSets& sets) {
        return isCompleteDrilling(sets.drilling) && isCompleteEnlarging(sets.enlarging);
    });
}

// Axial force and torque of twist drills, core drills and reamers: the handbook's coefficients
// and exponents, rows by tool (high-speed steel, carbide, mineral ceramics), columns by work
// material (steel, cast iron, aluminium alloys, copper alloys). The handbook has no ceramics data.
inline constexpr HoleTable holeTable{{
    {{{{68, 0, 0.7, 1.0, 0.0345, 0, 0.8, 2.0}, {67, 1.2, 0.65, 0, 0.09, 0.9, 0.8, 1.0}},
      {{42.7, 0, 0.8, 1.0, 0.021, 0, 0.8, 2.0}, {23.5, 1.2, 0.4, 0, 0.085, 0.75, 0.8, 0}},
      {{9.8, 0, 0.7, 1.0, 0.005, 0, 0.8, 2.0}, {9.8, 0, 0.7, 1.0, 0.005, 0, 0.8, 2.0}},
      {{31.5, 0, 0.8, 1.0, 0.012, 0, 0.8, 2.0}, {17.2, 1.0, 0.4, 0, 0.031, 0, 0.8, 0.85}}}},
    {{{{68, 1.2, 0.65, 1.0, 0.0345, 0.9, 0.8, 2.0}, {68, 1.2, 0.65, 1.0, 0.0345, 0.9, 0.8, 2.0}},
      {{42, 0, 0.75, 1.2, 0.012, 0, 0.8, 2.2}, {46, 1.0, 0.4, 0, 0.196, 0.8, 0.7, 0.85}},
      {{9.8, 1.0, 0.65, 1.0, 0.005, 0.9, 0.8, 2.0}, {9.8, 1.0, 0.65, 1.0, 0.005, 0.9, 0.8, 2.0}},
      {{9.8, 1.0, 0.65, 1.0, 0.005, 0.9, 0.8, 2.0}, {9.8, 1.0, 0.65, 1.0, 0.005, 0.9, 0.8, 2.0}}}},
    {{{neutralSet, neutralSet},
      {neutralSet, neutralSet},
      {neutralSet, neutralSet},
      {neutralSet, neutralSet}}},
}};
static_assert(isComplete(holeTable), "a hole-making entry lacks a handbook number");

// Sub-operations of the hole-making window.
inline constexpr int drilling = 1;
inline constexpr int reaming = 4;

struct HoleResult {
    std::optional<HoleCoefficients> coefficients; // none: reaming with a steel or carbide reamer
    double Kmp = 0;
    double t = 0;                   // depth of cut used: D / 2 in drilling
    double n = 0;                   // rev/min
    std::optional<double> P0, M, N; // axial force N, torque N·m, power kW
};

// The depth of cut a sub-operation works with: a drill cuts half its diameter.
double holeDepth(int operationKind, const WorkpieceInputs& in);

HoleResult holeMaking(ToolMaterial tool, WorkMaterial work, int operationKind,
                      const WorkpieceInputs& in);
