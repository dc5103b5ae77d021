// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/speed/speedservice.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

SpeedRow drillRow(const std::string& name) {
    SpeedRow row;
    row.name = name;
    row.operations = {"drilling", "enlarging"};
    for (const auto& [field, value] : {std::pair{SpeedField::Cv, 7.0},
                                       {SpeedField::q, 0.4},
                                       {SpeedField::y, 0.7},
                                       {SpeedField::m, 0.2},
                                       {SpeedField::T, 45.0},
                                       {SpeedField::Kmv, 0.51}}) {
        row.set(field, value);
    }
    return row;
}

// The rows that serve the window's operation and materials are offered in the library's order:
// one within its bands with its speed, one outside them with the band it misses; a row of
// another operation or material is no offer.
TEST(SpeedOffers, RowsServingTheCalculationWithTheirBands) {
    SpeedRow fine = drillRow("до 0,3");
    fine.set(SpeedField::sTo, 0.3);
    SpeedRow coarse = drillRow("св. 0,3");
    coarse.set(SpeedField::sFrom, 0.3);
    SpeedRow carbide = drillRow("ТС");
    carbide.tool = ToolMaterial::Carbide;
    SpeedRow taps = drillRow("метчики");
    taps.operations = {"thread-tap"};
    const std::vector<SpeedRow> rows{fine, carbide, coarse, taps};

    const Operation& drilling = *findOperation("drilling");
    CalcInputs in;
    in[Key::D] = 11.5;
    in[Key::t] = 5.75;
    in[Key::s] = 0.25;
    in[Key::H] = 750;
    in.kind = drilling.kind;
    EXPECT_TRUE(
        speedServiceConnected(rows, drilling, ToolMaterial::HighSpeedSteel, WorkMaterial::Steel));
    EXPECT_FALSE(
        speedServiceConnected(rows, drilling, ToolMaterial::MineralCeramics, WorkMaterial::Steel));
    EXPECT_FALSE(speedServiceConnected(rows, *findOperation("reaming"),
                                       ToolMaterial::HighSpeedSteel, WorkMaterial::Steel));

    // Before the choices are made, a choice not made matches any.
    EXPECT_TRUE(speedRowsMayServe(rows, 6, std::nullopt, std::nullopt, std::nullopt));
    EXPECT_FALSE(
        speedRowsMayServe(rows, 6, std::nullopt, ToolMaterial::MineralCeramics, std::nullopt));
    EXPECT_FALSE(speedRowsMayServe(rows, 6, 4, std::nullopt, std::nullopt)); // reaming
    EXPECT_FALSE(speedRowsMayServe(rows, 5, std::nullopt, std::nullopt, std::nullopt));

    const std::vector<SpeedOffer> offers = speedOffers(rows, drilling, in, std::nullopt, ',');
    ASSERT_EQ(offers.size(), 2u);
    EXPECT_EQ(offers[0].row.name, "до 0,3");
    ASSERT_TRUE(offers[0].result.terms);
    EXPECT_NEAR(offers[0].result.terms->v, 11.688, 0.0005);
    EXPECT_EQ(offers[1].misfit, "s = 0,25 ВНЕ ПОЛОСЫ СТРОКИ «св. 0,3»: СВ. 0,3!!!");
    EXPECT_FALSE(offers[1].result.terms);

    // The tool life asked for replaces the row's: v grows as (45/T)^m.
    const std::vector<SpeedOffer> shorter = speedOffers(rows, drilling, in, 15.0, ',');
    EXPECT_NEAR(shorter[0].result.terms->v, 11.688 * std::pow(3, 0.2), 0.001);
    EXPECT_EQ(speedOffers(rows, drilling, in, 0.5, ',')[0].result.error,
              "ПЕРИОД СТОЙКОСТИ T ВНЕ ПРЕДЕЛОВ: ОТ 1 ДО 100000 мин!!!");
}

// A thread cutter's passes are i, a tap works in one pass whatever the box holds.
TEST(SpeedInputs, PassesOfACutterOnly) {
    CalcInputs in;
    in[Key::passes] = 6;
    EXPECT_EQ(speedInputs(*findOperation("thread-cutter"), in).i, 6);
    EXPECT_EQ(speedInputs(*findOperation("thread-tap"), in).i, 1);
}

} // namespace
