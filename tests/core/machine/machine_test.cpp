// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/calc/parsenumber.h"
#include "core/files/reportfile.h"
#include "core/machine/machinecheck.h"
#include "core/machine/machinelibrary.h"
#include "core/operations/registry.h"
#include "support/workedexample.h"

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>

namespace {

CalcInputs inputsOf(ToolMaterial tool, int kind,
                    std::initializer_list<std::pair<Key, double>> values) {
    CalcInputs in;
    in.tool = tool;
    in.work = WorkMaterial::Steel;
    in.kind = kind;
    for (const auto& [key, value] : values) {
        in[key] = value;
    }
    return in;
}

// The worked examples of face milling, turning and drilling.
const CalcInputs faceMilling = faceMillingExample();
const CalcInputs turning =
    inputsOf(ToolMaterial::Carbide, 1,
             {{Key::H, 750}, {Key::D, 50}, {Key::t, 2}, {Key::s, 0.2}, {Key::v, 100}});
const CalcInputs drilling =
    inputsOf(ToolMaterial::HighSpeedSteel, 1,
             {{Key::H, 750}, {Key::D, 20}, {Key::t, 10}, {Key::s, 0.3}, {Key::v, 25}});

Machine spindle(double power, double efficiency) {
    Machine machine;
    machine.name = "6Р12";
    machine.power = power;
    machine.efficiency = efficiency;
    return machine;
}

Machine torqueLimited(double torque) {
    Machine machine;
    machine.torqueMax = torque;
    return machine;
}

const std::vector<double> lathePassport{12.5, 16,  20,  25,  31.5, 40,  50,  63,  80,   100,  125,
                                        160,  200, 250, 315, 400,  500, 630, 800, 1000, 1250, 1600};

double relative(double value, double expected) {
    return std::abs(value / expected - 1);
}

// True when `value` rounds to `expected`, given to six significant digits.
bool toSixDigits(double value, double expected) {
    const double unit = std::pow(10.0, std::floor(std::log10(std::abs(expected))) - 5);
    return std::abs(value - expected) <= unit / 2;
}

TEST(MachineCheck, TheWorkedExamplesOnTheirMachines) {
    const Calculation& milling = calculation(1);
    const RowResults faceRow = milling.compute(faceMilling).row;
    const MachineCheck check = checkMachine(spindle(7.5, 0.8), milling, faceRow);
    EXPECT_DOUBLE_EQ(*check.spindlePower, 6.0);
    EXPECT_LT(relative(*check.load, 0.46863), 1e-5);
    EXPECT_TRUE(check.violations.empty());
    EXPECT_EQ(loadLine(spindle(7.5, 0.8), check, faceRow, ','),
              "Станок 6Р12: на шпинделе 6,00 кВт, резание 2,81 кВт — 47 %");

    // At 0.3 mm/tooth the cut needs more than the spindle has; the row is checked, not refused.
    CalcInputs heavier = faceMilling;
    heavier[Key::s] = 0.3;
    const MachineCheck over =
        checkMachine(spindle(7.5, 0.8), milling, milling.compute(heavier).row);
    ASSERT_EQ(over.violations.size(), 1u);
    EXPECT_EQ(over.violations[0].limit, Limit::power);
    EXPECT_EQ(violationsMessage(over.violations, ','),
              "МОЩНОСТЬ РЕЗАНИЯ 6,41 кВт БОЛЬШЕ МОЩНОСТИ НА ШПИНДЕЛЕ 6,00 кВт!!!");

    // The drill's 52.672 N·m against a 50 N·m spindle, and its thrust (the Pz cell) against a
    // feed drive of 1000 N.
    const Calculation& holes = calculation(6);
    const RowResults drillRow = holes.compute(drilling).row;
    EXPECT_LT(relative(*drillRow.M, 52.672), 1e-5);
    Machine drillPress = torqueLimited(50);
    drillPress.forceMax = 1000;
    const MachineCheck drill = checkMachine(drillPress, holes, drillRow);
    ASSERT_EQ(drill.violations.size(), 2u);
    EXPECT_EQ(drill.violations[0].limit, Limit::torque);
    EXPECT_EQ(drill.violations[1].limit, Limit::force);
    EXPECT_EQ(drill.violations[1].value, *drillRow.Pz);

    // Threading has no feed force to check; the speed is checked against both ends of the range.
    Machine threadLathe;
    threadLathe.forceMax = 1;
    threadLathe.speedMin = 700;
    threadLathe.speedMax = 800;
    const CalcInputs tapping = inputsOf(ToolMaterial::HighSpeedSteel, 2,
                                        {{Key::H, 750}, {Key::D, 20}, {Key::s, 2.5}, {Key::v, 10}});
    const MachineCheck thread =
        checkMachine(threadLathe, calculation(7), calculation(7).compute(tapping).row);
    ASSERT_EQ(thread.violations.size(), 1u);
    EXPECT_EQ(thread.violations[0].limit, Limit::speed);
    EXPECT_EQ(thread.violations[0].allowed, 700);
}

TEST(MachineCheck, PassportSpeedOfTheTurningExample) {
    Machine lathe;
    lathe.speeds = lathePassport;
    const RowResults row = calculation(5).compute(turning).row;
    EXPECT_LT(relative(*row.n, 636.94), 1e-5);
    const std::optional<PassportSpeed> passport = passportSpeed(lathe, *row.n, 50);
    ASSERT_TRUE(passport);
    EXPECT_EQ(passport->n, 630);
    const double v = 3.14 * 50 * 630 / 1000;
    EXPECT_LT(relative(passport->v, 98.91), 1e-12);
    EXPECT_EQ(passport->v, v);
    CalcInputs actual = turning;
    actual[Key::v] = v;
    const RowResults atPassport = calculation(5).compute(actual).row;
    EXPECT_LT(relative(*atPassport.Pz, 900.82), 1e-5);
    EXPECT_LT(relative(*atPassport.N, 1.4559), 1e-4);
    // A speed written from a passport speed stays on it; below the lowest there is none.
    EXPECT_EQ(passportSpeed(lathe, *atPassport.n, 50)->n, 630);
    EXPECT_EQ(passportSpeed(lathe, 12.4, 50), std::nullopt);

    // A stepless drive runs at the computed speed itself, so the cutting speed stays as typed;
    // above its range it runs at nmax, below it not at all.
    Machine stepless;
    stepless.speedMin = 50;
    stepless.speedMax = 1600;
    const std::optional<PassportSpeed> itself = passportSpeed(stepless, *row.n, 50);
    ASSERT_TRUE(itself);
    EXPECT_EQ(itself->n, *row.n);
    EXPECT_LT(relative(itself->v, 100), 1e-12);
    EXPECT_EQ(passportSpeed(stepless, 1600, 50)->n, 1600);
    EXPECT_EQ(passportSpeed(stepless, 2000, 50)->n, 1600);
    EXPECT_LT(relative(passportSpeed(stepless, 2000, 50)->v, 3.14 * 50 * 1600 / 1000), 1e-12);
    EXPECT_EQ(passportSpeed(stepless, 50, 50)->n, 50);
    EXPECT_EQ(passportSpeed(stepless, 49.9, 50), std::nullopt);
}

struct LimitCase {
    const char* name;
    int window;
    const CalcInputs* inputs;
    Machine machine;
    Key varied;
    std::optional<double> value; // to six significant digits
    std::optional<Limit> bound;
};

TEST(LargestValue, BindingLimitAndValue) {
    Machine fastSpindle = spindle(7.5, 0.8);
    fastSpindle.speedMin = 50;
    fastSpindle.speedMax = 500;
    const LimitCase cases[] = {
        {"face feed", 1, &faceMilling, spindle(7.5, 0.8), Key::s, 0.274718, Limit::power},
        {"face speed", 1, &faceMilling, spindle(7.5, 0.8), Key::v, 257.904, Limit::power},
        // 500 rev/min on a 100 mm cutter is 157 m/min, below the power's 257.9.
        {"face speed, spindle", 1, &faceMilling, fastSpindle, Key::v, 3.14 * 100 * 500 / 1000,
         Limit::speed},
        {"drill feed", 6, &drilling, torqueLimited(50), Key::s, 0.281102, Limit::torque},
        // A drill's torque does not depend on v: no speed keeps 50 N·m, any keeps 60.
        {"drill speed", 6, &drilling, torqueLimited(50), Key::v, std::nullopt, Limit::torque},
        {"drill speed, enough", 6, &drilling, torqueLimited(60), Key::v, std::nullopt,
         std::nullopt},
    };
    for (const LimitCase& c : cases) {
        SCOPED_TRACE(c.name);
        const Calculation& calc = calculation(c.window);
        const LargestValue largest = largestValue(calc, *c.inputs, c.machine, c.varied);
        EXPECT_EQ(largest.bound, c.bound);
        ASSERT_EQ(largest.value.has_value(), c.value.has_value());
        if (!c.value) {
            continue;
        }
        EXPECT_TRUE(toSixDigits(*largest.value, *c.value)) << *largest.value;
        // The value keeps every limit, and a value 1e-9 above it does not.
        CalcInputs at = *c.inputs;
        at[c.varied] = *largest.value;
        EXPECT_TRUE(checkMachine(c.machine, calc, calc.compute(at).row).violations.empty());
        at[c.varied] = *largest.value * (1 + 1e-9);
        EXPECT_FALSE(checkMachine(c.machine, calc, calc.compute(at).row).violations.empty());
    }
}

// A force that falls as the speed rises (Pz ∝ v^-0.15) sets a lowest speed; its end must keep
// the limit to the last bit, though the closed form lands some bits off.
TEST(LargestValue, EveryEndKeepsItsLimit) {
    const RowResults turningRow = calculation(5).compute(turning).row;
    const RowResults millingRow = calculation(1).compute(faceMilling).row;
    struct Case {
        int window;
        const CalcInputs* inputs;
        Machine machine;
    };
    Machine lathe;
    lathe.torqueMax = 3 * *turningRow.M;
    Machine mill;
    mill.forceMax = 7.7 * *millingRow.Px;
    for (const Case& c : {Case{5, &turning, lathe}, Case{1, &faceMilling, mill}}) {
        const Calculation& calc = calculation(c.window);
        for (const Key varied : {Key::v, Key::s}) {
            for (const LimitReach& reach :
                 largestValue(calc, *c.inputs, c.machine, varied).reaches) {
                if (reach.kind != LimitReach::Kind::Upper &&
                    reach.kind != LimitReach::Kind::Lower) {
                    continue;
                }
                CalcInputs at = *c.inputs;
                at[varied] = reach.value;
                EXPECT_TRUE(checkMachine(c.machine, calc, calc.compute(at).row).violations.empty())
                    << c.window << " " << reach.value;
            }
        }
    }
}

TEST(LargestValue, LawsThatAreNotPowersAreBisected) {
    // A feed drive whose force grows as s + s², with 6 N allowed: s = 2 exactly.
    Calculation quadratic = calculation(1);
    quadratic.compute = [](const CalcInputs& in) {
        Computed out;
        out.row.Px = in[Key::s] + in[Key::s] * in[Key::s];
        return out;
    };
    Machine machine;
    machine.forceMax = 6;
    for (const double start : {0.001, 1.0, 1000.0}) {
        CalcInputs in;
        in[Key::s] = start;
        const LargestValue largest = largestValue(quadratic, in, machine, Key::s);
        ASSERT_TRUE(largest.value);
        EXPECT_LT(relative(*largest.value, 2), 2e-9) << start;
        EXPECT_LE(*largest.value, 2);
    }
}

// Machines far outside any real one (the checks refuse them, but the search must not rely on
// that): every search ends, with a value that keeps every limit or with none.
TEST(LargestValue, EverySearchEnds) {
    const auto machine = [](auto set) {
        Machine m;
        set(m);
        return m;
    };
    const Machine extremes[] = {
        spindle(1e250, 0.8),
        spindle(1e-300, 0.8),
        spindle(7.5, 1e-300),
        torqueLimited(1e240),
        machine([](Machine& m) { m.forceMax = 1e300; }),
        machine([](Machine& m) {
            m.speedMin = 1;
            m.speedMax = 1e308;
        }),
    };
    const Calculation& calc = calculation(1);
    for (const Machine& extreme : extremes) {
        for (const Key varied : {Key::s, Key::v}) {
            const LargestValue largest = largestValue(calc, faceMilling, extreme, varied);
            if (!largest.value) {
                // Nothing found is said as such, naming the limit.
                if (largest.unsolved) {
                    EXPECT_EQ(largest.bound, largest.unsolved);
                }
                continue;
            }
            CalcInputs at = faceMilling;
            at[varied] = *largest.value;
            EXPECT_TRUE(std::isfinite(*largest.value));
            EXPECT_TRUE(checkMachine(extreme, calc, calc.compute(at).row).violations.empty())
                << *largest.value;
        }
    }
}

TEST(LargestValue, EnteredValueIsRoundedDown) {
    EXPECT_EQ(roundedDown(0.274718, feedDecimals), 0.274);
    EXPECT_EQ(roundedDown(257.904, speedDecimals), 257.9);
    // A value a rounding error below a whole step must not be rounded up to it.
    EXPECT_EQ(roundedDown(std::nextafter(0.275, 0.0), feedDecimals), 0.274);
    EXPECT_EQ(roundedDown(0.275, feedDecimals), 0.275);
}

// What is offered is a value a real cut can have, as its box takes it. 0,01 kW at η 0,01 leaves
// the face-milling example 1e-4 kW: N ∝ s^0,75 and v^0,8 reach it at s = 1,17e-7 mm/tooth and
// v = 2,7e-4 m/min, both 0 as the boxes take them. 10 000 kW reaches it only at s = 5429 and
// v = 2,7e6, beyond a real cut (100 mm/tooth, 10 000 m/min). A spindle from 95,70 to 95,80
// rev/min on the 100 mm cutter runs from v = 30,05 to 30,08: 30,0 is too slow. From 40 000 to
// 50 000 rev/min it needs 12 560 m/min at least.
TEST(LargestValue, OnlyWhatARealCutCanTake) {
    Machine narrowSpindle;
    narrowSpindle.speedMin = 30.05 / 0.314;
    narrowSpindle.speedMax = 30.08 / 0.314;
    Machine fastSpindle;
    fastSpindle.speedMin = 40000;
    fastSpindle.speedMax = 50000;
    struct Case {
        const char* name;
        Machine machine;
        Key varied;
        std::optional<Limit> bound;
        const char* text;
    };
    const Case cases[] = {
        {"feed 0", spindle(0.01, 0.01), Key::s, Limit::power,
         "НИ ПРИ КАКОЙ ПОДАЧЕ НЕ СОБЛЮДАЕТСЯ ОГРАНИЧЕНИЕ: МОЩНОСТЬ НА ШПИНДЕЛЕ!!!"},
        {"speed 0", spindle(0.01, 0.01), Key::v, Limit::power,
         "НИ ПРИ КАКОЙ СКОРОСТИ РЕЗАНИЯ НЕ СОБЛЮДАЕТСЯ ОГРАНИЧЕНИЕ: МОЩНОСТЬ НА ШПИНДЕЛЕ!!!"},
        {"feed above 100", spindle(10000, 1), Key::s, std::nullopt,
         "ПОДАЧА ДО 100 мм/зуб НЕ ОГРАНИЧЕНА НИ ОДНИМ ПРЕДЕЛОМ СТАНКА."},
        {"speed above 10000", spindle(10000, 1), Key::v, std::nullopt,
         "СКОРОСТЬ РЕЗАНИЯ ДО 10000 м/мин НЕ ОГРАНИЧЕНА НИ ОДНИМ ПРЕДЕЛОМ СТАНКА."},
        {"rounded below the lowest speed", narrowSpindle, Key::v, Limit::speed,
         "НИ ПРИ КАКОЙ СКОРОСТИ РЕЗАНИЯ НЕ СОБЛЮДАЕТСЯ ОГРАНИЧЕНИЕ: ДИАПАЗОН ЧАСТОТ ВРАЩЕНИЯ "
         "СТАНКА!!!"},
        {"lowest speed beyond a real cut", fastSpindle, Key::v, Limit::speed,
         "НИ ПРИ КАКОЙ СКОРОСТИ РЕЗАНИЯ НЕ СОБЛЮДАЕТСЯ ОГРАНИЧЕНИЕ: ДИАПАЗОН ЧАСТОТ ВРАЩЕНИЯ "
         "СТАНКА!!!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Calculation& calc = calculation(1);
        const LargestValue largest = largestValue(calc, faceMilling, c.machine, c.varied);
        EXPECT_FALSE(largest.value) << *largest.value;
        EXPECT_EQ(largest.bound, c.bound);
        const LargestValueReport report = reportLargest(largest, calc.window.layout, c.varied, ',');
        EXPECT_FALSE(report.entered);
        EXPECT_EQ(report.text, c.text);
    }
}

struct BadMachine {
    const char* name;
    Machine machine;
    const char* message;
};

TEST(MachineData, RefusedNamingTheField) {
    const auto with = [](auto change) {
        Machine machine = spindle(7.5, 0.8);
        machine.speeds = {31.5, 40, 50};
        change(machine);
        return machine;
    };
    const BadMachine cases[] = {
        {"no name", with([](Machine& m) { m.name = "  "; }), "НЕ ЗАДАНО ИМЯ СТАНКА!!!"},
        {"power 0", with([](Machine& m) { m.power = 0; }),
         "МОЩНОСТЬ ДВИГАТЕЛЯ ДОЛЖНА БЫТЬ БОЛЬШЕ НУЛЯ!!!"},
        {"efficiency above 1", with([](Machine& m) { m.efficiency = 1.01; }),
         "КПД ДОЛЖЕН БЫТЬ БОЛЬШЕ НУЛЯ И НЕ БОЛЬШЕ 1!!!"},
        {"efficiency 0", with([](Machine& m) { m.efficiency = 0; }),
         "КПД ДОЛЖЕН БЫТЬ БОЛЬШЕ НУЛЯ И НЕ БОЛЬШЕ 1!!!"},
        {"duplicate speed", with([](Machine& m) {
             m.speeds = {40, 40, 50};
         }),
         "ЧАСТОТЫ ВРАЩЕНИЯ ПОВТОРЯЮТСЯ ИЛИ НЕ ИДУТ ПО ВОЗРАСТАНИЮ!!!"},
        {"negative speed", with([](Machine& m) {
             m.speeds = {-1, 40};
         }),
         "ЧАСТОТЫ ВРАЩЕНИЯ ДОЛЖНЫ БЫТЬ БОЛЬШЕ НУЛЯ!!!"},
        {"range reversed", with([](Machine& m) {
             m.speeds.clear();
             m.speedMin = 100;
             m.speedMax = 100;
         }),
         "НАИМЕНЬШАЯ ЧАСТОТА ДОЛЖНА БЫТЬ МЕНЬШЕ НАИБОЛЬШЕЙ!!!"},
        {"no speeds", with([](Machine& m) { m.speeds.clear(); }),
         "НЕ ЗАДАНЫ ЧАСТОТЫ ВРАЩЕНИЯ ШПИНДЕЛЯ!!!"},
        {"torque 0", with([](Machine& m) { m.torqueMax = 0; }),
         "НАИБОЛЬШИЙ МОМЕНТ ДОЛЖЕН БЫТЬ БОЛЬШЕ НУЛЯ!!!"},
        {"force negative", with([](Machine& m) { m.forceMax = -5; }),
         "НАИБОЛЬШАЯ СИЛА ПОДАЧИ ДОЛЖНА БЫТЬ БОЛЬШЕ НУЛЯ!!!"},
        // Data no machine has: its arithmetic would underflow to 0 or run off the doubles.
        {"power 1e250", with([](Machine& m) { m.power = 1e250; }),
         "ЗНАЧЕНИЕ В ПОЛЕ «МОЩНОСТЬ ДВИГАТЕЛЯ» ВНЕ ПРЕДЕЛОВ РЕАЛЬНОГО СТАНКА: ОТ 0,01 ДО 10000 "
         "кВт!!!"},
        {"power 5e-324", with([](Machine& m) { m.power = 5e-324; }),
         "ЗНАЧЕНИЕ В ПОЛЕ «МОЩНОСТЬ ДВИГАТЕЛЯ» ВНЕ ПРЕДЕЛОВ РЕАЛЬНОГО СТАНКА: ОТ 0,01 ДО 10000 "
         "кВт!!!"},
        {"efficiency 1e-300", with([](Machine& m) { m.efficiency = 1e-300; }),
         "ЗНАЧЕНИЕ В ПОЛЕ «КПД» ВНЕ ПРЕДЕЛОВ РЕАЛЬНОГО СТАНКА: ОТ 0,01 ДО 1!!!"},
        {"speed 2e6", with([](Machine& m) {
             m.speeds = {40, 2e6};
         }),
         "ЗНАЧЕНИЕ В ПОЛЕ «ЧАСТОТЫ ВРАЩЕНИЯ» ВНЕ ПРЕДЕЛОВ РЕАЛЬНОГО СТАНКА: ОТ 0,01 ДО 1000000 "
         "об/мин!!!"},
        {"nmax 1e308", with([](Machine& m) {
             m.speeds.clear();
             m.speedMin = 1;
             m.speedMax = 1e308;
         }),
         "ЗНАЧЕНИЕ В ПОЛЕ «ЧАСТОТЫ ВРАЩЕНИЯ» ВНЕ ПРЕДЕЛОВ РЕАЛЬНОГО СТАНКА: ОТ 0,01 ДО 1000000 "
         "об/мин!!!"},
        {"torque 1e240", with([](Machine& m) { m.torqueMax = 1e240; }),
         "ЗНАЧЕНИЕ В ПОЛЕ «НАИБОЛЬШИЙ МОМЕНТ» ВНЕ ПРЕДЕЛОВ РЕАЛЬНОГО СТАНКА: ДО 10000000 Н·м!!!"},
        {"feeds out of order", with([](Machine& m) {
             m.feeds = {50, 40};
         }),
         "ПОДАЧИ ПОВТОРЯЮТСЯ ИЛИ НЕ ИДУТ ПО ВОЗРАСТАНИЮ!!!"},
        {"feed 0", with([](Machine& m) {
             m.feeds = {0, 40};
         }),
         "ПОДАЧИ ДОЛЖНЫ БЫТЬ БОЛЬШЕ НУЛЯ!!!"},
        {"feed 1e6", with([](Machine& m) {
             m.feeds = {40, 1e6};
         }),
         "ЗНАЧЕНИЕ В ПОЛЕ «ПОДАЧИ» ВНЕ ПРЕДЕЛОВ РЕАЛЬНОГО СТАНКА: ОТ 0,001 ДО 100000!!!"},
        {"force 1e300", with([](Machine& m) { m.forceMax = 1e300; }),
         "ЗНАЧЕНИЕ В ПОЛЕ «НАИБОЛЬШАЯ СИЛА ПОДАЧИ» ВНЕ ПРЕДЕЛОВ РЕАЛЬНОГО СТАНКА: ДО 10000000 "
         "Н!!!"},
    };
    for (const BadMachine& c : cases) {
        EXPECT_EQ(machineError(c.machine, MachineUse::Library), c.message) << c.name;
    }
    EXPECT_EQ(machineError(with([](Machine&) {}), MachineUse::Library), "");
    // On the command line a limit alone will do, but the power needs its efficiency.
    EXPECT_EQ(machineError(torqueLimited(50), MachineUse::Limits), "");
    Machine powerOnly;
    powerOnly.power = 7.5;
    EXPECT_EQ(machineError(powerOnly, MachineUse::Limits), "НЕ ЗАДАН КПД ПРИВОДА!!!");
    const std::vector<Machine> library{with([](Machine&) {})};
    EXPECT_EQ(libraryError(library, library[0], std::nullopt), "СТАНОК С ИМЕНЕМ 6Р12 УЖЕ ЕСТЬ!!!");
    EXPECT_EQ(libraryError(library, library[0], 0), "");
}

TEST(MachineData, TypedNumbersAndSpeedLists) {
    EXPECT_EQ(typedNumber(" 7,5 "), 7.5);
    EXPECT_EQ(typedNumber("7.5"), 7.5);
    EXPECT_EQ(typedNumber("7,5кВт"), std::nullopt);
    EXPECT_EQ(typedNumber(""), std::nullopt);
    EXPECT_EQ(typedNumber("inf"), std::nullopt);
    const SpeedList list = parseSpeedList("40; 31,5;50;");
    EXPECT_EQ(list.speeds, (std::vector<double>{31.5, 40, 50}));
    EXPECT_EQ(parseSpeedList("31,5; сорок").badItem, "сорок");
    EXPECT_EQ(speedListText(list.speeds, ','), "31,5; 40; 50");
}

TEST(MachineData, SpeedSeriesOfGost8032) {
    // R10 from 31,5 to 1600 is the 6Р12's gearbox; R20/3 runs on through the decades.
    EXPECT_EQ(seriesSpeeds(speedSeries[1], 31.5, 1600),
              (std::vector<double>{31.5, 40, 50, 63, 80, 100, 125, 160, 200, 250, 315, 400, 500,
                                   630, 800, 1000, 1250, 1600}));
    EXPECT_EQ(seriesSpeeds(speedSeries[2], 31.5, 500),
              (std::vector<double>{31.5, 45, 63, 90, 125, 180, 250, 355, 500}));
    EXPECT_EQ(seriesSpeeds(speedSeries[3], 10, 100),
              (std::vector<double>{10, 16, 25, 40, 63, 100}));
    EXPECT_EQ(seriesSpeeds(speedSeries[0], 9, 12.5), (std::vector<double>{9, 10, 11.2, 12.5}));
    EXPECT_TRUE(seriesSpeeds(speedSeries[0], 100, 100).empty());
}

class LibraryFile : public testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/rezhim-machines-XXXXXX";
        folder_ = mkdtemp(pattern);
        path_ = folder_ / "rezhim" / "machines.json";
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    static std::string read(const std::filesystem::path& path) {
        return readFileBytes(path).value_or("(none)");
    }
    void write(const std::string& text) {
        std::filesystem::create_directories(path_.parent_path());
        std::ofstream(path_, std::ios::binary) << text;
    }

    std::filesystem::path folder_;
    std::filesystem::path path_;
};

TEST_F(LibraryFile, RoundTripsEveryField) {
    Machine mill = spindle(7.5, 0.8);
    mill.speeds = {31.5, 40, 1600};
    mill.torqueMax = 300;
    Machine lathe;
    lathe.name = "16К20Ф3";
    lathe.power = 11;
    lathe.efficiency = 0.75;
    lathe.speedMin = 10;
    lathe.speedMax = 2000;
    lathe.forceMax = 6000;
    lathe.feeds = {0.05, 0.1, 2.8};
    lathe.feedUnit = FeedUnit::perRevolution;
    mill.feeds = {25, 31.5, 1250};
    ASSERT_TRUE(saveLibrary(path_, {mill, lathe}));
    const LoadedLibrary loaded = loadLibrary(path_);
    EXPECT_EQ(loaded.problem, "");
    EXPECT_EQ(loaded.machines, (std::vector<Machine>{mill, lathe}));
    // No file yet is an empty library, not a problem.
    EXPECT_EQ(loadLibrary(folder_ / "none.json").problem, "");
}

// A library of the version before the passport feeds loads as it is: no feeds, nothing checked.
TEST_F(LibraryFile, AFileWithoutFeedsLoadsUnchanged) {
    const std::string older = "{\n  \"machines\": [\n    {\n      \"efficiency\": 0.8,\n"
                              "      \"name\": \"6Р12\",\n      \"power\": 7.5,\n"
                              "      \"speeds\": [\n        31.5,\n        1600.0\n      ]\n"
                              "    }\n  ]\n}\n";
    write(older);
    const LoadedLibrary loaded = loadLibrary(path_);
    EXPECT_EQ(loaded.problem, "");
    ASSERT_EQ(loaded.machines.size(), 1u);
    EXPECT_TRUE(loaded.machines[0].feeds.empty());
    EXPECT_EQ(libraryJson(loaded.machines), older);
}

TEST_F(LibraryFile, DamagedFileIsSetAsideNeverLost) {
    const std::string damaged[] = {
        "{\"machines\": [", // cut short
        "{\"machines\": [{\"name\": \"6Р12\", \"power\": 7.5, \"efficiency\": 1.5, "
        "\"speeds\": [100]}]}", // η above 1
        "{\"machines\": [{\"name\": \"А\", \"power\": \"7,5\"}]}",
        "{\"machines\": [{\"name\": \"А\", \"power\": 7.5, \"efficiency\": 0.8, "
        "\"speeds\": [100], \"feeds\": [25]}]}", // a feed of no unit
    };
    for (const std::string& text : damaged) {
        write(text);
        const LoadedLibrary loaded = loadLibrary(path_);
        EXPECT_TRUE(loaded.machines.empty());
        EXPECT_NE(loaded.problem.find(path_.string()), std::string::npos) << loaded.problem;
        EXPECT_FALSE(std::filesystem::exists(path_));
    }
    // Each damaged file kept its own name beside the library, with its bytes.
    EXPECT_EQ(read(path_.string() + ".damaged"), damaged[0]);
    EXPECT_EQ(read(path_.string() + ".damaged-2"), damaged[1]);
    EXPECT_EQ(read(path_.string() + ".damaged-3"), damaged[2]);
    EXPECT_EQ(read(path_.string() + ".damaged-4"), damaged[3]);
}

} // namespace
