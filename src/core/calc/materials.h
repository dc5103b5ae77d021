// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <string_view>
#include <vector>

// Codes as the material questions offer them; the enumerators double as table indices + 1.
enum class WorkMaterial { Steel = 1, CastIron = 2, AluminiumAlloy = 3, CopperAlloy = 4 };
enum class ToolMaterial { HighSpeedSteel = 1, Carbide = 2, MineralCeramics = 3 };

inline constexpr int workMaterialCount = 4;
inline constexpr int toolMaterialCount = 3;

constexpr std::size_t index(WorkMaterial work) {
    return static_cast<std::size_t>(work) - 1;
}
constexpr std::size_t index(ToolMaterial tool) {
    return static_cast<std::size_t>(tool) - 1;
}

std::optional<WorkMaterial> workMaterialFromCode(int code);
std::optional<ToolMaterial> toolMaterialFromCode(int code);

// What the results grid shows in its "заг-ка" and "инстр-т" columns.
inline constexpr std::array<std::string_view, workMaterialCount> workMaterialTexts{"сталь", "чугун",
                                                                                   "АЛ.", "МЕД."};
// "ТC" is a Cyrillic Т with a Latin C and "М/K" a Cyrillic М with a Latin K, as in the printed
// tables the reports are compared with; the end- and disc-milling windows write "МK".
inline constexpr std::array<std::string_view, toolMaterialCount> toolMaterialTexts{"Б/Р", "ТC",
                                                                                   "М/K"};

// True when every entry of a coefficient table (rows by tool, columns by work material) is
// `complete`: a missing entry would read as all zeros.
template <typename Table, typename Complete>
constexpr bool everyEntry(const Table& table, Complete complete) {
    for (const auto& row : table) {
        for (const auto& entry : row) {
            if (!complete(entry)) {
                return false;
            }
        }
    }
    return true;
}

// As the command line's keys and the user's data files name them.
inline constexpr std::array<std::string_view, toolMaterialCount> toolMaterialNames{"hss", "carbide",
                                                                                   "ceramics"};
inline constexpr std::array<std::string_view, workMaterialCount> workMaterialNames{
    "steel", "cast-iron", "aluminium", "copper"};

// Steel and aluminium alloys are characterised by tensile strength in MPa, cast iron and copper
// alloys by Brinell hardness.
bool isRatedByHardness(WorkMaterial work);

// Kmp, the work-material correction factor of the cutting force: the force tables hold values
// for steel of 750 MPa and cast iron of 190 HB; other grades scale them.
double Kmp(WorkMaterial work, ToolMaterial tool, double strength);

// Where Kmp jumps: the band edges of tensile strength (aluminium alloys, MPa) or hardness
// (copper alloys, HB); none for steel and cast iron, whose Kmp follows the strength smoothly.
inline constexpr std::array<double, 2> aluminiumBandEdges{250, 350};
inline constexpr double copperHardFrom = 120;
std::vector<double> kmpBandEdges(WorkMaterial work);
