// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as the machine library file: they are refused with a reason, or give machines that
// pass the checks and come back the same from the text the program would write of them.
#include "core/machine/machinelibrary.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const ParsedLibrary parsed =
        parseLibraryJson(std::string(reinterpret_cast<const char*>(data), size));
    if (!parsed.problem.empty()) {
        if (!parsed.machines.empty()) {
            std::abort();
        }
        return 0;
    }
    for (const Machine& machine : parsed.machines) {
        if (!machineError(machine, MachineUse::Library).empty()) {
            std::abort();
        }
    }
    const ParsedLibrary again = parseLibraryJson(libraryJson(parsed.machines));
    if (!again.problem.empty() || again.machines != parsed.machines) {
        std::abort();
    }
    return 0;
}
