// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/calc/calculation.h"
#include "core/calc/workpieceinputs.h"

// The boxes of the turning, hole-making and threading windows, in reading order D, t, H, s, v
// with codes 10 to 50. Their windows differ in a few captions and messages only.
struct WorkpieceBoxTexts {
    const char* diameterLabel;
    const char* diameterMessage;
    const char* feedLabel;
    const char* strengthMessage;
};

std::vector<NumericBox> workpieceBoxes(const std::string& suffix, const WorkpieceBoxTexts& texts);

// The values of those boxes as the formulas take them.
inline WorkpieceInputs workpieceInputs(const CalcInputs& in) {
    return {in[Key::D], in[Key::t], in[Key::H], in[Key::s], in[Key::v]};
}
