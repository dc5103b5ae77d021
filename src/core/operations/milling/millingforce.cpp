// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/operations/milling/millingforce.h"

#include "core/calc/cuttingformulas.h"

#include <cmath>

MillingForces millingForces(const MillingTable& table, ToolMaterial tool, WorkMaterial work,
                            const MillingInputs& in) {
    MillingForces out;
    out.coefficients = table[index(tool)][index(work)];
    out.Kmp = Kmp(work, tool, in.H);
    const MillingCoefficients& c = out.coefficients;
    out.n = spindleSpeed(in.v, in.D);
    // Evaluated factor by factor in the handbook's order, so the last digits match it.
    double P = 10 * c.Cp * std::pow(in.t, c.x);
    P = P * std::pow(in.s, c.y);
    P = P * std::pow(in.B, c.u) * in.z;
    P = P / std::pow(in.D, c.q);
    out.Pz = P / std::pow(out.n, c.w) * out.Kmp;
    out.M = torqueFromForce(out.Pz, in.D);
    out.N = powerFromForce(out.Pz, in.v);
    return out;
}

MillingResult millingResult(const MillingTable& table, ForceShares shares, ToolMaterial tool,
                            WorkMaterial work, const MillingInputs& in, double helixAngle) {
    MillingResult out;
    out.forces = millingForces(table, tool, work, in);
    out.Py = shares.radial * out.forces.Pz;
    out.Px = shares.axial * out.forces.Pz;
    if (shares.axialAlongHelix) {
        out.Px *= std::tan(handbookRadians(helixAngle));
    }
    return out;
}
