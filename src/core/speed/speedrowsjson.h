// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/speed/speedrow.h"

#include <string>
#include <vector>

// The user's coefficient rows as a JSON text a person can read and edit:
// {"rows": [{"name": "…", "operations": ["drilling"], "tool": "hss", "work": "steel", "Cv": 7,
//   "q": 0.4, "y": 0.7, "m": 0.2, "T": 45, "Kg": 1, "nv": 0.9, "s-to": 0.2, "source": "…"}]}
std::string speedRowsJson(const std::vector<SpeedRow>& rows);

struct ParsedSpeedRows {
    std::vector<SpeedRow> rows;
    std::string problem; // what is wrong with the text, naming the row; empty when nothing is
};
ParsedSpeedRows parseSpeedRowsJson(const std::string& text);

// Why `row` cannot join or replace entry `replacing` of `rows` (bad data or a name already
// there); empty when it can.
std::string speedRowsError(const std::vector<SpeedRow>& rows, const SpeedRow& row,
                           std::optional<std::size_t> replacing);
