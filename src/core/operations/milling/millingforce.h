// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/calc/materials.h"

#include <array>

// Coefficient and exponents of the milling force law
//   Pz = 10 Cp t^x s^y B^u z / (D^q n^w) · Kmp   (N)
// t depth of cut, s feed per tooth, B width of milling, z teeth, D cutter diameter (mm),
// n spindle speed (rev/min). A table entry is written with all six numbers in this order; an
// entry left short does not compile.
struct MillingCoefficients {
    constexpr MillingCoefficients() = default;
    constexpr MillingCoefficients(double coefficient, double ofDepth, double ofFeed, double ofWidth,
                                  double ofDiameter, double ofSpeed)
        : Cp(coefficient)
        , x(ofDepth)
        , y(ofFeed)
        , u(ofWidth)
        , q(ofDiameter)
        , w(ofSpeed) {}

    double Cp = 0, x = 0, y = 0, u = 0, q = 0, w = 0;
};

// Rows by tool material (high-speed steel, carbide, mineral ceramics), columns by work material
// (steel, cast iron, aluminium alloys, copper alloys).
using MillingTable =
    std::array<std::array<MillingCoefficients, workMaterialCount>, toolMaterialCount>;

// Whether an entry holds a whole law: the handbook gives every cutter and work material a
// coefficient and the exponents of t, s, B and D. Only w may be zero, where the force does not
// depend on the spindle speed.
constexpr bool isComplete(const MillingCoefficients& c) {
    return c.Cp > 0 && c.x != 0 && c.y != 0 && c.u != 0 && c.q != 0;
}
constexpr bool isComplete(const MillingTable& table) {
    return everyEntry(table, [](const MillingCoefficients& c) { return isComplete(c); });
}

struct MillingInputs {
    double D = 0; // cutter diameter, mm
    double z = 0; // teeth
    double B = 0; // width of milling, mm
    double t = 0; // depth of cut, mm
    double H = 0; // MPa or HB
    double s = 0; // feed, mm/tooth
    double v = 0; // cutting speed, m/min
};

struct MillingForces {
    MillingCoefficients coefficients;
    double Kmp = 0;
    double n = 0;  // rev/min
    double Pz = 0; // N
    double M = 0;  // N·m
    double N = 0;  // kW
};

// The tangential force with its spindle speed, torque and power; each window derives Py and Px
// from Pz by its own ratios.
MillingForces millingForces(const MillingTable& table, ToolMaterial tool, WorkMaterial work,
                            const MillingInputs& in);

struct MillingResult {
    MillingForces forces;
    double Py = 0; // radial force, N
    double Px = 0; // axial force, N
};

// How a cutter's radial and axial forces follow from Pz: fixed shares of it, the axial share
// times tan ω where helical teeth cut with their side (ω the helix angle in degrees).
struct ForceShares {
    double radial;
    double axial;
    bool axialAlongHelix = false;
};

// Pz with its spindle speed, torque and power, and Py and Px by the cutter's shares.
MillingResult millingResult(const MillingTable& table, ForceShares shares, ToolMaterial tool,
                            WorkMaterial work, const MillingInputs& in, double helixAngle = 0);
