// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/calc/calculation.h"
#include "core/calc/removalformula.h"
#include "core/operations/holes/holemakingcalculation.h"
#include "core/operations/milling/millingcalculations.h"
#include "core/operations/threads/threadcuttingcalculation.h"
#include "core/operations/turning/turningcalculation.h"

#include <array>
#include <cstddef>
#include <string_view>

// Every operation the program computes, in one place: the windows, their reports and the command
// line all read these two tables.

// A calculation window of the main menu (VELTA_0n): it serves one operation, or several told
// apart by the sub-operation the main menu or the window's own option chose last.
struct OperationWindow {
    int number; // 1 to windowCount, in order
    // The report title when the shared sub-operation is none of the window's own (the turning
    // window saved after the hole-making window chose drilling).
    std::string_view generalTitle;
    Calculation (*describe)(); // the window's boxes, questions and formulas
};

inline constexpr std::array<OperationWindow, 7> operationWindows{{
    {1, "Фрезерование торцовыми фрезами", faceMillingCalculation},
    {2, "Фрезерование цилиндрическими фрезами", cylindricalMillingCalculation},
    {3, "Фрезерование концевыми фрезами", endMillingCalculation},
    {4, "Фрезерование дисковыми фрезами", discMillingCalculation},
    {5, "Токарная обработка", turningCalculation},
    {6, "Сверление, рассверливание, зенкерование, развёртывание", holeMakingCalculation},
    {7, "Нарезание резьбы", threadCuttingCalculation},
}};
inline constexpr std::size_t windowCount = operationWindows.size();

// The calculation of window `number`, 1 to windowCount.
const Calculation& calculation(int number);

// One operation: a window and, where the window serves several, the sub-operation code
// (OperationKind for turning and hole-making, the tool option for threading; 0 for a milling
// window, which serves one).
struct Operation {
    std::string_view name; // stable: the command line's and the batch files' name
    int window;
    int kind;
    std::string_view title; // the first line of its saved report
    // What --help says of it beside the keys its window reads; may be empty.
    std::string_view note;
    RemovalFormula removal; // its minute feed and removal rate
};

namespace registrydetail {
constexpr std::string_view titleOfWindow(int number) {
    return operationWindows[static_cast<std::size_t>(number - 1)].generalTitle;
}
} // namespace registrydetail

inline constexpr std::array<Operation, 15> operations{{
    {"face-milling", 1, 0, registrydetail::titleOfWindow(1), "", RemovalFormula::milling},
    {"cylindrical-milling", 2, 0, registrydetail::titleOfWindow(2), "", RemovalFormula::milling},
    {"end-milling", 3, 0, registrydetail::titleOfWindow(3), "", RemovalFormula::milling},
    {"disc-milling", 4, 0, registrydetail::titleOfWindow(4), "", RemovalFormula::milling},
    {"turning", 5, 1, "Точение продольное", "", RemovalFormula::turning},
    {"facing", 5, 2, "Подрезка торца", "", RemovalFormula::turning},
    {"grooving", 5, 3, "Проточка канавок и отрезка", "", RemovalFormula::turning},
    {"boring", 5, 4, "Растачивание", "", RemovalFormula::turning},
    {"drilling", 6, 1, "Сверление", "сверло режет на D/2", RemovalFormula::drilling},
    {"enlarging", 6, 2, "Рассверливание", "", RemovalFormula::enlarging},
    {"core-drilling", 6, 3, "Зенкерование", "", RemovalFormula::enlarging},
    {"reaming", 6, 4, "Развёртывание", "усилия рассчитываются только для ceramics",
     RemovalFormula::enlarging},
    {"thread-cutter", 7, 1, "Нарезание резьбы резцом", "", RemovalFormula::threadingPasses},
    {"thread-tap", 7, 2, "Нарезание резьбы метчиком", "", RemovalFormula::threading},
    {"thread-die", 7, 3, "Нарезание резьбы плашкой", "", RemovalFormula::threading},
}};

// The operation of that name, or none.
const Operation* findOperation(std::string_view name);

// The operation a window computes with that sub-operation, or none: the window's general title
// then stands for it.
const Operation* findOperation(int window, int kind);

namespace registrydetail {

// The tables hold together: the windows numbered 1 to windowCount in order, every operation in
// an existing window, every window serving an operation, and no name or title empty.
constexpr bool windowsAreNumbered() {
    for (std::size_t i = 0; i < windowCount; ++i) {
        // (Whether `describe` is set cannot be asked here: a sanitized build takes a function's
        // address for no constant.)
        if (operationWindows[i].number != static_cast<int>(i) + 1 ||
            operationWindows[i].generalTitle.empty()) {
            return false;
        }
    }
    return true;
}

constexpr bool everyOperationIsComplete() {
    for (const Operation& operation : operations) {
        if (operation.window < 1 || operation.window > static_cast<int>(windowCount) ||
            operation.name.empty() || operation.title.empty()) {
            return false;
        }
    }
    return true;
}

constexpr bool everyWindowServesAnOperation() {
    for (const OperationWindow& window : operationWindows) {
        bool served = false;
        for (const Operation& operation : operations) {
            served = served || operation.window == window.number;
        }
        if (!served) {
            return false;
        }
    }
    return true;
}

// Two rows with one name, or one (window, sub-operation), would leave the second unreachable.
constexpr bool operationsAreDistinct() {
    for (std::size_t i = 0; i < operations.size(); ++i) {
        for (std::size_t j = i + 1; j < operations.size(); ++j) {
            if (operations[i].name == operations[j].name ||
                (operations[i].window == operations[j].window &&
                 operations[i].kind == operations[j].kind)) {
                return false;
            }
        }
    }
    return true;
}

} // namespace registrydetail

static_assert(registrydetail::windowsAreNumbered());
static_assert(registrydetail::everyOperationIsComplete());
static_assert(registrydetail::everyWindowServesAnOperation());
static_assert(registrydetail::operationsAreDistinct());
