#include "app/cli/commandopening.h"

#include "app/cli/keyarguments.h"

#include <utility>

namespace {

// The machine's error as the help text classes it: wrong keys are a wrong call, data the limits
// cannot use a refusal.
int machineFailure(const MachineArguments& machine) {
    return machine.code == exitUsage ? usageError(machine.error) : refusal(machine.error);
}

} // namespace

std::optional<OperationCall> openOperationCall(std::span<const std::string_view> arguments,
                                               unsigned flags, const ArgumentCheck& check,
                                               int& exitCode) {
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
        return fail(usageError("НЕИЗВЕСТНАЯ ОПЕРАЦИЯ: " + std::string(name) + "!!!"));
    }
    const MachineKeys machineKeys = takeMachineKeys(std::span(command.positional).subspan(1));
    if (!machineKeys.error.empty()) {
        return fail(usageError(machineKeys.error));
    }
    const KeyArguments keys = readKeyArguments(machineKeys.others);
    if (!keys.error.empty()) {
        return fail(usageError(keys.error));
    }
    call.texts = keys.texts;
    MachineArguments machine = resolveMachine(machineKeys, command);
    if (!machine.error.empty()) {
        return fail(machineFailure(machine));
    }
    call.machine = std::move(machine.machine);
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
    if (!machineKeys.others.empty()) {
        return fail(usageError(form.strayPrefix.empty()
                                   ? std::string(form.usage)
                                   : std::string(form.strayPrefix) +
                                         std::string(machineKeys.others.front()) + "!!!"));
    }
    if (const std::optional<int> code = check ? check(command, machineKeys) : std::nullopt) {
        return fail(*code);
    }
    call.inputPath = std::string(command.positional[form.inputIndex]);
    call.input.reset(std::fopen(call.inputPath.c_str(), "rb"));
    if (!call.input) {
        return fail(usageError("НЕ УДАЁТСЯ ПРОЧИТАТЬ ФАЙЛ: " + call.inputPath + "!!!"));
    }
    MachineArguments machine = resolveMachine(machineKeys, command);
    if (!machine.error.empty()) {
        return fail(machineFailure(machine));
    }
    call.machine = std::move(machine.machine);
    return call;
}
