#include "core/operations/registry.h"

#include <stdexcept>

// Each window's calculation, described once on first use.
const Calculation& calculation(int number) {
    static const std::array<Calculation, windowCount> calculations = [] {
        std::array<Calculation, windowCount> described;
        for (std::size_t i = 0; i < windowCount; ++i) {
            described[i] = operationWindows[i].describe();
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
