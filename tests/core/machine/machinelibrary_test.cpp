// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/reportfile.h"
#include "core/machine/machinelibrary.h"

#include <ctime>
#include <fstream>
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

class LibraryKinds : public testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/rezhim-library-XXXXXX";
        folder_ = mkdtemp(pattern);
    }
    void TearDown() override { fs::remove_all(folder_); }

    static void write(const fs::path& path, const std::string& text) {
        std::ofstream(path, std::ios::binary) << text;
    }
    // Nothing beside `path` has been set aside.
    bool nothingSetAside(const fs::path& path) const {
        for (const auto& entry : fs::directory_iterator(folder_)) {
            if (entry.path().filename().string().starts_with(path.filename().string() +
                                                             ".damaged")) {
                return false;
            }
        }
        return true;
    }

    fs::path folder_;
};

TEST_F(LibraryKinds, WhatIsNotARegularFileOfASaneSizeIsRefusedAndLeftAlone) {
    const fs::path folder = folder_ / "folder.json";
    fs::create_directory(folder);
    const fs::path pipe = folder_ / "pipe.json";
    ASSERT_EQ(mkfifo(pipe.c_str(), 0644), 0);
    const fs::path nothing = folder_ / "null.json";
    fs::create_symlink("/dev/null", nothing);
    const fs::path endless = folder_ / "zero.json";
    fs::create_symlink("/dev/zero", endless);
    // Sparse: one byte over the limit without writing 16 MiB.
    const fs::path huge = folder_ / "huge.json";
    write(huge, "");
    fs::resize_file(huge, static_cast<std::uintmax_t>(libraryFileLimit) + 1);

    const struct {
        fs::path path;
        std::string why;
    } cases[] = {
        {folder, "ЭТО ПАПКА"},
        {pipe, "ЭТО НЕ ОБЫЧНЫЙ ФАЙЛ"},
        {nothing, "ЭТО НЕ ОБЫЧНЫЙ ФАЙЛ"},
        {endless, "ЭТО НЕ ОБЫЧНЫЙ ФАЙЛ"},
        {huge, "ОН БОЛЬШЕ 16 МБ"},
    };
    for (const auto& c : cases) {
        const std::string problem =
            "НЕ УДАЁТСЯ ПРОЧИТАТЬ ФАЙЛ СТАНКОВ " + c.path.string() + ": " + c.why + "!!!";
        const LoadedLibrary loaded = loadLibrary(c.path);
        EXPECT_EQ(loaded.problem, problem);
        EXPECT_EQ(loaded.state, LibraryState::Unreadable) << c.path;
        // Nothing is written over what could not be read.
        Machine machine;
        machine.name = "6Р12";
        machine.power = 7.5;
        machine.efficiency = 0.8;
        machine.speeds = {100};
        const ChangedLibrary changed = changeLibrary(c.path, {std::nullopt, machine});
        EXPECT_EQ(changed.error, problem.substr(0, problem.size() - 3) + ", СТАНОК НЕ СОХРАНЁН!!!");
        EXPECT_FALSE(changed.machines);
        EXPECT_TRUE(fs::exists(fs::symlink_status(c.path))) << c.path;
        EXPECT_TRUE(nothingSetAside(c.path)) << c.path;
    }
    EXPECT_TRUE(fs::is_directory(fs::symlink_status(folder)));
    EXPECT_TRUE(fs::is_fifo(fs::symlink_status(pipe)));
    EXPECT_EQ(fs::file_size(huge), static_cast<std::uintmax_t>(libraryFileLimit) + 1);
}

// The problem and the state of loading `path` as a user other than root, since root reads every
// file whatever its permissions: a child process takes the unprivileged user "nobody".
std::string loadedAsAnotherUser(const fs::path& path) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) {
        return "no pipe";
    }
    const pid_t child = fork();
    if (child == 0) {
        close(pipeEnds[0]);
        const bool unprivileged = geteuid() != 0 || (setgroups(0, nullptr) == 0 &&
                                                     setgid(65534) == 0 && setuid(65534) == 0);
        const LoadedLibrary loaded = loadLibrary(path);
        const std::string said =
            unprivileged ? loaded.problem + (loaded.state == LibraryState::Unreadable ? "" : " ?")
                         : "cannot leave root";
        const bool written =
            ::write(pipeEnds[1], said.data(), said.size()) == static_cast<ssize_t>(said.size());
        _exit(written ? 0 : 1);
    }
    close(pipeEnds[1]);
    std::string said;
    char buffer[512];
    for (ssize_t got; (got = read(pipeEnds[0], buffer, sizeof buffer)) > 0;) {
        said.append(buffer, static_cast<std::size_t>(got));
    }
    close(pipeEnds[0]);
    int status = 0;
    waitpid(child, &status, 0);
    return said;
}

TEST_F(LibraryKinds, AValidLibraryWithoutReadPermissionIsNotSetAside) {
    // Folders the other user may pass through and write in, so that a rename would succeed.
    fs::permissions(folder_, fs::perms::all);
    const fs::path path = folder_ / "machines.json";
    const std::string valid = R"({"machines": []})";
    write(path, valid);
    fs::permissions(path, fs::perms::none);
    EXPECT_EQ(loadedAsAnotherUser(path),
              "НЕ УДАЁТСЯ ПРОЧИТАТЬ ФАЙЛ СТАНКОВ " + path.string() + ": НЕТ ПРАВА ЧТЕНИЯ!!!");
    EXPECT_EQ(readFileBytes(path), valid);
    EXPECT_TRUE(nothingSetAside(path));
}

TEST_F(LibraryKinds, ADamagedFileIsKeptWhenAskedTo) {
    const fs::path path = folder_ / "notes.md";
    write(path, "# Станки цеха\n");
    const LoadedLibrary loaded = loadLibrary(path, DamagedLibrary::Keep);
    EXPECT_EQ(loaded.problem, "ФАЙЛ СТАНКОВ " + path.string() + " ИСПОРЧЕН (ЭТО НЕ ТЕКСТ JSON)!!!");
    EXPECT_EQ(loaded.state, LibraryState::Damaged);
    EXPECT_EQ(readFileBytes(path), "# Станки цеха\n");
    EXPECT_TRUE(nothingSetAside(path));
}

TEST_F(LibraryKinds, AHundredThousandMachinesLoadInLinearTime) {
    constexpr int count = 100000;
    std::string text = "{\"machines\": [";
    for (int i = 0; i < count; ++i) {
        text += (i > 0 ? "," : "") + std::string("{\"name\": \"М") + std::to_string(i) +
                "\", \"power\": 7.5, \"efficiency\": 0.8, \"speeds\": [100, 200]}";
    }
    const fs::path path = folder_ / "machines.json";
    write(path, text + "]}");
    // The processor time of this program: other builds and tests sharing the machine do not
    // count, a quadratic name check (10^10 comparisons) would.
    const std::clock_t start = std::clock();
    const LoadedLibrary loaded = loadLibrary(path);
    const double took = static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
    EXPECT_EQ(loaded.problem, "");
    EXPECT_EQ(loaded.machines.size(), static_cast<std::size_t>(count));
    EXPECT_LT(took, 2.0);
    // A name repeated at the end is still found.
    const ParsedLibrary repeated = parseLibraryJson(
        text + ",{\"name\": \"М7\", \"power\": 1, \"efficiency\": 1, \"speeds\": [1]}]}");
    EXPECT_EQ(repeated.problem, "СТАНОК 100001: СТАНОК С ИМЕНЕМ М7 УЖЕ ЕСТЬ");
}

TEST_F(LibraryKinds, AChangeOfALibraryReachedThroughALinkWritesTheFileItPointsTo) {
    // A library kept with the user's other settings elsewhere, private to them.
    const fs::path kept = folder_ / "settings" / "machines.json";
    fs::create_directories(kept.parent_path());
    write(kept, R"({"machines": []})");
    fs::permissions(kept, fs::perms::owner_read | fs::perms::owner_write);
    const fs::path link = folder_ / "machines.json";
    fs::create_symlink(kept, link);
    Machine machine;
    machine.name = "6Р12";
    machine.power = 7.5;
    machine.efficiency = 0.8;
    machine.speeds = {100};
    ASSERT_EQ(changeLibrary(link, {std::nullopt, machine}).error, "");
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(link)));
    EXPECT_EQ(loadLibrary(kept).machines, std::vector<Machine>{machine});
    EXPECT_EQ(fs::status(kept).permissions(), fs::perms::owner_read | fs::perms::owner_write);
}

// A change that would make the file larger than the reader takes would leave every program
// without the machines it holds: it is refused and the file stays as it was. A file of just the
// limit is written and read back.
TEST_F(LibraryKinds, AChangeThatWouldMakeTheFileTooLargeToReadIsRefused) {
    const fs::path path = folder_ / "machines.json";
    Machine machine;
    machine.power = 7.5;
    machine.efficiency = 0.8;
    machine.speeds = {100};
    // The name that makes the file exactly as large as the reader takes.
    const std::size_t around = libraryJson({machine}).size();
    machine.name = std::string(static_cast<std::size_t>(libraryFileLimit) - around, 'x');
    ASSERT_EQ(libraryJson({machine}).size(), static_cast<std::size_t>(libraryFileLimit));
    ASSERT_EQ(changeLibrary(path, {std::nullopt, machine}).error, "");
    const std::optional<std::string> written = readFileBytes(path);

    Machine longer = machine;
    longer.name += 'x';
    Machine another;
    another.name = "6Р12";
    another.power = 7.5;
    another.efficiency = 0.8;
    another.speeds = {100};
    const std::string refused =
        "ФАЙЛ СТАНКОВ " + path.string() + " СТАЛ БЫ БОЛЬШЕ 16 МБ, СТАНОК НЕ СОХРАНЁН!!!";
    const struct {
        const char* name;
        LibraryChange change;
    } cases[] = {
        {"one byte more", {machine, longer}},
        {"one machine more", {std::nullopt, another}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const ChangedLibrary changed = changeLibrary(path, c.change);
        EXPECT_EQ(changed.error, refused);
        EXPECT_EQ(changed.machines, std::vector<Machine>{machine});
        EXPECT_EQ(readFileBytes(path), written);
    }
    EXPECT_FALSE(saveLibrary(path, {machine, another}));
    EXPECT_EQ(readFileBytes(path), written);
    EXPECT_EQ(loadLibrary(path).machines, std::vector<Machine>{machine});
}

} // namespace
