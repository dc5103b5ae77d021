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

// One object on one line: the raw results for scripts, the cells as the window shows them, and
// the feed rates.
std::string resultJson(const Operation& operation, const Outcome& outcome,
                       const std::vector<std::string>& cells, const std::string& machine) {
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
    out += machine;
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
    std::string machine;
    if (call->machine) {
        const MachineCheck check =
            checkMachine(*call->machine, calculation(call->operation->window), outcome.row.results);
        if (!check.violations.empty()) {
            code = exitCrossed;
            if (!command.json) {
                std::fprintf(stderr, "%s\n", violationsMessage(check.violations, '.').c_str());
            }
        }
        if (command.json) {
            appendMachineJson(machine, *call->machine, check, calculation(call->operation->window),
                              outcome.inputs, outcome.row.results);
        }
    }
    const WindowDefinition& window = definitionOf(*call->operation);
    const std::vector<std::string> cells =
        rowCells(window.layout, outcome.row, window.patterns, command.comma ? ',' : '.');
    const std::string text = command.json ? resultJson(*call->operation, outcome, cells, machine)
                                          : alignedColumns({headings(window.layout), cells});
    std::fwrite(text.data(), 1, text.size(), stdout);
    return code;
}
