// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/calc/calculationflow.h"
#include "core/calc/feedrates.h"
#include "core/operations/registry.h"
#include "support/workedexample.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace {

struct RateCase {
    const char* operation;
    std::vector<std::pair<Key, double>> inputs;
    double n;
    double Sm;
    std::optional<double> To, Q;
};

// Each family on a case worked by hand; π = 3,14159265.
TEST(FeedRates, EachFamilyOnAHandWorkedRow) {
    const RateCase cases[] = {
        // 0,1·10·318,47 = 318,47 mm/min; 200/318,47 = 0,62800 min; 2·50·318,47/1000 = 31,847.
        {"face-milling",
         {{Key::s, 0.1}, {Key::z, 10}, {Key::t, 2}, {Key::B, 50}, {Key::L, 200}},
         318.47,
         318.47,
         0.628003,
         31.847},
        // 0,2·500 = 100 mm/min; 120/100 = 1,2 min; 80·0,2·1,5 = 24 cm³/min.
        {"boring", {{Key::s, 0.2}, {Key::v, 80}, {Key::t, 1.5}, {Key::L, 120}}, 500, 100, 1.2, 24},
        // 0,25·400 = 100; 50/100 = 0,5; π·20²/4·100/1000 = 10π = 31,4159.
        {"drilling", {{Key::s, 0.25}, {Key::D, 20}, {Key::L, 50}}, 400, 100, 0.5, 31.415927},
        // d = 30 − 2·5 = 20; π·(900 − 400)/4·100/1000 = 12,5π = 39,2699; no L, no To.
        {"core-drilling",
         {{Key::s, 0.5}, {Key::D, 30}, {Key::t, 5}},
         200,
         100,
         std::nullopt,
         39.269908},
        // P·n = 2·100 = 200 mm/min; 6 passes of 40 mm: 240/200 = 1,2 min; no removal rate.
        {"thread-cutter",
         {{Key::s, 2}, {Key::passes, 6}, {Key::L, 40}},
         100,
         200,
         1.2,
         std::nullopt},
        // A tap goes once whatever the passes box holds: 30/(1,5·200) = 0,1 min.
        {"thread-tap",
         {{Key::s, 1.5}, {Key::passes, 3}, {Key::L, 30}},
         200,
         300,
         0.1,
         std::nullopt},
    };
    for (const RateCase& c : cases) {
        SCOPED_TRACE(c.operation);
        CalcInputs in;
        for (const auto& [key, value] : c.inputs) {
            in[key] = value;
        }
        const FeedRates rates = feedRates(findOperation(c.operation)->removal, in, c.n);
        EXPECT_NEAR(rates.Sm, c.Sm, 1e-9);
        ASSERT_EQ(rates.To.has_value(), c.To.has_value());
        ASSERT_EQ(rates.Q.has_value(), c.Q.has_value());
        if (c.To) {
            EXPECT_NEAR(*rates.To, *c.To, 1e-6);
        }
        if (c.Q) {
            EXPECT_NEAR(*rates.Q, *c.Q, 1e-6);
        }
    }
}

// A shared sub-operation none of the window's own: a milling window still mills, hole-making
// other than drilling widens a hole, as the formulas of those windows do.
TEST(FeedRates, ForeignSubOperationTakesTheFormulaTheWindowComputes) {
    EXPECT_EQ(calculation(1).removalOf(3), RemovalFormula::milling);
    EXPECT_EQ(calculation(6).removalOf(0), RemovalFormula::enlarging);
    EXPECT_EQ(calculation(6).removalOf(1), RemovalFormula::drilling);
    EXPECT_EQ(calculation(5).removalOf(0), RemovalFormula::turning);
    EXPECT_EQ(calculation(7).removalOf(1), RemovalFormula::threadingPasses);
}

TEST(FeedRates, TravelIsOptionalAndABadOneIsRefused) {
    const std::pair<const char*, std::optional<double>> accepted[] = {
        {"", std::nullopt}, {"  ", std::nullopt}, {"200", 200}, {" 12,5 ", 12.5}};
    for (const auto& [text, length] : accepted) {
        const Travel travel = readTravel(text);
        EXPECT_EQ(travel.L, length) << text;
        EXPECT_EQ(travel.error, "") << text;
    }
    for (const std::string text : {"0", "-5", "abc", "12x", "1e999"}) {
        const Travel travel = readTravel(text);
        EXPECT_FALSE(travel.L) << text;
        EXPECT_EQ(travel.error, "НЕВЕРНАЯ ДЛИНА РАБОЧЕГО ХОДА: " + text + "!!!");
    }
}

// "РАСЧЁТ" of the worked example with L = 200 mm: n = 1000·100/(3,14·100) = 318,47 rev/min, and
// the row carries Sм, To, Q and H; a bad L refuses the row and points at its box.
TEST(FeedRates, TheFlowAddsTheRatesToTheRow) {
    const CalcInputs example = faceMillingExample();
    CalcRequest request;
    for (const NumericBox& box : calculation(1).window.boxes) {
        request.values.push_back(example[box.key]);
    }
    request.work = 1;
    request.tool = 2;
    request.travel = "200";
    CalcState state;
    Unanswered none;
    CalcRequest bad = request;
    const CalcOutcome outcome = runCalculation(calculation(1), request, state, none);
    ASSERT_EQ(outcome.status, CalcOutcome::Status::Computed);
    const RowResults& row = outcome.row.results;
    EXPECT_NEAR(*row.Sm, 318.47, 0.005);
    EXPECT_NEAR(*row.To, 0.62800, 0.000005);
    EXPECT_NEAR(*row.Q, 31.847, 0.0005);
    EXPECT_EQ(row.H, 750);
    EXPECT_FALSE(row.angle);

    bad.travel = "-1";
    const CalcOutcome refused = runCalculation(calculation(1), bad, state, none);
    EXPECT_EQ(refused.status, CalcOutcome::Status::Refused);
    EXPECT_EQ(refused.message, "НЕВЕРНАЯ ДЛИНА РАБОЧЕГО ХОДА: -1!!!");
    EXPECT_TRUE(refused.focusTravel);
}

} // namespace
