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
#include <memory>
#include <optional>
#include <set>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

using Report = CommaLocaleTest;

// The report's working file, as the tests of moving it name it.
constexpr const char* workingName = "working.txt";

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

mode_t modeOf(const fs::path& path) {
    struct stat status {};
    return stat(path.c_str(), &status) == 0 ? status.st_mode & 07777 : 0;
}

// The umask of the process while it lives.
class ScopedUmask {
public:
    explicit ScopedUmask(mode_t mask)
        : previous_(umask(mask)) {}
    ~ScopedUmask() { umask(previous_); }
    ScopedUmask(const ScopedUmask&) = delete;
    ScopedUmask& operator=(const ScopedUmask&) = delete;

private:
    mode_t previous_;
};

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
    const fs::path working = folder / workingName;
    const fs::path target = folder / "report.txt";
    ASSERT_TRUE(writeFileBytes(target, "old"));
    ASSERT_TRUE(writeFileBytes(working, "new report"));
    EXPECT_EQ(moveReport(working, target, "new report"), MoveResult::Moved);
    EXPECT_EQ(readBytes(target), "new report");
    EXPECT_FALSE(fs::exists(working));
}

TEST_F(ReportFileTest, OnlyTheReportJustWrittenIsMoved) {
    const fs::path working = folder / workingName;
    const fs::path target = folder / "report.txt";
    EXPECT_EQ(moveReport(working, target, "report"), MoveResult::SourceChanged); // vanished
    ASSERT_TRUE(writeFileBytes(working, "a stale report"));
    EXPECT_EQ(moveReport(working, target, "report"), MoveResult::SourceChanged);
    EXPECT_FALSE(fs::exists(target));
    EXPECT_EQ(readBytes(working), "a stale report");
}

TEST_F(ReportFileTest, FailedMoveKeepsTheWorkingFile) {
    const fs::path working = folder / workingName;
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
    const fs::path working = folder / workingName;
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
        {"filled up", FaultyFolder::Fault::None, true, {"filler", workingName}},
    };
    const mode_t mask = umask(0);
    umask(mask);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const fs::path other = folder / c.name;
        fs::create_directory(other);
        const FaultyFolder disk(other.string(), c.fault);
        ASSERT_EQ(disk.failure(), "");
        const fs::path working = other / workingName;
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
    const fs::path working = folder / workingName;
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
              std::set<std::string>({workingName, "real.txt", "a folder", "link to a file",
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

// The report takes the permissions of the file it becomes, never the working file's 0600: a new
// file gets those of any new file (0666 less the umask), a replaced one keeps its own, through a
// link too, on the working file's file system or another. A report that is not moved stays private.
TEST_F(ReportFileTest, MovedReportHasTheModeOfTheFileItBecomes) {
    struct Case {
        const char* name;
        mode_t umask;
        mode_t before;     // the target's mode; 0: no file there yet
        bool link;         // the target is a link to the file
        bool otherDisk;    // the target is on another file system than the working file
        MoveResult result; // failed: the target's folder does not exist
        mode_t after;      // the report's mode, or the working file's where it stays
    };
    const Case cases[] = {
        {"new", 022, 0, false, false, MoveResult::Moved, 0644},
        {"new under umask 027", 027, 0, false, false, MoveResult::Moved, 0640},
        {"read-only", 022, 0444, false, false, MoveResult::Moved, 0444},
        {"link to a read-only file", 022, 0444, true, false, MoveResult::Moved, 0444},
        {"group's", 077, 0660, false, false, MoveResult::Moved, 0660},
        {"new on another disk", 002, 0, false, true, MoveResult::Moved, 0664},
        {"read-only on another disk", 022, 0444, true, true, MoveResult::Moved, 0444},
        {"in no folder", 022, 0, false, false, MoveResult::Failed, 0600},
    };
    const fs::path working = folder / workingName;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ScopedUmask mask(c.umask);
        fs::path place = folder / c.name;
        fs::create_directory(place);
        std::optional<FaultyFolder> disk;
        if (c.otherDisk) {
            disk.emplace(place.string(), FaultyFolder::Fault::None);
            ASSERT_EQ(disk->failure(), "");
        }
        if (c.result == MoveResult::Failed) {
            place /= "missing";
        }
        const fs::path file = place / "report.txt";
        const fs::path target = c.link ? place / "link.txt" : file;
        if (c.before != 0) {
            ASSERT_TRUE(writeFileBytes(file, "old"));
            ASSERT_EQ(chmod(file.c_str(), c.before), 0);
        }
        if (c.link) {
            fs::create_symlink("report.txt", target);
        }
        ASSERT_TRUE(writeFileBytes(working, "report"));
        ASSERT_EQ(chmod(working.c_str(), 0600), 0);

        EXPECT_EQ(moveReport(working, target, "report"), c.result);
        if (c.result == MoveResult::Moved) {
            EXPECT_EQ(readBytes(file), "report");
            EXPECT_EQ(modeOf(file), c.after);
            EXPECT_FALSE(fs::exists(working));
            EXPECT_EQ(fs::is_symlink(target), c.link);
        } else {
            EXPECT_EQ(modeOf(working), c.after);
            fs::remove(working);
        }
    }
}

// The working file is the program's own: made in $TMPDIR under a name nothing has, readable by
// its owner only, removed when the report is dropped and never where it has been moved to, nor
// when another file has taken its name; where $TMPDIR cannot take it, nothing is left.
TEST_F(ReportFileTest, WorkingReportIsAPrivateFileOfItsOwn) {
    const char* previous = std::getenv("TMPDIR");
    const std::string kept = previous != nullptr ? previous : "";
    const fs::path temporary = folder / "tmp";
    fs::create_directory(temporary);
    setenv("TMPDIR", temporary.c_str(), 1);
    {
        const ScopedUmask mask(0);
        std::unique_ptr<WorkingReport> first = WorkingReport::write("first");
        std::unique_ptr<WorkingReport> second = WorkingReport::write("second");
        ASSERT_TRUE(first && second);
        EXPECT_NE(first->path(), second->path());
        for (const WorkingReport* report : {first.get(), second.get()}) {
            EXPECT_EQ(report->path().parent_path(), temporary);
            EXPECT_EQ(readBytes(report->path()), report->bytes());
            EXPECT_EQ(modeOf(report->path()), 0600);
        }
        EXPECT_EQ(entries(temporary).size(), 2u);
        EXPECT_EQ(first->moveTo(folder / "report.txt"), MoveResult::Moved);
        EXPECT_EQ(modeOf(folder / "report.txt"), 0666);
        first.reset();
        second.reset();
        EXPECT_EQ(readBytes(folder / "report.txt"), "first");
        EXPECT_TRUE(fs::is_empty(temporary));

        // Another file under the working file's name is somebody else's.
        std::unique_ptr<WorkingReport> third = WorkingReport::write("third");
        ASSERT_TRUE(third);
        fs::remove(third->path());
        ASSERT_TRUE(writeFileBytes(third->path(), "another program's"));
        const fs::path thirdPath = third->path();
        third.reset();
        EXPECT_EQ(readBytes(thirdPath), "another program's");
        fs::remove(thirdPath);
    }
    for (const FaultyFolder::Fault fault :
         {FaultyFolder::Fault::ReadOnly, FaultyFolder::Fault::Full}) {
        const FaultyFolder disk(temporary.string(), fault);
        ASSERT_EQ(disk.failure(), "");
        EXPECT_EQ(WorkingReport::write("report"), nullptr);
        EXPECT_EQ(entries(temporary), fault == FaultyFolder::Fault::Full
                                          ? std::set<std::string>{"filler"}
                                          : std::set<std::string>{});
    }
    unsetenv("TMPDIR");
    EXPECT_EQ(workingReportFolder(), "/tmp");
    if (previous != nullptr) {
        setenv("TMPDIR", kept.c_str(), 1);
    }
}
