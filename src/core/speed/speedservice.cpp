// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/speed/speedservice.h"

#include <algorithm>

SpeedInputs speedInputs(const Operation& operation, const CalcInputs& inputs) {
    const Calculation& calc = calculation(operation.window);
    SpeedInputs out;
    out.D = inputs[Key::D];
    out.t = inputs[Key::t];
    out.s = inputs[Key::s];
    out.B = inputs[Key::B];
    out.z = inputs[Key::z];
    out.H = inputs[Key::H];
    out.i = calc.reads(Key::passes, operation.kind) ? inputs[Key::passes] : 1;
    return out;
}

bool speedServiceConnected(const std::vector<SpeedRow>& rows, const Operation& operation,
                           ToolMaterial tool, WorkMaterial work) {
    return std::any_of(rows.begin(), rows.end(), [&](const SpeedRow& row) {
        return serves(row, operation.name, tool, work);
    });
}

const Operation* windowOperation(int window, int kind) {
    if (const Operation* only = findOperation(window, 0)) {
        return only;
    }
    return findOperation(window, kind);
}

bool speedRowsMayServe(const std::vector<SpeedRow>& rows, int window, std::optional<int> kind,
                       std::optional<ToolMaterial> tool, std::optional<WorkMaterial> work) {
    const Operation* known = kind ? windowOperation(window, *kind) : nullptr;
    return std::any_of(rows.begin(), rows.end(), [&](const SpeedRow& row) {
        return std::any_of(operations.begin(), operations.end(), [&](const Operation& operation) {
            return operation.window == window && (!known || &operation == known) &&
                   serves(row, operation.name, tool.value_or(row.tool), work.value_or(row.work));
        });
    });
}

std::vector<SpeedOffer> speedOffers(const std::vector<SpeedRow>& rows, const Operation& operation,
                                    const CalcInputs& inputs, std::optional<double> toolLife,
                                    char decimalSeparator) {
    const SpeedInputs in = speedInputs(operation, inputs);
    std::vector<SpeedOffer> offers;
    for (const SpeedRow& row : rows) {
        if (!serves(row, operation.name, inputs.tool, inputs.work)) {
            continue;
        }
        SpeedOffer& offer =
            offers.emplace_back(SpeedOffer{row, bandMisfit(row, in, decimalSeparator), {}});
        if (!offer.misfit.empty()) {
            continue;
        }
        const std::optional<double> T = toolLife ? toolLife : row.given(SpeedField::T);
        if (!T) {
            offer.result.error = "СТРОКА «" + row.name + "»: НЕ ЗАДАН ПЕРИОД СТОЙКОСТИ T!!!";
            continue;
        }
        if (std::string error = toolLifeError(*T); !error.empty()) {
            offer.result.error = std::move(error);
            continue;
        }
        offer.result = speedOf(row, in, *T);
    }
    return offers;
}
