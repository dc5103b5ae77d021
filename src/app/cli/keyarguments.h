// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/cli/operations.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The keys of one calculation as typed on the command line, each as key=value.
struct KeyArguments {
    KeyTexts texts{};
    std::string error; // why the arguments cannot be taken; empty when they can
};

// A key not among keyNames, a key given twice or an argument without "=" is refused: a typo must
// not silently leave a value out of the calculation.
KeyArguments readKeyArguments(std::span<const std::string_view> arguments);

// "НЕВЕРНОЕ ЧИСЛО: key=text!!!", the value quoted as every message quotes what was typed.
std::string keyNotANumber(std::string_view key, std::string_view text);

// The key=value arguments of a group of named keys (the machine's, the cutter's) parted from the
// rest; a key of the group given twice is a wrong call.
template <std::size_t N> struct NamedKeys {
    std::array<std::optional<std::string_view>, N> texts{};
    std::vector<std::string_view> others; // in their order
    std::string error;                    // a key given twice

    bool any() const {
        return std::any_of(texts.begin(), texts.end(),
                           [](const auto& text) { return text.has_value(); });
    }
};
std::string givenTwiceMessage(std::string_view key);

template <std::size_t N>
NamedKeys<N> takeNamedKeys(const std::array<std::string_view, N>& names,
                           std::span<const std::string_view> arguments) {
    NamedKeys<N> out;
    for (const std::string_view argument : arguments) {
        const auto equals = argument.find('=');
        const auto found = equals == std::string_view::npos
                               ? names.end()
                               : std::find(names.begin(), names.end(), argument.substr(0, equals));
        if (found == names.end()) {
            out.others.push_back(argument);
            continue;
        }
        auto& text = out.texts[static_cast<std::size_t>(found - names.begin())];
        if (text) {
            out.error = givenTwiceMessage(*found);
            return out;
        }
        text = argument.substr(equals + 1);
    }
    return out;
}
