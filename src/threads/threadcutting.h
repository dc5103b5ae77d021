#pragma once

#include "calcframe/materials.h"
#include "calcframe/workpieceinputs.h"

#include <array>

// The three threading tools; the code is also the sub-operation that titles the report.
enum class ThreadTool { Cutter = 1, Tap = 2, Die = 3 };

// A single-point thread cutter over i passes: Pz = 10 Cp P^yP / i^nP · Kmp (N), P pitch in mm.
struct CutterCoefficients {
    double Cp, yP, nP;
};
// A tap or a die: M = 10 Cm D^qM P^yM · Kmp (N·m), D thread diameter in mm.
struct TapCoefficients {
    double Cm, yM, qM;
};

// Handbook tables for threading, rows by tool material (high-speed steel, carbide, mineral
// ceramics), columns by work material (steel, cast iron, aluminium alloys, copper alloys). Where
// the handbook has no tap data the neutral set (1, 0, 0) makes the torque 10 Kmp.
inline constexpr std::array<std::array<CutterCoefficients, workMaterialCount>, toolMaterialCount>
    cutterTable{{
        {{{148, 1.7, 0.71}, {103, 1.8, 0.82}, {25, 1.5, 0.5}, {25, 1.5, 0.5}}},
        {{{148, 1.7, 0.71}, {103, 1.8, 0.82}, {0.0022, 1.5, 1.8}, {0.0022, 1.5, 1.8}}},
        {{{0.0045, 1.5, 0.71}, {0.03, 1.2, 1.1}, {0.01, 1.0, 1.0}, {0.01, 1.0, 1.0}}},
    }};
inline constexpr std::array<std::array<TapCoefficients, workMaterialCount>, toolMaterialCount>
    tapTable{{
        {{{0.027, 1.5, 1.4}, {0.013, 1.5, 1.4}, {0.0022, 1.5, 1.8}, {0.0022, 1.5, 1.8}}},
        {{{0.027, 1.5, 1.4}, {0.013, 1.5, 1.4}, {1, 0, 0}, {1, 0, 0}}},
        {{{1, 0, 0}, {1, 0, 0}, {1, 0, 0}, {1, 0, 0}}},
    }};

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
