#include "cli/operations.h"

#include "calcframe/inputcheck.h"
#include "calcframe/report.h"
#include "calcframe/windowdefinitions.h"
#include "holes/holemaking.h"
#include "milling/cylindricalmilling.h"
#include "milling/discmilling.h"
#include "milling/endmilling.h"
#include "milling/facemilling.h"
#include "threads/threadcutting.h"
#include "turning/turning.h"

#include <charconv>
#include <cmath>

namespace {

constexpr std::array<std::string_view, toolMaterialCount> toolKeys{"hss", "carbide", "ceramics"};
constexpr std::array<std::string_view, workMaterialCount> workKeys{"steel", "cast-iron",
                                                                   "aluminium", "copper"};
constexpr std::array<std::string_view, 2> schemeKeys{"face", "cylindrical"};

// The windows' boxes by the key that fills them: D_TEXT5 takes D, A_TEXT2 the angle.
Key keyOfBox(const std::string& boxName) {
    switch (boxName.front()) {
    case 'D':
        return Key::D;
    case 'Z':
        return Key::z;
    case 'B':
        return Key::B;
    case 'T':
        return Key::t;
    case 'H':
        return Key::H;
    case 'S':
        return Key::s;
    case 'V':
        return Key::v;
    case 'A':
        return Key::angle;
    default:
        return Key::passes;
    }
}

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

// A plain number with a point, nothing around it.
std::optional<double> plainNumber(std::string_view text) {
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

// A choice among named codes: missing, unknown, or its code.
struct Choice {
    std::optional<int> code;
    std::string error;
};
template <std::size_t Count>
Choice choose(const std::array<std::string_view, Count>& names, std::string_view given,
              const char* missing, const char* unknown) {
    if (given.empty()) {
        return {std::nullopt, missing};
    }
    if (const auto code = codeOf(names, given)) {
        return {code, {}};
    }
    return {std::nullopt, std::string(unknown) + std::string(given) + "!!!"};
}

RowResults compute(const Operation& operation, ToolMaterial tool, WorkMaterial work, int scheme,
                   const CalcState& state, double angle) {
    const MillingInputs milling = millingInputs(state);
    const WorkpieceInputs workpiece = workpieceInputs(state);
    const auto millingRow = [](const MillingResult& r) -> RowResults {
        return {r.forces.Pz, r.Py, r.Px, r.forces.M, r.forces.N, r.forces.n};
    };
    switch (operation.window) {
    case 1:
        return millingRow(faceMilling(tool, work, milling));
    case 2:
        return millingRow(cylindricalMilling(tool, work, milling, angle));
    case 3:
        return millingRow(
            endMilling(tool, work, static_cast<EndMillingScheme>(scheme), milling, angle));
    case 4:
        return millingRow(discMilling(tool, work, milling, angle));
    case 5: {
        const TurningResult r = turning(tool, work, operation.kind, workpiece);
        return {r.Pz, r.Py, r.Px, r.M, r.N, r.n};
    }
    case 6: {
        const HoleResult r = holeMaking(tool, work, operation.kind, workpiece);
        RowResults row{r.P0, 0.0, 0.0, r.M, r.N, r.n};
        if (!r.coefficients) {
            row.notice = "НЕТ ДАННЫХ ДЛЯ РАСЧЁТА УСИЛИЙ ПРИ РАЗВЁРТЫВАНИИ ЭТИМ ИНСТРУМЕНТОМ!!!";
        }
        return row;
    }
    default: {
        const ThreadResult r = threadCutting(static_cast<ThreadTool>(operation.kind), tool, work,
                                             workpiece, state.PassCount);
        return {r.Pz, 0.0, 0.0, r.M, r.N, r.n};
    }
    }
}

} // namespace

std::optional<Key> keyFromName(std::string_view name) {
    const auto code = codeOf(keyNames, name);
    return code ? std::optional(static_cast<Key>(*code - 1)) : std::nullopt;
}

const Operation* findOperation(std::string_view name) {
    for (const Operation& operation : operations) {
        if (operation.name == name) {
            return &operation;
        }
    }
    return nullptr;
}

const WindowDefinition& definitionOf(const Operation& operation) {
    static const std::array<WindowDefinition, 7> windows{
        windowDefinition(1), windowDefinition(2), windowDefinition(3), windowDefinition(4),
        windowDefinition(5), windowDefinition(6), windowDefinition(7)};
    return windows[static_cast<std::size_t>(operation.window - 1)];
}

std::string titleOf(const Operation& operation) {
    return reportTitle(operation.window, operation.kind);
}

Outcome calculate(const Operation& operation, const KeyTexts& texts) {
    Outcome out;
    const WindowDefinition& window = definitionOf(operation);

    // The boxes of the window, read from their keys; a key the window has no box for is ignored.
    std::array<double, 8> values{};
    const std::size_t boxCount = window.boxes.size();
    for (std::size_t box = 0; box < boxCount; ++box) {
        const Key key = keyOfBox(window.boxes[box].name);
        const std::string_view given = text(texts, key);
        if (given.empty()) {
            continue;
        }
        const auto number = plainNumber(given);
        if (!number) {
            out.error = "НЕВЕРНОЕ ЧИСЛО: " + std::string(keyNames[static_cast<std::size_t>(key)]) +
                        "=" + std::string(given) + "!!!";
            return out;
        }
        values[box] = *number;
    }

    CalcState state;
    const auto store = [&](std::size_t box) {
        if (const auto field = window.boxes[box].field) {
            state.*field = values[box];
        }
    };
    for (std::size_t box = 0; box < boxCount; ++box) {
        store(box);
    }
    if (operation.window == 6) {
        // A drill cuts half its diameter whatever depth is given.
        for (std::size_t box = 0; box < boxCount; ++box) {
            if (keyOfBox(window.boxes[box].name) == Key::t) {
                values[box] = holeDepth(operation.kind, workpieceInputs(state));
                store(box);
            }
        }
    }

    const bool cutter = operation.window == 7 && operation.kind == 1;
    const std::span<const double> given(values.data(), boxCount);
    const auto missing = lastEmptyBox(given, [&](std::size_t box) {
        const NumericBox& entry = window.boxes[box];
        return entry.missingCode != 0 || entry.askPrompt != nullptr ||
               (cutter && keyOfBox(entry.name) == Key::passes);
    });
    if (missing) {
        out.error = window.boxes[*missing].missingMessage;
        return out;
    }

    const Choice tool =
        choose(toolKeys, text(texts, Key::tool), "ВЫ НЕ ВЫБРАЛИ ТИП МАТЕРИАЛА ИНСТРУМЕНТА!!!",
               "НЕИЗВЕСТНЫЙ МАТЕРИАЛ ИНСТРУМЕНТА: ");
    const Choice work =
        choose(workKeys, text(texts, Key::work), "ВЫ НЕ ВЫБРАЛИ ТИП ОБРАБАТЫВАЕМОГО МАТЕРИАЛА!!!",
               "НЕИЗВЕСТНЫЙ ОБРАБАТЫВАЕМЫЙ МАТЕРИАЛ: ");
    const Choice scheme = operation.window == 3 ? choose(schemeKeys, text(texts, Key::scheme),
                                                         "ВЫ НЕ ВЫБРАЛИ СХЕМУ ФРЕЗЕРОВАНИЯ!!!",
                                                         "НЕИЗВЕСТНАЯ СХЕМА ФРЕЗЕРОВАНИЯ: ")
                                                : Choice{0, {}};
    for (const Choice* choice : {&tool, &work, &scheme}) {
        if (!choice->code) {
            out.error = choice->error;
            return out;
        }
    }
    if (firstNegativeBox(given)) {
        out.error = negativeValueMessage;
        return out;
    }

    double angle = 0;
    for (std::size_t box = 0; box < boxCount; ++box) {
        if (keyOfBox(window.boxes[box].name) == Key::angle) {
            angle = values[box];
        }
    }
    const auto toolMaterial = static_cast<ToolMaterial>(*tool.code);
    const auto workMaterial = static_cast<WorkMaterial>(*work.code);
    const RowResults results =
        compute(operation, toolMaterial, workMaterial, *scheme.code, state, angle);
    if (!allFinite(results)) {
        out.error = calculationErrorMessage;
        return out;
    }
    out.notice = results.notice;
    out.row = rowValues(window, state, 1, toolMaterial, workMaterial, results);
    out.depth = state.CutDepth;
    return out;
}
