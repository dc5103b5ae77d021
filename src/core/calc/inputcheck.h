// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <span>

// Checks every calculation makes on the values read from its boxes, in reading order.

inline constexpr const char* negativeValueMessage = "ЗНАЧЕНИЕ НЕ МОЖЕТ БЫТЬ ОТРИЦАТЕЛЬНЫМ!!!";
inline constexpr const char* calculationErrorMessage =
    "ОШИБКА ВЫЧИСЛЕНИЯ: ПРОВЕРЬТЕ ИСХОДНЫЕ ДАННЫЕ!!!";

// The last required box left empty (0): a later empty box overrides an earlier one, so one
// message names it. Negative values count as given.
template <typename IsRequired>
std::optional<std::size_t> lastEmptyBox(std::span<const double> values, IsRequired isRequired) {
    std::optional<std::size_t> last;
    for (std::size_t box = 0; box < values.size(); ++box) {
        if (values[box] == 0 && isRequired(box)) {
            last = box;
        }
    }
    return last;
}

// The first negative value: no dimension, speed, strength or angle of a cut is below zero, and
// the power laws have no real value for a negative base.
inline std::optional<std::size_t> firstNegativeBox(std::span<const double> values) {
    for (std::size_t box = 0; box < values.size(); ++box) {
        if (values[box] < 0) {
            return box;
        }
    }
    return std::nullopt;
}
