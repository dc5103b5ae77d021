// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/cli/cutterarguments.h"

#include "app/cli/numbertext.h"
#include "core/calc/quotedtext.h"

#include <algorithm>
#include <utility>

namespace {

// The places of the keys in cutterKeyNames.
enum Slot : std::size_t {
    shankSlot,
    barSlot,
    overhangSlot,
    radiusSlot,
    stressSlot,
    deflectionSlot,
    modulusSlot,
    roughnessSlot
};

CutterArguments refused(std::string message, ExitCode code = exitRefused) {
    CutterArguments out;
    out.error = std::move(message);
    out.code = code;
    return out;
}

// "16x16", "16X16" or "16×16": b across the cutting force, then h along it.
std::optional<Shank> rectangularShank(std::string_view text) {
    for (const std::string_view by : {"x", "X", "×"}) {
        if (const auto at = text.find(by); at != std::string_view::npos) {
            const auto b = plainNumber(text.substr(0, at));
            const auto h = plainNumber(text.substr(at + by.size()));
            return b && h ? std::optional(Shank::rectangular(*b, *h)) : std::nullopt;
        }
    }
    return std::nullopt;
}

} // namespace

CutterArguments cutterOfTexts(const CutterTexts& texts, const Operation& operation) {
    const auto given = [&texts](Slot slot) {
        const std::optional<std::string_view>& text = texts[slot];
        return text && !text->empty() ? text : std::nullopt;
    };
    const auto first = std::find_if(texts.begin(), texts.end(),
                                    [](const auto& text) { return text && !text->empty(); });
    if (first == texts.end()) {
        return {};
    }
    if (!calculation(operation.window).window.checksCutter) {
        const std::string_view key =
            cutterKeyNames[static_cast<std::size_t>(first - texts.begin())];
        return refused("В ОПЕРАЦИИ " + std::string(operation.name) + " РЕЗЕЦ НЕ ПРОВЕРЯЕТСЯ: " +
                           std::string(key) + "=" + quotedText(**first) + "!!!",
                       exitUsage);
    }
    if (given(shankSlot) && given(barSlot)) {
        return refused("ДЕРЖАВКА РЕЗЦА ЗАДАЁТСЯ ЛИБО shank=, ЛИБО bar=!!!", exitUsage);
    }
    Cutter cutter;
    if (const auto text = given(shankSlot)) {
        cutter.shank = rectangularShank(*text);
        if (!cutter.shank) {
            return refused(keyNotANumber(cutterKeyNames[shankSlot], *text));
        }
    }
    std::string error;
    const auto read = [&](Slot slot, auto& field) {
        const auto text = given(slot);
        if (!text || !error.empty()) {
            return;
        }
        if (const auto value = plainNumber(*text)) {
            field = *value;
        } else {
            error = keyNotANumber(cutterKeyNames[slot], *text);
        }
    };
    double diameter = 0;
    read(barSlot, diameter);
    if (given(barSlot)) {
        cutter.shank = Shank::round(diameter);
    }
    read(overhangSlot, cutter.overhang);
    read(radiusSlot, cutter.noseRadius);
    read(stressSlot, cutter.stressMax);
    read(deflectionSlot, cutter.deflectionMax);
    read(modulusSlot, cutter.modulus);
    read(roughnessSlot, cutter.RzMax);
    if (!error.empty()) {
        return refused(std::move(error));
    }
    // Without a shank these would silently check nothing.
    if (!cutter.shank) {
        for (const Slot slot : {overhangSlot, stressSlot, deflectionSlot, modulusSlot}) {
            if (given(slot)) {
                return refused("КЛЮЧ " + std::string(cutterKeyNames[slot]) +
                               "= НУЖЕН ТОЛЬКО ВМЕСТЕ С shank= ИЛИ bar=!!!");
            }
        }
    }
    if (std::string problem = cutterError(cutter); !problem.empty()) {
        return refused(std::move(problem));
    }
    CutterArguments out;
    out.cutter = std::move(cutter);
    return out;
}

CutterArguments resolveCutter(const CutterKeys& keys, const Operation& operation) {
    for (std::size_t i = 0; i < cutterKeyNames.size(); ++i) {
        if (keys.texts[i] && keys.texts[i]->empty()) {
            return refused("ПУСТОЕ ЗНАЧЕНИЕ КЛЮЧА РЕЗЦА: " + std::string(cutterKeyNames[i]) +
                               "=!!!",
                           exitUsage);
        }
    }
    return cutterOfTexts(keys.texts, operation);
}
