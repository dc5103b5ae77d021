// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/calc/materials.h"
#include "core/calc/removalformula.h"
#include "core/calc/resultrow.h"
#include "core/calc/windowdefinition.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <optional>
#include <vector>

// The sub-operations a window may compute: 0 for a window of one operation, 1 to 4 chosen.
inline constexpr std::size_t subOperationCount = 5;

// What one calculation reads: the materials, the window's further choice (the end-milling
// scheme, the threading tool) or else the sub-operation the main menu chose last, and the value
// of each box by its key (0 for a key the window has no box for).
struct CalcInputs {
    ToolMaterial tool = ToolMaterial::HighSpeedSteel;
    WorkMaterial work = WorkMaterial::Steel;
    int kind = 0;
    std::array<double, keyCount> values{};

    double operator[](Key key) const { return values[static_cast<std::size_t>(key)]; }
    double& operator[](Key key) { return values[static_cast<std::size_t>(key)]; }
};

// A row's results with what the window keeps of the calculation: the work-material correction
// factor and the force coefficients the tables gave (none where the handbook has no data).
struct Computed {
    RowResults row;
    double Kmp = 0;
    std::vector<double> coefficients;
};

// A value asked for once the choices are made, when its box is empty and the further choice is
// `forChoice` (only a thread cutter works in passes).
struct FollowUpQuestion {
    Key key;
    int forChoice;
    const char* prompt;
};

// An input that follows from the others in one sub-operation (a drill cuts half its diameter
// deep): its box keeps its text but is not read, the command line takes no key for it and the
// chart offers no axis of it.
struct DerivedInput {
    Key key;
    int kind; // the sub-operation (CalcInputs::kind) it is derived in
    double (*value)(const CalcInputs& inputs);
};

// One operation as both front ends know it: its window's declaration (the boxes with their keys,
// codes, messages and questions), the inputs derived from the others, and its formulas.
struct Calculation {
    WindowDefinition window{};
    // Set from the values just read, before anything is checked.
    std::vector<DerivedInput> derived{};
    const FollowUpQuestion* followUp = nullptr;
    // The further choice is the sub-operation that titles the report (the threading tool).
    bool choiceIsOperationKind = false;
    Computed (*compute)(const CalcInputs& inputs) = nullptr;
    // The force a machine's feed drive takes: the axial force of milling and turning, the thrust
    // of a drill (its Pz cell); none for threading, whose feed is the thread's pitch.
    std::optional<Result> feedForce = Result::Px;
    // False where the feed is not chosen but given: a thread's pitch.
    bool feedIsChosen = true;
    // The minute feed and removal rate of each sub-operation (CalcInputs::kind), as the
    // registry's operations name them.
    std::array<RemovalFormula, subOperationCount> removal{};

    RemovalFormula removalOf(int kind) const { return removal.at(static_cast<std::size_t>(kind)); }

    // Whether the key's value follows from the others in that sub-operation.
    bool derives(Key key, int kind) const {
        return std::any_of(derived.begin(), derived.end(), [key, kind](const DerivedInput& input) {
            return input.key == key && input.kind == kind;
        });
    }
    // Whether a value of the key is read: the window has a box for it that is neither derived nor
    // asked for another choice only (a tap has no passes), or it is the working travel, which
    // every operation times.
    bool reads(Key key, int kind) const {
        if (key == Key::L) {
            return true;
        }
        const bool otherChoiceOnly =
            followUp && followUp->key == key && followUp->forChoice != kind;
        return window.hasBox(key) && !derives(key, kind) && !otherChoiceOnly;
    }
    // The derived inputs of `inputs.kind` set from the others.
    void deriveInputs(CalcInputs& inputs) const {
        for (const DerivedInput& input : derived) {
            if (input.kind == inputs.kind) {
                inputs[input.key] = input.value(inputs);
            }
        }
    }
};
