// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/speed/speedrowsjson.h"

#include <gtest/gtest.h>

namespace {

// The file as a person writes it reads into the row it describes, and is written back the same.
TEST(SpeedRowsJson, ReadsWhatAPersonWritesAndWritesItBack) {
    const std::string text = R"({"rows": [{"name": "Сверление Р6М5", "operations": ["drilling"],
        "tool": "hss", "work": "steel", "Cv": 7, "q": 0.4, "y": 0.7, "m": 0.2, "T": 45, "Kg": 1,
        "nv": 0.9, "s-to": 0.2, "source": "Справочник технолога, т. 2, с. 278"}]})";
    const ParsedSpeedRows parsed = parseSpeedRowsJson(text);
    ASSERT_EQ(parsed.problem, "");
    ASSERT_EQ(parsed.rows.size(), 1u);
    const SpeedRow& row = parsed.rows[0];
    EXPECT_EQ(row.name, "Сверление Р6М5");
    EXPECT_EQ(row.operations, std::vector<std::string>{"drilling"});
    EXPECT_EQ(row.given(SpeedField::sTo), 0.2);
    EXPECT_EQ(row.given(SpeedField::sFrom), std::nullopt);
    EXPECT_EQ(row[SpeedField::x], 0);
    EXPECT_EQ(row.source, "Справочник технолога, т. 2, с. 278");
    const ParsedSpeedRows again = parseSpeedRowsJson(speedRowsJson(parsed.rows));
    EXPECT_EQ(again.problem, "");
    EXPECT_EQ(again.rows, parsed.rows);
}

TEST(SpeedRowsJson, NamesTheRowThatIsWrong) {
    const std::pair<std::string, std::string> cases[] = {
        {"[]", "НЕТ СПИСКА \"rows\""},
        {R"({"rows": [{"name": "a", "operations": ["turning"], "tool": "hss", "work": "steel",
            "Cv": 7, "Cw": 1}]})",
         "СТРОКА 1: НЕИЗВЕСТНОЕ ПОЛЕ \"Cw\""},
        {R"({"rows": [{"name": "a", "operations": ["turning"], "tool": "hss", "work": "steel",
            "Cv": 7}, {"name": "a", "operations": ["boring"], "tool": "hss", "work": "steel",
            "Cv": 8}]})",
         "СТРОКА 2: СТРОКА С ИМЕНЕМ a УЖЕ ЕСТЬ"},
        {R"({"rows": [{"name": "a", "operations": ["turning"], "tool": "wood", "work": "steel",
            "Cv": 7}]})",
         "СТРОКА 1: НЕИЗВЕСТНЫЙ МАТЕРИАЛ ИНСТРУМЕНТА \"wood\""},
        {R"({"rows": [{"name": "a", "operations": ["turning"], "tool": "hss", "work": "steel",
            "Cv": 7, "m": 9}]})",
         "СТРОКА «a»: ЗНАЧЕНИЕ m ВНЕ ПРЕДЕЛОВ: ОТ -5 ДО 5"},
    };
    for (const auto& [text, problem] : cases) {
        EXPECT_EQ(parseSpeedRowsJson(text).problem, problem) << text;
    }
}

} // namespace
