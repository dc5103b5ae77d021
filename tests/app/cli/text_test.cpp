// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/cli/json.h"
#include "app/cli/keyarguments.h"
#include "app/cli/operations.h"
#include "app/cli/textcolumns.h"

#include <gtest/gtest.h>

TEST(JsonString, EscapesQuotesBackslashesAndControlCharacters) {
    const std::vector<std::pair<std::string, std::string>> cases{
        {"plain", "\"plain\""},
        {"a\"b", "\"a\\\"b\""},
        {"a\\b", "\"a\\\\b\""},
        {"\n\r\t\b\f", "\"\\n\\r\\t\\b\\f\""},
        {std::string("\x01\x1f\0", 3), "\"\\u0001\\u001f\\u0000\""},
        {"\x7f", "\"\x7f\""},
        {"ТC сталь", "\"ТC сталь\""}};
    for (const auto& [text, json] : cases) {
        std::string out = "[";
        appendJsonString(out, text);
        EXPECT_EQ(out, "[" + json);
    }
}

TEST(TextColumns, PadsToTheWidestCellInCharactersNotBytes) {
    EXPECT_EQ(codePointCount("сталь"), 5u);
    EXPECT_EQ(codePointCount("Pz, H"), 5u);
    EXPECT_EQ(alignedColumns({{"номер", "Pz", "n"}, {"1", "1720.8", "318"}}),
              "номер  Pz      n\n"
              "1      1720.8  318\n");
}

TEST(KeyArguments, TakesEachKnownKeyOnce) {
    const std::vector<std::string_view> good{"tool=hss", "H=750", "t=-1", "v="};
    const KeyArguments read = readKeyArguments(good);
    EXPECT_EQ(read.error, "");
    EXPECT_EQ(read.texts[static_cast<std::size_t>(Key::tool)], "hss");
    EXPECT_EQ(read.texts[static_cast<std::size_t>(Key::H)], "750");
    EXPECT_EQ(read.texts[static_cast<std::size_t>(Key::t)], "-1");
    EXPECT_EQ(read.texts[static_cast<std::size_t>(Key::D)], "");

    const std::vector<std::pair<std::vector<std::string_view>, std::string>> refused{
        {{"foo=1"}, "НЕИЗВЕСТНЫЙ ПАРАМЕТР: foo!!!"},
        {{"H=1", "H=2"}, "ПАРАМЕТР ЗАДАН ДВАЖДЫ: H!!!"},
        {{"v=", "v=2"}, "ПАРАМЕТР ЗАДАН ДВАЖДЫ: v!!!"},
        {{"H"}, "ПАРАМЕТР БЕЗ ЗНАЧЕНИЯ (НУЖНО КЛЮЧ=ЗНАЧЕНИЕ): H!!!"}};
    for (const auto& [arguments, message] : refused) {
        EXPECT_EQ(readKeyArguments(arguments).error, message);
    }
}

// The help line of an operation is made from what its window reads, so it cannot leave out a key
// the calculation needs nor offer one it ignores (a tap's passes, a drill's depth).
TEST(HelpText, NamesWhatEachOperationReadsBeyondTheCommonKeys) {
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"face-milling", "z, B, t"},
        {"cylindrical-milling", "z, B, t, angle"},
        {"end-milling", "z, B, t, scheme; angle по желанию"},
        {"turning", "t"},
        {"drilling", "t не нужна; сверло режет на D/2"},
        {"reaming", "t; усилия рассчитываются только для ceramics"},
        {"thread-cutter", "t, passes"},
        {"thread-tap", "t"},
    };
    for (const auto& [name, expected] : cases) {
        EXPECT_EQ(furtherKeysText(*findOperation(name)), expected) << name;
    }
}
