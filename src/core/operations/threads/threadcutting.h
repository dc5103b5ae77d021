// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/calc/materials.h"
#include "core/calc/workpieceinputs.h"

#include <array>

// The three threading tools; the code is also the sub-operation that titles the report.
enum class ThreadTool { Cutter = 1, Tap = 2, Die = 3 };

// A single-point thread cutter over i passes: Pz = 10 Cp P^yP / i^nP · Kmp (N), P pitch in mm.
// Table entries of this law and the next are written with all three numbers in their order; an
// entry left short does not compile.
struct CutterCoefficients {
    constexpr CutterCoefficients() = default;
    constexpr CutterCoefficients(double coefficient, double ofPitch, double ofPasses)
        : Cp(coefficient)
        , yP(ofPitch)
        , nP(ofPasses) {}

    double Cp = 0, yP = 0, nP = 0;
};
// A tap or a die: M = 10 Cm D^qM P^yM · Kmp (N·m), D thread diameter in mm.
struct TapCoefficients {
    constexpr TapCoefficients() = default;
    constexpr TapCoefficients(double coefficient, double ofPitch, double ofDiameter)
        : Cm(coefficient)
        , yM(ofPitch)
        , qM(ofDiameter) {}

    friend constexpr bool operator==(const TapCoefficients&, const TapCoefficients&) = default;

    double Cm = 0, yM = 0, qM = 0;
};

using CutterTable =
    std::array<std::array<CutterCoefficients, workMaterialCount>, toolMaterialCount>;
using TapTable = std::array<std::array<TapCoefficients, workMaterialCount>, toolMaterialCount>;

// Where the handbook has no tap or die data: the neutral set makes the torque 10 Kmp.
inline constexpr TapCoefficients noTapData{1, 0, 0};

// Every entry of a table whole: the coefficient and both exponents, which the handbook gives for
// every thread cutter, tap and die it covers; a tap entry may instead be the neutral set.
constexpr bool isComplete(const CutterTable& table) {
    return everyEntry(
        table, [](const CutterCoefficients& c) { return c.Cp > 0 && c.yP != 0 && c.nP != 0; });
}
constexpr bool isComplete(const TapTable& table) {
    return everyEntry(table, [](const TapCoefficients& c) {
        return c == noTapData || (c.Cm > 0 && c.yM != 0 && c.qM != 0);
    });
}

// Tangential cutting force of single-point thread cutters: the handbook's coefficient and
// exponents, rows by tool material (high-speed steel, carbide, mineral ceramics), columns by work
// material (steel, cast iron, aluminium alloys, copper alloys).
inline constexpr CutterTable cutterTable{{
    {{{148, 1.7, 0.71}, {103, 1.8, 0.82}, {25, 1.5, 0.5}, {25, 1.5, 0.5}}},
    {{{148, 1.7, 0.71}, {103, 1.8, 0.82}, {0.0022, 1.5, 1.8}, {0.0022, 1.5, 1.8}}},
    {{{0.0045, 1.5, 0.71}, {0.03, 1.2, 1.1}, {0.01, 1.0, 1.0}, {0.01, 1.0, 1.0}}},
}};
static_assert(isComplete(cutterTable), "a thread-cutter entry lacks a handbook number");

// Torque of taps and dies: the handbook's coefficient and exponents, rows by tool material,
// columns by work material as above.
inline constexpr TapTable tapTable{{
    {{{0.027, 1.5, 1.4}, {0.013, 1.5, 1.4}, {0.0022, 1.5, 1.8}, {0.0022, 1.5, 1.8}}},
    {{{0.027, 1.5, 1.4}, {0.013, 1.5, 1.4}, noTapData, noTapData}},
    {{noTapData, noTapData, noTapData, noTapData}},
}};
static_assert(isComplete(tapTable), "a tap entry lacks a handbook number");

struct ThreadResult {
    double Kmp = 0;
    double n = 0;  // rev/min
    double Pz = 0; // N, the cutter only
    double M = 0;  // N·m
    double N = 0;  // kW
};

// `in.s` is the pitch; `passes` counts only for the cutter.
ThreadResult threadCutting(ThreadTool kind, ToolMaterial tool, WorkMaterial work,
                           const WorkpieceInputs& in, double passes);
