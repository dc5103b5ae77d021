// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/calc/numberformat.h"
#include "core/operations/threads/threadcutting.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

constexpr ToolMaterial hss = ToolMaterial::HighSpeedSteel;
constexpr WorkMaterial steel = WorkMaterial::Steel;

void expectSameResult(const ThreadResult& a, const ThreadResult& b) {
    EXPECT_EQ(a.Kmp, b.Kmp);
    EXPECT_EQ(a.n, b.n);
    EXPECT_EQ(a.Pz, b.Pz);
    EXPECT_EQ(a.M, b.M);
    EXPECT_EQ(a.N, b.N);
}

// A high-speed steel cutter on 750 MPa steel, thread D 20 pitch 2.5 in 6 passes at 20 m/min:
// Pz = 10·148·P^1.7 / i^0.71.
TEST(ThreadCuttingTest, CutterInSteel) {
    const ThreadResult r =
        threadCutting(ThreadTool::Cutter, hss, steel, WorkpieceInputs{20, 1.5, 750, 2.5, 20}, 6);
    EXPECT_EQ(roundedIntegerText(r.n), "318");
    const double Pz = std::pow(2.5, 1.7) * 1480 / std::pow(6, 0.71);
    EXPECT_NEAR(r.Pz, Pz, 1e-9 * Pz);
    EXPECT_EQ(fixedText(r.Pz, 1, '.'), "1969.1");
    EXPECT_EQ(fixedText(r.M, 3, '.'), "19.691");
    EXPECT_EQ(fixedText(r.N, 3, '.'), "0.644");
}

// A high-speed steel tap M20×2.5 at 10 m/min: M = 10·0.027·D^1.4·P^1.5, no cutting force.
TEST(ThreadCuttingTest, TapInSteel) {
    const ThreadResult r =
        threadCutting(ThreadTool::Tap, hss, steel, WorkpieceInputs{20, 1.5, 750, 2.5, 10}, 1);
    EXPECT_EQ(roundedIntegerText(r.n), "159");
    const double M = std::pow(20, 1.4) * 0.27 * std::pow(2.5, 1.5);
    EXPECT_NEAR(r.M, M, 1e-9 * M);
    EXPECT_EQ(fixedText(r.M, 3, '.'), "70.748");
    EXPECT_EQ(fixedText(r.N, 3, '.'), "1.155");
    EXPECT_EQ(r.Pz, 0.0);
}

// A die loads like a tap; the depth of cut plays no part in threading.
TEST(ThreadCuttingTest, DieAndDepthIgnored) {
    const WorkpieceInputs in{12, 0.5, 900, 1.75, 6};
    WorkpieceInputs deeper = in;
    deeper.t = 4;
    const ThreadResult tap = threadCutting(ThreadTool::Tap, hss, steel, in, 4);
    expectSameResult(threadCutting(ThreadTool::Die, hss, steel, in, 4), tap);
    expectSameResult(threadCutting(ThreadTool::Tap, hss, steel, deeper, 4), tap);
    expectSameResult(threadCutting(ThreadTool::Cutter, hss, steel, deeper, 4),
                     threadCutting(ThreadTool::Cutter, hss, steel, in, 4));
}

// No carbide tap data for aluminium: the torque is 10·Kmp, Kmp 2.0 at 300 MPa.
TEST(ThreadCuttingTest, CarbideTapInAluminium) {
    const WorkpieceInputs sets[] = {{20, 1, 300, 2.5, 15}, {8, 1, 300, 1.25, 30}};
    for (const WorkpieceInputs& in : sets) {
        SCOPED_TRACE(testing::Message() << "D " << in.D << ", pitch " << in.s);
        const ThreadResult r = threadCutting(ThreadTool::Tap, ToolMaterial::Carbide,
                                             WorkMaterial::AluminiumAlloy, in, 1);
        EXPECT_EQ(r.M, 20.0);
    }
}

// Spreading the thread over more passes thins each chip: 6 passes instead of 3 lower Pz by 2^0.71.
TEST(ThreadCuttingTest, MorePassesLowerTheForce) {
    const WorkpieceInputs in{30, 2, 750, 2, 25};
    const ThreadResult three = threadCutting(ThreadTool::Cutter, hss, steel, in, 3);
    const ThreadResult six = threadCutting(ThreadTool::Cutter, hss, steel, in, 6);
    EXPECT_LT(six.Pz, three.Pz);
    EXPECT_NEAR(three.Pz / six.Pz, std::pow(2.0, 0.71), 1e-9);
}

} // namespace
