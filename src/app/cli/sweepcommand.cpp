// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/cli/commandline.h"
#include "app/cli/commandopening.h"
#include "app/cli/commands.h"
#include "app/cli/computedrows.h"
#include "app/cli/json.h"
#include "app/cli/numbertext.h"
#include "app/cli/outputbuffer.h"
#include "app/cli/resultjson.h"
#include "app/cli/varyrange.h"
#include "core/calc/numberformat.h"
#include "core/machine/machinecheck.h"
#include "core/output/tablecsv.h"
#include "core/plot/sweep.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace {

// Why the operation's window cannot vary the key: it has no box for it (the materials and the
// milling scheme are choices, not numbers), or the box is overwritten by an input derived from
// the others (a drill cuts half its diameter deep), so that every point would be the same.
std::string unvariedReason(const Operation& operation, Key key) {
    const Calculation& calc = calculation(operation.window);
    const std::string name(keyNames[static_cast<std::size_t>(key)]);
    if (!calc.window.hasBox(key)) {
        return "У ОПЕРАЦИИ " + std::string(operation.name) + " НЕТ ЧИСЛОВОГО ПАРАМЕТРА " + name +
               "!!!";
    }
    if (calc.derives(key, operation.kind)) {
        return "У ОПЕРАЦИИ " + std::string(operation.name) + " ПАРАМЕТР " + name +
               " СЛЕДУЕТ ИЗ ДРУГИХ!!!";
    }
    return {};
}

// What the points add up to: the exit code, and the handbook's notices, each once in the order
// met.
struct Tally {
    bool refused = false;
    bool crossed = false;
    std::vector<const char*> notices;

    // The point counted, with its check against the machine when it is computed and one is given.
    std::optional<MachineCheck> count(const SweepPoint& point, const Machine* machine,
                                      const Calculation& calc) {
        const RowResults& results = point.computed.row;
        if (!point.refusal.empty()) {
            refused = true;
            return std::nullopt;
        }
        if (results.notice &&
            std::find(notices.begin(), notices.end(), results.notice) == notices.end()) {
            notices.push_back(results.notice);
        }
        if (!machine) {
            return std::nullopt;
        }
        MachineCheck check = checkMachine(*machine, calc, results);
        crossed = crossed || !check.violations.empty();
        return check;
    }
};

// What each point is written with.
struct PointOutput {
    const Machine* machine;
    const Calculation& calculation;
    ResultColumns columns;
};

// A refused point has no results, and so no check against the machine.
void appendJsonPoint(std::string& text, std::string_view name, const SweepPoint& point,
                     const PointOutput& out, const std::optional<MachineCheck>& check) {
    const std::string& message = point.refusal;
    text += '{';
    appendJsonString(text, name);
    text += ": ";
    appendShortestNumber(text, point.x);
    const RowResults& results = message.empty() ? point.computed.row : RowResults{};
    appendRawResults(text, results);
    if (out.columns.feedRates) {
        appendFeedRates(text, results);
    }
    if (check) {
        appendMachineJson(text, *out.machine, *check, out.calculation, point.inputs,
                          point.computed.row);
    }
    if (!message.empty()) {
        text += ", \"error\": ";
        appendJsonString(text, message);
    }
    text += "}\n";
}

// As batch: a refused point keeps its number cells empty and says why in the last.
void appendCsvPoint(OutputBuffer& output, std::string& text, const SweepPoint& point,
                    const PointOutput& out, const std::optional<MachineCheck>& check) {
    output.appendNumber(point.x);
    if (!point.refusal.empty()) {
        output.append(out.columns.emptyCells());
        appendCsvField(text, point.refusal, ',');
        text += '\n';
        output.append(text);
        return;
    }
    appendResultCells(output, point.computed.row);
    if (out.columns.feedRates) {
        appendFeedRateCells(output, point.computed.row);
    }
    if (check) {
        appendCheckCells(output, *check);
    }
    output.append(",\n");
}

// The points on stdout, CSV under a header or a JSON object a line, and the notices on stderr.
int writePoints(const std::vector<SweepPoint>& points, std::string_view name, bool json,
                const PointOutput& out) {
    const Machine* machine = out.machine;
    const Calculation& calc = out.calculation;
    OutputBuffer output(stdout);
    if (!json) {
        output.append(name);
        output.append(out.columns.heading());
    }
    Tally tally;
    std::string text;
    for (const SweepPoint& point : points) {
        const std::optional<MachineCheck> check = tally.count(point, machine, calc);
        text.clear();
        if (json) {
            appendJsonPoint(text, name, point, out, check);
            output.append(text);
        } else {
            appendCsvPoint(output, text, point, out, check);
        }
        if (!output.flushIfFull()) {
            break;
        }
    }
    if (!output.flush()) {
        return usageError("НЕ УДАЁТСЯ ЗАПИСАТЬ В СТАНДАРТНЫЙ ВЫВОД!!!");
    }
    for (const char* notice : tally.notices) {
        std::fprintf(stderr, "%s\n", notice);
    }
    return tally.refused ? exitRefused : tally.crossed ? exitCrossed : exitComputed;
}

// --vary read, and a key the operation cannot vary refused: a wrong call, said before any
// refusal of the keys.
std::optional<int> readVary(const CommandArguments& command, std::optional<Range>& range) {
    if (!command.vary) {
        return usageError("НЕ ЗАДАНО, ЧТО МЕНЯТЬ: --vary КЛЮЧ=ОТ:ДО:ЧИСЛО_ТОЧЕК!!!");
    }
    std::string error;
    range = readRange(*command.vary, error);
    if (!range) {
        return usageError(error);
    }
    if (!command.positional.empty()) {
        if (const Operation* operation = findOperation(command.positional.front())) {
            if (const std::string reason = unvariedReason(*operation, range->key);
                !reason.empty()) {
                return usageError(reason);
            }
        }
    }
    return std::nullopt;
}

} // namespace

int runSweep(std::span<const std::string_view> arguments) {
    std::optional<Range> range;
    int code = exitComputed;
    std::optional<OperationCall> call = openOperationCall(
        arguments, flagJson | flagMachine | flagVary,
        [&range](const CommandArguments& command) { return readVary(command, range); }, code);
    if (!call) {
        return code;
    }

    // The keys are read and checked as calc checks them. The varied key need not be given: it is
    // then checked at the larger end of the range, since a range often starts at zero, which
    // a required box refuses.
    const std::size_t slot = static_cast<std::size_t>(range->key);
    std::string endText;
    if (call->texts[slot].empty()) {
        appendShortestNumber(endText, std::max(range->from, range->to));
        call->texts[slot] = endText;
    }
    const Outcome outcome = calculate(*call->operation, call->texts);
    if (!outcome.error.empty()) {
        return refusal(outcome.error);
    }

    const Calculation& calc = calculation(call->operation->window);
    const std::vector<SweepPoint> points =
        sweepPoints(calc, outcome.inputs, range->key, range->from, range->to, range->count);
    const bool feedRates = !call->texts[static_cast<std::size_t>(Key::L)].empty();
    const Machine* machine = call->machine ? &*call->machine : nullptr;
    return writePoints(points, range->name, call->command.json,
                       {machine, calc, {feedRates, machine != nullptr}});
}
