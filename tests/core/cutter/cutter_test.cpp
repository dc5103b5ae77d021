// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/calc/feedrates.h"
#include "core/cutter/cutter.h"
#include "core/operations/registry.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

// Longitudinal turning with a carbide cutter in steel of 750 MPa: D = 100, t = 5, s = 0,8 mm/rev,
// v = 100 m/min. The handbook gives Pz = 6359,29 N, Py = 2272,65 N, N = 10,391 kW; Pz grows as
// s^0,75 and Py as s^0,6.
CalcInputs turningExample() {
    CalcInputs in;
    in.tool = ToolMaterial::Carbide;
    in.work = WorkMaterial::Steel;
    in.kind = 1;
    for (const auto& [key, value] :
         {std::pair{Key::H, 750.0}, std::pair{Key::D, 100.0}, std::pair{Key::t, 5.0},
          std::pair{Key::s, 0.8}, std::pair{Key::v, 100.0}}) {
        in[key] = value;
    }
    return in;
}

const Calculation& turning() {
    return calculation(5);
}

// The row as "РАСЧЁТ" checks it: with its feed of one revolution.
RowResults rowAt(const CalcInputs& inputs) {
    RowResults row = turning().compute(inputs).row;
    addFeedRates(row, turning(), inputs);
    return row;
}

// A 16 × 16 shank 40 mm out, with a nose radius of 1 mm.
Cutter example16x16() {
    Cutter cutter;
    cutter.shank = Shank::rectangular(16, 16);
    cutter.overhang = 40;
    cutter.noseRadius = 1;
    return cutter;
}

// A boring bar of 25 mm, 100 mm out.
Cutter bar25() {
    Cutter cutter;
    cutter.shank = Shank::round(25);
    cutter.overhang = 100;
    return cutter;
}

double relative(double value, double expected) {
    return std::abs(value / expected - 1);
}

// W = 16·16²/6 = 682,67 mm³, J = 16·16³/12 = 5461,3 mm⁴: σ = 6359,29·40/W = 372,61 MPa,
// f = 6359,29·40³/(3·200000·J) = 0,12420 mm; Rz = 1000·0,8²/(8·1) = 80 µm, Ra = 80·4/(9·√3) =
// 20,528 µm.
TEST(CutterCheck, ShankAndFinishOfTheTurningExample) {
    const RowResults row = rowAt(turningExample());
    EXPECT_LT(relative(*row.Pz, 6359.29), 1e-6);
    const CutterCheck check = checkCutter(example16x16(), row);
    EXPECT_LT(relative(*check.stress, 372.6148), 1e-6);
    EXPECT_LT(relative(*check.deflection, 0.1242049), 1e-6);
    EXPECT_LT(relative(*check.Rz, 80), 1e-12);
    EXPECT_LT(relative(*check.Ra, 20.52801), 1e-6);
    ASSERT_EQ(check.violations.size(), 2u);
    EXPECT_EQ(check.violations[0].limit, Limit::strength);
    EXPECT_EQ(check.violations[1].limit, Limit::rigidity);
    EXPECT_EQ(violationsMessage(check.violations, ','),
              "ИЗГИБАЮЩЕЕ НАПРЯЖЕНИЕ В ДЕРЖАВКЕ 372,6 МПа БОЛЬШЕ ДОПУСТИМОГО 200 МПа!!!\n"
              "ПРОГИБ РЕЗЦА 0,124 мм БОЛЬШЕ ДОПУСТИМОГО 0,1 мм!!!");
    EXPECT_EQ(cutterLine(example16x16(), check, ','),
              "Резец 16×16, вылет 40 мм: σ 372,6 МПа > 200 · f 0,124 мм > 0,1 · Rz 80 мкм "
              "(Ra 20,5)");
    // The shank bends under Pz: its cell is marked; the roughness marks the feed's.
    EXPECT_EQ(limitColumn(turning(), Limit::strength),
              resultColumn(GridLayout::Turning, Result::Pz));
    EXPECT_EQ(limitColumn(turning(), Limit::roughness), feedColumn);

    // A stiffer shank of hard alloy that is let bend further keeps both; a drawing's Rz 20 is
    // crossed. The checks say "≤" where they hold, in the user's number format.
    Cutter carbide = example16x16();
    carbide.stressMax = 400;
    carbide.deflectionMax = 0.25;
    carbide.modulus = 600000;
    carbide.RzMax = 20;
    const CutterCheck finish = checkCutter(carbide, row);
    ASSERT_EQ(finish.violations.size(), 1u);
    EXPECT_EQ(violationsMessage(finish.violations, '.'),
              "ШЕРОХОВАТОСТЬ Rz 80 мкм БОЛЬШЕ ДОПУСТИМОЙ 20 мкм!!!");
    EXPECT_EQ(cutterLine(carbide, finish, '.'),
              "Резец 16×16, вылет 40 мм: σ 372.6 МПа ≤ 400 · f 0.041 мм ≤ 0.25 · Rz 80 мкм > 20 "
              "(Ra 20.5)");

    // The exports' columns carry the figures a decimal further than the line.
    std::vector<std::vector<std::string>> rows{{"Pz, Н"}, {"6359,29"}};
    addCutterColumns(rows, {row}, example16x16(), ',');
    EXPECT_EQ(rows[0],
              (std::vector<std::string>{"Pz, Н", "σ, МПа", "f, мм", "Rz, мкм", "Ra, мкм"}));
    EXPECT_EQ(rows[1], (std::vector<std::string>{"6359,29", "372,61", "0,1242", "80,00", "20,53"}));

    // The machine's check knows nothing of the cutter.
    Machine lathe;
    lathe.forceMax = 1e6;
    EXPECT_TRUE(checkMachine(lathe, turning(), row).violations.empty());
}

// A boring bar in its bore is bent by Pz and Py together: F = √(6359,29² + 2272,65²) = 6753,19 N,
// W = π·25³/32 = 1533,98 mm³ and J = π·25⁴/64 = 19174,76 mm⁴ give σ = 6753,19·100/W = 440,24 MPa
// and f = 6753,19·100³/(3·200000·J) = 0,58699 mm. Without a nose radius there is no finish.
TEST(CutterCheck, BoringBarTakesPyToo) {
    const RowResults row = rowAt(turningExample());
    const Cutter bar = bar25();
    const CutterCheck check = checkCutter(bar, row);
    EXPECT_LT(relative(*check.stress, 440.23940), 1e-7);
    EXPECT_LT(relative(*check.deflection, 0.58698587), 1e-7);
    EXPECT_FALSE(check.Rz);
    EXPECT_FALSE(check.Ra);
    EXPECT_EQ(cutterLine(bar, check, ','),
              "Резец ⌀25, вылет 100 мм: σ 440,2 МПа > 200 · f 0,587 мм > 0,1");
    // Without its Py the bar's load is not known; a nose radius alone gives only the finish.
    RowResults noPy = row;
    noPy.Py.reset();
    EXPECT_FALSE(checkCutter(bar, noPy).stress);
    Cutter nose;
    nose.noseRadius = 0.8;
    EXPECT_EQ(cutterLine(nose, checkCutter(nose, row), ','), "Резец: Rz 100 мкм (Ra 25,7)");
}

struct LargestCase {
    const char* name;
    std::optional<Machine> machine;
    Cutter cutter;
    double value; // to six significant digits, 0 for none
    std::optional<Limit> bound;
    const char* text;
};

Machine spindle(double power, double efficiency) {
    Machine machine;
    machine.power = power;
    machine.efficiency = efficiency;
    return machine;
}

// The largest feed: σ ∝ Pz ∝ s^0,75 reaches 200 MPa at s = 0,8·(200/372,61)^(1/0,75) = 0,348966
// mm/rev, f reaches 0,1 mm at 0,599200; the spindle's 6 kW at 0,8·(6/10,391)^(1/0,75) = 0,384664
// and its 2 kW at 0,0889038. Rz 10 µm with r = 1,2 mm allows √(8·1,2·10/1000) = 0,309839. The
// boring bar's √(Pz² + Py²) is no power of s; bisected, its deflection of 0,1 mm is reached at
// 0,0699729.
TEST(CutterCheck, LargestFeedOfTheMachineAndTheCutter) {
    Cutter finish;
    finish.noseRadius = 1.2;
    finish.RzMax = 10;
    Cutter noseOnly;
    noseOnly.noseRadius = 1.2;
    const LargestCase cases[] = {
        {"cutter alone", std::nullopt, example16x16(), 0.348966, Limit::strength,
         "НАИБОЛЬШАЯ ПОДАЧА 0,348 мм/об, ЕЁ ОГРАНИЧИВАЕТ ПРОЧНОСТЬ ДЕРЖАВКИ."},
        {"the cutter under a 6 kW spindle", spindle(7.5, 0.8), example16x16(), 0.348966,
         Limit::strength, "НАИБОЛЬШАЯ ПОДАЧА 0,348 мм/об, ЕЁ ОГРАНИЧИВАЕТ ПРОЧНОСТЬ ДЕРЖАВКИ."},
        {"a 2 kW spindle before the cutter", spindle(2.5, 0.8), example16x16(), 0.0889038,
         Limit::power, "НАИБОЛЬШАЯ ПОДАЧА 0,088 мм/об, ЕЁ ОГРАНИЧИВАЕТ МОЩНОСТЬ НА ШПИНДЕЛЕ."},
        {"finish alone", std::nullopt, finish, 0.309839, Limit::roughness,
         "НАИБОЛЬШАЯ ПОДАЧА 0,309 мм/об, ЕЁ ОГРАНИЧИВАЕТ ШЕРОХОВАТОСТЬ ПОВЕРХНОСТИ."},
        {"boring bar", std::nullopt, bar25(), 0.0699729, Limit::rigidity,
         "НАИБОЛЬШАЯ ПОДАЧА 0,069 мм/об, ЕЁ ОГРАНИЧИВАЕТ ЖЁСТКОСТЬ РЕЗЦА."},
        {"nothing bounds it", std::nullopt, noseOnly, 0, std::nullopt,
         "ПОДАЧА НЕ ОГРАНИЧЕНА НИ ОДНИМ ПРЕДЕЛОМ РЕЗЦА."},
    };
    const CalcInputs in = turningExample();
    for (const LargestCase& c : cases) {
        SCOPED_TRACE(c.name);
        const Machine* machine = c.machine ? &*c.machine : nullptr;
        const LargestValue largest = largestValue(turning(), in, machine, &c.cutter, Key::s);
        EXPECT_EQ(largest.bound, c.bound);
        EXPECT_EQ(reportLargest(largest, GridLayout::Turning, Key::s, ',').text, c.text);
        ASSERT_EQ(largest.value.has_value(), c.value > 0);
        if (!largest.value) {
            continue;
        }
        EXPECT_LT(relative(*largest.value, c.value), 5e-6) << *largest.value;
        // The value keeps every limit, and one a little above it does not.
        const auto crossed = [&](double s) {
            CalcInputs at = in;
            at[Key::s] = s;
            const RowResults row = rowAt(at);
            return !checkCutter(c.cutter, row).violations.empty() ||
                   (machine && !checkMachine(*machine, turning(), row).violations.empty());
        };
        EXPECT_FALSE(crossed(*largest.value));
        EXPECT_TRUE(crossed(*largest.value * (1 + 2e-9)));
    }
}

// The example's cutter with one change.
Cutter with(void (*change)(Cutter&)) {
    Cutter cutter = example16x16();
    change(cutter);
    return cutter;
}

struct BadCutter {
    const char* name;
    Cutter cutter;
    std::string message;
};

TEST(CutterData, RefusedNamingTheField) {
    const auto outside = [](std::string_view field, std::string_view range) {
        return "ЗНАЧЕНИЕ В ПОЛЕ «" + std::string(field) +
               "» ВНЕ ПРЕДЕЛОВ РЕАЛЬНОГО РЕЗЦА: " + std::string(range) + "!!!";
    };
    const std::string mm200 = "ОТ 1 ДО 200 мм";
    const BadCutter cases[] = {
        {"nothing to check", with([](Cutter& c) {
             c.shank.reset();
             c.noseRadius.reset();
         }),
         "ЗАДАЙТЕ ДЕРЖАВКУ РЕЗЦА ИЛИ РАДИУС ПРИ ВЕРШИНЕ!!!"},
        {"no overhang", with([](Cutter& c) { c.overhang.reset(); }), "НЕ ЗАДАН ВЫЛЕТ РЕЗЦА!!!"},
        {"Rz without a radius", with([](Cutter& c) {
             c.noseRadius.reset();
             c.RzMax = 20;
         }),
         "БЕЗ РАДИУСА ПРИ ВЕРШИНЕ ШЕРОХОВАТОСТЬ НЕ ПРОВЕРИТЬ!!!"},
        {"b 0,5", with([](Cutter& c) { c.shank->b = 0.5; }), outside("ШИРИНА ДЕРЖАВКИ", mm200)},
        {"h 201", with([](Cutter& c) { c.shank->h = 201; }), outside("ВЫСОТА ДЕРЖАВКИ", mm200)},
        {"d NaN", with([](Cutter& c) { c.shank = Shank::round(std::nan("")); }),
         outside("ДИАМЕТР ОПРАВКИ", mm200)},
        {"overhang 1001", with([](Cutter& c) { c.overhang = 1001; }),
         outside("ВЫЛЕТ РЕЗЦА", "ОТ 1 ДО 1000 мм")},
        {"r 0,005", with([](Cutter& c) { c.noseRadius = 0.005; }),
         outside("РАДИУС ПРИ ВЕРШИНЕ", "ОТ 0,01 ДО 10 мм")},
        {"[σ] 5", with([](Cutter& c) { c.stressMax = 5; }),
         outside("ДОПУСТИМОЕ НАПРЯЖЕНИЕ", "ОТ 10 ДО 2000 МПа")},
        {"[f] 0", with([](Cutter& c) { c.deflectionMax = 0; }),
         outside("ДОПУСТИМЫЙ ПРОГИБ", "ОТ 0,001 ДО 10 мм")},
        {"E 2e6", with([](Cutter& c) { c.modulus = 2e6; }),
         outside("МОДУЛЬ УПРУГОСТИ", "ОТ 10000 ДО 1000000 МПа")},
        {"Rz 2000", with([](Cutter& c) { c.RzMax = 2000; }),
         outside("ТРЕБУЕМАЯ ШЕРОХОВАТОСТЬ Rz", "ОТ 0,01 ДО 1000 мкм")},
    };
    for (const BadCutter& c : cases) {
        EXPECT_EQ(cutterError(c.cutter), c.message) << c.name;
    }
    // The ends of each range are a real cutter's.
    EXPECT_EQ(cutterError(with([](Cutter& c) {
                  c.shank = Shank::rectangular(1, 200);
                  c.overhang = 1000;
                  c.noseRadius = 0.01;
                  c.stressMax = 2000;
                  c.deflectionMax = 0.001;
                  c.modulus = 1e4;
                  c.RzMax = 1000;
              })),
              "");
    EXPECT_EQ(cutterError(bar25()), "");
}

} // namespace
