// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/calc/inputranges.h"

#include <array>
#include <cmath>

namespace {

// Indexed by Key. From a jeweller's 0,1 mm drill to a 10 m face of a rotor; a 0,001 mm finishing
// cut to a metre-deep face; a 0,0001 mm feed of a fine boring head to a 100 mm thread pitch; a
// feed or a speed beyond these is no machining. The helix of a real cutter stays below 75°,
// where the axial force still follows the tangent law.
constexpr std::array<std::optional<InputRange>, keyCount> ranges{{
    std::nullopt, // tool
    std::nullopt, // work
    InputRange{1, 1e4, false, "ОТ 1 ДО 10000"},
    InputRange{0.1, 1e4, false, "ОТ 0,1 ДО 10000 мм"},
    InputRange{1, 1000, true, "ЦЕЛОЕ ЧИСЛО ОТ 1 ДО 1000"},
    InputRange{0.01, 1e4, false, "ОТ 0,01 ДО 10000 мм"},
    InputRange{0.001, 1000, false, "ОТ 0,001 ДО 1000 мм"},
    InputRange{0.0001, 100, false, "ОТ 0,0001 ДО 100"},
    InputRange{0.01, 1e4, false, "ОТ 0,01 ДО 10000 м/мин"},
    InputRange{0, 75, false, "ОТ 0 ДО 75°"},
    std::nullopt, // scheme
    InputRange{1, 1000, true, "ЦЕЛОЕ ЧИСЛО ОТ 1 ДО 1000"},
    InputRange{0.001, 1e6, false, "ОТ 0,001 ДО 1000000 мм"},
}};

} // namespace

bool InputRange::holds(double value) const {
    return value >= low && value <= high && (!whole || std::trunc(value) == value);
}

std::optional<InputRange> inputRange(Key key) {
    return ranges[static_cast<std::size_t>(key)];
}

std::string outOfRangeMessage(std::string_view field, const InputRange& range) {
    return "ЗНАЧЕНИЕ В ПОЛЕ «" + std::string(field) +
           "» ВНЕ ПРЕДЕЛОВ РЕАЛЬНОГО РЕЗАНИЯ: " + std::string(range.text) + "!!!";
}
