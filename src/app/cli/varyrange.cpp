// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/cli/varyrange.h"

#include "app/cli/numbertext.h"
#include "core/calc/numberformat.h"
#include "core/calc/quotedtext.h"

#include <charconv>
#include <cmath>

std::optional<Range> readRange(std::string_view text, std::string& error) {
    const auto equals = text.find('=');
    const auto firstColon = text.find(':', equals);
    const auto secondColon = firstColon == std::string_view::npos ? std::string_view::npos
                                                                  : text.find(':', firstColon + 1);
    if (equals == std::string_view::npos || secondColon == std::string_view::npos) {
        error = "НУЖНО --vary КЛЮЧ=ОТ:ДО:ЧИСЛО_ТОЧЕК, А НЕ " + quotedText(text) + "!!!";
        return std::nullopt;
    }
    Range range;
    range.name = text.substr(0, equals);
    const auto key = keyFromName(range.name);
    if (!key) {
        error = "НЕИЗВЕСТНЫЙ ПАРАМЕТР: " + quotedText(range.name) + "!!!";
        return std::nullopt;
    }
    range.key = *key;
    const std::string_view fromText = text.substr(equals + 1, firstColon - equals - 1);
    const std::string_view toText = text.substr(firstColon + 1, secondColon - firstColon - 1);
    const std::string_view countText = text.substr(secondColon + 1);
    const auto from = plainNumber(fromText);
    const auto to = plainNumber(toText);
    if (!from || !to) {
        error = "НЕВЕРНОЕ ЧИСЛО: " + quotedText(from ? toText : fromText) + " В --vary!!!";
        return std::nullopt;
    }
    // Every point lies between the ends, but their difference must be finite to get there.
    if (!std::isfinite(*to - *from)) {
        error = "СЛИШКОМ ШИРОКИЙ ДИАПАЗОН: " + quotedText(text) + "!!!";
        return std::nullopt;
    }
    range.from = *from;
    range.to = *to;
    const auto [end, problem] =
        std::from_chars(countText.data(), countText.data() + countText.size(), range.count);
    if (problem != std::errc() || end != countText.data() + countText.size() ||
        range.count < fewestPoints || range.count > mostPoints) {
        error = "ЧИСЛО ТОЧЕК — ЦЕЛОЕ ОТ " + integerText(fewestPoints) + " ДО " +
                integerText(mostPoints) + ", А НЕ " + quotedText(countText) + "!!!";
        return std::nullopt;
    }
    return range;
}
