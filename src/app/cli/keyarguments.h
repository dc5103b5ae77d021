// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/cli/operations.h"

#include <span>
#include <string>
#include <string_view>

// The keys of one calculation as typed on the command line, each as key=value.
struct KeyArguments {
    KeyTexts texts{};
    std::string error; // why the arguments cannot be taken; empty when they can
};

// A key not among keyNames, a key given twice or an argument without "=" is refused: a typo must
// not silently leave a value out of the calculation.
KeyArguments readKeyArguments(std::span<const std::string_view> arguments);
