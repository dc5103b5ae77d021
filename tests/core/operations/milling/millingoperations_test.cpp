// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/calc/numberformat.h"
#include "core/operations/milling/cylindricalmilling.h"
#include "core/operations/milling/discmilling.h"
#include "core/operations/milling/endmilling.h"

#include <array>
#include <cmath>
#include <gtest/gtest.h>

namespace {

enum class Cutter { Cylindrical, EndFace, EndSide, Disc };

// How Py and Px follow from Pz for each cutter, as the handbook gives them: fixed shares, the
// axial one times tan ω where the helical teeth cut with their side.
struct Shares {
    double radial, axial;
    bool alongHelix;
};
Shares sharesOf(Cutter cutter) {
    switch (cutter) {
    case Cutter::Cylindrical:
        return {0.5, 0.3, true};
    case Cutter::EndFace:
        return {0.3, 0.5, false};
    case Cutter::EndSide:
        return {0.5, 0.3, true};
    case Cutter::Disc:
        return {0.4, 0.2, true};
    }
    return {};
}

// The handbook's coefficients of Pz = 10 Cp t^x s^y B^u z / (D^q n^w) Kmp.
struct Law {
    double Cp, x, y, u, q, w;
};

struct Row {
    const char* name;
    Cutter cutter;
    ToolMaterial tool;
    WorkMaterial work;
    MillingInputs in;  // D, z, B, t, H, s, v
    double helixAngle; // degrees
    Law law;
    double Kmp; // the work-material factor
    // Pz, Py, Px, M, N and n as worked by hand and rounded as the grid shows them; nullptr where
    // the row was not worked by hand.
    std::array<const char*, 6> cells;
};

MillingResult millingOf(Cutter cutter, ToolMaterial tool, WorkMaterial work,
                        const MillingInputs& in, double helixAngle) {
    switch (cutter) {
    case Cutter::Cylindrical:
        return cylindricalMilling(tool, work, in, helixAngle);
    case Cutter::EndFace:
        return endMilling(tool, work, EndMillingScheme::Face, in, helixAngle);
    case Cutter::EndSide:
        return endMilling(tool, work, EndMillingScheme::Cylindrical, in, helixAngle);
    case Cutter::Disc:
        return discMilling(tool, work, in, helixAngle);
    }
    return {};
}

void expectClose(double actual, double expected, const char* what) {
    EXPECT_NEAR(actual, expected, 1e-12 * std::abs(expected)) << what;
}

using Tool = ToolMaterial;
using Work = WorkMaterial;

const Row rows[] = {
    {"CylindricalHssOnSteel",
     Cutter::Cylindrical,
     Tool::HighSpeedSteel,
     Work::Steel,
     {80, 8, 50, 3, 750, 0.1, 30},
     30,
     {68.2, 0.86, 0.72, 1.0, 0.86, 0},
     1.0,
     {"3086.8", "1543.4", "534.3", "123.473", "1.513", "119"}},
    {"CylindricalCarbideOnSteel",
     Cutter::Cylindrical,
     Tool::Carbide,
     Work::Steel,
     {80, 8, 50, 3, 750, 0.1, 30},
     30,
     {101, 0.88, 0.75, 1.0, 0.87, 0},
     1.0,
     {"4174.1", "2087.0", "722.5", "166.963", "2.046", "119"}},
    // A quarter of 82.5 for high-speed steel on aluminium alloys of the middle strength band.
    {"CylindricalHssOnAluminium",
     Cutter::Cylindrical,
     Tool::HighSpeedSteel,
     Work::AluminiumAlloy,
     {63, 6, 40, 2, 300, 0.08, 40},
     25,
     {20.625, 0.95, 0.8, 1.1, 1.1, 0},
     2.0,
     {"384.6", "192.3", "53.8", "12.115", "0.251", "202"}},
    {"CylindricalCeramicsOnHardCastIron",
     Cutter::Cylindrical,
     Tool::MineralCeramics,
     Work::CastIron,
     {90, 10, 60, 4, 220, 0.12, 120},
     40,
     {22, 0.9, 0.8, 1.0, 0.9, 0},
     220.0 / 190,
     {}},
    // With its face an end mill ignores the helix angle.
    {"EndFaceHssOnSteel",
     Cutter::EndFace,
     Tool::HighSpeedSteel,
     Work::Steel,
     {20, 4, 10, 5, 750, 0.05, 25},
     30,
     {68.2, 0.86, 0.72, 1.0, 0.86, 0},
     1.0,
     {"957.9", "287.4", "479.0", "9.579", "0.391", "398"}},
    {"EndSideHssOnSteel",
     Cutter::EndSide,
     Tool::HighSpeedSteel,
     Work::Steel,
     {20, 4, 10, 5, 750, 0.05, 25},
     30,
     {68.2, 0.86, 0.72, 1.0, 0.86, 0},
     1.0,
     {"957.9", "479.0", "165.8", "9.579", "0.391", "398"}},
    {"EndSideStraightTeeth",
     Cutter::EndSide,
     Tool::HighSpeedSteel,
     Work::Steel,
     {20, 4, 10, 5, 750, 0.05, 25},
     0,
     {68.2, 0.86, 0.72, 1.0, 0.86, 0},
     1.0,
     {"957.9", "479.0", "0.0", "9.579", "0.391", "398"}},
    // w = -0.13: four times the speed, 4^0.13 times the force.
    {"EndFaceCarbideOnSteelSlow",
     Cutter::EndFace,
     Tool::Carbide,
     Work::Steel,
     {20, 4, 10, 5, 750, 0.05, 25},
     30,
     {12.5, 0.85, 0.75, 1.0, 0.73, -0.13},
     1.0,
     {"507.7", "152.3", "253.8", "5.077", "0.207", "398"}},
    {"EndFaceCarbideOnSteelFast",
     Cutter::EndFace,
     Tool::Carbide,
     Work::Steel,
     {20, 4, 10, 5, 750, 0.05, 100},
     30,
     {12.5, 0.85, 0.75, 1.0, 0.73, -0.13},
     1.0,
     {"607.9", "182.4", "304.0", "6.079", "0.993", "1592"}},
    {"EndSideCeramicsOnSofterSteel",
     Cutter::EndSide,
     Tool::MineralCeramics,
     Work::Steel,
     {25, 3, 12, 4, 600, 0.06, 150},
     20,
     {5.5, 0.85, 0.75, 1.0, 0.73, -0.13},
     std::pow(600.0 / 750, 0.3),
     {}},
    {"DiscHssOnSteel",
     Cutter::Disc,
     Tool::HighSpeedSteel,
     Work::Steel,
     {100, 20, 10, 5, 750, 0.05, 30},
     0,
     {68.2, 0.86, 0.72, 1.0, 0.86, 0},
     1.0,
     {"1200.0", "480.0", "0.0", "60.001", "0.588", "96"}},
    // w = 0.1: the ceramic disc mill meets less force as the speed rises.
    {"DiscCeramicsOnHarderSteel",
     Cutter::Disc,
     Tool::MineralCeramics,
     Work::Steel,
     {100, 20, 10, 5, 900, 0.05, 200},
     15,
     {125, 0.9, 0.8, 1.1, 1.1, 0.1},
     std::pow(900.0 / 750, 0.3),
     {"426.1", "170.4", "22.8", "21.306", "1.393", "637"}},
    {"DiscCeramicsOnHarderSteelSlow",
     Cutter::Disc,
     Tool::MineralCeramics,
     Work::Steel,
     {100, 20, 10, 5, 900, 0.05, 50},
     15,
     {125, 0.9, 0.8, 1.1, 1.1, 0.1},
     std::pow(900.0 / 750, 0.3),
     {"489.5", "195.8", "26.2", "24.474", "0.400", "159"}},
    {"DiscCarbideOnHardCastIron",
     Cutter::Disc,
     Tool::Carbide,
     Work::CastIron,
     {160, 16, 12, 6, 200, 0.1, 60},
     10,
     {130, 0.9, 0.8, 1.0, 1.0, 0},
     200.0 / 190,
     {}},
};

class MillingOperationsTest : public testing::TestWithParam<Row> {};

// Pz = 10 Cp t^x s^y B^u z / (D^q n^w) Kmp with n = 1000 v / (3.14 D), the cutter's shares of it
// for Py and Px (ω converted to radians with the same 3.14), M = Pz D / 2000 and
// N = Pz v / (1020 · 60); and the rounded cells of the rows worked by hand.
TEST_P(MillingOperationsTest, ForceLawSharesAndHandWorkedCells) {
    const Row& row = GetParam();
    const MillingInputs& in = row.in;
    const double n = in.v * 1000 / 3.14 / in.D;
    const Law& c = row.law;
    const double Pz = 10 * c.Cp * std::pow(in.t, c.x) * std::pow(in.s, c.y) * std::pow(in.B, c.u) *
                      in.z / (std::pow(in.D, c.q) * std::pow(n, c.w)) * row.Kmp;
    const Shares shares = sharesOf(row.cutter);
    const double helix = shares.alongHelix ? std::tan(row.helixAngle * 3.14 / 180) : 1.0;
    const double expected[] = {
        Pz, shares.radial * Pz, shares.axial * Pz * helix, Pz * in.D / 2000, Pz * in.v / 1020 / 60,
        n};

    const MillingResult r = millingOf(row.cutter, row.tool, row.work, in, row.helixAngle);
    const double actual[] = {r.forces.Pz, r.Py, r.Px, r.forces.M, r.forces.N, r.forces.n};
    const char* names[] = {"Pz", "Py", "Px", "M", "N", "n"};
    const int decimals[] = {1, 1, 1, 3, 3, 0};
    expectClose(r.forces.Kmp, row.Kmp, "Kmp");
    for (std::size_t i = 0; i < std::size(names); ++i) {
        expectClose(actual[i], expected[i], names[i]);
        if (row.cells[i] != nullptr) {
            EXPECT_EQ(decimals[i] == 0 ? roundedIntegerText(actual[i])
                                       : fixedText(actual[i], decimals[i], '.'),
                      row.cells[i])
                << names[i];
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, MillingOperationsTest, testing::ValuesIn(rows),
                         [](const testing::TestParamInfo<Row>& row) { return row.param.name; });

// The sign of the speed exponent, cutter by cutter: four times the speed multiplies Pz by 4^-w,
// so carbide and ceramic end mills on steel (w = -0.13) meet a larger force, the ceramic disc
// mill on steel (w = 0.1) a smaller one, and the others the same.
TEST(MillingSpeedExponentTest, FourTimesTheSpeed) {
    struct Case {
        Cutter cutter;
        ToolMaterial tool;
        WorkMaterial work;
        double factor;
    };
    const Case cases[] = {
        {Cutter::Cylindrical, Tool::Carbide, Work::Steel, 1.0},
        {Cutter::EndFace, Tool::HighSpeedSteel, Work::Steel, 1.0},
        {Cutter::EndFace, Tool::Carbide, Work::Steel, std::pow(4.0, 0.13)},
        {Cutter::EndSide, Tool::MineralCeramics, Work::Steel, std::pow(4.0, 0.13)},
        {Cutter::EndSide, Tool::Carbide, Work::CastIron, 1.0},
        {Cutter::Disc, Tool::MineralCeramics, Work::Steel, std::pow(4.0, -0.1)},
        {Cutter::Disc, Tool::MineralCeramics, Work::CastIron, 1.0},
    };
    for (const Case& c : cases) {
        const MillingInputs slow{50, 6, 20, 3, 750, 0.1, 40};
        MillingInputs fast = slow;
        fast.v = 160;
        const double ratio = millingOf(c.cutter, c.tool, c.work, fast, 30).forces.Pz /
                             millingOf(c.cutter, c.tool, c.work, slow, 30).forces.Pz;
        EXPECT_NEAR(ratio, c.factor, 1e-12)
            << static_cast<int>(c.cutter) << " " << index(c.tool) << " " << index(c.work);
    }
}

} // namespace
