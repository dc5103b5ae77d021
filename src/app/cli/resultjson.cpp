#include "app/cli/resultjson.h"

#include "app/cli/json.h"
#include "app/cli/numbertext.h"
#include "core/calc/cuttingformulas.h"

#include <string_view>
#include <utility>

void appendNumberOrNull(std::string& out, const std::optional<double>& value) {
    if (value) {
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
    std::optional<double> passportN;
    std::optional<double> passportV;
    if (results.n) {
        passportN = passportSpeed(machine, *results.n);
    }
    if (passportN) {
        passportV = cuttingSpeed(*passportN, diameter);
    }
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
    appendNumberOrNull(out, passportN);
    out += ", \"v_passport\": ";
    appendNumberOrNull(out, passportV);
    out += '}';
}
