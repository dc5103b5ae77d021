// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/calc/quotedtext.h"

#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

TEST(QuotedText, AShortPrefixOfPrintableWholeCharacters) {
    using namespace std::string_literals;
    const std::string cyrillic40 = [] {
        std::string text;
        for (int i = 0; i < 40; ++i) {
            text += "ж";
        }
        return text;
    }();
    const std::vector<std::pair<std::string, std::string>> cases{
        {"200,5", "200,5"},
        {"", ""},
        {"сталь", "сталь"},
        {std::string(32, '9'), std::string(32, '9')},
        {std::string(1'000'000, '9'), std::string(32, '9') + "…"},
        // Cut between characters, never inside one.
        {cyrillic40, cyrillic40.substr(0, 64) + "…"},
        {"x" + cyrillic40, "x" + cyrillic40.substr(0, 62) + "…"},
        // A NUL would end the printed message; a line end or a tab would break its line.
        {"1\0"
         "2"s,
         "1?2"},
        {"a\r\nb\tc\x7f"
         "d",
         "a??b?c?d"},
        {"\xC2\x85"
         "e\xC2\xA0",
         "?e\xC2\xA0"}, // C1 NEL is a control, U+00A0 a character
        // Bytes that are no UTF-8 character: a stray continuation, a lead cut short, an overlong
        // form, a surrogate.
        {"\x80"
         "a\xFF",
         "?a?"},
        {"a\xD0", "a?"},
        {"\xC0\xAF", "??"},
        {"\xED\xA0\x80", "???"},
        {"\xF0\x9F\x94\xA7", "\xF0\x9F\x94\xA7"},
    };
    for (const auto& [text, quoted] : cases) {
        EXPECT_EQ(quotedText(text), quoted) << text.substr(0, 80);
    }
}
