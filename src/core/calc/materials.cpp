// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/calc/materials.h"

#include <cmath>

std::optional<WorkMaterial> workMaterialFromCode(int code) {
    if (code < 1 || code > workMaterialCount) {
        return std::nullopt;
    }
    return static_cast<WorkMaterial>(code);
}

std::optional<ToolMaterial> toolMaterialFromCode(int code) {
    if (code < 1 || code > toolMaterialCount) {
        return std::nullopt;
    }
    return static_cast<ToolMaterial>(code);
}

bool isRatedByHardness(WorkMaterial work) {
    return work == WorkMaterial::CastIron || work == WorkMaterial::CopperAlloy;
}

double Kmp(WorkMaterial work, ToolMaterial tool, double strength) {
    switch (work) {
    case WorkMaterial::Steel:
        return std::pow(strength / 750, 0.3);
    case WorkMaterial::CastIron:
        return tool == ToolMaterial::HighSpeedSteel ? std::pow(strength / 190, 0.55)
                                                    : strength / 190;
    case WorkMaterial::AluminiumAlloy:
        // Bands of tensile strength, MPa; both bounds of the middle band belong to it.
        if (strength < aluminiumBandEdges[0]) {
            return 1.5;
        }
        return strength <= aluminiumBandEdges[1] ? 2.0 : 2.75;
    case WorkMaterial::CopperAlloy:
        // Soft copper alloys below 120 HB; ceramics do not load them more than the table value.
        if (strength >= copperHardFrom) {
            return 0.75;
        }
        return tool == ToolMaterial::MineralCeramics ? 1.0 : 1.5;
    }
    return 0;
}

std::vector<double> kmpBandEdges(WorkMaterial work) {
    switch (work) {
    case WorkMaterial::AluminiumAlloy:
        return {aluminiumBandEdges.begin(), aluminiumBandEdges.end()};
    case WorkMaterial::CopperAlloy:
        return {copperHardFrom};
    case WorkMaterial::Steel:
    case WorkMaterial::CastIron:
        return {};
    }
    return {};
}
