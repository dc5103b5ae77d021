// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/calc/materials.h"

#include <cmath>
#include <gtest/gtest.h>
#include <optional>

namespace {

constexpr ToolMaterial allTools[] = {ToolMaterial::HighSpeedSteel, ToolMaterial::Carbide,
                                     ToolMaterial::MineralCeramics};

// Kmp scales the force tables (steel 750 MPa, cast iron 190 HB) to the grade at hand; aluminium
// and copper alloys go by bands, the middle aluminium band including both its bounds.
TEST(KmpTest, ScalesTheTableGrade) {
    struct Case {
        const char* name;
        WorkMaterial work;
        std::optional<ToolMaterial> tool; // empty: the same for every tool
        double strength;
        double expected;
    };
    const Case cases[] = {
        {"steel at table grade", WorkMaterial::Steel, std::nullopt, 750, 1.0},
        {"softer steel", WorkMaterial::Steel, std::nullopt, 600, std::pow(0.8, 0.3)},
        {"hard cast iron, HSS", WorkMaterial::CastIron, ToolMaterial::HighSpeedSteel, 380,
         std::pow(2.0, 0.55)},
        {"hard cast iron, carbide", WorkMaterial::CastIron, ToolMaterial::Carbide, 380, 2.0},
        {"hard cast iron, ceramics", WorkMaterial::CastIron, ToolMaterial::MineralCeramics, 380,
         2.0},
        {"aluminium below 250", WorkMaterial::AluminiumAlloy, std::nullopt, 249.9, 1.5},
        {"aluminium at 250", WorkMaterial::AluminiumAlloy, std::nullopt, 250, 2.0},
        {"aluminium at 350", WorkMaterial::AluminiumAlloy, std::nullopt, 350, 2.0},
        {"aluminium above 350", WorkMaterial::AluminiumAlloy, std::nullopt, 350.1, 2.75},
        {"soft copper, HSS", WorkMaterial::CopperAlloy, ToolMaterial::HighSpeedSteel, 119.9, 1.5},
        {"soft copper, carbide", WorkMaterial::CopperAlloy, ToolMaterial::Carbide, 119.9, 1.5},
        {"soft copper, ceramics", WorkMaterial::CopperAlloy, ToolMaterial::MineralCeramics, 119.9,
         1.0},
        {"hard copper", WorkMaterial::CopperAlloy, std::nullopt, 120, 0.75},
    };
    for (const Case& c : cases) {
        for (const ToolMaterial tool : allTools) {
            if (c.tool && *c.tool != tool) {
                continue;
            }
            SCOPED_TRACE(testing::Message() << c.name << ", tool " << static_cast<int>(tool));
            EXPECT_DOUBLE_EQ(Kmp(c.work, tool, c.strength), c.expected);
        }
    }
}

// The material questions accept the codes they offer and nothing else.
TEST(MaterialCodesTest, AcceptOnlyOfferedCodes) {
    EXPECT_EQ(workMaterialFromCode(1), WorkMaterial::Steel);
    EXPECT_EQ(workMaterialFromCode(2), WorkMaterial::CastIron);
    EXPECT_EQ(workMaterialFromCode(3), WorkMaterial::AluminiumAlloy);
    EXPECT_EQ(workMaterialFromCode(4), WorkMaterial::CopperAlloy);
    EXPECT_EQ(toolMaterialFromCode(1), ToolMaterial::HighSpeedSteel);
    EXPECT_EQ(toolMaterialFromCode(2), ToolMaterial::Carbide);
    EXPECT_EQ(toolMaterialFromCode(3), ToolMaterial::MineralCeramics);
    for (const int code : {-1, 0, 5}) {
        SCOPED_TRACE(code);
        EXPECT_EQ(workMaterialFromCode(code), std::nullopt);
    }
    for (const int code : {-1, 0, 4}) {
        SCOPED_TRACE(code);
        EXPECT_EQ(toolMaterialFromCode(code), std::nullopt);
    }
}

} // namespace
