// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/calc/parsenumber.h"

#include <gtest/gtest.h>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

namespace {

struct ParseCase {
    const char* name;
    std::string text;
    double expected;
};

class ParseNumberTest : public testing::TestWithParam<ParseCase> {};

TEST_P(ParseNumberTest, ReadsTheBoxText) {
    EXPECT_DOUBLE_EQ(ParseNumber(GetParam().text), GetParam().expected);
}

const double infinity = std::numeric_limits<double>::infinity();
const std::string zeros400(400, '0');

// A box the user left empty or filled with words counts as 0 ("not entered"). Point notation
// reads the leading number; when the last separator is a comma, the whole text must be a number
// written with a decimal comma.
INSTANTIATE_TEST_SUITE_P(
    Texts, ParseNumberTest,
    testing::Values(ParseCase{"Empty", "", 0}, ParseCase{"Word", "abc", 0},
                    ParseCase{"UnitAfterNumber", "7 мм", 7},
                    ParseCase{"BlanksInsidePointNotation", "1 000.5", 1000.5},
                    ParseCase{"CommaStopsPointNotation", "12,5.3", 12},
                    ParseCase{"DecimalComma", "3,5", 3.5},
                    ParseCase{"DecimalCommaNotRounded", "0,125", 0.125},
                    ParseCase{"DecimalCommaThreePlaces", "3,456", 3.456},
                    ParseCase{"DecimalPointThreePlaces", "3.456", 3.456},
                    ParseCase{"CommaWithUnitIsNoNumber", "12,5 мм", 0},
                    ParseCase{"TwoCommasIsNoNumber", "1,2,3", 0},
                    ParseCase{"NegativePoint", "-2.5", -2.5},
                    ParseCase{"NegativeComma", "-3,5", -3.5}, ParseCase{"NoLeadingZero", ".5", 0.5},
                    ParseCase{"Exponent", "1e3", 1000}, ParseCase{"ExponentWithoutDigits", "2e", 2},
                    ParseCase{"OverflowIsInfinite", "1e999", infinity},
                    ParseCase{"UnderflowIsZero", "1e-999", 0},
                    ParseCase{"UnderflowWithoutExponentIsZero", "0," + zeros400 + "1", 0},
                    ParseCase{"UnderflowWithPointIsZero", "0." + zeros400 + "1", 0},
                    ParseCase{"LongIntegerIsInfinite", "1" + zeros400, infinity},
                    ParseCase{"ZerosBeforeAHugeExponent", "0.0001e400", infinity}),
    [](const testing::TestParamInfo<ParseCase>& row) { return row.param.name; });

// The row-number box and the input-box answers: a leading number in point notation, rounded half
// to even, refused outside the 16-bit range.
TEST(LeadingIntegerTest, RoundsHalfToEvenWithinSixteenBits) {
    struct Case {
        std::string_view text;
        std::optional<int> expected;
    };
    const Case cases[] = {
        {"2", 2},         {" 3 ", 3},         {"2,7", 2},
        {"2.5", 2},       {"3.5", 4},         {"-1", -1},
        {"", 0},          {"abc", 0},         {"40000", std::nullopt},
        {"32767", 32767}, {"-32768", -32768}, {"32767.6", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(leadingInteger(c.text), c.expected);
    }
}

} // namespace
