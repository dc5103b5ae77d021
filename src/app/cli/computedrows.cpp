// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/cli/computedrows.h"

#include <string_view>

namespace {

void appendOptionalNumber(OutputBuffer& output, const std::optional<double>& value) {
    output.append(',');
    if (value) {
        output.appendNumber(*value);
    }
}

} // namespace

void appendResultCells(OutputBuffer& output, const RowResults& results) {
    for (const std::optional<double>* value :
         {&results.n, &results.Pz, &results.Py, &results.Px, &results.M, &results.N}) {
        appendOptionalNumber(output, *value);
    }
}

void appendFeedRateCells(OutputBuffer& output, const RowResults& results) {
    for (const std::optional<double>* value : {&results.Sm, &results.To, &results.Q}) {
        appendOptionalNumber(output, *value);
    }
}

std::string ResultColumns::heading() const {
    return std::string(",n,Pz,Py,Px,M,N") + (feedRates ? ",Sm,To,Q" : "") +
           (checked ? ",Nspindle,load,violations" : "") +
           (cutter ? ",sigma,f,Rz,Ra,cutter-violations" : "") + ",error\n";
}

std::string ResultColumns::emptyCells() const {
    return std::string(7 + (feedRates ? 3 : 0) + (checked ? 3 : 0) + (cutter ? 5 : 0), ',');
}

namespace {

// The crossed limits joined by ";", after a comma.
void appendViolationCell(OutputBuffer& output, const std::vector<Violation>& violations) {
    output.append(',');
    for (std::size_t i = 0; i < violations.size(); ++i) {
        if (i > 0) {
            output.append(';');
        }
        output.append(limitNames[static_cast<std::size_t>(violations[i].limit)]);
    }
}

} // namespace

void appendCheckCells(OutputBuffer& output, const MachineCheck& check) {
    appendOptionalNumber(output, check.spindlePower);
    appendOptionalNumber(output, check.load);
    appendViolationCell(output, check.violations);
}

void appendCutterCells(OutputBuffer& output, const CutterCheck& check) {
    for (const std::optional<double>* value :
         {&check.stress, &check.deflection, &check.Rz, &check.Ra}) {
        appendOptionalNumber(output, *value);
    }
    appendViolationCell(output, check.violations);
}

ComputedRows::ComputedRows() {
    text.reserve(capacity * 128);
    rows.reserve(capacity);
}

void ComputedRows::clear() {
    text.clear();
    rows.clear();
}

std::optional<std::size_t> ComputedRows::writeTo(OutputBuffer& output, const Machine* machine,
                                                 const ResultColumns& columns) const {
    std::size_t crossed = 0;
    std::size_t textStart = 0;
    for (const Row& row : rows) {
        output.append(std::string_view(text).substr(textStart, row.textEnd - textStart));
        textStart = row.textEnd;
        if (row.computed) {
            appendResultCells(output, row.results);
            if (columns.feedRates) {
                appendFeedRateCells(output, row.results);
            }
            bool crosses = false;
            if (machine != nullptr) {
                const MachineCheck check = checkMachine(*machine, *row.calculation, row.results);
                appendCheckCells(output, check);
                crosses = !check.violations.empty();
            }
            if (row.cutter) {
                const CutterCheck check = checkCutter(*row.cutter, row.results);
                appendCutterCells(output, check);
                crosses = crosses || !check.violations.empty();
            } else if (columns.cutter) {
                output.append(",,,,,"); // a row without a cutter of its own
            }
            crossed += crosses ? 1 : 0;
            output.append(",\n"); // and no error
        }
        if (!output.flushIfFull()) {
            return std::nullopt;
        }
    }
    return crossed;
}
