// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/operations/threads/threadcutting.h"

#include "core/calc/cuttingformulas.h"

#include <cmath>

ThreadResult threadCutting(ThreadTool kind, ToolMaterial tool, WorkMaterial work,
                           const WorkpieceInputs& in, double passes) {
    ThreadResult out;
    out.Kmp = Kmp(work, tool, in.H);
    out.n = spindleSpeed(in.v, in.D);
    if (kind == ThreadTool::Cutter) {
        const CutterCoefficients& c = cutterTable[index(tool)][index(work)];
        out.Pz = std::pow(in.s, c.yP) * (10 * c.Cp) / std::pow(passes, c.nP) * out.Kmp;
        out.M = torqueFromForce(out.Pz, in.D);
        out.N = powerFromForce(out.Pz, in.v);
    } else {
        // A tap or a die cuts the whole profile at once: its load is a torque.
        const TapCoefficients& c = tapTable[index(tool)][index(work)];
        out.M = std::pow(in.D, c.qM) * (10 * c.Cm) * std::pow(in.s, c.yM) * out.Kmp;
        out.N = powerFromTorque(out.M, out.n);
    }
    return out;
}
