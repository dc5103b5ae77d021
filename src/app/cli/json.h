// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

// Appends `text` as a JSON string: quotes, backslashes and control characters escaped, every other
// byte (UTF-8 Cyrillic included) passed through unchanged.
void appendJsonString(std::string& out, std::string_view text);
