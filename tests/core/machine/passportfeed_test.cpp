// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/calc/feedrates.h"
#include "core/machine/machinecheck.h"
#include "core/machine/passportfeed.h"
#include "core/operations/registry.h"
#include "support/workedexample.h"

#include <gtest/gtest.h>

namespace {

CalcInputs withValues(CalcInputs in, int kind,
                      std::initializer_list<std::pair<Key, double>> values) {
    in.kind = kind;
    for (const auto& [key, value] : values) {
        in[key] = value;
    }
    return in;
}

// The face-milling example at 0,12 mm/tooth; the turning example; the drilling example.
const CalcInputs milling = withValues(faceMillingExample(), 0, {{Key::s, 0.12}});
const CalcInputs turning =
    withValues(CalcInputs{ToolMaterial::Carbide}, 1,
               {{Key::H, 750}, {Key::D, 50}, {Key::t, 2}, {Key::s, 0.2}, {Key::v, 100}});
const CalcInputs drilling = withValues(
    CalcInputs{}, 1, {{Key::H, 750}, {Key::D, 20}, {Key::t, 10}, {Key::s, 0.3}, {Key::v, 25}});

const std::vector<double> r10Speeds{31.5, 40,  50,  63,  80,  100, 125,  160,  200,
                                    250,  315, 400, 500, 630, 800, 1000, 1250, 1600};
const std::vector<double> millFeeds{25, 31.5, 40, 50, 63, 80, 100, 125, 160, 200, 250, 315, 400};

Machine machineWith(std::vector<double> feeds, FeedUnit unit) {
    Machine machine;
    machine.name = "6Р12";
    machine.speeds = r10Speeds;
    machine.feeds = std::move(feeds);
    machine.feedUnit = unit;
    return machine;
}

// The row as "РАСЧЁТ" leaves it, with its feed rates.
RowResults rowOf(const Calculation& calc, const CalcInputs& inputs) {
    RowResults row = calc.compute(inputs).row;
    addFeedRates(row, calc, inputs);
    return row;
}

struct FeedCase {
    const char* name;
    int window;
    const CalcInputs* inputs;
    Machine machine;
    double nf, wanted, passport, s, Sm;
};

// nф, the feed at nф, the passport feed, it back in the feed box, and its minute feed, by hand.
TEST(PassportFeed, TheHandbookOrderOnMillsLathesAndDrills) {
    const FeedCase cases[] = {
        // n = 318,47 → nф = 315; Sм = 0,12·10·315 = 378 → 315; sz = 315/(10·315) = 0,1.
        {"mill", 1, &milling, machineWith(millFeeds, FeedUnit::perMinute), 315, 378, 315, 0.1, 315},
        // A mill whose table is set in mm/rev: 0,12·10 = 1,2 → 1; sz = 1/10; 0,1·10·315 = 315.
        {"mill in mm/rev", 1, &milling, machineWith({0.5, 1, 1.6}, FeedUnit::perRevolution), 315,
         1.2, 1, 0.1, 315},
        // n = 636,94 → nф = 630; s = 0,2 → 0,15; 0,15·630 = 94,5 mm/min.
        {"lathe", 5, &turning, machineWith({0.05, 0.1, 0.15, 0.21}, FeedUnit::perRevolution), 630,
         0.2, 0.15, 0.15, 94.5},
        // n = 398,09 → nф = 315; 0,3·315 = 94,5 mm/min → 80; s = 80/315.
        {"drill in mm/min", 6, &drilling, machineWith({50, 80, 100}, FeedUnit::perMinute), 315,
         94.5, 80, 80.0 / 315, 80},
    };
    for (const FeedCase& c : cases) {
        SCOPED_TRACE(c.name);
        const Calculation& calc = calculation(c.window);
        const double n = *calc.compute(*c.inputs).row.n;
        const PassportFeedChoice choice = passportFeed(c.machine, calc, *c.inputs, n, ',');
        ASSERT_TRUE(choice.feed) << choice.refusal;
        EXPECT_EQ(choice.feed->speed.n, c.nf);
        EXPECT_NEAR(choice.feed->wanted, c.wanted, 1e-12 * c.wanted);
        EXPECT_EQ(choice.feed->passport, c.passport);
        EXPECT_NEAR(choice.feed->s, c.s, 1e-15);
        EXPECT_NEAR(choice.feed->Sm, c.Sm, 1e-12 * c.Sm);
        // The feed written back, at the passport speed, stays on its passport feed.
        CalcInputs set = *c.inputs;
        set[Key::s] = choice.feed->s;
        set[Key::v] = choice.feed->speed.v;
        const double nf = *calc.compute(set).row.n;
        EXPECT_EQ(passportFeed(c.machine, calc, set, nf, ',').feed->passport, c.passport);
    }
    EXPECT_EQ(
        passportFeedMessage(
            *passportFeed(cases[0].machine, calculation(1), milling, 318.47, ',').feed,
            FeedUnit::perMinute, "мм/зуб", ','),
        "ПОДАЧА ПО ПАСПОРТУ 315 мм/мин: s = 0,1 мм/зуб при nф = 315 об/мин, v = 98,91 м/мин.");
}

TEST(PassportFeed, RefusedWhereThereIsNoneToTake) {
    const Calculation& mill = calculation(1);
    const std::pair<PassportFeedChoice, const char*> cases[] = {
        {passportFeed(machineWith({400, 500}, FeedUnit::perMinute), mill, milling, 318.47, ','),
         "У СТАНКА НЕТ ПОДАЧИ НЕ БОЛЬШЕ 378 мм/мин!!!"},
        {passportFeed(machineWith({}, FeedUnit::perMinute), mill, milling, 318.47, ','),
         "У СТАНКА 6Р12 НЕ ЗАДАНЫ ПОДАЧИ!!!"},
        {passportFeed(machineWith(millFeeds, FeedUnit::perMinute), mill, milling, 30, ','),
         "У СТАНКА НЕТ ЧАСТОТЫ ВРАЩЕНИЯ НЕ ВЫШЕ 30,0 об/мин!!!"},
        {passportFeed(machineWith(millFeeds, FeedUnit::perRevolution), calculation(7), turning,
                      318.47, ','),
         "ПОДАЧА РЕЗЬБЫ РАВНА ЕЁ ШАГУ И НЕ ВЫБИРАЕТСЯ!!!"},
    };
    for (const auto& [choice, refusal] : cases) {
        EXPECT_FALSE(choice.feed);
        EXPECT_EQ(choice.refusal, refusal);
    }
}

// The largest passport feed limits the minute feed of a mill, the feed per revolution of a lathe;
// the thread's pitch is never checked. The searches find where it binds.
TEST(PassportFeed, TheLargestFeedIsALimitOfTheMachine) {
    const Calculation& mill = calculation(1);
    const Machine table = machineWith(millFeeds, FeedUnit::perMinute);
    // Sм = 0,12·10·318,47 = 382,17 mm/min above 315 of a table whose feeds end at 315.
    const Machine shortTable = machineWith({25, 100, 315}, FeedUnit::perMinute);
    const MachineCheck over = checkMachine(shortTable, mill, rowOf(mill, milling));
    ASSERT_EQ(over.violations.size(), 1u);
    EXPECT_EQ(violationsMessage(over.violations, ','),
              "ПОДАЧА 382,2 мм/мин БОЛЬШЕ НАИБОЛЬШЕЙ ПОДАЧИ СТАНКА 315 мм/мин!!!");
    EXPECT_TRUE(checkMachine(table, mill, rowOf(mill, milling)).violations.empty());
    const Calculation& lathe = calculation(5);
    const MachineCheck carriage = checkMachine(machineWith({0.05, 0.15}, FeedUnit::perRevolution),
                                               lathe, rowOf(lathe, turning));
    EXPECT_EQ(violationsMessage(carriage.violations, ','),
              "ПОДАЧА 0,200 мм/об БОЛЬШЕ НАИБОЛЬШЕЙ ПОДАЧИ СТАНКА 0,15 мм/об!!!");
    const CalcInputs tapping =
        withValues(CalcInputs{}, 2, {{Key::H, 750}, {Key::D, 20}, {Key::s, 2.5}, {Key::v, 10}});
    EXPECT_TRUE(checkMachine(machineWith({0.5}, FeedUnit::perRevolution), calculation(7),
                             rowOf(calculation(7), tapping))
                    .violations.empty());

    // 400 mm/min at n = 318,47: sz = 400/(10·318,47) = 0,12560; at sz 0,12 the table reaches
    // 400 at n = 333,33, v = 3,14·100·333,33/1000 = 104,667 m/min.
    const LargestValue feed = largestValue(mill, milling, table, Key::s);
    EXPECT_EQ(feed.bound, Limit::feed);
    EXPECT_NEAR(*feed.value, 400 / (10 * 1000 * 100 / (3.14 * 100)), 1e-12);
    const LargestValue speed = largestValue(mill, milling, table, Key::v);
    EXPECT_EQ(speed.bound, Limit::feed);
    EXPECT_NEAR(*speed.value, 3.14 * 100 * 400 / 1.2 / 1000, 1e-9);
    // A feed per revolution does not depend on the speed: the spindle's 1600 rev/min bind.
    const LargestValue revolution =
        largestValue(mill, milling, machineWith({1.6}, FeedUnit::perRevolution), Key::v);
    EXPECT_EQ(revolution.bound, Limit::speed);
    ASSERT_EQ(revolution.reaches.size(), 3u);
    EXPECT_EQ(revolution.reaches[2].kind, LimitReach::Kind::Always);
}

} // namespace
