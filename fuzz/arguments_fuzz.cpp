// SPDX-License-Identifier: GPL-3.0-or-later
// The command line's arguments past the calculation's keys: the machine's keys, --vary and the
// largest feed and speed a machine allows. Every input ends within the fuzzer's time limit per
// input (-timeout), a machine the keys give yields finite numbers only, and nothing that is not a
// number reaches the JSON.
#include "app/cli/commandline.h"
#include "app/cli/keyarguments.h"
#include "app/cli/machinearguments.h"
#include "app/cli/resultjson.h"
#include "app/cli/varyrange.h"
#include "core/machine/machinecheck.h"
#include "core/plot/sweep.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// The first byte picks the operation; each line after it is one argument.
std::vector<std::string_view> argumentsOf(std::string_view text) {
    std::vector<std::string_view> arguments;
    for (std::size_t start = 1; start <= text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        arguments.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return arguments;
}

// A sweep's points are the calculation's own: a few of them, as many as a chart would draw.
void sweepRange(const Calculation& calc, const CalcInputs& inputs, std::string_view vary) {
    std::string error;
    if (const std::optional<Range> range = readRange(vary, error)) {
        const int count = std::min(range->count, 20);
        for (const SweepPoint& point :
             sweepPoints(calc, inputs, range->key, range->from, range->to, count)) {
            if (point.refusal.empty() && !allFinite(point.computed.row)) {
                std::abort();
            }
        }
    }
}

void checkAgainst(const Machine& machine, const Calculation& calc, const Outcome& outcome) {
    const MachineCheck check = checkMachine(machine, calc, outcome.row.results);
    std::string json;
    appendMachineJson(json, machine, check, calc, outcome.inputs, outcome.row.results);
    if (json.find("inf") != std::string::npos || json.find("nan") != std::string::npos) {
        std::abort();
    }
    for (const Key varied : {Key::s, Key::v}) {
        if (varied == Key::s && !calc.feedIsChosen) {
            continue;
        }
        const LargestValue largest = largestValue(calc, outcome.inputs, machine, varied);
        if (largest.value && !std::isfinite(*largest.value)) {
            std::abort();
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    if (text.empty()) {
        return 0;
    }
    const Operation& operation =
        operations[static_cast<unsigned char>(text[0]) % operations.size()];
    const std::vector<std::string_view> arguments = argumentsOf(text);
    // No --machine: the fuzzer reads and writes no file.
    const CommandArguments command = splitArguments(arguments, flagJson | flagVary);
    if (!command.error.empty()) {
        return 0;
    }
    const MachineKeys machineKeys = takeMachineKeys(command.positional);
    const MachineArguments machine = resolveMachine(machineKeys, command);
    const KeyArguments keys = readKeyArguments(machineKeys.others);
    if (!machineKeys.error.empty() || !machine.error.empty() || !keys.error.empty()) {
        return 0;
    }
    const Outcome outcome = calculate(operation, keys.texts);
    if (!outcome.error.empty()) {
        return 0;
    }
    const Calculation& calc = calculation(operation.window);
    if (command.vary) {
        sweepRange(calc, outcome.inputs, *command.vary);
    }
    if (machine.machine) {
        checkAgainst(*machine.machine, calc, outcome);
    }
    return 0;
}
