// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/calc/numberformat.h"
#include "core/operations/turning/turning.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

void expectSameLaw(const ForceLaw& a, const ForceLaw& b) {
    EXPECT_EQ(a.Cp, b.Cp);
    EXPECT_EQ(a.x, b.x);
    EXPECT_EQ(a.y, b.y);
    EXPECT_EQ(a.n, b.n);
}

void expectSameResult(const TurningResult& a, const TurningResult& b) {
    expectSameLaw(a.coefficients.Pz, b.coefficients.Pz);
    expectSameLaw(a.coefficients.Py, b.coefficients.Py);
    expectSameLaw(a.coefficients.Px, b.coefficients.Px);
    EXPECT_EQ(a.Kmp, b.Kmp);
    EXPECT_EQ(a.n, b.n);
    EXPECT_EQ(a.Pz, b.Pz);
    EXPECT_EQ(a.Py, b.Py);
    EXPECT_EQ(a.Px, b.Px);
    EXPECT_EQ(a.M, b.M);
    EXPECT_EQ(a.N, b.N);
}

// Carbide tool on 750 MPa steel, D 50, t 2, s 0.2 mm/rev, v 100 m/min: the carbide forces fall
// with the speed (Pz as v^-0.15, Py as v^-0.3, Px as v^-0.4).
TEST(TurningTest, CarbideOnSteel) {
    const WorkpieceInputs in{50, 2, 750, 0.2, 100};
    const TurningResult r = turning(ToolMaterial::Carbide, WorkMaterial::Steel, 1, in);
    EXPECT_DOUBLE_EQ(r.Kmp, 1.0);
    EXPECT_NEAR(r.Pz, 899.34, 0.01);
    EXPECT_EQ(fixedText(r.Pz, 1, '.'), "899.3");
    EXPECT_NEAR(r.n, 636.94, 0.01);
    EXPECT_EQ(fixedText(r.n, 2, '.'), "636.94");
    EXPECT_NEAR(r.M, 22.48, 0.01);
    EXPECT_EQ(fixedText(r.M, 0, '.'), "22");
    EXPECT_NEAR(r.N, 1.4695, 0.0001);
    EXPECT_EQ(fixedText(r.N, 3, '.'), "1.470");
    const double Py = 10 * 243 * std::pow(2, 0.9) * std::pow(0.2, 0.6) * std::pow(100, -0.3);
    const double Px = 10 * 339 * 2 * std::pow(0.2, 0.5) * std::pow(100, -0.4);
    EXPECT_NEAR(r.Py, Py, 1e-9 * Py);
    EXPECT_NEAR(r.Px, Px, 1e-9 * Px);

    // A carbide parting tool on steel has its own law, 10·408·t^0.72·s^0.8, and no Py or Px.
    const TurningResult g =
        turning(ToolMaterial::Carbide, WorkMaterial::Steel, groovingAndParting, in);
    const double Pz = 10 * 408 * std::pow(2, 0.72) * std::pow(0.2, 0.8);
    EXPECT_NEAR(g.Pz, Pz, 1e-9 * Pz);
    EXPECT_EQ(fixedText(g.Pz, 1, '.'), "1854.5");
    EXPECT_EQ(g.Py, 0.0);
    EXPECT_EQ(g.Px, 0.0);
}

// Longitudinal turning, facing and boring (kinds 1, 2, 4) all use the straight-tool tables.
TEST(TurningTest, StraightToolKindsAgree) {
    struct Case {
        ToolMaterial tool;
        WorkMaterial work;
        WorkpieceInputs in;
    };
    const Case cases[] = {
        {ToolMaterial::HighSpeedSteel, WorkMaterial::CopperAlloy, {80, 1.5, 100, 0.3, 60}},
        {ToolMaterial::MineralCeramics, WorkMaterial::CastIron, {120, 3, 250, 0.15, 300}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "tool " << static_cast<int>(c.tool));
        const TurningResult kind1 = turning(c.tool, c.work, 1, c.in);
        expectSameResult(turning(c.tool, c.work, 2, c.in), kind1);
        expectSameResult(turning(c.tool, c.work, 4, c.in), kind1);
    }
}

// A high-speed steel parting tool in aluminium alloy: Pz = 10·50·t·s·Kmp whatever the speed,
// Kmp 2.0 for 250-350 MPa.
TEST(TurningTest, GroovingLaws) {
    const WorkpieceInputs sets[] = {{40, 1.5, 300, 0.25, 200}, {60, 4, 300, 0.08, 45}};
    for (const WorkpieceInputs& in : sets) {
        SCOPED_TRACE(testing::Message() << "t " << in.t << ", s " << in.s);
        const TurningResult r = turning(ToolMaterial::HighSpeedSteel, WorkMaterial::AluminiumAlloy,
                                        groovingAndParting, in);
        const double Pz = 10 * 50 * in.t * in.s * 2.0;
        EXPECT_NEAR(r.Pz, Pz, 1e-9 * Pz);
        EXPECT_NEAR(r.M, Pz * in.D / 2000, 1e-9 * Pz);
    }

    // Carbide in cast iron has no grooving law of its own: the main force is the turning one.
    const WorkpieceInputs in{70, 2.5, 220, 0.2, 120};
    const TurningResult g =
        turning(ToolMaterial::Carbide, WorkMaterial::CastIron, groovingAndParting, in);
    const TurningResult t = turning(ToolMaterial::Carbide, WorkMaterial::CastIron, 1, in);
    expectSameLaw(g.coefficients.Pz, t.coefficients.Pz);
    EXPECT_EQ(g.Pz, t.Pz);
    EXPECT_EQ(g.M, t.M);
    EXPECT_EQ(g.N, t.N);
}

} // namespace
