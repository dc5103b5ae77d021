// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/calc/calcstate.h"
#include "core/calc/materials.h"
#include "core/calc/resultrow.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The names of a calculation's inputs: each box takes the value of one key, and the command line
// gives them by these names. Numbers are in the units of the windows. L, the working travel in mm
// (the machined length with approach and overrun), is no box of a window's declaration: it only
// times the cut and may be left out.
enum class Key { tool, work, H, D, z, B, t, s, v, angle, scheme, passes, L };
inline constexpr std::size_t keyCount = 13;
inline constexpr std::array<std::string_view, keyCount> keyNames{
    "tool", "work", "H", "D", "z", "B", "t", "s", "v", "angle", "scheme", "passes", "L"};
// The label of the working travel's box, which every window has after its own boxes.
inline constexpr const char* travelLabel = "Длина рабочего хода, мм";

// One numeric text box of a calculation window.
struct NumericBox {
    std::string name;      // object name, e.g. "D_TEXT"
    Key key;               // the input it holds
    const char* labelName; // object name of its label
    const char* label;
    // Where "РАСЧЁТ" stores the value; a box without a field (the helix angle) is kept by its
    // window. The box storing MaterialStrength sits in the work-material frame.
    double CalcState::*field = nullptr;
    // Code and message when the box is empty (zero); code 0 for a box the window does not
    // report (it may stay empty, or it is asked for).
    int missingCode = 0;
    const char* missingMessage = nullptr;
    // The disc-milling window asks for an empty value instead of reporting it.
    const char* askPrompt = nullptr;
};

// A further option frame (the milling scheme, the threading tool), asked for like the materials.
struct ChoiceGroup {
    const char* frameName;
    const char* frameCaption;
    std::vector<std::array<const char*, 2>> options; // object name, caption; in code order
    const char* prompt;
};

// Everything a calculation window declares; the frame builds and runs the window from it.
struct WindowDefinition {
    int number = 0; // 1 to 7: VELTA_0n, MAKE_0n, SAVE_0n, EXIT_0n
    const char* caption = nullptr;
    const char* suffix = ""; // of the shared control names: ST_OPT + suffix, Text1 has none
    GridLayout layout = GridLayout::Milling;
    std::vector<NumericBox> boxes{};        // in the order "РАСЧЁТ" reads them
    std::vector<std::string> screenOrder{}; // box names top to bottom; empty: the reading order
    const char* rowLabelName = "Label9";
    // The menu item of the speed service: the cutting speed from the user's coefficient rows, or
    // "not connected" where none serves the operation.
    const char* stubItem = nullptr;
    const char* stubCaption = "ПОДАЧА И СКОРОСТЬ";
    bool threadHelpItems = false; // "СПРАВКА" opens a submenu of two reference windows
    // The cutter is checked: its shank's strength and rigidity under the force, and the finish
    // its nose radius leaves (the turning window's menu "РЕЗЕЦ", the command line's cutter keys).
    bool checksCutter = false;
    std::optional<ChoiceGroup> choices{};
    // A missing input is reported before any question is asked (the threading window).
    bool missingInputFirst = false;
    std::array<std::string_view, toolMaterialCount> toolTexts = toolMaterialTexts;
    ResultPatterns patterns{};

    // Whether the window has a box for the key (the helix angle only where the cutter has one).
    bool hasBox(Key key) const {
        return std::any_of(boxes.begin(), boxes.end(),
                           [key](const NumericBox& box) { return box.key == key; });
    }
};
