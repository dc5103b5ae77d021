// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/speed/speedrow.h"
#include "support/testspeedrows.h"

#include <gtest/gtest.h>

namespace {

SpeedRow row(std::vector<std::string> operations, WorkMaterial work,
             std::initializer_list<std::pair<SpeedField, double>> values) {
    SpeedRow result;
    result.name = "строка";
    result.operations = std::move(operations);
    result.work = work;
    for (const auto& [field, value] : values) {
        result.set(field, value);
    }
    return result;
}

// An HSS drill in steel: D 11,5 mm, s 0,25 mm/rev, Cv 7, q 0,4, y 0,7, m 0,2, T 45 min and
// Kmv 0,51 give v = 7·11,5^0,4/(45^0,2·0,25^0,7)·0,51 = 11,688 m/min, n = 323,68 rev/min; the
// depth a drill derives has no exponent in the row and stays out.
TEST(SpeedOf, HandWorkedRowsOfDrillingAndFaceMilling) {
    const SpeedRow drill = drillingRow();
    ASSERT_EQ(speedRowError(drill), "");
    const SpeedResult drilled = speedOf(drill, {.D = 11.5, .t = 5.75, .s = 0.25, .H = 750}, 45);
    ASSERT_TRUE(drilled.terms) << drilled.error;
    EXPECT_NEAR(drilled.terms->v, 11.688, 0.0005);
    EXPECT_NEAR(drilled.terms->n, 323.68, 0.005);
    EXPECT_EQ(drilled.terms->tx, 1);
    EXPECT_EQ(drilled.terms->Kv, 0.51);

    // An HSS face mill: D 100, z 10, B 48, t 1, Sz 0,15, Cv 41, q 0,25, x 0,1, y 0,4, u 0,15,
    // p 0, m 0,2, T 180, Kv 1: v = 54,84 m/min, n = 174,65 rev/min.
    const SpeedRow mill = faceMillingRow();
    const SpeedResult milled =
        speedOf(mill, {.D = 100, .t = 1, .s = 0.15, .B = 48, .z = 10, .H = 750}, 180);
    ASSERT_TRUE(milled.terms) << milled.error;
    EXPECT_NEAR(milled.terms->v, 54.84, 0.005);
    EXPECT_NEAR(milled.terms->n, 174.65, 0.005);
    EXPECT_EQ(milled.terms->Kv, 1);
}

// Kmv follows the row's law from the window's H: steel Kg·(750/σв)^nv, cast iron (190/HB)^nv.
TEST(SpeedOf, WorkMaterialFactorByTheRowsLaw) {
    const SpeedRow steel = row({"turning"}, WorkMaterial::Steel,
                               {{SpeedField::Cv, 100}, {SpeedField::nv, 0.9}, {SpeedField::Kg, 1}});
    EXPECT_NEAR(speedOf(steel, {.D = 50, .H = 600}, 60).terms->Kmv, 1.2224160, 1e-7);
    const SpeedRow iron =
        row({"turning"}, WorkMaterial::CastIron, {{SpeedField::Cv, 100}, {SpeedField::nv, 1.25}});
    EXPECT_NEAR(speedOf(iron, {.D = 50, .H = 220}, 60).terms->Kmv, 0.8325564, 1e-7);
    // A speed no tool cuts at is refused, naming the row.
    const SpeedRow wild = row({"turning"}, WorkMaterial::Steel, {{SpeedField::Cv, 1e5}});
    EXPECT_EQ(speedOf(wild, {.D = 50, .s = 1e-4, .H = 750}, 60).error, "");
    const SpeedRow fast =
        row({"turning"}, WorkMaterial::Steel, {{SpeedField::Cv, 1e5}, {SpeedField::y, -5}});
    EXPECT_EQ(speedOf(fast, {.D = 50, .s = 100, .H = 750}, 60).error,
              "СТРОКА «строка»: СКОРОСТЬ РЕЗАНИЯ ПО ЭТОЙ СТРОКЕ ВНЕ ПРЕДЕЛОВ ОТ 0,01 ДО 100000 "
              "м/мин!!!");
}

TEST(SpeedRowError, NamesTheRowAndTheField) {
    const std::pair<SpeedRow, std::string> cases[] = {
        {row({"turning"}, WorkMaterial::Steel, {}), "СТРОКА «строка»: НЕ ЗАДАН КОЭФФИЦИЕНТ Cv!!!"},
        {row({"turning"}, WorkMaterial::Steel, {{SpeedField::Cv, 0}}),
         "СТРОКА «строка»: ЗНАЧЕНИЕ Cv ВНЕ ПРЕДЕЛОВ: БОЛЬШЕ 0 И НЕ БОЛЬШЕ 100000!!!"},
        {row({"turning"}, WorkMaterial::Steel, {{SpeedField::Cv, 7}, {SpeedField::y, 5.5}}),
         "СТРОКА «строка»: ЗНАЧЕНИЕ y ВНЕ ПРЕДЕЛОВ: ОТ -5 ДО 5!!!"},
        {row({"turning"}, WorkMaterial::Steel, {{SpeedField::Cv, 7}, {SpeedField::T, 0.5}}),
         "СТРОКА «строка»: ЗНАЧЕНИЕ T ВНЕ ПРЕДЕЛОВ: ОТ 1 ДО 100000 мин!!!"},
        {row({"turning"}, WorkMaterial::Steel,
             {{SpeedField::Cv, 7}, {SpeedField::Kmv, 0.5}, {SpeedField::nv, 0.9}}),
         "СТРОКА «строка»: Kmv ЗАДАЁТСЯ ВМЕСТО Kg И nv, А НЕ ВМЕСТЕ С НИМИ!!!"},
        {row({"turning"}, WorkMaterial::CopperAlloy, {{SpeedField::Cv, 7}, {SpeedField::nv, 1}}),
         "СТРОКА «строка»: ДЛЯ АЛЮМИНИЕВЫХ И МЕДНЫХ СПЛАВОВ ЗАДАЁТСЯ Kmv, А НЕ nv!!!"},
        {row({"turning"}, WorkMaterial::Steel,
             {{SpeedField::Cv, 7}, {SpeedField::sFrom, 0.7}, {SpeedField::sTo, 0.7}}),
         "СТРОКА «строка»: В ПОЛОСЕ s НАЧАЛО ДОЛЖНО БЫТЬ МЕНЬШЕ КОНЦА!!!"},
        {row({"planing"}, WorkMaterial::Steel, {{SpeedField::Cv, 7}}),
         "СТРОКА «строка»: НЕИЗВЕСТНАЯ ОПЕРАЦИЯ planing!!!"},
        {row({}, WorkMaterial::Steel, {{SpeedField::Cv, 7}}),
         "СТРОКА «строка»: НЕ ЗАДАНЫ ОПЕРАЦИИ!!!"},
    };
    for (const auto& [bad, message] : cases) {
        EXPECT_EQ(speedRowError(bad), message);
    }
}

// A band reads as the handbook's rows do, "св. 0,3 до 0,7": above its start, up to its end.
TEST(BandMisfit, AboveTheStartUpToTheEnd) {
    const SpeedRow banded = row({"turning"}, WorkMaterial::Steel,
                                {{SpeedField::Cv, 7},
                                 {SpeedField::sFrom, 0.3},
                                 {SpeedField::sTo, 0.7},
                                 {SpeedField::DTo, 100}});
    EXPECT_EQ(bandMisfit(banded, {.D = 50, .s = 0.3}, ','),
              "s = 0,3 ВНЕ ПОЛОСЫ СТРОКИ «строка»: СВ. 0,3 ДО 0,7!!!");
    EXPECT_EQ(bandMisfit(banded, {.D = 50, .s = 0.7}, ','), "");
    EXPECT_EQ(bandMisfit(banded, {.D = 100.5, .s = 0.5}, '.'),
              "D = 100.5 ВНЕ ПОЛОСЫ СТРОКИ «строка»: ДО 100!!!");
    EXPECT_TRUE(serves(banded, "turning", ToolMaterial::HighSpeedSteel, WorkMaterial::Steel));
    EXPECT_FALSE(serves(banded, "boring", ToolMaterial::HighSpeedSteel, WorkMaterial::Steel));
    EXPECT_FALSE(serves(banded, "turning", ToolMaterial::Carbide, WorkMaterial::Steel));
}

} // namespace
