// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/cli/commandline.h"
#include "app/cli/cutterarguments.h"
#include "app/cli/filehandle.h"
#include "app/cli/machinearguments.h"

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// How every command begins: its flags taken out, its own check of what is left, then the operation,
// the keys, the input file, the machine and the cutter, each refused on stderr with the exit code
// the help text gives, in the order a user fixes them.

// A command's own check of its arguments before the common ones are read: the exit code once what
// is wrong is said on stderr, or nothing.
using ArgumentCheck = std::function<std::optional<int>(const CommandArguments&)>;

// Whether a key, by its name, is one of the command's own rather than the calculation's.
using OwnKey = std::function<bool(std::string_view name)>;

// calc, limit, sweep and speed: OPERATION key=value ..., the machine's keys, the cutter's (which
// speed never checks) and the command's own among the calculation's.
struct OperationCall {
    CommandArguments command;
    const Operation* operation = nullptr;
    KeyTexts texts{};
    std::optional<Machine> machine;
    std::optional<Cutter> cutter;
    std::vector<std::string_view> ownKeys; // key=value arguments of the command's own, in order
};
// The call; or nothing, with the exit code, once what is wrong is said on stderr.
std::optional<OperationCall> openOperationCall(std::span<const std::string_view> arguments,
                                               unsigned flags, const ArgumentCheck& check,
                                               int& exitCode, const OwnKey& ownKey = {});

// batch and report: an input CSV file at `inputIndex` among the positional arguments, followed by
// the machine's keys only, or the machine's and the cutter's.
struct FileCallForm {
    unsigned flags;
    std::size_t inputIndex;
    bool needsOutput;       // -o FILE is required
    bool takesCutter;       // the cutter's keys may follow the file
    std::string_view usage; // the message of a call of the wrong form
    // What an argument after the file that is no machine key is told; the usage when empty.
    std::string_view strayPrefix;
};
struct FileCall {
    CommandArguments command;
    std::string inputPath;
    FileHandle input;
    std::optional<Machine> machine;
};
// The call; or nothing, with the exit code, once what is wrong is said on stderr. `check` runs
// once the machine's and the cutter's keys are parted from the rest, before the file is opened.
using FileArgumentCheck = std::function<std::optional<int>(const CommandArguments&,
                                                           const MachineKeys&, const CutterKeys&)>;
std::optional<FileCall> openFileCall(std::span<const std::string_view> arguments,
                                     const FileCallForm& form, const FileArgumentCheck& check,
                                     int& exitCode);
