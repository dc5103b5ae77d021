// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/calc/calcstate.h"
#include "core/calc/calculation.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A question "РАСЧЁТ" puts when a choice or a value is missing: the window shows it in an input
// box, the command line answers it from its keys.
struct Question {
    enum class Kind { WorkMaterial, ToolMaterial, Choice, Value };
    Kind kind;
    const char* prompt;
    std::size_t box = 0; // for a value: the box it is asked for
};

class CalcAnswers {
public:
    virtual ~CalcAnswers() = default;
    // The text answered, or nothing when the question was cancelled.
    virtual std::optional<std::string> answer(const Question& question) = 0;
};

// Nobody to ask: every question goes unanswered, which cancels the calculation; the box a value
// was asked for is kept, so that its message can be given instead.
class Unanswered : public CalcAnswers {
public:
    std::optional<std::string> answer(const Question& question) override {
        if (question.kind == Question::Kind::Value) {
            box = question.box;
        }
        return std::nullopt;
    }
    std::optional<std::size_t> box;
};

// What a front end hands to one calculation; the questions fill in what was missing.
struct CalcRequest {
    std::vector<double> values;            // one per box of the window, as read
    std::optional<int> work, tool, choice; // the codes of the selected options
    std::vector<bool> answered;            // boxes whose value a question gave
    // The row the result is for and the table's row count; no row check without a count.
    std::optional<int> row;
    std::optional<int> rowCount;
    // The working travel L, mm, as typed; empty: none, and the row has no main time.
    std::string travel;
    // The input a service works out from the others (the cutting speed): its box is not read,
    // not asked for, not required, and nothing is computed; the outcome is Checked.
    std::optional<Key> sought;
};

struct CalcOutcome {
    // Checked: every input was read and passed, and the formulas were not run (`sought`).
    enum class Status { Computed, Checked, Cancelled, Refused };
    Status status = Status::Cancelled;
    std::string message;                 // why it was refused
    std::optional<std::size_t> focusBox; // the box the refusal is about
    bool focusRowNumber = false;         // the refusal is about the row number
    bool focusTravel = false;            // the refusal is about the working travel L
    int errorCode = 0;                   // the code of the last missing input
    std::optional<Computed> computed;    // the formulas ran (their results may still be refused)
    CalcInputs inputs;                   // what they ran on
    RowValues row;                       // the computed row, numbered as requested
};

inline constexpr const char* badRowMessage = "НЕВЕРНЫЙ НОМЕР СТРОКИ!!!";

// The working travel as typed: the length, mm; nothing when empty; the refusal when it is not a
// positive number ("НЕВЕРНАЯ ДЛИНА РАБОЧЕГО ХОДА: 0!!!").
struct Travel {
    std::optional<double> L;
    std::string error;
};
Travel readTravel(std::string_view text);

// "РАСЧЁТ": derived inputs, the missing-input code, the questions, the refusals, the row check and
// the formulas, in the order of the operation's window; the values read, the answers and the
// results are kept in `state` as the windows keep them.
CalcOutcome runCalculation(const Calculation& calculation, CalcRequest& request, CalcState& state,
                           CalcAnswers& answers);
