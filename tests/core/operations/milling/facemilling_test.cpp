// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/calc/numberformat.h"
#include "core/operations/milling/facemilling.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

// Carbide face mill D 100, 10 teeth, on 750 MPa steel: B 50, t 2, s 0.1 mm/tooth, v 100 m/min.
TEST(FaceMillingTest, WorkedExample) {
    const MillingInputs in{100, 10, 50, 2, 750, 0.1, 100};
    const MillingResult r = faceMilling(ToolMaterial::Carbide, WorkMaterial::Steel, in);
    EXPECT_NEAR(r.forces.n, 318.471, 0.001);
    EXPECT_EQ(roundedIntegerText(r.forces.n), "318");
    EXPECT_DOUBLE_EQ(r.forces.Kmp, 1.0);
    EXPECT_NEAR(r.forces.Pz, 1720.83, 0.01);
    EXPECT_EQ(fixedText(r.forces.Pz, 1, '.'), "1720.8");
    EXPECT_EQ(fixedText(r.Py, 1, '.'), "688.3");
    EXPECT_EQ(fixedText(r.Px, 1, '.'), "860.4");
    EXPECT_EQ(fixedText(r.forces.M, 3, '.'), "86.041");
    EXPECT_EQ(fixedText(r.forces.N, 3, '.'), "2.812");
}

// The speed exponent w: zero for high-speed steel, so the force ignores the speed; 0.2 for
// carbide on steel, so a threefold speed lowers the force by 3^0.2.
TEST(FaceMillingTest, SpeedExponent) {
    MillingInputs slow{100, 10, 50, 2, 750, 0.1, 30};
    MillingInputs fast = slow;
    fast.v = 300;
    const MillingResult hssSlow =
        faceMilling(ToolMaterial::HighSpeedSteel, WorkMaterial::Steel, slow);
    const MillingResult hssFast =
        faceMilling(ToolMaterial::HighSpeedSteel, WorkMaterial::Steel, fast);
    EXPECT_DOUBLE_EQ(hssSlow.forces.Pz, hssFast.forces.Pz);
    EXPECT_NEAR(hssFast.forces.n / hssSlow.forces.n, 10.0, 1e-9);

    MillingInputs mid = slow;
    mid.v = 100;
    const double Pz100 = faceMilling(ToolMaterial::Carbide, WorkMaterial::Steel, mid).forces.Pz;
    const double Pz300 = faceMilling(ToolMaterial::Carbide, WorkMaterial::Steel, fast).forces.Pz;
    EXPECT_LT(Pz300, Pz100);
    EXPECT_NEAR(Pz100 / Pz300, std::pow(3.0, 0.2), 1e-9);
}

struct HandbookCase {
    const char* name;
    ToolMaterial tool;
    WorkMaterial work;
    MillingInputs in;
    double Cp, x, y, u, q, w, Kmp;
};

class FaceMillingHandbookTest : public testing::TestWithParam<HandbookCase> {};

// Pz = 10 Cp t^x s^y B^u z / (D^q n^w) Kmp with the handbook coefficients written out here.
TEST_P(FaceMillingHandbookTest, ForceLaw) {
    const HandbookCase& c = GetParam();
    const MillingInputs& in = c.in;
    const double n = in.v * 1000 / (3.14 * in.D);
    const double expected = 10 * c.Cp * std::pow(in.t, c.x) * std::pow(in.s, c.y) *
                            std::pow(in.B, c.u) * in.z / (std::pow(in.D, c.q) * std::pow(n, c.w)) *
                            c.Kmp;
    const MillingResult r = faceMilling(c.tool, c.work, in);
    EXPECT_NEAR(r.forces.n, n, 1e-9 * n);
    EXPECT_NEAR(r.forces.Kmp, c.Kmp, 1e-12);
    EXPECT_NEAR(r.forces.Pz, expected, 1e-9 * expected);
    EXPECT_NEAR(r.Py, 0.4 * expected, 1e-9 * expected);
    EXPECT_NEAR(r.Px, 0.5 * expected, 1e-9 * expected);
}

INSTANTIATE_TEST_SUITE_P(
    Materials, FaceMillingHandbookTest,
    testing::Values(HandbookCase{"HssOnCastIron", ToolMaterial::HighSpeedSteel,
                                 WorkMaterial::CastIron, MillingInputs{80, 8, 60, 3, 250, 0.15, 25},
                                 50, 0.9, 0.72, 1.14, 1.14, 0, std::pow(250.0 / 190, 0.55)},
                    HandbookCase{"CeramicsOnSoftCopper", ToolMaterial::MineralCeramics,
                                 WorkMaterial::CopperAlloy,
                                 MillingInputs{125, 12, 90, 1.5, 100, 0.08, 400}, 5, 0.95, 0.8, 1.1,
                                 1.1, 0, 1.0},
                    HandbookCase{"CarbideOnSofterSteel", ToolMaterial::Carbide, WorkMaterial::Steel,
                                 MillingInputs{160, 14, 120, 4, 600, 0.12, 150}, 825, 1.0, 0.75,
                                 1.1, 1.3, 0.2, std::pow(0.8, 0.3)}),
    [](const testing::TestParamInfo<HandbookCase>& row) { return row.param.name; });

} // namespace
