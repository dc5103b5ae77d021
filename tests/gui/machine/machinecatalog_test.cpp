// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/machine/machinecatalog.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;

Machine machineNamed(const std::string& name, double power) {
    Machine machine;
    machine.name = name;
    machine.power = power;
    machine.efficiency = 0.8;
    machine.speeds = {31.5, 40, 50};
    return machine;
}

const Machine mill = machineNamed("6Р12", 7.5);
const Machine lathe = machineNamed("16К20", 10);
const Machine drill = machineNamed("2Н135", 4);

using Machines = std::vector<Machine>;

// Two programs sharing one library file, each with the catalogue it read at start.
class SharedLibrary : public testing::Test {
protected:
    fs::path path() const {
        return fs::path(config_.path().toStdString()) / "rezhim" / "machines.json";
    }
    Machines onDisk() const { return loadLibrary(path(), DamagedLibrary::Keep).machines; }

private:
    QTemporaryDir config_;
};

TEST_F(SharedLibrary, InterleavedChangesOfTwoProgramsAreAllKept) {
    MachineCatalog a(path());
    MachineCatalog b(path());
    // Neither list runs its event loop here: each knows only what its own changes read.
    ASSERT_EQ(a.add(mill), "");
    ASSERT_EQ(b.add(lathe), "");
    EXPECT_EQ(b.machines(), (Machines{mill, lathe}));
    ASSERT_EQ(a.add(drill), "");
    ASSERT_EQ(b.remove(0), ""); // the mill
    EXPECT_EQ(b.machines(), (Machines{lathe, drill}));
    // A still lists the mill B deleted; its edit of the lathe lands on the lathe.
    Machine faster = lathe;
    faster.speeds = {40, 50, 63};
    ASSERT_EQ(a.machines(), (Machines{mill, lathe, drill}));
    ASSERT_EQ(a.replace(1, faster), "");
    EXPECT_EQ(a.machines(), (Machines{faster, drill}));
    EXPECT_EQ(onDisk(), (Machines{faster, drill}));
}

TEST_F(SharedLibrary, AnEditOfAMachineAnotherProgramChangedOrDeletedIsRefused) {
    MachineCatalog a(path());
    ASSERT_EQ(a.add(lathe), "");
    MachineCatalog b(path());
    Machine stronger = lathe;
    stronger.power = 11;
    ASSERT_EQ(b.replace(0, stronger), "");

    Machine renamed = lathe;
    renamed.name = "16К20Ф3";
    EXPECT_EQ(a.replace(0, renamed), "СТАНОК 16К20 ТЕМ ВРЕМЕНЕМ ИЗМЕНЁН В ДРУГОМ ОКНЕ, СПИСОК "
                                     "ОБНОВЛЁН: ПРОВЕРЬТЕ ДАННЫЕ!!!");
    EXPECT_EQ(a.machines(), Machines{stronger});
    ASSERT_EQ(b.remove(0), "");
    EXPECT_EQ(a.remove(0), "СТАНОК 16К20 ТЕМ ВРЕМЕНЕМ УДАЛЁН В ДРУГОМ ОКНЕ, СПИСОК "
                           "ОБНОВЛЁН: ПРОВЕРЬТЕ ДАННЫЕ!!!");
    EXPECT_EQ(a.machines(), Machines{});
    EXPECT_EQ(onDisk(), Machines{});
}

TEST_F(SharedLibrary, AListFollowsTheFileAnotherProgramSaves) {
    // Started before the library's folder exists, as on a first run.
    MachineCatalog a(path());
    MachineCatalog b(path());
    QSignalSpy followed(&a, &MachineCatalog::changed);
    ASSERT_EQ(b.add(mill), "");
    ASSERT_TRUE(followed.wait(5000));
    EXPECT_EQ(a.machines(), Machines{mill});
    // The file is now another one, renamed over the first: it is followed too.
    ASSERT_EQ(b.add(lathe), "");
    ASSERT_TRUE(followed.wait(5000));
    EXPECT_EQ(a.machines(), (Machines{mill, lathe}));
}

TEST_F(SharedLibrary, AFolderUnderTheLibrarysNameIsSaidAndNothingIsSavedOverIt) {
    ASSERT_TRUE(fs::create_directories(path()));
    MachineCatalog catalog(path());
    const std::string problem =
        "НЕ УДАЁТСЯ ПРОЧИТАТЬ ФАЙЛ СТАНКОВ " + path().string() + ": ЭТО ПАПКА";
    EXPECT_EQ(catalog.loadProblem(), problem + "!!!");
    EXPECT_EQ(catalog.add(mill), problem + ", СТАНОК НЕ СОХРАНЁН!!!");
    EXPECT_TRUE(catalog.machines().empty());
    EXPECT_TRUE(fs::is_directory(path()));
}

} // namespace
