// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/calc/calculation.h"
#include "core/calc/resultrow.h"
#include "core/calc/windowdefinition.h"
#include "core/operations/registry.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

std::optional<Key> keyFromName(std::string_view name);

// The window the operation is computed in, as declared for the windows.
const WindowDefinition& definitionOf(const Operation& operation);

// The texts given for the keys of one calculation; an empty text means the key is not given.
using KeyTexts = std::array<std::string_view, keyCount>;

struct Outcome {
    std::string error;    // the window's message when the calculation is refused
    const char* notice{}; // a result the handbook has no data for
    CalcInputs inputs;    // what the formulas ran on, derived inputs included
    RowValues row;        // the grid row, numbered 1
};

// What --help says an operation needs beyond tool, work, H, D, s and v, from what its window
// reads: "z, B, t, scheme; angle по желанию", "t не нужна; сверло режет на D/2".
std::string furtherKeysText(const Operation& operation);

// Validates the texts as the window validates its boxes and computes the row; with `sought`, the
// input a service works out (the cutting speed) is neither required nor read, and only the
// inputs are checked: the outcome's row stays empty.
Outcome calculate(const Operation& operation, const KeyTexts& texts,
                  std::optional<Key> sought = std::nullopt);
