// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Formulas every calculation window shares. 3.14 stands for π throughout, as in the handbook
// tables the coefficients come from; a more precise π would not reproduce their results.
inline constexpr double handbookPi = 3.14;

// Spindle speed n, rev/min, from the cutting speed v (m/min) and the diameter D (mm).
constexpr double spindleSpeed(double v, double D) {
    return v * 1000 / handbookPi / D;
}

// Cutting speed v, m/min, of a spindle at n rev/min turning a diameter D (mm).
constexpr double cuttingSpeed(double n, double D) {
    return handbookPi * D * n / 1000;
}

// Torque M, N·m, of a tangential force Pz (N) at the radius D / 2 (mm).
constexpr double torqueFromForce(double Pz, double D) {
    return Pz * D / 2000;
}

// Cutting power N, kW, of a force Pz (N) moving at v (m/min), in the handbook's form: 1 kW is
// about 102 kgf·m/s and the handbook counts 10 N to the kgf, hence 1020; /60 turns m/min into m/s.
// (Exact SI would divide by 1000 · 60; the handbook's constant keeps results matching its tables.)
constexpr double powerFromForce(double Pz, double v) {
    return Pz * v / 1020 / 60;
}

// Cutting power N, kW, of a torque M (N·m) at n rev/min, in the handbook's form: N = M·n / 974
// with M in kgf·m, and at 10 N to the kgf the handbook takes 9750. (Exact SI: 60000 / 2π ≈ 9549.)
constexpr double powerFromTorque(double M, double n) {
    return M * n / 9750;
}

// Degrees to radians with the same 3.14.
constexpr double handbookRadians(double degrees) {
    return degrees / 180 * handbookPi;
}
