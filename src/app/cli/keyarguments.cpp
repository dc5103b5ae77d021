// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/cli/keyarguments.h"

#include "core/calc/quotedtext.h"

KeyArguments readKeyArguments(std::span<const std::string_view> arguments) {
    KeyArguments result;
    std::array<bool, keyCount> given{};
    for (const std::string_view argument : arguments) {
        const std::size_t equals = argument.find('=');
        if (equals == std::string_view::npos) {
            result.error =
                "ПАРАМЕТР БЕЗ ЗНАЧЕНИЯ (НУЖНО КЛЮЧ=ЗНАЧЕНИЕ): " + quotedText(argument) + "!!!";
            return result;
        }
        const std::string_view name = argument.substr(0, equals);
        const auto key = keyFromName(name);
        if (!key) {
            result.error = "НЕИЗВЕСТНЫЙ ПАРАМЕТР: " + quotedText(name) + "!!!";
            return result;
        }
        const auto slot = static_cast<std::size_t>(*key);
        if (given[slot]) {
            result.error = givenTwiceMessage(name);
            return result;
        }
        given[slot] = true;
        result.texts[slot] = argument.substr(equals + 1);
    }
    return result;
}

std::string keyNotANumber(std::string_view key, std::string_view text) {
    return "НЕВЕРНОЕ ЧИСЛО: " + std::string(key) + "=" + quotedText(text) + "!!!";
}

std::string givenTwiceMessage(std::string_view key) {
    return "ПАРАМЕТР ЗАДАН ДВАЖДЫ: " + std::string(key) + "!!!";
}
