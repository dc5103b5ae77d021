// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <charconv>
#include <cmath>
#include <optional>
#include <string>
#include <string_view>

// Appends a double in its shortest form that reads back as the same double ("318.3098861837907",
// "2", "1e+300"), independent of the locale: the raw results for scripts, as against the rounded
// cells of the results grid.
inline void appendShortestNumber(std::string& out, double value) {
    char digits[32];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    out.append(digits, result.ptr);
}

// A number as the command line takes it: digits with a point, nothing around them, finite.
inline std::optional<double> plainNumber(std::string_view text) {
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}
