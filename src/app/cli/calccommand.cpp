// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/cli/commandline.h"
#include "app/cli/commandopening.h"
#include "app/cli/commands.h"
#include "app/cli/json.h"
#include "app/cli/numbertext.h"
#include "app/cli/resultjson.h"
#include "app/cli/textcolumns.h"
#include "core/machine/machinecheck.h"

#include <cstdio>

namespace {

// One object on one line: the raw results for scripts, the cells as the window shows them, the
// feed rates, and the checks of the machine and the cutter.
std::string resultJson(const Operation& operation, const Outcome& outcome,
                       const std::vector<std::string>& cells, const std::string& checks) {
    std::string out = "{\"operation\": ";
    appendJsonString(out, operation.name);
    appendRawResults(out, outcome.row.results);
    out += ", \"t\": ";
    appendShortestNumber(out, outcome.row.depth);
    out += ", \"cells\": [";
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (i > 0) {
            out += ", ";
        }
        appendJsonString(out, cells[i]);
    }
    out += ']';
    appendFeedRates(out, outcome.row.results);
    out += checks;
    out += "}\n";
    return out;
}

} // namespace

int runCalc(std::span<const std::string_view> arguments) {
    int code = exitComputed;
    const std::optional<OperationCall> call =
        openOperationCall(arguments, flagJson | flagComma | flagMachine, nullptr, code);
    if (!call) {
        return code;
    }
    const CommandArguments& command = call->command;

    const Outcome outcome = calculate(*call->operation, call->texts);
    if (!outcome.error.empty()) {
        return refusal(outcome.error);
    }
    if (outcome.notice != nullptr) {
        std::fprintf(stderr, "%s\n", outcome.notice);
    }
    const auto sayCrossed = [&code, &command](const std::vector<Violation>& violations) {
        if (!violations.empty()) {
            code = exitCrossed;
            if (!command.json) {
                printLine(stderr, violationsMessage(violations, '.'));
            }
        }
    };
    const char separator = command.comma ? ',' : '.';
    std::string checks;
    if (call->machine) {
        const MachineCheck check =
            checkMachine(*call->machine, calculation(call->operation->window), outcome.row.results);
        sayCrossed(check.violations);
        if (command.json) {
            appendMachineJson(checks, *call->machine, check, calculation(call->operation->window),
                              outcome.inputs, outcome.row.results);
        }
    }
    // The cutter's figures follow the row as the window shows them under its grid.
    std::string cutter;
    if (call->cutter) {
        const CutterCheck check = checkCutter(*call->cutter, outcome.row.results);
        sayCrossed(check.violations);
        if (command.json) {
            appendCutterJson(checks, check);
        } else {
            cutter = cutterLine(*call->cutter, check, separator) + "\n";
        }
    }
    const WindowDefinition& window = definitionOf(*call->operation);
    const std::vector<std::string> cells =
        rowCells(window.layout, outcome.row, window.patterns, separator);
    const std::string text = command.json
                                 ? resultJson(*call->operation, outcome, cells, checks)
                                 : alignedColumns({headings(window.layout), cells}) + cutter;
    std::fwrite(text.data(), 1, text.size(), stdout);
    return code;
}
