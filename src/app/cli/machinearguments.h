// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/cli/commandline.h"
#include "app/cli/keyarguments.h"
#include "app/cli/operations.h"
#include "core/machine/machine.h"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The machine a calculation is checked against, as the command line gives it: its data as
// key=value arguments named as the fields of the library file, or a machine of the library by
// name (--machine NAME, from --machines FILE or the user's library file).
inline constexpr std::array<std::string_view, 9> machineKeyNames{
    "power",      "efficiency", "speeds", "nmin",     "nmax",
    "torque-max", "force-max",  "feeds",  "feed-unit"};

// A command's key=value arguments parted into the machine's keys and the rest.
using MachineKeys = NamedKeys<machineKeyNames.size()>;
inline MachineKeys takeMachineKeys(std::span<const std::string_view> arguments) {
    return takeNamedKeys(machineKeyNames, arguments);
}

struct MachineArguments {
    std::optional<Machine> machine; // none when the call names no machine
    std::string error;
    ExitCode code = exitComputed; // with an error: exitUsage for a wrong call, else exitRefused
};
// The machine of the keys or of --machine; a key with an empty value is a wrong call. A number that
// is not one, data the limits cannot use (machineError), a name not in the library and a damaged
// library file are refusals; keys together with --machine, or --machines alone, a wrong call.
MachineArguments resolveMachine(const MachineKeys& keys, const CommandArguments& command);
