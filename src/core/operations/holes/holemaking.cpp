// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/operations/holes/holemaking.h"

#include "core/calc/cuttingformulas.h"

#include <cmath>

double holeDepth(int operationKind, const WorkpieceInputs& in) {
    return operationKind == drilling ? in.D / 2 : in.t;
}

HoleResult holeMaking(ToolMaterial tool, WorkMaterial work, int operationKind,
                      const WorkpieceInputs& in) {
    HoleResult out;
    out.Kmp = Kmp(work, tool, in.H);
    out.t = holeDepth(operationKind, in);
    out.n = spindleSpeed(in.v, in.D);
    const HoleCoefficientSets& sets = holeTable[index(tool)][index(work)];
    if (operationKind == reaming && tool != ToolMaterial::MineralCeramics) {
        return out; // the handbook gives no forces for steel and carbide reamers
    }
    const HoleCoefficients& c = operationKind == drilling ? sets.drilling : sets.enlarging;
    out.coefficients = c;
    if (operationKind == drilling) {
        out.P0 = std::pow(in.D, c.qP) * (10 * c.Cp) * std::pow(in.s, c.yP) * out.Kmp;
        out.M = std::pow(in.D, c.qM) * (10 * c.Cm) * std::pow(in.s, c.yM) * out.Kmp;
    } else {
        out.P0 = std::pow(out.t, c.xP) * (10 * c.Cp) * std::pow(in.s, c.yP) * out.Kmp;
        out.M = std::pow(in.D, c.qM) * (10 * c.Cm) * std::pow(out.t, c.xM) * std::pow(in.s, c.yM) *
                out.Kmp;
    }
    out.N = powerFromTorque(*out.M, out.n);
    return out;
}
