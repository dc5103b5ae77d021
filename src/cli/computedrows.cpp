#include "cli/computedrows.h"

#include "machine/machinecheck.h"

#include <string_view>

namespace {

void appendOptionalNumber(OutputBuffer& output, const std::optional<double>& value) {
    output.append(',');
    if (value) {
        output.appendNumber(*value);
    }
}

// Nspindle,load,violations; true when the row crosses a limit.
bool appendCheck(OutputBuffer& output, const Machine& machine, const Calculation& calculation,
                 const RowResults& results) {
    const MachineCheck check = checkMachine(machine, calculation, results);
    appendOptionalNumber(output, check.spindlePower);
    appendOptionalNumber(output, check.load);
    output.append(',');
    // The names joined by ";" hold nothing a CSV field would have to be quoted for.
    for (std::size_t i = 0; i < check.violations.size(); ++i) {
        if (i > 0) {
            output.append(';');
        }
        output.append(limitNames[static_cast<std::size_t>(check.violations[i].limit)]);
    }
    return !check.violations.empty();
}

} // namespace

ComputedRows::ComputedRows() {
    text.reserve(capacity * 128);
    rows.reserve(capacity);
}

void ComputedRows::clear() {
    text.clear();
    rows.clear();
}

std::optional<std::size_t> ComputedRows::writeTo(OutputBuffer& output,
                                                 const Machine* machine) const {
    std::size_t crossed = 0;
    std::size_t textStart = 0;
    for (const Row& row : rows) {
        output.append(std::string_view(text).substr(textStart, row.textEnd - textStart));
        textStart = row.textEnd;
        if (row.computed) {
            const RowResults& r = row.results;
            for (const std::optional<double>* value : {&r.n, &r.Pz, &r.Py, &r.Px, &r.M, &r.N}) {
                appendOptionalNumber(output, *value);
            }
            if (machine != nullptr && appendCheck(output, *machine, *row.calculation, r)) {
                ++crossed;
            }
            output.append(",\n"); // and no error
        }
        if (!output.flushIfFull()) {
            return std::nullopt;
        }
    }
    return crossed;
}
