#include "calcframe/cuttingformulas.h"
#include "cli/commandline.h"
#include "cli/commands.h"
#include "cli/json.h"
#include "cli/machinearguments.h"
#include "cli/numbertext.h"
#include "cli/textcolumns.h"
#include "machine/machinecheck.h"

#include <cstdio>
#include <utility>

namespace {

void appendNumberOrNull(std::string& out, const std::optional<double>& value) {
    if (value) {
        appendShortestNumber(out, *value);
    } else {
        out += "null";
    }
}

// The row against the machine: its spindle power and load, the limits crossed, and the passport
// speed the spindle would really run at with the cutting speed that gives.
std::string machineJson(const Machine& machine, const MachineCheck& check, const RowValues& row) {
    std::optional<double> passportN;
    std::optional<double> passportV;
    if (row.results.n) {
        passportN = passportSpeed(machine, *row.results.n);
    }
    if (passportN) {
        passportV = cuttingSpeed(*passportN, row.diameter);
    }
    std::string out = ", \"machine\": {\"Nspindle\": ";
    appendNumberOrNull(out, check.spindlePower);
    out += ", \"load\": ";
    appendNumberOrNull(out, check.load);
    out += ", \"violations\": [";
    for (std::size_t i = 0; i < check.violations.size(); ++i) {
        if (i > 0) {
            out += ", ";
        }
        appendJsonString(out, limitNames[static_cast<std::size_t>(check.violations[i].limit)]);
    }
    out += "], \"n_passport\": ";
    appendNumberOrNull(out, passportN);
    out += ", \"v_passport\": ";
    appendNumberOrNull(out, passportV);
    out += '}';
    return out;
}

// One object on one line: the raw results for scripts, and the cells as the window shows them.
std::string resultJson(const Operation& operation, const Outcome& outcome,
                       const std::vector<std::string>& cells, const std::string& machine) {
    const RowResults& results = outcome.row.results;
    const std::pair<std::string_view, const std::optional<double>*> numbers[] = {
        {"n", &results.n},   {"Pz", &results.Pz}, {"Py", &results.Py},
        {"Px", &results.Px}, {"M", &results.M},   {"N", &results.N}};
    std::string out = "{\"operation\": ";
    appendJsonString(out, operation.name);
    for (const auto& [name, value] : numbers) {
        out += ", ";
        appendJsonString(out, name);
        out += ": ";
        appendNumberOrNull(out, *value); // null: no result for this tool, the cell stays blank
    }
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
    out += machine;
    out += "}\n";
    return out;
}

} // namespace

int runCalc(std::span<const std::string_view> arguments) {
    const CommandArguments command = splitArguments(arguments, flagJson | flagComma | flagMachine);
    if (!command.error.empty()) {
        return usageError(command.error);
    }
    int code = exitComputed;
    const std::optional<OperationCall> call = readOperationCall(command, code);
    if (!call) {
        return code;
    }

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
            machine = machineJson(*call->machine, check, outcome.row);
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
