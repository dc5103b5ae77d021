// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

// The one process-wide record of a calculation: what the last "РАСЧЁТ" read and computed, the
// shared row counters, the material answers, the sub-operation and the save-dialog texts.
// Doubles are the quantities; Integers are 16-bit like the codes they hold, except the shared row
// counters, which are 32-bit so that a table takes a million rows.
struct CalcState {
    double CutWidth = 0;         // B, width of milling, mm
    double CutterDiameter = 0;   // D of the milling cutter, mm
    double WorkDiameter = 0;     // D of the workpiece, hole or thread, mm
    double MaterialStrength = 0; // H: tensile strength, MPa, or hardness, HB
    double Feed = 0;             // s, mm/tooth or mm/rev; the pitch in threading
    double CutDepth = 0;         // t, mm
    double CutSpeed = 0;         // v, m/min
    double TeethCount = 0;       // z, used as typed (a fraction is allowed)
    double ForcePz = 0;          // tangential force, N
    double ForcePy = 0;          // radial force, N
    double ForcePx = 0;          // axial force, N
    double SpindleSpeed = 0;     // n, rev/min
    double Torque = 0;           // M, N·m
    double CutPower = 0;         // N, kW
    double PassCount = 0;        // i, passes of a thread cutter
    std::int16_t OperationKind = 0;
    std::int16_t ReportFile = 0;
    std::string SaveFolder;
    std::string SaveName;
    std::string SavePath;
    std::int16_t ToolMaterial = 0;
    std::int16_t WorkMaterial = 0;
    std::int16_t SchemeKind = 0;
    std::int32_t ResultRow = 0; // grid row that receives the next result
    std::int32_t NextRow = 0;   // first row not filled since the window was opened from the menu
};
