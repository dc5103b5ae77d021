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

// What each point is written with.
struct PointOutput {
    const Machine* machine;
    const Cutter* cutter;
    const Calculation& calculation;
    ResultColumns columns;
};

// A computed point checked against the machine and the cutter, those given.
struct PointChecks {
    std::optional<MachineCheck> machine;
    std::optional<CutterCheck> cutter;
};

// What the points add up to: the exit code, and the handbook's notices, each once in the order
// met.
struct Tally {
    bool refused = false;
    bool crossed = false;
    std::vector<const char*> notices;

    // The point counted, with its checks when it is computed.
    PointChecks count(const SweepPoint& point, const PointOutput& out) {
        const RowResults& results = point.computed.row;
        if (!point.refusal.empty()) {
            refused = true;
            return {};
        }
        if (results.notice &&
            std::find(notices.begin(), notices.end(), results.notice) == notices.end()) {
            notices.push_back(results.notice);
        }
        PointChecks checks;
        if (out.machine) {
            checks.machine = checkMachine(*out.machine, out.calculation, results);
            crossed = crossed || !checks.machine->violations.empty();
        }
        if (out.cutter) {
            checks.cutter = checkCutter(*out.cutter, results);
            crossed = crossed || !checks.cutter->violations.empty();
        }
        return checks;
    }
};

// A refused point has no results, and so no checks.
void appendJsonPoint(std::string& text, std::string_view name, const SweepPoint& point,
                     const PointOutput& out, const PointChecks& checks) {
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
    if (checks.machine) {
        appendMachineJson(text, *out.machine, *checks.machine, out.calculation, point.inputs,
                          point.computed.row);
    }
    if (checks.cutter) {
        appendCutterJson(text, *checks.cutter);
    }
    if (!message.empty()) {
        text += ", \"error\": ";
        appendJsonString(text, message);
    }
    text += "}\n";
}

// As batch: a refused point keeps its number cells empty and says why in the last.
void appendCsvPoint(OutputBuffer& output, std::string& text, const SweepPoint& point,
                    const PointOutput& out, const PointChecks& checks) {
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
    if (checks.machine) {
        appendCheckCells(output, *checks.machine);
    }
    if (checks.cutter) {
        appendCutterCells(output, *checks.cutter);
    }
    output.append(",\n");
}

// The points on stdout, CSV under a header or a JSON object a line, and the notices on stderr.
int writePoints(const std::vector<SweepPoint>& points, std::string_view name, bool json,
                const PointOutput& out) {
    OutputBuffer output(stdout);
    if (!json) {
        output.append(name);
        output.append(out.columns.heading());
    }
    Tally tally;
    std::string text;
    for (const SweepPoint& point : points) {
        const PointChecks checks = tally.count(point, out);
        text.clear();
        if (json) {
            appendJsonPoint(text, name, point, out, checks);
            output.append(text);
        } else {
            appendCsvPoint(output, text, point, out, checks);
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
    const Cutter* cutter = call->cutter ? &*call->cutter : nullptr;
    return writePoints(points, range->name, call->command.json,
                       {machine, cutter, calc, {feedRates, machine != nullptr, cutter != nullptr}});
}
