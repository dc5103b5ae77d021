// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/calc/windowdefinition.h"

#include <optional>

// How a milling window treats an empty box: report it in a message (face, cylindrical and end
// milling) or ask for the value until it is given (disc milling).
enum class EmptyBoxes { Report, Ask };

// The cutter and cutting-data boxes of the milling windows, in reading order: D, Z, B, t, H, s, v,
// then the helix angle `A_TEXT` where the window has one, with its missing-input code
// (`angleCode` 0: it may stay empty).
std::vector<NumericBox> millingBoxes(const std::string& suffix, EmptyBoxes empty,
                                     std::optional<int> angleCode = std::nullopt);
