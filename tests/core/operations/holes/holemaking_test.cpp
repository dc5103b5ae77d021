// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/calc/numberformat.h"
#include "core/operations/holes/holemaking.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

constexpr int enlarging = 2;
constexpr int coreDrilling = 3;

// A high-speed steel drill D 20 into 750 MPa steel, s 0.3 mm/rev, v 25 m/min: the drill cuts
// half its diameter, P0 = 10·68·D·s^0.7 and M = 10·0.0345·D²·s^0.8.
TEST(HoleMakingTest, DrillingSteel) {
    const HoleResult r = holeMaking(ToolMaterial::HighSpeedSteel, WorkMaterial::Steel, drilling,
                                    WorkpieceInputs{20, 0, 750, 0.3, 25});
    EXPECT_DOUBLE_EQ(r.t, 10.0);
    EXPECT_EQ(roundedIntegerText(r.n), "398");
    ASSERT_TRUE(r.P0 && r.M && r.N);
    EXPECT_NEAR(*r.P0, 5854.96, 0.01);
    EXPECT_EQ(fixedText(*r.P0, 1, '.'), "5855.0");
    EXPECT_EQ(fixedText(*r.M, 3, '.'), "52.672");
    EXPECT_EQ(fixedText(*r.N, 3, '.'), "2.151");
}

// Core drilling a 20 mm hole in 600 MPa steel, t 1.5, s 0.6, v 20; enlarging uses the same law.
TEST(HoleMakingTest, CoreDrillingSteel) {
    const WorkpieceInputs in{20, 1.5, 600, 0.6, 20};
    const HoleResult r =
        holeMaking(ToolMaterial::HighSpeedSteel, WorkMaterial::Steel, coreDrilling, in);
    EXPECT_NEAR(r.Kmp, std::pow(0.8, 0.3), 1e-12);
    EXPECT_NEAR(r.Kmp, 0.93525, 1e-5);
    EXPECT_EQ(roundedIntegerText(r.n), "318");
    ASSERT_TRUE(r.P0 && r.M && r.N);
    EXPECT_EQ(fixedText(*r.P0, 1, '.'), "731.3");
    EXPECT_EQ(fixedText(*r.M, 3, '.'), "16.114");
    EXPECT_EQ(fixedText(*r.N, 3, '.'), "0.526");

    const HoleResult e =
        holeMaking(ToolMaterial::HighSpeedSteel, WorkMaterial::Steel, enlarging, in);
    EXPECT_EQ(e.t, r.t);
    EXPECT_EQ(e.n, r.n);
    EXPECT_EQ(e.P0, r.P0);
    EXPECT_EQ(e.M, r.M);
    EXPECT_EQ(e.N, r.N);
}

// The handbook has no ceramics data: every sub-operation gives P0 = M = 10·Kmp (Kmp 1 here).
TEST(HoleMakingTest, CeramicsNeutral) {
    const WorkpieceInputs sets[] = {{20, 2, 750, 0.3, 40}, {45, 5.5, 750, 0.12, 150}};
    for (const WorkpieceInputs& in : sets) {
        for (int kind = drilling; kind <= reaming; ++kind) {
            SCOPED_TRACE(testing::Message() << "D " << in.D << ", kind " << kind);
            const HoleResult r =
                holeMaking(ToolMaterial::MineralCeramics, WorkMaterial::Steel, kind, in);
            ASSERT_TRUE(r.P0 && r.M && r.N);
            EXPECT_EQ(*r.P0, 10.0);
            EXPECT_EQ(*r.M, 10.0);
            const double n = in.v * 1000 / 3.14 / in.D;
            EXPECT_NEAR(*r.N, 10 * n / 9750, 1e-12);
        }
    }
}

// Steel and carbide reamers have no force data: the results stay empty, Kmp and n are shown.
TEST(HoleMakingTest, ReamingWithoutForces) {
    const WorkpieceInputs in{25, 0.2, 600, 1.2, 8};
    for (const ToolMaterial tool : {ToolMaterial::HighSpeedSteel, ToolMaterial::Carbide}) {
        SCOPED_TRACE(testing::Message() << "tool " << static_cast<int>(tool));
        const HoleResult r = holeMaking(tool, WorkMaterial::Steel, reaming, in);
        EXPECT_FALSE(r.coefficients);
        EXPECT_FALSE(r.P0 || r.M || r.N);
        EXPECT_NEAR(r.Kmp, std::pow(0.8, 0.3), 1e-12);
        EXPECT_NEAR(r.n, 8000 / 3.14 / 25, 1e-9);
    }
}

// Harder cast iron: carbide scales the forces as H/190, high-speed steel as (H/190)^0.55.
TEST(HoleMakingTest, CastIronHardness) {
    const WorkpieceInputs base{16, 0, 190, 0.25, 60};
    WorkpieceInputs hard = base;
    hard.H = 380;
    const auto drill = [](ToolMaterial tool, const WorkpieceInputs& in) {
        return holeMaking(tool, WorkMaterial::CastIron, drilling, in);
    };
    EXPECT_DOUBLE_EQ(drill(ToolMaterial::Carbide, base).Kmp, 1.0);
    EXPECT_DOUBLE_EQ(drill(ToolMaterial::Carbide, hard).Kmp, 2.0);
    EXPECT_DOUBLE_EQ(drill(ToolMaterial::HighSpeedSteel, hard).Kmp, std::pow(2.0, 0.55));
    EXPECT_DOUBLE_EQ(*drill(ToolMaterial::Carbide, hard).P0,
                     2 * *drill(ToolMaterial::Carbide, base).P0);
}

TEST(HoleMakingTest, DepthOfCut) {
    const WorkpieceInputs in{20, 7, 750, 0.2, 20};
    EXPECT_EQ(holeDepth(drilling, in), 10.0);
    EXPECT_EQ(holeDepth(enlarging, in), 7.0);
}

} // namespace
