// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/calc/calculationflow.h"

#include "core/calc/feedrates.h"
#include "core/calc/inputcheck.h"
#include "core/calc/inputranges.h"
#include "core/calc/parsenumber.h"
#include "core/calc/quotedtext.h"
#include "core/calc/rowbookkeeping.h"

#include <algorithm>

namespace {

const char* const workMaterialPrompt = "ВЫ НЕ ВЫБРАЛИ ТИП ОБРАБАТЫВАЕМОГО МАТЕРИАЛА! ВЫБЕРИТЕ: "
                                       "1 - СТАЛЬ, 2 - ЧУГУН, 3 - АЛ. СПЛАВ, 4 - МЕД. СПЛАВ ";
const char* const toolMaterialPrompt = "ВЫ НЕ ВЫБРАЛИ ТИП МАТЕРИАЛА ИНСТРУМЕНТА! ВЫБЕРИТЕ: "
                                       "1 - Б\\Р СТАЛЬ, 2 - ТВ. СПЛАВ, 3 - МИНЕРАЛОКЕРАМИКА ";

class Flow {
public:
    Flow(const Calculation& calculation, CalcRequest& request, CalcState& state,
         CalcAnswers& answers)
        : calculation_(calculation)
        , window_(calculation.window)
        , request_(request)
        , state_(state)
        , answers_(answers) {
        request_.answered.assign(window_.boxes.size(), false);
    }

    CalcOutcome run() {
        for (std::size_t box = 0; box < window_.boxes.size(); ++box) {
            store(box, isSought(box) ? 0.0 : request_.values[box]);
        }
        if (!calculation_.derived.empty()) {
            CalcInputs inputs = keyedValues();
            inputs.kind = state_.OperationKind;
            calculation_.deriveInputs(inputs);
            for (std::size_t box = 0; box < window_.boxes.size(); ++box) {
                store(box, inputs[window_.boxes[box].key]);
            }
        }
        const auto missing = lastEmptyBox(request_.values, [this](std::size_t box) {
            return window_.boxes[box].missingCode != 0 && !isSought(box);
        });
        outcome_.errorCode = missing ? window_.boxes[*missing].missingCode : 0;
        if (window_.missingInputFirst && outcome_.errorCode != 0) {
            return refuseMissingInput(*missing);
        }
        if (!askEmptyValues() || !askChoices() || !askFollowUp()) {
            outcome_.status = CalcOutcome::Status::Cancelled;
            return outcome_;
        }
        if (outcome_.errorCode != 0) {
            return refuseMissingInput(*missing);
        }
        if (const auto negative = firstNegativeBox(request_.values)) {
            outcome_.focusBox = negative;
            return refuse(negativeValueMessage);
        }
        if (const auto box = firstBoxOutOfRange()) {
            outcome_.focusBox = box;
            const NumericBox& entry = window_.boxes[*box];
            return refuse(outOfRangeMessage(entry.label, *inputRange(entry.key)));
        }
        const Travel travel = readTravel(request_.travel);
        if (!travel.error.empty()) {
            outcome_.focusTravel = true;
            return refuse(travel.error);
        }
        travel_ = travel.L.value_or(0);
        if (request_.rowCount &&
            !(request_.row && isWritableRow(*request_.row, *request_.rowCount))) {
            outcome_.focusRowNumber = true;
            return refuse(badRowMessage);
        }
        if (request_.row && *request_.row > maxTableRows) {
            outcome_.focusRowNumber = true;
            return refuse(tableFullMessage);
        }
        return request_.sought ? checked() : compute();
    }

private:
    bool isSought(std::size_t box) const { return request_.sought == window_.boxes[box].key; }

    void store(std::size_t box, double value) {
        request_.values[box] = value;
        if (const auto field = window_.boxes[box].field) {
            state_.*field = value;
        }
    }

    // The first value given that no real cut has; a derived value is not the user's to check.
    std::optional<std::size_t> firstBoxOutOfRange() const {
        for (std::size_t box = 0; box < window_.boxes.size(); ++box) {
            const Key key = window_.boxes[box].key;
            const double value = request_.values[box];
            const auto range = inputRange(key);
            if (value != 0 && range && !range->holds(value) &&
                !calculation_.derives(key, state_.OperationKind)) {
                return box;
            }
        }
        return std::nullopt;
    }

    CalcInputs keyedValues() const {
        CalcInputs inputs;
        for (std::size_t box = 0; box < window_.boxes.size(); ++box) {
            inputs[window_.boxes[box].key] = request_.values[box];
        }
        return inputs;
    }

    // Asks for a box's value until a non-zero number is given; false when cancelled.
    bool askValue(std::size_t box, const char* prompt) {
        while (request_.values[box] == 0) {
            const auto answer = answers_.answer({Question::Kind::Value, prompt, box});
            if (!answer) {
                return false;
            }
            store(box, ParseNumber(*answer));
            request_.answered[box] = true;
        }
        return true;
    }

    // An answer outside the offered codes asks again; a cancel gives up the calculation.
    std::optional<int> askCode(Question::Kind kind, const char* prompt, int highest) {
        for (;;) {
            const auto answer = answers_.answer({kind, prompt});
            if (!answer) {
                return std::nullopt;
            }
            const std::optional<int> code = leadingInteger(*answer);
            if (code && *code >= 1 && *code <= highest) {
                return code;
            }
        }
    }

    // The disc-milling window asks for each empty box instead of reporting it.
    bool askEmptyValues() {
        for (std::size_t box = 0; box < window_.boxes.size(); ++box) {
            const char* prompt = window_.boxes[box].askPrompt;
            if (prompt && !isSought(box) && !askValue(box, prompt)) {
                return false;
            }
        }
        return true;
    }

    // Asked even when an input is missing, so the choice is made before the message.
    bool askChoices() {
        const auto ask = [this](std::optional<int>& selected, std::int16_t& answered,
                                Question::Kind kind, const char* prompt, int highest) {
            if (!selected) {
                selected = askCode(kind, prompt, highest);
                if (!selected) {
                    return false;
                }
                answered = static_cast<std::int16_t>(*selected);
            }
            return true;
        };
        return ask(request_.work, state_.WorkMaterial, Question::Kind::WorkMaterial,
                   workMaterialPrompt, workMaterialCount) &&
               ask(request_.tool, state_.ToolMaterial, Question::Kind::ToolMaterial,
                   toolMaterialPrompt, toolMaterialCount) &&
               (!window_.choices ||
                ask(request_.choice, state_.SchemeKind, Question::Kind::Choice,
                    window_.choices->prompt, static_cast<int>(window_.choices->options.size())));
    }

    bool askFollowUp() {
        const FollowUpQuestion* question = calculation_.followUp;
        if (!question || request_.choice != question->forChoice) {
            return true;
        }
        const auto box =
            std::find_if(window_.boxes.begin(), window_.boxes.end(),
                         [question](const NumericBox& b) { return b.key == question->key; });
        return askValue(static_cast<std::size_t>(box - window_.boxes.begin()), question->prompt);
    }

    CalcOutcome refuseMissingInput(std::size_t box) {
        outcome_.focusBox = box;
        return refuse(window_.boxes[box].missingMessage);
    }

    CalcOutcome refuse(std::string message) {
        outcome_.status = CalcOutcome::Status::Refused;
        outcome_.message = std::move(message);
        return outcome_;
    }

    // What the formulas run on: the values, the materials and the sub-operation.
    CalcInputs chosenInputs() {
        CalcInputs inputs = keyedValues();
        inputs[Key::L] = travel_;
        inputs.tool = static_cast<ToolMaterial>(*request_.tool);
        inputs.work = static_cast<WorkMaterial>(*request_.work);
        if (window_.choices) {
            inputs.kind = *request_.choice;
            if (calculation_.choiceIsOperationKind) {
                state_.OperationKind = static_cast<std::int16_t>(inputs.kind);
            }
        } else {
            inputs.kind = state_.OperationKind;
        }
        return inputs;
    }

    CalcOutcome checked() {
        outcome_.inputs = chosenInputs();
        outcome_.status = CalcOutcome::Status::Checked;
        return outcome_;
    }

    CalcOutcome compute() {
        const CalcInputs inputs = chosenInputs();
        // Everything is computed before a cell is written, so a refusal never leaves half a row.
        outcome_.inputs = inputs;
        Computed& computed = outcome_.computed.emplace(calculation_.compute(inputs));
        RowResults& results = computed.row;
        addFeedRates(results, calculation_, inputs);
        results.H = inputs[Key::H];
        if (window_.hasBox(Key::angle)) {
            results.angle = inputs[Key::angle];
        }
        if (!allFinite(results)) {
            return refuse(calculationErrorMessage);
        }
        state_.SpindleSpeed = results.n.value_or(0);
        state_.ForcePz = results.Pz.value_or(0);
        state_.ForcePy = results.Py.value_or(0);
        state_.ForcePx = results.Px.value_or(0);
        state_.Torque = results.M.value_or(0);
        state_.CutPower = results.N.value_or(0);
        outcome_.row = rowValues(inputs, results);
        outcome_.status = CalcOutcome::Status::Computed;
        return outcome_;
    }

    // The row as the grid shows it: the inputs echoed from what "РАСЧЁТ" read.
    RowValues rowValues(const CalcInputs& inputs, const RowResults& results) const {
        RowValues values;
        values.row = request_.row.value_or(1);
        values.tool = window_.toolTexts[index(inputs.tool)];
        values.work = workMaterialTexts[index(inputs.work)];
        values.feed = inputs[Key::s];
        values.speed = inputs[Key::v];
        values.depth = inputs[Key::t];
        values.diameter = inputs[Key::D];
        values.width = inputs[Key::B];
        values.teeth = inputs[Key::z];
        values.results = results;
        return values;
    }

    const Calculation& calculation_;
    const WindowDefinition& window_;
    CalcRequest& request_;
    CalcState& state_;
    CalcAnswers& answers_;
    CalcOutcome outcome_;
    double travel_ = 0; // L, mm; 0 for none
};

} // namespace

Travel readTravel(std::string_view text) {
    Travel out;
    if (text.find_first_not_of(" \t") == std::string_view::npos) {
        return out;
    }
    out.L = typedNumber(text);
    if (!out.L || !(*out.L > 0)) {
        out.L.reset();
        out.error = "НЕВЕРНАЯ ДЛИНА РАБОЧЕГО ХОДА: " + quotedText(text) + "!!!";
    } else if (const InputRange range = *inputRange(Key::L); !range.holds(*out.L)) {
        out.L.reset();
        out.error = outOfRangeMessage(travelLabel, range);
    }
    return out;
}

CalcOutcome runCalculation(const Calculation& calculation, CalcRequest& request, CalcState& state,
                           CalcAnswers& answers) {
    return Flow(calculation, request, state, answers).run();
}
