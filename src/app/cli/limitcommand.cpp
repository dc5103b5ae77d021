// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/cli/commandline.h"
#include "app/cli/commandopening.h"
#include "app/cli/commands.h"
#include "app/cli/json.h"
#include "app/cli/numbertext.h"
#include "core/calc/quotedtext.h"
#include "core/machine/machinecheck.h"

#include <cstdio>

namespace {

std::string limitJson(const Operation& operation, std::string_view varied,
                      const LargestValue& largest) {
    std::string out = "{\"operation\": ";
    appendJsonString(out, operation.name);
    out += ", \"vary\": ";
    appendJsonString(out, varied);
    out += ", \"value\": ";
    if (largest.value) {
        appendShortestNumber(out, *largest.value);
    } else {
        out += "null";
    }
    out += ", \"bound\": ";
    if (largest.bound) {
        appendJsonString(out, limitNames[static_cast<std::size_t>(*largest.bound)]);
    } else {
        out += "null";
    }
    out += "}\n";
    return out;
}

} // namespace

int runLimit(std::span<const std::string_view> arguments) {
    const auto checkVary = [](const CommandArguments& command) -> std::optional<int> {
        if (!command.vary) {
            return usageError("НЕ ЗАДАНО, ЧТО ПОДБИРАТЬ: --vary s ИЛИ --vary v!!!");
        }
        if (*command.vary != "s" && *command.vary != "v") {
            return usageError("ПОДБИРАЕТСЯ ПОДАЧА ИЛИ СКОРОСТЬ: --vary s ИЛИ --vary v, А НЕ " +
                              quotedText(*command.vary) + "!!!");
        }
        return std::nullopt;
    };
    int code = exitComputed;
    const std::optional<OperationCall> call =
        openOperationCall(arguments, flagJson | flagMachine | flagVary, checkVary, code);
    if (!call) {
        return code;
    }
    const CommandArguments& command = call->command;
    const Key varied = *command.vary == "s" ? Key::s : Key::v;
    if (!call->machine && !call->cutter) {
        return usageError("НЕ ЗАДАН СТАНОК: НУЖНЫ ЕГО КЛЮЧИ (power=, efficiency=, speeds=, "
                          "nmin=, nmax=, torque-max=, force-max=) ИЛИ --machine ИМЯ; ИЛИ РЕЗЕЦ: "
                          "shank= ИЛИ bar= С overhang=, r= С Rz-max=!!!");
    }
    const Calculation& calc = calculation(call->operation->window);
    if (varied == Key::s && !calc.feedIsChosen) {
        return usageError("ПРИ НАРЕЗАНИИ РЕЗЬБЫ ПОДАЧА — ЭТО ШАГ РЕЗЬБЫ, ЕЁ НЕ ПОДБИРАЮТ "
                          "ПО СТАНКУ (--vary v)!!!");
    }

    // The largest value is sought from the inputs the row is computed with, as calc computes it.
    const Outcome outcome = calculate(*call->operation, call->texts);
    if (!outcome.error.empty()) {
        return refusal(outcome.error);
    }
    if (outcome.notice != nullptr) {
        std::fprintf(stderr, "%s\n", outcome.notice);
    }
    const Machine* machine = call->machine ? &*call->machine : nullptr;
    const Cutter* cutter = call->cutter ? &*call->cutter : nullptr;
    const LargestValue largest = largestValue(calc, outcome.inputs, machine, cutter, varied);
    // No value of the input keeps the limit: every row with it would be beyond the machine or
    // the cutter.
    const bool noValue = !largest.value && largest.bound && !largest.unsolved;
    // A search that found no answer is said as a refusal: no value can be claimed either way.
    const bool failed = noValue || largest.unsolved.has_value();
    if (command.json) {
        const std::string text = limitJson(*call->operation, *command.vary, largest);
        std::fwrite(text.data(), 1, text.size(), stdout);
    } else {
        // The windows' wording: the value rounded down as it is typed into the box.
        const std::string text =
            reportLargest(largest, calc.window.layout, varied, '.').text + "\n";
        std::fwrite(text.data(), 1, text.size(), failed ? stderr : stdout);
    }
    return largest.unsolved ? exitRefused : noValue ? exitCrossed : exitComputed;
}
