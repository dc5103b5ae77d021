// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

// The values a field of real equipment can hold, and how the message names them.
struct FieldRange {
    std::string_view field;
    double low, high;
    std::string_view text; // "ОТ 0,01 ДО 10000 кВт"
};

// "ЗНАЧЕНИЕ В ПОЛЕ «КПД» ВНЕ ПРЕДЕЛОВ РЕАЛЬНОГО СТАНКА: ОТ 0,01 ДО 1!!!" where `value` lies outside
// the range (`whose` is "СТАНКА"), a value that is not a number too; empty when it is none or
// within.
std::string fieldRangeError(const std::optional<double>& value, const FieldRange& range,
                            std::string_view whose);
