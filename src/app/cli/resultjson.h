// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/calc/calculation.h"
#include "core/calc/resultrow.h"
#include "core/cutter/cutter.h"
#include "core/machine/machine.h"
#include "core/machine/machinecheck.h"

#include <optional>
#include <string>

// The pieces of JSON calc and sweep write alike, so that a sweep's point reads as calc's row.

// The number in shortest round-trip form, or null where there is none.
void appendNumberOrNull(std::string& out, const std::optional<double>& value);

// `, "n": …, "Pz": …, "Py": …, "Px": …, "M": …, "N": …`: the raw results, null where the tool
// has none (its cell stays blank).
void appendRawResults(std::string& out, const RowResults& results);

// `, "Sm": …, "To": …, "Q": …`: the minute feed, the main time (null without L) and the removal
// rate (null in threading), unrounded.
void appendFeedRates(std::string& out, const RowResults& results);

// `, "machine": {…}`: the row against the machine: its spindle power and load, the limits
// crossed, the passport speed the spindle would really run at with the cutting speed that
// gives on the diameter D, and the passport feed: in the feed box's unit and as a minute feed
// (null where the machine has no feeds or none low enough).
void appendMachineJson(std::string& out, const Machine& machine, const MachineCheck& check,
                       const Calculation& calculation, const CalcInputs& inputs,
                       const RowResults& results);

// `, "cutter": {"sigma": …, "f": …, "Rz": …, "Ra": …, "violations": […]}`: the row against the
// cutter: the bending stress (MPa), the deflection (mm), the theoretical roughness (µm), null
// where not computed, and the checks that fail (shank-strength, shank-rigidity, roughness).
void appendCutterJson(std::string& out, const CutterCheck& check);
