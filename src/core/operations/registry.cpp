// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/operations/registry.h"

#include <stdexcept>

namespace {

// A window's removal formula for each sub-operation. One none of its own (the shared one, chosen
// last in another window) takes that of the window's last operation, as its formulas do: a
// milling window has one, all turning removes v·s·t, and hole-making other than drilling widens
// a hole.
std::array<RemovalFormula, subOperationCount> removalFormulas(int window) {
    std::array<RemovalFormula, subOperationCount> formulas{};
    for (std::size_t kind = 0; kind < subOperationCount; ++kind) {
        const Operation* chosen = nullptr;
        for (const Operation& operation : operations) {
            if (operation.window != window) {
                continue;
            }
            chosen = &operation;
            if (operation.kind == static_cast<int>(kind)) {
                break;
            }
        }
        formulas[kind] = chosen->removal;
    }
    return formulas;
}

} // namespace

// Each window's calculation, described once on first use.
const Calculation& calculation(int number) {
    static const std::array<Calculation, windowCount> calculations = [] {
        std::array<Calculation, windowCount> described;
        for (std::size_t i = 0; i < windowCount; ++i) {
            described[i] = operationWindows[i].describe();
            described[i].removal = removalFormulas(operationWindows[i].number);
        }
        return described;
    }();
    if (number < 1 || number > static_cast<int>(calculations.size())) {
        throw std::out_of_range("no calculation window");
    }
    return calculations[static_cast<std::size_t>(number - 1)];
}

const Operation* findOperation(std::string_view name) {
    for (const Operation& operation : operations) {
        if (operation.name == name) {
            return &operation;
        }
    }
    return nullptr;
}

const Operation* findOperation(int window, int kind) {
    for (const Operation& operation : operations) {
        if (operation.window == window && operation.kind == kind) {
            return &operation;
        }
    }
    return nullptr;
}
