#include "app/cli/resultjson.h"

#include "app/cli/json.h"
#include "app/cli/numbertext.h"

#include <cmath>
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

void appendRawResults(std::string& out, const RowResults& results) {
    const std::pair<std::string_view, const std::optional<double>*> numbers[] = {
        {"n", &results.n},   {"Pz", &results.Pz}, {"Py", &results.Py},
        {"Px", &results.Px}, {"M", &results.M},   {"N", &results.N}};
    for (const auto& [name, value] : numbers) {
        out += ", ";
        appendJsonString(out, name);
        out += ": ";
        appendNumberOrNull(out, *value);
    }
}

void appendMachineJson(std::string& out, const Machine& machine, const MachineCheck& check,
                       const RowResults& results, double diameter) {
    const std::optional<PassportSpeed> passport =
        results.n ? passportSpeed(machine, *results.n, diameter) : std::nullopt;
    out += ", \"machine\": {\"Nspindle\": ";
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
    appendNumberOrNull(out, passport ? std::optional(passport->n) : std::nullopt);
    out += ", \"v_passport\": ";
    appendNumberOrNull(out, passport ? std::optional(passport->v) : std::nullopt);
    out += '}';
}
