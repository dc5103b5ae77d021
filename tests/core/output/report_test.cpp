// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/calc/resultrow.h"
#include "core/files/reportfile.h"
#include "core/output/report.h"
#include "support/commalocale.h"
#include "support/faultyfolder.h"

#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

using Report = CommaLocaleTest;

std::string readBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The names in a folder, hidden ones too.
std::set<std::string> entries(const fs::path& folder) {
    std::set<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

// A folder of its own for each test, removed afterwards.
class ReportFileTest : public ::testing::Test {
protected:
    ReportFileTest() {
        folder = fs::temp_directory_path() /
                 ("rezhim-" +
                  std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    ~ReportFileTest() override { fs::remove_all(folder); }
    fs::path folder;
};

} // namespace

TEST_F(Report, WindowsCyrillicBytesWithCrLfAndNoTrailingBlankLine) {
    const std::vector<std::vector<std::string>> rows{
        {"1", "Б/Р", "сталь"}, {"2", "ТC", "чугун"}, {"3", "М/K", "АЛ."}};
    const std::optional<std::string> bytes = toWindows1251(reportText("Сверление", rows));
    ASSERT_TRUE(bytes);
    EXPECT_EQ(*bytes, "\xD1\xE2\xE5\xF0\xEB\xE5\xED\xE8\xE5\r\n"
                      "1\xC1/\xD0\xF1\xF2\xE0\xEB\xFC\r\n"
                      "2\xD2"
                      "C\xF7\xF3\xE3\xF3\xED\r\n"
                      "3\xCC/K\xC0\xCB.\r\n");
}

TEST_F(Report, FreshWindowAndThreeRows) {
    const std::vector<std::string> headingRow = headings(GridLayout::Milling);
    EXPECT_EQ(reportText("Фрезерование торцовыми фрезами", {headingRow}),
              "Фрезерование торцовыми фрезами\r\n"
              "номеринстр-тзаг-каs, мм/зубv, м/минt, ммD фр, ммВ фр, ммZ фрPz, HPy, HPx, HM, "
              "HмN, кВтn, об/мин\r\n");
    const std::vector<std::string> row{"1",     "ТC",    "сталь",  "0,1",   "100",
                                       "2",     "100",   "50",     "10",    "1720,8",
                                       "688,3", "860,4", "86,041", "2,812", "318"};
    const std::string text = reportText("t", {headingRow, row, row, row});
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 5);
    EXPECT_NE(text.find("\r\n1ТCсталь0,1100210050101720,8688,3860,486,0412,812318\r\n"),
              std::string::npos);
}

TEST_F(Report, RefusesTextTheCodePageCannotHold) {
    EXPECT_FALSE(toWindows1251("резьба 漢"));
    EXPECT_FALSE(toWindows1251("\xFF\xFE"));
    EXPECT_EQ(toWindows1251("№ €"), std::string("\xB9 \x88"));
}

TEST_F(Report, TitleByWindowAndOperationKind) {
    struct Case {
        int window;
        int kind;
        const char* title;
    };
    const Case cases[] = {
        {1, 3, "Фрезерование торцовыми фрезами"},
        {2, 0, "Фрезерование цилиндрическими фрезами"},
        {3, 1, "Фрезерование концевыми фрезами"},
        {4, 2, "Фрезерование дисковыми фрезами"},
        {5, 1, "Точение продольное"},
        {5, 2, "Подрезка торца"},
        {5, 3, "Проточка канавок и отрезка"},
        {5, 4, "Растачивание"},
        {6, 1, "Сверление"},
        {6, 2, "Рассверливание"},
        {6, 3, "Зенкерование"},
        {6, 4, "Развёртывание"},
        {7, 1, "Нарезание резьбы резцом"},
        {7, 2, "Нарезание резьбы метчиком"},
        {7, 3, "Нарезание резьбы плашкой"},
        // Before any threading calculation, or after a menu item chose sub-operation 4.
        {7, 0, "Нарезание резьбы"},
        {7, 4, "Нарезание резьбы"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(reportTitle(c.window, c.kind), c.title) << c.window << " " << c.kind;
    }
}

TEST_F(ReportFileTest, MoveReplacesTheTargetInOneStep) {
    const fs::path working = folder / workingReportName;
    const fs::path target = folder / "report.txt";
    ASSERT_TRUE(writeFileBytes(target, "old"));
    ASSERT_TRUE(writeFileBytes(working, "new report"));
    EXPECT_EQ(moveReport(working, target, "new report"), MoveResult::Moved);
    EXPECT_EQ(readBytes(target), "new report");
    EXPECT_FALSE(fs::exists(working));
}

TEST_F(ReportFileTest, OnlyTheReportJustWrittenIsMoved) {
    const fs::path working = folder / workingReportName;
    const fs::path target = folder / "report.txt";
    EXPECT_EQ(moveReport(working, target, "report"), MoveResult::SourceChanged); // vanished
    ASSERT_TRUE(writeFileBytes(working, "a stale report"));
    EXPECT_EQ(moveReport(working, target, "report"), MoveResult::SourceChanged);
    EXPECT_FALSE(fs::exists(target));
    EXPECT_EQ(readBytes(working), "a stale report");
}

TEST_F(ReportFileTest, FailedMoveKeepsTheWorkingFile) {
    const fs::path working = folder / workingReportName;
    ASSERT_TRUE(writeFileBytes(working, "report"));
    fs::create_directory(folder / "taken");
    EXPECT_EQ(moveReport(working, folder / "taken", "report"), MoveResult::Failed);
    EXPECT_EQ(moveReport(working, folder / "missing" / "r.txt", "report"), MoveResult::Failed);
    EXPECT_EQ(readBytes(working), "report");
    EXPECT_FALSE(writeFileBytes(folder / "taken", "x"));
}

// A target on another file system: the report is copied beside it and renamed over it. Where
// that file system refuses to write, read-only or full, nothing of the report is left there and
// the working file stays as it was.
TEST_F(ReportFileTest, MoveAcrossFileSystems) {
    struct Case {
        const char* name;
        FaultyFolder::Fault fault;
        MoveResult result;
        std::set<std::string> left; // what the folder holds afterwards
    };
    // A file of the user's beside the target, of any name, is not the place the copy goes.
    const std::string usersFile = "report.txt.rezhim-partial";
    const Case cases[] = {
        {"writable", FaultyFolder::Fault::None, MoveResult::Moved, {"report.txt", usersFile}},
        {"read-only", FaultyFolder::Fault::ReadOnly, MoveResult::Failed, {}},
        {"full", FaultyFolder::Fault::Full, MoveResult::Failed, {"filler"}},
    };
    const fs::path working = folder / workingReportName;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const fs::path other = folder / c.name;
        fs::create_directory(other);
        const FaultyFolder disk(other.string(), c.fault);
        ASSERT_EQ(disk.failure(), "");
        struct stat here {};
        struct stat there {};
        ASSERT_EQ(stat(folder.c_str(), &here), 0);
        ASSERT_EQ(stat(other.c_str(), &there), 0);
        EXPECT_NE(here.st_dev, there.st_dev);

        const fs::path target = other / "report.txt";
        ASSERT_TRUE(writeFileBytes(working, "report"));
        if (c.result == MoveResult::Moved) {
            ASSERT_TRUE(writeFileBytes(target, "old"));
            ASSERT_TRUE(writeFileBytes(other / usersFile, "the user's"));
        }
        EXPECT_EQ(moveReport(working, target, "report"), c.result);
        if (c.result == MoveResult::Moved) {
            EXPECT_EQ(readBytes(target), "report");
            EXPECT_EQ(readBytes(other / usersFile), "the user's");
            EXPECT_FALSE(fs::exists(working));
        } else {
            EXPECT_FALSE(fs::exists(target));
            EXPECT_EQ(readBytes(working), "report");
            // A write the disk cannot take in full is a failed write.
            EXPECT_FALSE(writeFileBytes(other / "another.txt", "report"));
        }
        EXPECT_EQ(entries(other), c.left);
    }
}

// The working file is replaced in one step: a write the disk cannot take, read-only or full by
// now, leaves the earlier file as it was and nothing else, not even an empty file.
TEST_F(ReportFileTest, FailedWriteLeavesTheEarlierFileAndNothingElse) {
    struct Case {
        const char* name;
        FaultyFolder::Fault fault;
        bool earlier; // a file written before the disk filled up
        std::set<std::string> left;
    };
    const Case cases[] = {
        {"read-only", FaultyFolder::Fault::ReadOnly, false, {}},
        {"full", FaultyFolder::Fault::Full, false, {"filler"}},
        {"filled up", FaultyFolder::Fault::None, true, {"filler", workingReportName}},
    };
    const mode_t mask = umask(0);
    umask(mask);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const fs::path other = folder / c.name;
        fs::create_directory(other);
        const FaultyFolder disk(other.string(), c.fault);
        ASSERT_EQ(disk.failure(), "");
        const fs::path working = other / workingReportName;
        if (c.earlier) {
            ASSERT_TRUE(writeFileBytes(working, "earlier report"));
            // Made as any new file is, not private to the owner as a temporary file is.
            struct stat made {};
            ASSERT_EQ(stat(working.c_str(), &made), 0);
            EXPECT_EQ(made.st_mode & 07777, 0666 & ~mask);
            ASSERT_TRUE(disk.fill());
        }
        EXPECT_FALSE(writeFileBytes(working, "a report of more rows"));
        EXPECT_EQ(entries(other), c.left);
        if (c.earlier) {
            EXPECT_EQ(readBytes(working), "earlier report");
        }
    }
}

// Whatever is in the target's place: a link to a file is written through and stays a link; a link
// to nothing or to a folder, or a pipe, is no file to write and is left as it was.
TEST_F(ReportFileTest, TargetThatIsNotARegularFile) {
    struct Case {
        const char* name;
        MoveResult result;
    };
    const Case cases[] = {
        {"link to a file", MoveResult::Moved},
        {"dangling link", MoveResult::Failed},
        {"link to a folder", MoveResult::Failed},
        {"pipe", MoveResult::Failed},
    };
    const fs::path working = folder / workingReportName;
    const fs::path pointedTo = folder / "real.txt";
    fs::create_directory(folder / "a folder");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const fs::path target = folder / c.name;
        const std::string name = c.name;
        ASSERT_TRUE(writeFileBytes(working, "report"));
        if (name == "link to a file") {
            ASSERT_TRUE(writeFileBytes(pointedTo, "old"));
            fs::create_symlink("real.txt", target);
        } else if (name == "dangling link") {
            fs::create_symlink("nowhere.txt", target);
        } else if (name == "link to a folder") {
            fs::create_symlink("a folder", target);
        } else {
            ASSERT_EQ(mkfifo(target.c_str(), 0644), 0);
        }
        const fs::file_type before = fs::symlink_status(target).type();
        const fs::path link = fs::is_symlink(target) ? fs::read_symlink(target) : fs::path();

        EXPECT_EQ(moveReport(working, target, "report"), c.result);
        EXPECT_EQ(fs::symlink_status(target).type(), before);
        if (!link.empty()) {
            EXPECT_EQ(fs::read_symlink(target), link);
        }
        if (c.result == MoveResult::Moved) {
            EXPECT_EQ(readBytes(pointedTo), "report");
            EXPECT_FALSE(fs::exists(working));
        } else {
            EXPECT_EQ(readBytes(working), "report");
        }
    }
    EXPECT_FALSE(fs::exists(folder / "nowhere.txt"));
    EXPECT_TRUE(fs::is_empty(folder / "a folder"));
    EXPECT_EQ(entries(folder),
              std::set<std::string>({workingReportName, "real.txt", "a folder", "link to a file",
                                     "dangling link", "link to a folder", "pipe"}));
}

// A file written again through a link, or in place of one with permissions of its own: the link
// stays a link to the same name, the file it points to (existing or not yet) gets the bytes, and
// a replaced file keeps its permissions, since the machine library may be private to its owner.
TEST_F(ReportFileTest, WriteGoesThroughLinksAndKeepsPermissions) {
    struct Case {
        const char* name;
        const char* pointedTo; // nullptr: the file itself
        mode_t before;         // 0: there is no file yet
    };
    const mode_t mask = umask(0);
    umask(mask);
    const Case cases[] = {
        {"private.json", nullptr, 0600},
        {"link to a file", "shared.txt", 0640},
        {"dangling link", "made.txt", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const fs::path written = folder / c.name;
        const fs::path file = c.pointedTo ? folder / c.pointedTo : written;
        if (c.pointedTo) {
            fs::create_symlink(c.pointedTo, written);
        }
        if (c.before != 0) {
            ASSERT_TRUE(writeFileBytes(file, "old"));
            ASSERT_EQ(chmod(file.c_str(), c.before), 0);
        }
        ASSERT_TRUE(writeFileBytes(written, "new"));
        EXPECT_EQ(readBytes(file), "new");
        if (c.pointedTo) {
            ASSERT_TRUE(fs::is_symlink(written));
            EXPECT_EQ(fs::read_symlink(written), c.pointedTo);
        }
        struct stat made {};
        ASSERT_EQ(stat(file.c_str(), &made), 0);
        EXPECT_EQ(made.st_mode & 07777, c.before != 0 ? c.before : 0666 & ~mask);
    }
    EXPECT_EQ(entries(folder), std::set<std::string>({"private.json", "link to a file",
                                                      "shared.txt", "dangling link", "made.txt"}));
}

// What cannot be replaced by a file is written to as it is: a device or a pipe gets the bytes
// (or fails as it fails, /dev/full with "no space") and stays what it was; a folder is refused.
TEST_F(ReportFileTest, DevicesAndPipesAreWrittenToDirectly) {
    fs::create_symlink("/dev/null", folder / "null");
    fs::create_symlink("/dev/full", folder / "full");
    ASSERT_EQ(mkfifo((folder / "pipe").c_str(), 0644), 0);
    fs::create_directory(folder / "a folder");

    EXPECT_TRUE(writeFileBytes(folder / "null", "report"));
    EXPECT_FALSE(writeFileBytes(folder / "full", "report"));
    EXPECT_FALSE(writeFileBytes(folder / "a folder", "report"));
    // The reader is there first, so the writer neither waits nor is refused.
    const int reader = open((folder / "pipe").c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    EXPECT_TRUE(writeFileBytes(folder / "pipe", "report"));
    char received[16] = {};
    EXPECT_EQ(read(reader, received, sizeof received), 6);
    close(reader);
    EXPECT_EQ(std::string(received), "report");

    EXPECT_EQ(fs::read_symlink(folder / "null"), "/dev/null");
    EXPECT_EQ(fs::read_symlink(folder / "full"), "/dev/full");
    EXPECT_TRUE(fs::is_fifo(fs::symlink_status(folder / "pipe")));
    EXPECT_TRUE(fs::is_empty(folder / "a folder"));
    EXPECT_EQ(entries(folder), std::set<std::string>({"null", "full", "pipe", "a folder"}));
}
