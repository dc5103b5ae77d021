// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/cli/resultjson.h"

#include "app/cli/json.h"
#include "app/cli/numbertext.h"
#include "core/machine/passportfeed.h"

#include <cmath>
#include <initializer_list>
#include <string_view>
#include <utility>

void appendNumberOrNull(std::string& out, const std::optional<double>& value) {
    // JSON has no infinity and no NaN: such a value is as good as none.
    if (value && std::isfinite(*value)) {
        appendShortestNumber(out, *value);
    } else {
        out += "null";
    }
}

namespace {

using NamedNumber = std::pair<std::string_view, const std::optional<double>*>;

void appendNamedNumbers(std::string& out, std::initializer_list<NamedNumber> numbers) {
    for (const auto& [name, value] : numbers) {
        out += ", ";
        appendJsonString(out, name);
        out += ": ";
        appendNumberOrNull(out, *value);
    }
}

// `[` the names of the crossed limits `]`.
void appendViolationNames(std::string& out, const std::vector<Violation>& violations) {
    out += '[';
    for (std::size_t i = 0; i < violations.size(); ++i) {
        if (i > 0) {
            out += ", ";
        }
        appendJsonString(out, limitNames[static_cast<std::size_t>(violations[i].limit)]);
    }
    out += ']';
}

} // namespace

void appendRawResults(std::string& out, const RowResults& results) {
    appendNamedNumbers(out, {{"n", &results.n},
                             {"Pz", &results.Pz},
                             {"Py", &results.Py},
                             {"Px", &results.Px},
                             {"M", &results.M},
                             {"N", &results.N}});
}

void appendFeedRates(std::string& out, const RowResults& results) {
    appendNamedNumbers(out, {{"Sm", &results.Sm}, {"To", &results.To}, {"Q", &results.Q}});
}

void appendMachineJson(std::string& out, const Machine& machine, const MachineCheck& check,
                       const Calculation& calculation, const CalcInputs& inputs,
                       const RowResults& results) {
    const std::optional<PassportSpeed> passport =
        results.n ? passportSpeed(machine, *results.n, inputs[Key::D]) : std::nullopt;
    const PassportFeedChoice choice =
        results.n ? passportFeed(machine, calculation, inputs, *results.n, '.')
                  : PassportFeedChoice{};
    const PassportFeed* feed = choice.feed ? &*choice.feed : nullptr;
    out += ", \"machine\": {\"Nspindle\": ";
    appendNumberOrNull(out, check.spindlePower);
    out += ", \"load\": ";
    appendNumberOrNull(out, check.load);
    out += ", \"violations\": ";
    appendViolationNames(out, check.violations);
    out += ", \"n_passport\": ";
    appendNumberOrNull(out, passport ? std::optional(passport->n) : std::nullopt);
    out += ", \"v_passport\": ";
    appendNumberOrNull(out, passport ? std::optional(passport->v) : std::nullopt);
    out += ", \"s_passport\": ";
    appendNumberOrNull(out, feed ? std::optional(feed->s) : std::nullopt);
    out += ", \"Sm_passport\": ";
    appendNumberOrNull(out, feed ? std::optional(feed->Sm) : std::nullopt);
    out += '}';
}

void appendCutterJson(std::string& out, const CutterCheck& check) {
    out += ", \"cutter\": {\"sigma\": ";
    appendNumberOrNull(out, check.stress);
    appendNamedNumbers(out, {{"f", &check.deflection}, {"Rz", &check.Rz}, {"Ra", &check.Ra}});
    out += ", \"violations\": ";
    appendViolationNames(out, check.violations);
    out += '}';
}
