// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/calc/windowdefinition.h"

#include <optional>
#include <string>
#include <string_view>

// The values a real cut can have. The handbook's power laws hold only near the cuts they were
// measured on; far outside they still give numbers (a helix of 90° makes Px a million newtons,
// a diameter of 1e300 makes every force 0), and those numbers would be taken as results. Zero
// (not entered) and negative values have messages of their own and are checked before these.
struct InputRange {
    double low = 0;
    double high = 0;
    bool whole = false;    // teeth and passes are counted
    std::string_view text; // "ОТ 0,1 ДО 10000 мм"

    bool holds(double value) const;
};

// The range of a numeric key; none for the choices (tool, work, scheme).
std::optional<InputRange> inputRange(Key key);

// "ЗНАЧЕНИЕ В ПОЛЕ «Диаметр фрезы, мм» ВНЕ ПРЕДЕЛОВ РЕАЛЬНОГО РЕЗАНИЯ: ОТ 0,1 ДО 10000 мм!!!"
std::string outOfRangeMessage(std::string_view field, const InputRange& range);
