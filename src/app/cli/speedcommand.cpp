// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/cli/commandline.h"
#include "app/cli/commandopening.h"
#include "app/cli/commands.h"
#include "app/cli/json.h"
#include "app/cli/libraryargument.h"
#include "app/cli/numbertext.h"
#include "app/cli/resultjson.h"
#include "app/cli/textcolumns.h"
#include "core/calc/numberformat.h"
#include "core/calc/quotedtext.h"
#include "core/speed/speedlibrary.h"
#include "core/speed/speedservice.h"

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace {

// The keys of a row typed on the command line: the coefficient, the exponents, the tool life and
// the factors, the fields before the bands. A row's bands belong to the rows kept in the library.
bool isRowKey(std::string_view name) {
    const std::optional<SpeedField> field = speedFieldNamed(name);
    return field && *field < SpeedField::sFrom;
}

// What a row typed on the command line is called in the messages and the output.
constexpr std::string_view typedRowName = "командная строка";

// The row keys as numbers; a value that is no number, or a key given twice, is a wrong call.
struct TypedRow {
    SpeedRow row;
    bool coefficients = false; // a key other than T: the row is typed, T is its tool life
    std::string error;
};
TypedRow typedRow(const std::vector<std::string_view>& arguments) {
    TypedRow out;
    out.row.name = typedRowName;
    for (const std::string_view argument : arguments) {
        const auto equals = argument.find('=');
        const std::string_view name = argument.substr(0, equals);
        const std::string_view text = argument.substr(equals + 1);
        const SpeedField field = *speedFieldNamed(name);
        if (out.row.given(field)) {
            out.error = "ПАРАМЕТР ЗАДАН ДВАЖДЫ: " + std::string(name) + "!!!";
            return out;
        }
        const std::optional<double> value = plainNumber(text);
        if (!value) {
            out.error = "НЕВЕРНОЕ ЧИСЛО: " + std::string(name) + "=" + quotedText(text) + "!!!";
            return out;
        }
        out.row.set(field, value);
        out.coefficients = out.coefficients || field != SpeedField::T;
    }
    return out;
}

// The rows to offer: the typed one, the library's row named by --row, or every row of the library.
struct OfferedRows {
    std::vector<SpeedRow> rows;
    std::string source; // "ФАЙЛЕ КОЭФФИЦИЕНТОВ СКОРОСТИ path" for the messages; empty when typed
    std::string error;
    ExitCode code = exitComputed;
};
OfferedRows libraryRows(const CommandArguments& command) {
    OfferedRows out;
    LoadedSpeedRows loaded;
    const LibraryArgument argument =
        readLibraryArgument(command.data, defaultSpeedLibraryPath(),
                            [&loaded](const auto& path, DamagedLibrary damaged) {
                                loaded = loadSpeedRows(path, damaged);
                                return LibraryRead{loaded.state, loaded.problem};
                            });
    if (!argument.error.empty()) {
        out.error = argument.error;
        out.code = argument.code;
        return out;
    }
    out.source = "ФАЙЛЕ КОЭФФИЦИЕНТОВ СКОРОСТИ " + argument.path.string();
    out.rows = std::move(loaded.rows);
    if (command.row) {
        const std::string_view name = *command.row;
        std::erase_if(out.rows, [name](const SpeedRow& row) { return row.name != name; });
        if (out.rows.empty()) {
            out.error = "В " + out.source + " НЕТ СТРОКИ «" + quotedText(name) + "»!!!";
            out.code = exitRefused;
        }
    }
    return out;
}

struct Speed {
    const SpeedOffer* offer;
    std::optional<PassportSpeed> passport;
};

std::string speedJson(const Operation& operation, const Speed& speed, bool machine) {
    const SpeedTerms& terms = *speed.offer->result.terms;
    std::string out = "{\"operation\": ";
    appendJsonString(out, operation.name);
    out += ", \"row\": ";
    appendJsonString(out, speed.offer->row.name);
    for (const auto& [name, value] : {std::pair{"T", terms.T},
                                      {"Kmv", terms.Kmv},
                                      {"Kv", terms.Kv},
                                      {"v", terms.v},
                                      {"n", terms.n}}) {
        out += std::string(", \"") + name + "\": ";
        appendNumberOrNull(out, value);
    }
    if (machine) {
        out += ", \"n_passport\": ";
        appendNumberOrNull(out, speed.passport ? std::optional(speed.passport->n) : std::nullopt);
        out += ", \"v_passport\": ";
        appendNumberOrNull(out, speed.passport ? std::optional(speed.passport->v) : std::nullopt);
    }
    out += "}\n";
    return out;
}

// The lines for reading: the speed to 0,001 m/min, the spindle speed to 0,01 rev/min; a machine
// with no speed as low as n has a dash.
std::string speedLines(const std::vector<Speed>& speeds, bool machine) {
    std::vector<std::vector<std::string>> lines{
        {"СТРОКА", "T, мин", "Kv", "v, м/мин", "n, об/мин"}};
    if (machine) {
        lines.front().insert(lines.front().end(), {"nф, об/мин", "vф, м/мин"});
    }
    for (const Speed& speed : speeds) {
        const SpeedTerms& terms = *speed.offer->result.terms;
        std::vector<std::string>& line = lines.emplace_back(std::vector<std::string>{
            speed.offer->row.name, plainText(terms.T, '.'), fixedText(terms.Kv, 3, '.'),
            fixedText(terms.v, 3, '.'), fixedText(terms.n, 2, '.')});
        if (machine) {
            line.push_back(speed.passport ? fixedText(speed.passport->n, 2, '.') : "—");
            line.push_back(speed.passport ? fixedText(speed.passport->v, 3, '.') : "—");
        }
    }
    return alignedColumns(lines);
}

} // namespace

int runSpeed(std::span<const std::string_view> arguments) {
    int code = exitComputed;
    const std::optional<OperationCall> call = openOperationCall(
        arguments, flagJson | flagMachine | flagSpeedRow, nullptr, code, isRowKey);
    if (!call) {
        return code;
    }
    const CommandArguments& command = call->command;
    const Operation& operation = *call->operation;
    if (call->cutter) {
        // The speed of a coefficient row does not depend on the cutter's shank or radius.
        return usageError("КОМАНДА speed НЕ ПРОВЕРЯЕТ РЕЗЕЦ: ЕГО КЛЮЧИ — ДЛЯ calc, batch, sweep, "
                          "limit И report!!!");
    }
    if (!call->texts[static_cast<std::size_t>(Key::v)].empty()) {
        return usageError("СКОРОСТЬ РЕЗАНИЯ v НЕ ЗАДАЁТСЯ: ЕЁ РАССЧИТЫВАЕТ КОМАНДА speed!!!");
    }
    TypedRow typed = typedRow(call->ownKeys);
    if (!typed.error.empty()) {
        return usageError(typed.error);
    }
    // A typed row carries its own tool life; without one, T= asks the library's rows for another.
    std::optional<double> toolLife;
    OfferedRows offered;
    if (typed.coefficients) {
        if (command.row || command.data) {
            return usageError("ЗАДАЙТЕ СТРОКУ КОЭФФИЦИЕНТОВ ЛИБО КЛЮЧАМИ, ЛИБО ИЗ БИБЛИОТЕКИ "
                              "(--row, --data)!!!");
        }
    } else {
        toolLife = typed.row.given(SpeedField::T);
        if (std::string error = toolLife ? toolLifeError(*toolLife) : ""; !error.empty()) {
            return usageError(error);
        }
        offered = libraryRows(command);
        if (!offered.error.empty()) {
            return offered.code == exitUsage ? usageError(offered.error) : refusal(offered.error);
        }
    }

    const Outcome outcome = calculate(operation, call->texts, Key::v);
    if (!outcome.error.empty()) {
        return refusal(outcome.error);
    }
    const std::string materials =
        " С tool=" + std::string(call->texts[static_cast<std::size_t>(Key::tool)]) +
        " И work=" + std::string(call->texts[static_cast<std::size_t>(Key::work)]);
    if (typed.coefficients) {
        // The typed row is for the calculation it is typed with.
        typed.row.operations = {std::string(operation.name)};
        typed.row.tool = outcome.inputs.tool;
        typed.row.work = outcome.inputs.work;
        if (std::string error = speedRowError(typed.row); !error.empty()) {
            return usageError(error);
        }
        offered.rows = {typed.row};
    } else if (command.row && !serves(offered.rows.front(), operation.name, outcome.inputs.tool,
                                      outcome.inputs.work)) {
        return refusal("СТРОКА «" + offered.rows.front().name + "» НЕ ДЛЯ ОПЕРАЦИИ " +
                       std::string(operation.name) + materials + "!!!");
    }

    const std::vector<SpeedOffer> offers =
        speedOffers(offered.rows, operation, outcome.inputs, toolLife, '.');
    if (offers.empty()) {
        return refusal("В " + offered.source + " НЕТ СТРОК ДЛЯ ОПЕРАЦИИ " +
                       std::string(operation.name) + materials + "!!!");
    }
    std::vector<Speed> speeds;
    for (const SpeedOffer& offer : offers) {
        if (offer.result.terms) {
            const double n = offer.result.terms->n;
            speeds.push_back({&offer, call->machine
                                          ? passportSpeed(*call->machine, n, outcome.inputs[Key::D])
                                          : std::nullopt});
        } else if (typed.coefficients) {
            // A typed row that gives no speed is typed wrong: no tool life, or a speed no cut has.
            return usageError(offer.result.error);
        } else {
            // Why a row of the library gives no speed: its band, or the speed it would give.
            printLine(stderr, offer.misfit.empty() ? offer.result.error : offer.misfit);
        }
    }
    if (speeds.empty()) {
        return exitRefused;
    }
    std::string text;
    if (command.json) {
        for (const Speed& speed : speeds) {
            text += speedJson(operation, speed, call->machine.has_value());
        }
    } else {
        text = speedLines(speeds, call->machine.has_value());
    }
    std::fwrite(text.data(), 1, text.size(), stdout);
    return exitComputed;
}
