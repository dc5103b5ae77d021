// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/cli/operations.h"

#include "app/cli/numbertext.h"
#include "core/calc/calculationflow.h"
#include "core/calc/numberformat.h"

namespace {

constexpr std::array<std::string_view, toolMaterialCount> toolKeys{"hss", "carbide", "ceramics"};
constexpr std::array<std::string_view, workMaterialCount> workKeys{"steel", "cast-iron",
                                                                   "aluminium", "copper"};
constexpr std::array<std::string_view, 2> schemeKeys{"face", "cylindrical"};

template <std::size_t Count>
std::optional<int> codeOf(const std::array<std::string_view, Count>& names, std::string_view text) {
    for (std::size_t i = 0; i < Count; ++i) {
        if (names[i] == text) {
            return static_cast<int>(i) + 1;
        }
    }
    return std::nullopt;
}

std::string_view text(const KeyTexts& texts, Key key) {
    return texts[static_cast<std::size_t>(key)];
}

// The calculation's questions answered from the keys: a named choice gives its code, and what
// the window would ask for in an input box is refused with the window's message.
class KeyAnswers : public CalcAnswers {
public:
    KeyAnswers(const KeyTexts& texts, const WindowDefinition& window)
        : texts_(texts)
        , window_(window) {}

    std::optional<std::string> answer(const Question& question) override {
        switch (question.kind) {
        case Question::Kind::WorkMaterial:
            return choose(workKeys, Key::work, "ВЫ НЕ ВЫБРАЛИ ТИП ОБРАБАТЫВАЕМОГО МАТЕРИАЛА!!!",
                          "НЕИЗВЕСТНЫЙ ОБРАБАТЫВАЕМЫЙ МАТЕРИАЛ: ");
        case Question::Kind::ToolMaterial:
            return choose(toolKeys, Key::tool, "ВЫ НЕ ВЫБРАЛИ ТИП МАТЕРИАЛА ИНСТРУМЕНТА!!!",
                          "НЕИЗВЕСТНЫЙ МАТЕРИАЛ ИНСТРУМЕНТА: ");
        case Question::Kind::Choice:
            return choose(schemeKeys, Key::scheme, "ВЫ НЕ ВЫБРАЛИ СХЕМУ ФРЕЗЕРОВАНИЯ!!!",
                          "НЕИЗВЕСТНАЯ СХЕМА ФРЕЗЕРОВАНИЯ: ");
        case Question::Kind::Value:
            refusal = window_.boxes[question.box].missingMessage;
            return std::nullopt;
        }
        return std::nullopt;
    }

    std::string refusal; // why a question went unanswered

private:
    template <std::size_t Count>
    std::optional<std::string> choose(const std::array<std::string_view, Count>& names, Key key,
                                      const char* missing, const char* unknown) {
        const std::string_view given = text(texts_, key);
        if (given.empty()) {
            refusal = missing;
        } else if (const auto code = codeOf(names, given)) {
            return integerText(*code);
        } else {
            refusal = std::string(unknown) + std::string(given) + "!!!";
        }
        return std::nullopt;
    }

    const KeyTexts& texts_;
    const WindowDefinition& window_;
};

} // namespace

std::optional<Key> keyFromName(std::string_view name) {
    const auto code = codeOf(keyNames, name);
    return code ? std::optional(static_cast<Key>(*code - 1)) : std::nullopt;
}

const WindowDefinition& definitionOf(const Operation& operation) {
    return calculation(operation.window).window;
}

std::string furtherKeysText(const Operation& operation) {
    const Calculation& calc = calculation(operation.window);
    const auto joined = [](const std::vector<std::string_view>& names, std::string_view tail) {
        std::string text;
        for (const std::string_view name : names) {
            text += (text.empty() ? "" : ", ") + std::string(name);
        }
        return names.empty() ? text : text + std::string(tail);
    };
    std::vector<std::string_view> required, optional, derived;
    for (const NumericBox& box : calc.window.boxes) {
        const std::string_view name = keyNames[static_cast<std::size_t>(box.key)];
        if (box.key == Key::H || box.key == Key::D || box.key == Key::s || box.key == Key::v) {
            continue;
        }
        if (calc.derives(box.key, operation.kind)) {
            derived.push_back(name);
        } else if (!calc.reads(box.key, operation.kind)) {
            continue;
        } else if (box.missingCode != 0 || box.askPrompt != nullptr ||
                   (calc.followUp && calc.followUp->key == box.key)) {
            required.push_back(name);
        } else {
            optional.push_back(name);
        }
    }
    if (calc.window.choices && !calc.choiceIsOperationKind) {
        required.push_back(keyNames[static_cast<std::size_t>(Key::scheme)]);
    }
    std::string text;
    for (std::string part : {joined(required, ""), joined(optional, " по желанию"),
                             joined(derived, " не нужна"), std::string(operation.note)}) {
        if (!part.empty()) {
            text += (text.empty() ? "" : "; ") + part;
        }
    }
    return text;
}

Outcome calculate(const Operation& operation, const KeyTexts& texts) {
    Outcome out;
    const Calculation& calc = calculation(operation.window);
    const WindowDefinition& window = calc.window;

    // The boxes of the window, read from their keys; a key the window has no box for is ignored.
    CalcRequest request;
    for (const NumericBox& box : window.boxes) {
        const std::string_view given = text(texts, box.key);
        const auto number = given.empty() ? std::optional(0.0) : plainNumber(given);
        if (!number) {
            out.error =
                "НЕВЕРНОЕ ЧИСЛО: " + std::string(keyNames[static_cast<std::size_t>(box.key)]) +
                "=" + std::string(given) + "!!!";
            return out;
        }
        request.values.push_back(*number);
    }
    // The working travel is no box: the flow reads it and refuses it as the window will.
    request.travel = std::string(text(texts, Key::L));
    // The operation is what the window's menu item or tool option would choose.
    CalcState state;
    if (window.choices && calc.choiceIsOperationKind) {
        request.choice = operation.kind;
    } else {
        state.OperationKind = static_cast<std::int16_t>(operation.kind);
    }

    KeyAnswers answers(texts, window);
    const CalcOutcome outcome = runCalculation(calc, request, state, answers);
    switch (outcome.status) {
    case CalcOutcome::Status::Cancelled:
        out.error = answers.refusal;
        return out;
    case CalcOutcome::Status::Refused:
        out.error = outcome.message;
        return out;
    case CalcOutcome::Status::Computed:
    case CalcOutcome::Status::Checked:
        break;
    }
    out.notice = outcome.row.results.notice;
    out.inputs = outcome.inputs;
    out.row = outcome.row;
    return out;
}
