#pragma once

#include "core/calc/calculation.h"
#include "core/calc/resultrow.h"
#include "core/calc/windowdefinition.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

std::optional<Key> keyFromName(std::string_view name);

// One operation of the command line: a calculation window and, where the window serves several,
// its sub-operation (turning and hole-making) or threading tool.
struct Operation {
    std::string_view name;
    int window;
    int kind;
};
inline constexpr std::array<Operation, 15> operations{{
    {"face-milling", 1, 0},
    {"cylindrical-milling", 2, 0},
    {"end-milling", 3, 0},
    {"disc-milling", 4, 0},
    {"turning", 5, 1},
    {"facing", 5, 2},
    {"grooving", 5, 3},
    {"boring", 5, 4},
    {"drilling", 6, 1},
    {"enlarging", 6, 2},
    {"core-drilling", 6, 3},
    {"reaming", 6, 4},
    {"thread-cutter", 7, 1},
    {"thread-tap", 7, 2},
    {"thread-die", 7, 3},
}};
const Operation* findOperation(std::string_view name);

// The window the operation is computed in, as declared for the windows.
const WindowDefinition& definitionOf(const Operation& operation);

// The texts given for the keys of one calculation; an empty text means the key is not given.
using KeyTexts = std::array<std::string_view, keyCount>;

struct Outcome {
    std::string error;    // the window's message when the calculation is refused
    const char* notice{}; // a result the handbook has no data for
    CalcInputs inputs;    // what the formulas ran on, derived inputs included
    RowValues row;        // the grid row, numbered 1
};

// Validates the texts as the window validates its boxes and computes the row.
Outcome calculate(const Operation& operation, const KeyTexts& texts);

// The report title of the operation's window.
std::string titleOf(const Operation& operation);
