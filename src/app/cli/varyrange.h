// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/cli/operations.h"

#include <optional>
#include <string>
#include <string_view>

// --vary KEY=FROM:TO:COUNT of sweep: one input over a range, in COUNT evenly spaced points.
inline constexpr int fewestPoints = 2;
inline constexpr int mostPoints = 100000;

struct Range {
    Key key{};
    std::string_view name;
    double from = 0;
    double to = 0;
    int count = 0;
};

// The range, or nothing with what is wrong in `error`.
std::optional<Range> readRange(std::string_view text, std::string& error);
