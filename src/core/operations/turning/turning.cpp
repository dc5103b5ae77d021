// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/operations/turning/turning.h"

#include "core/calc/cuttingformulas.h"

#include <cmath>

namespace {
double force(const ForceLaw& law, const WorkpieceInputs& in, double kmp) {
    return 10 * law.Cp * std::pow(in.t, law.x) * std::pow(in.s, law.y) * std::pow(in.v, law.n) *
           kmp;
}
} // namespace

TurningResult turning(ToolMaterial tool, WorkMaterial work, int operationKind,
                      const WorkpieceInputs& in) {
    TurningResult out;
    out.coefficients = turningTable[index(tool)][index(work)];
    const bool grooving = operationKind == groovingAndParting;
    if (grooving) {
        out.coefficients.Pz = groovingPzTable[index(tool)][index(work)];
    }
    out.Kmp = Kmp(work, tool, in.H);
    out.n = spindleSpeed(in.v, in.D);
    out.Pz = force(out.coefficients.Pz, in, out.Kmp);
    if (!grooving) {
        out.Py = force(out.coefficients.Py, in, out.Kmp);
        out.Px = force(out.coefficients.Px, in, out.Kmp);
    }
    out.M = torqueFromForce(out.Pz, in.D);
    out.N = powerFromForce(out.Pz, in.v);
    return out;
}
