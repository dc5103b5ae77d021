// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/calc/calculation.h"
#include "core/operations/registry.h"
#include "core/speed/speedrow.h"

#include <optional>
#include <string>
#include <vector>

// The speed service of the windows and of `rezhim-cli speed`: the cutting speed each of the
// user's coefficient rows gives for a calculation, as "РАСЧЁТ" read it.

// The values the speed formula reads from what the calculation read: a thread cutter's passes
// are i, every other operation works in one.
SpeedInputs speedInputs(const Operation& operation, const CalcInputs& inputs);

// Whether any row serves the operation with these materials; where none does, the windows' item
// answers that the service is not connected.
bool speedServiceConnected(const std::vector<SpeedRow>& rows, const Operation& operation,
                           ToolMaterial tool, WorkMaterial work);

// The operation window `window` computes with the sub-operation `kind`: a window of one operation
// computes it whatever the kind.
const Operation* windowOperation(int window, int kind);

// Whether any row may serve window `window` before its choices are all made: a sub-operation, a
// tool or a work material not yet chosen matches any. Where none may, the window's item says
// that the service is not connected without asking anything.
bool speedRowsMayServe(const std::vector<SpeedRow>& rows, int window, std::optional<int> kind,
                       std::optional<ToolMaterial> tool, std::optional<WorkMaterial> work);

// A row that serves the calculation: why its bands do not fit, or what it gives.
struct SpeedOffer {
    SpeedRow row;
    std::string misfit; // empty where the inputs lie within the row's bands
    SpeedResult result; // where they do
};

// Every row that serves the calculation, in the library's order, at the tool life asked for or,
// without one, the row's own.
std::vector<SpeedOffer> speedOffers(const std::vector<SpeedRow>& rows, const Operation& operation,
                                    const CalcInputs& inputs, std::optional<double> toolLife,
                                    char decimalSeparator);
