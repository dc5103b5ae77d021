// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/cli/commandopening.h"

#include "app/cli/keyarguments.h"
#include "core/calc/quotedtext.h"

#include <filesystem>
#include <utility>

namespace {

// An output that is one of the command's own files would replace what it is read from; a folder
// is no file to write. A device or a pipe that is also an input is not replaced, and may stay.
std::optional<int> refusedOutput(const CommandArguments& command, std::string_view inputPath) {
    namespace fs = std::filesystem;
    const fs::path output(*command.output);
    std::error_code error;
    if (fs::is_directory(output, error)) {
        return usageError("ВЫХОДНОЙ ФАЙЛ — ЭТО ПАПКА: " + std::string(*command.output) + "!!!");
    }
    for (const std::optional<std::string_view> input :
         {std::optional(inputPath), command.machines}) {
        if (input && fs::is_regular_file(output, error) && fs::equivalent(*input, output, error)) {
            return usageError("ВЫХОДНОЙ ФАЙЛ СОВПАДАЕТ С ВХОДНЫМ: " + std::string(*command.output) +
                              "!!!");
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<OperationCall> openOperationCall(std::span<const std::string_view> arguments,
                                               unsigned flags, const ArgumentCheck& check,
                                               int& exitCode, const OwnKey& ownKey) {
    const auto fail = [&exitCode](int code) {
        exitCode = code;
        return std::nullopt;
    };
    OperationCall call;
    call.command = splitArguments(arguments, flags);
    const CommandArguments& command = call.command;
    if (!command.error.empty()) {
        return fail(usageError(command.error));
    }
    if (const std::optional<int> code = check ? check(command) : std::nullopt) {
        return fail(*code);
    }
    if (command.positional.empty()) {
        return fail(usageError("НЕ ЗАДАНА ОПЕРАЦИЯ!!!"));
    }
    const std::string_view name = command.positional.front();
    call.operation = findOperation(name);
    if (call.operation == nullptr) {
        return fail(usageError("НЕИЗВЕСТНАЯ ОПЕРАЦИЯ: " + quotedText(name) + "!!!"));
    }
    const MachineKeys machineKeys = takeMachineKeys(std::span(command.positional).subspan(1));
    if (!machineKeys.error.empty()) {
        return fail(usageError(machineKeys.error));
    }
    const CutterKeys cutterKeys = takeCutterKeys(machineKeys.others);
    if (!cutterKeys.error.empty()) {
        return fail(usageError(cutterKeys.error));
    }
    std::vector<std::string_view> calculationKeys;
    for (const std::string_view argument : cutterKeys.others) {
        const auto equals = argument.find('=');
        const bool own =
            ownKey && equals != std::string_view::npos && ownKey(argument.substr(0, equals));
        (own ? call.ownKeys : calculationKeys).push_back(argument);
    }
    const KeyArguments keys = readKeyArguments(calculationKeys);
    if (!keys.error.empty()) {
        return fail(usageError(keys.error));
    }
    call.texts = keys.texts;
    MachineArguments machine = resolveMachine(machineKeys, command);
    if (!machine.error.empty()) {
        return fail(keysFailure(machine.code, machine.error));
    }
    call.machine = std::move(machine.machine);
    CutterArguments cutter = resolveCutter(cutterKeys, *call.operation);
    if (!cutter.error.empty()) {
        return fail(keysFailure(cutter.code, cutter.error));
    }
    call.cutter = std::move(cutter.cutter);
    return call;
}

std::optional<FileCall> openFileCall(std::span<const std::string_view> arguments,
                                     const FileCallForm& form, const FileArgumentCheck& check,
                                     int& exitCode) {
    const auto fail = [&exitCode](int code) {
        exitCode = code;
        return std::nullopt;
    };
    FileCall call;
    call.command = splitArguments(arguments, form.flags);
    const CommandArguments& command = call.command;
    if (!command.error.empty()) {
        return fail(usageError(command.error));
    }
    if (command.positional.size() <= form.inputIndex || (form.needsOutput && !command.output)) {
        return fail(usageError(form.usage));
    }
    // The machine's keys follow the file and hold for every row; the rows' own keys are columns.
    const MachineKeys machineKeys =
        takeMachineKeys(std::span(command.positional).subspan(form.inputIndex + 1));
    if (!machineKeys.error.empty()) {
        return fail(usageError(machineKeys.error));
    }
    const CutterKeys cutterKeys = form.takesCutter ? takeCutterKeys(machineKeys.others)
                                                   : CutterKeys{{}, machineKeys.others, {}};
    if (!cutterKeys.error.empty()) {
        return fail(usageError(cutterKeys.error));
    }
    if (!cutterKeys.others.empty()) {
        return fail(usageError(form.strayPrefix.empty()
                                   ? std::string(form.usage)
                                   : std::string(form.strayPrefix) +
                                         quotedText(cutterKeys.others.front()) + "!!!"));
    }
    if (const std::optional<int> code =
            check ? check(command, machineKeys, cutterKeys) : std::nullopt) {
        return fail(*code);
    }
    call.inputPath = std::string(command.positional[form.inputIndex]);
    call.input.reset(std::fopen(call.inputPath.c_str(), "rb"));
    if (!call.input) {
        return fail(usageError("НЕ УДАЁТСЯ ПРОЧИТАТЬ ФАЙЛ: " + call.inputPath + "!!!"));
    }
    if (const std::optional<int> code =
            command.output ? refusedOutput(command, call.inputPath) : std::nullopt) {
        return fail(*code);
    }
    MachineArguments machine = resolveMachine(machineKeys, command);
    if (!machine.error.empty()) {
        return fail(keysFailure(machine.code, machine.error));
    }
    call.machine = std::move(machine.machine);
    return call;
}
