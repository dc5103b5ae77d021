// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/plot/axisticks.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

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

// Qt's axis walks its ticks from the first multiple of the step on: a step below the spacing of
// doubles never gets past the first, and it adds ticks without end.
TEST(AxisTicks, RangesTheAxisCannotLayOutAreRefused) {
    const std::string beyond = "ДИАПАЗОН ГРАФИКА ДОЛЖЕН ЛЕЖАТЬ ОТ -1000000000 ДО 1000000000!!!";
    const std::string reversed = "НАЧАЛО ДИАПАЗОНА ДОЛЖНО БЫТЬ МЕНЬШЕ КОНЦА!!!";
    const std::string narrow =
        "ДИАПАЗОН СЛИШКОМ УЗОК: КОНЕЦ ДОЛЖЕН БЫТЬ БОЛЬШЕ НАЧАЛА НЕ МЕНЕЕ ЧЕМ НА ";
    const double largest = std::numeric_limits<double>::max();
    const struct {
        double from, to;
        std::string refusal; // empty where drawn
    } cases[] = {
        {0.1, 0.10000000000000002, narrow + "0,000001!!!"},
        {1e20, 100000000000000016384.0, beyond},
        {-largest, largest, beyond},
        {0, 1e9 * (1 + 1e-15), beyond},
        {2.5, 2.5, reversed},
        {600, 150, reversed},
        {-0.0, 0.0, reversed},
        {0.1, 0.1000009, narrow + "0,000001!!!"},
        {150, 150.0009, narrow + "0,001!!!"},
        {1e9 - 999, 1e9, narrow + "1000!!!"},
        {0.1, 0.100002, ""},
        {-150.002, -150, ""},
        {1e9 - 1000, 1e9, ""},
        {-1e9, 1e9, ""},
        {5e-324, 1, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.from) + " " + std::to_string(c.to));
        const AxisTicks ticks = inputTicks(c.from, c.to);
        EXPECT_EQ(ticks.refusal, c.refusal);
        if (!c.refusal.empty()) {
            continue;
        }
        // About eight intervals, walked to the end, each a step the labels show.
        const int count = inputTickCount(c.from, c.to, ticks);
        EXPECT_GE(count, 4);
        EXPECT_LE(count, maxInputTicks);
        EXPECT_LE(ticks.decimals, maxDecimals);
        EXPECT_LE(readingDecimals(c.from, c.to), maxDecimals);
    }
}

TEST(AxisTicks, ValueAxesOfAnyTopAreFinite) {
    // Tops no curve of a real cut reaches still give a step the axis can label.
    const double tops[] = {std::numeric_limits<double>::quiet_NaN(),
                           std::numeric_limits<double>::infinity(),
                           1e300,
                           5e-324,
                           -1,
                           0};
    std::array<AxisContent, valueAxisCount> content{};
    for (std::size_t i = 0; i < valueAxisCount; ++i) {
        content[i] = {tops[i], true};
    }
    for (const ValueScale& scale : valueScales(content)) {
        EXPECT_TRUE(std::isfinite(scale.max) && scale.step > 0) << scale.step;
        EXPECT_LE(scale.max, 2 * largestValueTop);
        EXPECT_LE(scale.decimals, maxDecimals);
    }
}

TEST(AxisTicks, ReadingDecimalsFollowThePointSpacing) {
    EXPECT_EQ(readingDecimals(0.05, 0.4), 3); // 0,00175 apart
    EXPECT_EQ(readingDecimals(0, 2), 2);      // 0,01 apart exactly
    EXPECT_EQ(readingDecimals(200, 400), 0);  // 1 apart
    EXPECT_EQ(readingDecimals(0, 1000), 0);   // 5 apart: never negative
    // No range drawn yet: never more decimals than a label shows.
    EXPECT_EQ(readingDecimals(0, 0), maxDecimals);
    EXPECT_EQ(readingDecimals(0, 1e-300), maxDecimals);
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
    for (const ValueAxis axis : {ValueAxis::force, ValueAxis::power, ValueAxis::torque}) {
        EXPECT_TRUE(scales[axisIndex(axis)].visible);
    }
    for (const ValueAxis axis :
         {ValueAxis::minuteFeed, ValueAxis::mainTime, ValueAxis::removalRate}) {
        EXPECT_FALSE(scales[axisIndex(axis)].visible);
    }
}

TEST(AxisTicks, RatesTakeTheClearestStepAfterTheForces) {
    // The example above, L = 200: n = 1000·100/(3,14·100) = 318,47, Sм = 0,1·10·n = 318,47,
    // Q = 2·50·Sм/1000 = 31,847 (Sм/10: the same height at the same mantissa), To = 200/Sм =
    // 0,628. The power, the torque and the forces keep 0,937, 0,674 and 0,421 of the height.
    // Sм: 67,5 → 80 fills 0,796, 0,122 from the torque's.
    // Q: 8 fills 0,796 (Sм's), 10 0,637, 12 0,531, 15 0,425, 20 0,318: none is 0,12 clear; 12 is
    // the clearest (0,109 from the forces' 0,421, against 0,103 at 20).
    // To: 0,15 fills 0,837, 0,2 0,628, 0,25 0,502, 0,3 0,419, 0,4 0,314: 0,4 is the clearest
    // (0,107 from 0,421).
    std::array<AxisContent, valueAxisCount> content{};
    const double Sm = 1000 / 3.14;
    const std::pair<ValueAxis, double> tops[] = {
        {ValueAxis::force, 1686},          {ValueAxis::power, 2.81},
        {ValueAxis::torque, 84.3},         {ValueAxis::minuteFeed, Sm},
        {ValueAxis::removalRate, Sm / 10}, {ValueAxis::mainTime, 200 / Sm}};
    for (const auto& [axis, top] : tops) {
        content[axisIndex(axis)] = {top, true};
    }
    const auto scales = valueScales(content);
    const std::pair<ValueAxis, double> steps[] = {
        {ValueAxis::force, 800},     {ValueAxis::power, 0.6},      {ValueAxis::torque, 25},
        {ValueAxis::minuteFeed, 80}, {ValueAxis::removalRate, 12}, {ValueAxis::mainTime, 0.4}};
    for (const auto& [axis, step] : steps) {
        const ValueScale& scale = scales[axisIndex(axis)];
        EXPECT_DOUBLE_EQ(scale.step, step) << axisIndex(axis);
        EXPECT_DOUBLE_EQ(scale.max, 5 * step) << axisIndex(axis);
        EXPECT_TRUE(scale.visible) << axisIndex(axis);
    }
    EXPECT_EQ(scales[axisIndex(ValueAxis::mainTime)].decimals, 1);
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
