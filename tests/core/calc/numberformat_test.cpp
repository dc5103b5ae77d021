// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/calc/numberformat.h"
#include "support/commalocale.h"

#include <gtest/gtest.h>
#include <string>

namespace {

using PlainTextTest = CommaLocaleTest;
using FixedTextTest = CommaLocaleTest;
using RoundedIntegerTextTest = CommaLocaleTest;

// The plain form the grid uses for the inputs: 15 significant digits, no trailing zeros,
// exponent form from 1E+15 up and below 1E-4.
TEST_F(PlainTextTest, FifteenDigitsAndExponentForm) {
    struct Case {
        double value;
        char separator;
        std::string expected;
    };
    const Case cases[] = {
        {3, '.', "3"},
        {0.5, ',', "0,5"},
        {1720.83, '.', "1720.83"},
        {-2.5, '.', "-2.5"},
        {0.1 + 0.2, '.', "0.3"},
        {123456789012345, '.', "123456789012345"},
        {1e15, '.', "1E+15"},
        {1e20, '.', "1E+20"},
        {0.0001, '.', "0.0001"},
        {0.00001, '.', "1E-05"},
        {1.5e-05, ',', "1,5E-05"},
        {1.5e-05, '.', "1.5E-05"},
        {0, '.', "0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(plainText(c.value, c.separator), c.expected);
    }
}

// Forces, torque and power: a fixed number of decimals, halves away from zero after the value
// is taken to 15 significant digits (so binary neighbours of 0.25 or 1.005 round as on paper).
TEST_F(FixedTextTest, HalvesAwayFromZero) {
    struct Case {
        double value;
        int decimals;
        char separator;
        std::string expected;
    };
    const Case cases[] = {
        {0.25, 1, '.', "0.3"},          {0.0625, 3, '.', "0.063"},
        {-0.25, 1, '.', "-0.3"},        {1.005, 2, '.', "1.01"},
        {9.96, 1, '.', "10.0"},         {0, 1, '.', "0.0"},
        {22.48, 0, '.', "22"},          {1720.83, 1, ',', "1720,8"},
        {636.942675, 2, '.', "636.94"}, {1e20, 1, '.', "100000000000000000000.0"},
        {-0.0001, 1, '.', "0.0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(fixedText(c.value, c.decimals, c.separator), c.expected);
    }
}

// The spindle speed as a whole number: halves to the even neighbour, with no 16-bit limit.
TEST_F(RoundedIntegerTextTest, HalvesToEven) {
    struct Case {
        double value;
        std::string expected;
    };
    const Case cases[] = {
        {2.5, "2"},   {3.5, "4"},         {318.47, "318"},    {1432.5, "1432"}, {96.5, "96"},
        {97.5, "98"}, {32767.5, "32768"}, {40000.4, "40000"}, {-0.4, "0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(roundedIntegerText(c.value), c.expected);
    }
}

} // namespace
