// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/cli/operations.h"

#include "app/cli/numbertext.h"
#include "core/calc/calculationflow.h"
#include "core/calc/inputcheck.h"
#include "core/calc/inputranges.h"
#include "core/calc/numberformat.h"
#include "core/calc/quotedtext.h"

#include <span>

namespace {

constexpr std::array<std::string_view, 2> schemeKeys{"face", "cylindrical"};

// A key whose value is one of a few names, each the code of a window's option.
struct NamedChoice {
    Key key;
    std::span<const std::string_view> names;
    const char* missing; // the window's message when none is chosen
    const char* unknown; // the start of the message for a name not among them
};
constexpr NamedChoice toolChoice{Key::tool, toolMaterialNames,
                                 "ВЫ НЕ ВЫБРАЛИ ТИП МАТЕРИАЛА ИНСТРУМЕНТА!!!",
                                 "НЕИЗВЕСТНЫЙ МАТЕРИАЛ ИНСТРУМЕНТА: "};
constexpr NamedChoice workChoice{Key::work, workMaterialNames,
                                 "ВЫ НЕ ВЫБРАЛИ ТИП ОБРАБАТЫВАЕМОГО МАТЕРИАЛА!!!",
                                 "НЕИЗВЕСТНЫЙ ОБРАБАТЫВАЕМЫЙ МАТЕРИАЛ: "};
constexpr NamedChoice schemeChoice{Key::scheme, schemeKeys, "ВЫ НЕ ВЫБРАЛИ СХЕМУ ФРЕЗЕРОВАНИЯ!!!",
                                   "НЕИЗВЕСТНАЯ СХЕМА ФРЕЗЕРОВАНИЯ: "};

std::optional<int> codeOf(std::span<const std::string_view> names, std::string_view text) {
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (names[i] == text) {
            return static_cast<int>(i) + 1;
        }
    }
    return std::nullopt;
}

std::string unknownName(const NamedChoice& choice, std::string_view given) {
    return std::string(choice.unknown) + quotedText(given) + "!!!";
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
            return choose(workChoice);
        case Question::Kind::ToolMaterial:
            return choose(toolChoice);
        case Question::Kind::Choice:
            return choose(schemeChoice);
        case Question::Kind::Value:
            refusal = window_.boxes[question.box].missingMessage;
            return std::nullopt;
        }
        return std::nullopt;
    }

    std::string refusal; // why a question went unanswered

private:
    std::optional<std::string> choose(const NamedChoice& choice) {
        const std::string_view given = text(texts_, choice.key);
        if (given.empty()) {
            refusal = choice.missing;
        } else if (const auto code = codeOf(choice.names, given)) {
            return integerText(*code);
        } else {
            refusal = unknownName(choice, given);
        }
        return std::nullopt;
    }

    const KeyTexts& texts_;
    const WindowDefinition& window_;
};

std::string notANumber(Key key, std::string_view given) {
    return "НЕВЕРНОЕ ЧИСЛО: " + std::string(keyNames[static_cast<std::size_t>(key)]) + "=" +
           quotedText(given) + "!!!";
}

// A key the operation does not read. A batch file mixes operations in one table, so such a key
// may well be given, and its value is ignored; but it must still be a value the key can have:
// a typo in a column this row does not read would be taken as a cut where another row reads it.
// The keys the operation reads are checked by the calculation itself, as the window checks them.
std::string unusedKeyError(Key key, std::string_view given) {
    // Of the named keys only the scheme is not read by every operation.
    if (key == Key::scheme) {
        return codeOf(schemeChoice.names, given) ? "" : unknownName(schemeChoice, given);
    }
    const std::optional<double> value = plainNumber(given);
    if (!value) {
        return notANumber(key, given);
    }
    if (*value < 0) {
        return negativeValueMessage;
    }
    const std::optional<InputRange> range = inputRange(key);
    if (*value != 0 && range && !range->holds(*value)) {
        return outOfRangeMessage(keyNames[static_cast<std::size_t>(key)], *range);
    }
    return {};
}

// Whether the operation reads the key: the two materials every window asks for, the milling
// scheme where the window asks for it, and the numbers its description reads (not a drill's
// depth, which follows from its diameter, nor a tap's passes).
bool readsKey(const Calculation& calc, Key key, int kind) {
    switch (key) {
    case Key::tool:
    case Key::work:
        return true;
    case Key::scheme:
        return calc.window.choices && !calc.choiceIsOperationKind;
    default:
        return calc.reads(key, kind);
    }
}

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

Outcome calculate(const Operation& operation, const KeyTexts& texts, std::optional<Key> sought) {
    Outcome out;
    const Calculation& calc = calculation(operation.window);
    const WindowDefinition& window = calc.window;

    // The boxes of the window, read from their keys; the keys it has no box for are checked below.
    CalcRequest request;
    request.sought = sought;
    for (const NumericBox& box : window.boxes) {
        const std::string_view given = text(texts, box.key);
        const auto number = given.empty() ? std::optional(0.0) : plainNumber(given);
        if (!number) {
            out.error = notANumber(box.key, given);
            return out;
        }
        request.values.push_back(*number);
    }
    // The working travel is no box: the flow reads it and refuses it as the window will, once it
    // is a number of the command line's one grammar (the window's box also takes a comma).
    const std::string_view travel = text(texts, Key::L);
    if (!travel.empty() && !plainNumber(travel)) {
        out.error = notANumber(Key::L, travel);
        return out;
    }
    request.travel = std::string(travel);
    for (std::size_t slot = 0; slot < keyCount; ++slot) {
        const auto key = static_cast<Key>(slot);
        if (!texts[slot].empty() && !readsKey(calc, key, operation.kind)) {
            if (std::string error = unusedKeyError(key, texts[slot]); !error.empty()) {
                out.error = std::move(error);
                return out;
            }
        }
    }
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
