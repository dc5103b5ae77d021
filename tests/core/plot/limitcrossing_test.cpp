// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/operations/milling/facemilling.h"
#include "core/operations/registry.h"
#include "core/plot/limitcrossing.h"
#include "support/testmachines.h"
#include "support/workedexample.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

// Face milling with a carbide cutter in steel: Pz grows as s^y and falls as n^w, and N = Pz·v/60000
// and M = Pz·D/2000 follow it; the crossings solve those laws by hand.
const MillingCoefficients& law() {
    return faceMillingTable[index(ToolMaterial::Carbide)][index(WorkMaterial::Steel)];
}

RowResults example() {
    return calculation(1).compute(faceMillingExample()).row;
}

// Where the power, growing as x^exponent from the example's value of x, reaches the 6Р12's 6 kW
// at the spindle (7,5 kW at η 0,8).
double spindleReachedAt(double x, double exponent) {
    return x * std::pow(6 / *example().N, 1 / exponent);
}

ChartLimits on6R12(Key varied, double from, double to) {
    return chartLimits(calculation(1), faceMillingExample(), mill6R12(), varied, from, to);
}

TEST(LimitCrossing, FeedWhereThePowerReachesTheSpindle) {
    // N(s) = N(0,1)·(s/0,1)^y = 6 kW.
    const double feed = spindleReachedAt(0.1, law().y);
    ASSERT_NEAR(feed, 0.2747, 5e-4);
    const ChartLimits limits = on6R12(Key::s, 0.05, 0.4);
    ASSERT_TRUE(limits.power.level);
    EXPECT_DOUBLE_EQ(*limits.power.level, 6);
    ASSERT_TRUE(limits.power.crossing);
    EXPECT_NEAR(limits.power.crossing->x, feed, 1e-9);
    EXPECT_TRUE(limits.power.crossing->rising);
    // As the feed box takes it, rounded down so that it still keeps the limit.
    EXPECT_EQ(limits.power.crossing->labelDecimals, 3);
    EXPECT_DOUBLE_EQ(limits.power.crossing->label, 0.274);
    // The mill has no torque in its passport.
    EXPECT_FALSE(limits.torque.level);
    EXPECT_FALSE(limits.torque.crossing);
}

TEST(LimitCrossing, OutsideTheRangeOnlyTheLevel) {
    const ChartLimits limits = on6R12(Key::s, 0.05, 0.27);
    ASSERT_TRUE(limits.power.level);
    EXPECT_DOUBLE_EQ(*limits.power.level, 6);
    EXPECT_FALSE(limits.power.crossing);
    const ChartLimits none =
        chartLimits(calculation(1), faceMillingExample(), std::nullopt, Key::s, 0.05, 0.4);
    EXPECT_FALSE(none.power.level);
    EXPECT_FALSE(none.torque.level);
}

TEST(LimitCrossing, TorqueFallingWithTheSpeedIsRoundedUp) {
    // M ∝ n^-w ∝ v^-0,2: at 0,9 of the example's torque the speed is 100·0,9^(-1/0,2) = 169,35
    // m/min, and the torque holds above it, so the label rounds up to 169,4.
    Machine machine;
    machine.torqueMax = 0.9 * *example().M;
    const double speed = 100 * std::pow(0.9, -1 / law().w);
    ASSERT_NEAR(speed, 169.3509, 1e-4);
    const ChartLimits limits =
        chartLimits(calculation(1), faceMillingExample(), machine, Key::v, 50, 200);
    EXPECT_FALSE(limits.power.level);
    EXPECT_EQ(limits.torque.level, machine.torqueMax);
    ASSERT_TRUE(limits.torque.crossing);
    EXPECT_NEAR(limits.torque.crossing->x, speed, 1e-6);
    EXPECT_FALSE(limits.torque.crossing->rising);
    EXPECT_EQ(limits.torque.crossing->labelDecimals, 1);
    EXPECT_DOUBLE_EQ(limits.torque.crossing->label, 169.4);
}

TEST(LimitCrossing, OtherInputsRoundAsTheChartReads) {
    // The width: Pz ∝ B^u, N(B) = N(50)·(B/50)^u = 6 kW; read to 200 points over 20..120 mm,
    // half a millimetre apart, so to one decimal, down: 99,589 reads 99,5.
    const double width = spindleReachedAt(50, law().u);
    ASSERT_NEAR(width, 99.589, 1e-3);
    const ChartLimits limits = on6R12(Key::B, 20, 120);
    ASSERT_TRUE(limits.power.crossing);
    EXPECT_NEAR(limits.power.crossing->x, width, 1e-6 * width);
    EXPECT_EQ(limits.power.crossing->labelDecimals, 1);
    EXPECT_DOUBLE_EQ(limits.power.crossing->label, 99.5);
}

TEST(LimitCrossing, NoneWhereItReadsAsZero) {
    // 1e-4 kW at the spindle: the power reaches it at s = 1,17e-7 mm/tooth, 0 as the feed box
    // takes it, inside the range drawn.
    Machine weak;
    weak.power = 0.01;
    weak.efficiency = 0.01;
    // The width: N(B) = N(50)·(B/50)^u reaches the spindle at 0,3 mm, which a chart from 0 to
    // 1000 mm reads to whole millimetres: 0.
    Machine narrowCut;
    narrowCut.power = *example().N * std::pow(0.3 / 50, law().u);
    narrowCut.efficiency = 1;
    struct Case {
        const char* name;
        const Machine& machine;
        Key varied;
        double from, to;
    };
    for (const Case& c :
         {Case{"feed", weak, Key::s, 0, 0.4}, Case{"width", narrowCut, Key::B, 0, 1000}}) {
        SCOPED_TRACE(c.name);
        const ChartLimits limits =
            chartLimits(calculation(1), faceMillingExample(), c.machine, c.varied, c.from, c.to);
        EXPECT_TRUE(limits.power.level);
        EXPECT_FALSE(limits.power.crossing) << limits.power.crossing->label;
    }
}

} // namespace
