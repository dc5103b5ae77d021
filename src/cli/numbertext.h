#pragma once

#include <charconv>
#include <string>

// Appends a double in its shortest form that reads back as the same double ("318.3098861837907",
// "2", "1e+300"), independent of the locale: the raw results for scripts, as against the rounded
// cells of the results grid.
inline void appendShortestNumber(std::string& out, double value) {
    char digits[32];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    out.append(digits, result.ptr);
}
