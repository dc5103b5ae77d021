#pragma once

#include "calcframe/windowdefinition.h"

// The boxes of the turning, hole-making and threading windows, in reading order D, t, H, s, v
// with codes 10 to 50. Their windows differ in a few captions and messages only.
struct WorkpieceBoxTexts {
    const char* diameterLabel;
    const char* diameterMessage;
    const char* feedLabel;
    const char* strengthMessage;
};

std::vector<NumericBox> workpieceBoxes(const std::string& suffix, const WorkpieceBoxTexts& texts);
