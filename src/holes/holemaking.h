#pragma once

#include "calcframe/materials.h"
#include "calcframe/workpieceinputs.h"

#include <array>
#include <optional>

// Axial force and torque of a hole-making tool:
//   drilling             P0 = 10 Cp D^qP s^yP · Kmp,   M = 10 Cm D^qM s^yM · Kmp
//   enlarging and core   P0 = 10 Cp t^xP s^yP · Kmp,   M = 10 Cm D^qM t^xM s^yM · Kmp
// (N and N·m; D diameter and t depth of cut in mm, s feed in mm/rev).
struct HoleCoefficients {
    double Cp, xP, yP, qP;
    double Cm, xM, yM, qM;
};

struct HoleCoefficientSets {
    HoleCoefficients drilling;  // into solid material
    HoleCoefficients enlarging; // enlarging a drilled hole and core drilling
};

// Handbook tables for twist drills, core drills and reamers, rows by tool (high-speed steel,
// carbide, mineral ceramics), columns by work material (steel, cast iron, aluminium alloys,
// copper alloys). The handbook has no ceramics data: the neutral set makes both results 10 Kmp.
inline constexpr HoleCoefficients neutralSet{1, 0, 0, 0, 1, 0, 0, 0};
inline constexpr std::array<std::array<HoleCoefficientSets, workMaterialCount>, toolMaterialCount>
    holeTable{{
        {{{{68, 0, 0.7, 1.0, 0.0345, 0, 0.8, 2.0}, {67, 1.2, 0.65, 0, 0.09, 0.9, 0.8, 1.0}},
          {{42.7, 0, 0.8, 1.0, 0.021, 0, 0.8, 2.0}, {23.5, 1.2, 0.4, 0, 0.085, 0.75, 0.8, 0}},
          {{9.8, 0, 0.7, 1.0, 0.005, 0, 0.8, 2.0}, {9.8, 0, 0.7, 1.0, 0.005, 0, 0.8, 2.0}},
          {{31.5, 0, 0.8, 1.0, 0.012, 0, 0.8, 2.0}, {17.2, 1.0, 0.4, 0, 0.031, 0, 0.8, 0.85}}}},
        {{{{68, 1.2, 0.65, 1.0, 0.0345, 0.9, 0.8, 2.0},
           {68, 1.2, 0.65, 1.0, 0.0345, 0.9, 0.8, 2.0}},
          {{42, 0, 0.75, 1.2, 0.012, 0, 0.8, 2.2}, {46, 1.0, 0.4, 0, 0.196, 0.8, 0.7, 0.85}},
          {{9.8, 1.0, 0.65, 1.0, 0.005, 0.9, 0.8, 2.0},
           {9.8, 1.0, 0.65, 1.0, 0.005, 0.9, 0.8, 2.0}},
          {{9.8, 1.0, 0.65, 1.0, 0.005, 0.9, 0.8, 2.0},
           {9.8, 1.0, 0.65, 1.0, 0.005, 0.9, 0.8, 2.0}}}},
        {{{neutralSet, neutralSet},
          {neutralSet, neutralSet},
          {neutralSet, neutralSet},
          {neutralSet, neutralSet}}},
    }};

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
