// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/speed/speedlibrary.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

SpeedRow named(const std::string& name, double Cv) {
    SpeedRow row;
    row.name = name;
    row.operations = {"turning"};
    row.set(SpeedField::Cv, Cv);
    return row;
}

class SpeedLibraryTest : public testing::Test {
protected:
    SpeedLibraryTest() { fs::create_directories(folder); }
    ~SpeedLibraryTest() override { fs::remove_all(folder); }
    fs::path folder = fs::temp_directory_path() / ("rezhim-speeds-" + std::to_string(::getpid()));
    fs::path path = folder / "speeds.json";
};

// The rows are shared as the machines are: each change is made to the file as it is then, so
// what another program added meanwhile stays; a bad row or a taken name changes nothing.
TEST_F(SpeedLibraryTest, ChangesKeepWhatOthersWroteAndImportReplacesByName) {
    const LoadedSpeedRows empty = loadSpeedRows(path);
    EXPECT_TRUE(empty.rows.empty());
    EXPECT_EQ(empty.problem, "");
    EXPECT_FALSE(fs::exists(path)); // nothing is written until a row is added

    ASSERT_EQ(changeSpeedRows(path, {std::nullopt, named("a", 7)}).error, "");
    ASSERT_EQ(changeSpeedRows(path, {std::nullopt, named("b", 8)}).error, "");
    EXPECT_EQ(changeSpeedRows(path, {std::nullopt, named("a", 9)}).error,
              "СТРОКА С ИМЕНЕМ a УЖЕ ЕСТЬ!!!");
    EXPECT_EQ(changeSpeedRows(path, {named("a", 1), named("a", 9)}).error,
              "СТРОКА a ТЕМ ВРЕМЕНЕМ ИЗМЕНЕНА В ДРУГОМ ОКНЕ, СПИСОК ОБНОВЛЁН: ПРОВЕРЬТЕ ДАННЫЕ!!!");

    const ChangedSpeedRows imported = importSpeedRows(path, {named("b", 80), named("c", 10)});
    ASSERT_EQ(imported.error, "");
    const std::vector<SpeedRow> rows = loadSpeedRows(path).rows;
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0], named("a", 7));
    EXPECT_EQ(rows[1], named("b", 80));
    EXPECT_EQ(rows[2], named("c", 10));

    // One bad row of an import writes none of it.
    SpeedRow bad = named("d", 7);
    bad.set(SpeedField::m, 9);
    EXPECT_EQ(importSpeedRows(path, {named("e", 1), bad}).error,
              "СТРОКА «d»: ЗНАЧЕНИЕ m ВНЕ ПРЕДЕЛОВ: ОТ -5 ДО 5!!!");
    EXPECT_EQ(loadSpeedRows(path).rows, rows);
}

} // namespace
