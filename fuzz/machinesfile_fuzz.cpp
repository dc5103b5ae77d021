// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as the library file on disk, inputs of many kilobytes included: loading refuses them
// with a reason and leaves the file as it was, or gives machines that a change adds to and takes
// from again, the file always read back as the change left it.
#include "core/files/reportfile.h"
#include "core/machine/machinelibrary.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

// A folder of the run's own, removed when it ends.
struct ScratchFolder {
    ScratchFolder() {
        char pattern[] = "/tmp/rezhim-fuzz-XXXXXX";
        if (mkdtemp(pattern) == nullptr) {
            std::abort();
        }
        path = pattern;
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
    std::filesystem::path path;
};

void check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const ScratchFolder folder;
    const std::filesystem::path path = folder.path / "machines.json";
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    check(writeFileBytes(path, bytes));
    const LoadedLibrary loaded = loadLibrary(path, DamagedLibrary::Keep);
    if (loaded.state != LibraryState::Read) {
        check(!loaded.problem.empty() && loaded.machines.empty());
        check(readFileBytes(path) == bytes);
        return 0;
    }
    check(loaded.problem.empty());
    Machine added;
    added.name = "Ф";
    while (std::any_of(loaded.machines.begin(), loaded.machines.end(),
                       [&added](const Machine& machine) { return machine.name == added.name; })) {
        added.name += "+";
    }
    added.power = 7.5;
    added.efficiency = 0.8;
    added.speeds = {31.5, 40};
    std::vector<Machine> expected = loaded.machines;
    expected.push_back(added);
    const ChangedLibrary grown = changeLibrary(path, {std::nullopt, added});
    check(grown.error.empty() && grown.machines == expected);
    check(loadLibrary(path, DamagedLibrary::Keep).machines == expected);
    const ChangedLibrary shrunk = changeLibrary(path, {added, std::nullopt});
    check(shrunk.error.empty() && shrunk.machines == loaded.machines);
    check(loadLibrary(path, DamagedLibrary::Keep).machines == loaded.machines);
    return 0;
}
