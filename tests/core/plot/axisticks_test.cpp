// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/plot/axisticks.h"

#include <gtest/gtest.h>

namespace {

TEST(AxisTicks, InputAxisAboutEightIntervals) {
    // 0,3 / 8 = 0,0375: 0,01·m with m the first of 1, 2, 2,5, 5 not below 3,75.
    const AxisTicks feed = inputTicks(0.05, 0.35);
    EXPECT_DOUBLE_EQ(feed.step, 0.05);
    EXPECT_EQ(feed.decimals, 2);
    // 2 / 8 = 0,25 exactly is a step of its own.
    const AxisTicks quarter = inputTicks(1, 3);
    EXPECT_DOUBLE_EQ(quarter.step, 0.25);
    EXPECT_EQ(quarter.decimals, 2);
    // 450 / 8 = 56,25: past 5·10 to the next decade.
    const AxisTicks strength = inputTicks(150, 600);
    EXPECT_DOUBLE_EQ(strength.step, 100);
    EXPECT_EQ(strength.decimals, 0);
}

TEST(AxisTicks, ReadingDecimalsFollowThePointSpacing) {
    EXPECT_EQ(readingDecimals(0.05, 0.4), 3); // 0,00175 apart
    EXPECT_EQ(readingDecimals(0, 2), 2);      // 0,01 apart exactly
    EXPECT_EQ(readingDecimals(200, 400), 0);  // 1 apart
    EXPECT_EQ(readingDecimals(0, 1000), 0);   // 5 apart: never negative
}

TEST(AxisTicks, DecimalsOfAStep) {
    EXPECT_EQ(decimalsOf(0.6000000000000001), 1);
    EXPECT_EQ(decimalsOf(0.025), 3);
    EXPECT_EQ(decimalsOf(1.2), 1);
    EXPECT_EQ(decimalsOf(800), 0);
}

TEST(AxisTicks, ProportionalCurvesEachFillAHeightOfTheirOwn) {
    // The face-milling example: N 2,81 kW, M = 30·N = 84,3 N·m, Pz = 600·N = 1686 N.
    // Power: 2,81·1,06/5 = 0,596 → 0,6, the curve at 2,81/3 = 0,937 of the height.
    // Torque: 84,3·1,06/5 = 17,9 → 20 fills 0,843, within 0,12 of the power's: 25 fills 0,674.
    // Force: 1686·1,06/5 = 357 → 400 fills 0,843 (the power's), 500 fills 0,674 (the torque's),
    // 600 fills 0,562 (0,112 from the torque's), 800 fills 0,421.
    const auto scales = valueScales({{{1686, true}, {2.81, true}, {84.3, true}}});
    const ValueScale& power = scales[axisIndex(ValueAxis::power)];
    EXPECT_DOUBLE_EQ(power.step, 0.6);
    EXPECT_DOUBLE_EQ(power.max, 3);
    EXPECT_EQ(power.decimals, 1);
    const ValueScale& torque = scales[axisIndex(ValueAxis::torque)];
    EXPECT_DOUBLE_EQ(torque.step, 25);
    EXPECT_DOUBLE_EQ(torque.max, 125);
    EXPECT_EQ(torque.decimals, 0);
    const ValueScale& force = scales[axisIndex(ValueAxis::force)];
    EXPECT_DOUBLE_EQ(force.step, 800);
    EXPECT_DOUBLE_EQ(force.max, 4000);
    for (const ValueScale& scale : scales) {
        EXPECT_TRUE(scale.visible);
    }
}

TEST(AxisTicks, HiddenOrEmptyAxesCrowdNothing) {
    // The power hidden: the torque keeps its own 20 (0,843), and the forces move from 400 (0,843
    // too) only to 500 (0,674).
    const auto hidden = valueScales({{{1686, true}, {2.81, false}, {84.3, true}}});
    EXPECT_FALSE(hidden[axisIndex(ValueAxis::power)].visible);
    EXPECT_DOUBLE_EQ(hidden[axisIndex(ValueAxis::torque)].step, 20);
    EXPECT_DOUBLE_EQ(hidden[axisIndex(ValueAxis::force)].step, 500);
    // Nothing drawn: 0 to 1,25, as for a top of 1 (1,06/5 = 0,212 → 0,25).
    const auto empty = valueScales({});
    EXPECT_DOUBLE_EQ(empty[axisIndex(ValueAxis::force)].max, 1.25);
    EXPECT_EQ(empty[axisIndex(ValueAxis::force)].decimals, 2);
    EXPECT_FALSE(empty[axisIndex(ValueAxis::force)].visible);
}

} // namespace
