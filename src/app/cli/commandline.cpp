// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/cli/commandline.h"

#include "core/calc/quotedtext.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace {

// The flags followed by a value of their own.
struct ValueFlag {
    std::string_view name;
    CommandFlag flag;
    std::optional<std::string_view> CommandArguments::*value;
    std::string_view missing; // when the call ends after the flag
};
constexpr std::array<ValueFlag, 7> valueFlags{{
    {"-o", flagOutput, &CommandArguments::output, "НЕ ЗАДАН ФАЙЛ ПОСЛЕ КЛЮЧА "},
    {"--machine", flagMachine, &CommandArguments::machine, "НЕ ЗАДАНО ИМЯ СТАНКА ПОСЛЕ КЛЮЧА "},
    {"--machines", flagMachine, &CommandArguments::machines, "НЕ ЗАДАН ФАЙЛ ПОСЛЕ КЛЮЧА "},
    {"--vary", flagVary, &CommandArguments::vary, "НЕ ЗАДАНО, ЧТО МЕНЯТЬ, ПОСЛЕ КЛЮЧА "},
    {"--format", flagFormat, &CommandArguments::format, "НЕ ЗАДАН ФОРМАТ ПОСЛЕ КЛЮЧА "},
    {"--row", flagSpeedRow, &CommandArguments::row, "НЕ ЗАДАНО ИМЯ СТРОКИ ПОСЛЕ КЛЮЧА "},
    {"--data", flagSpeedRow, &CommandArguments::data, "НЕ ЗАДАН ФАЙЛ ПОСЛЕ КЛЮЧА "},
}};

} // namespace

void printLine(std::FILE* stream, std::string_view text) {
    std::fwrite(text.data(), 1, text.size(), stream);
    std::fputc('\n', stream);
}

int usageError(std::string_view message) {
    printLine(stderr, message);
    printLine(stderr, "Справка: rezhim-cli --help");
    return exitUsage;
}

int refusal(std::string_view message) {
    printLine(stderr, message);
    return exitRefused;
}

int keysFailure(ExitCode code, std::string_view message) {
    return code == exitUsage ? usageError(message) : refusal(message);
}

CommandArguments splitArguments(std::span<const std::string_view> arguments, unsigned accepted) {
    CommandArguments result;
    const auto refuse = [&result](std::string_view text, std::string_view argument) {
        result.error = std::string(text) + quotedText(argument) + "!!!";
        return result;
    };
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        // Names, files and key=value pairs never start with "-"; a lone "-" is not a flag either.
        if (argument.size() < 2 || argument.front() != '-') {
            result.positional.push_back(argument);
            continue;
        }
        const auto valueFlag =
            std::find_if(valueFlags.begin(), valueFlags.end(), [&](const ValueFlag& flag) {
                return flag.name == argument && (accepted & flag.flag) && !(result.*flag.value);
            });
        if (argument == "--json" && (accepted & flagJson) && !result.json) {
            result.json = true;
        } else if (argument == "--comma" && (accepted & flagComma) && !result.comma) {
            result.comma = true;
        } else if (valueFlag != valueFlags.end()) {
            if (i + 1 == arguments.size()) {
                return refuse(valueFlag->missing, argument);
            }
            result.*valueFlag->value = arguments[++i];
        } else {
            return refuse("НЕДОПУСТИМЫЙ КЛЮЧ КОМАНДЫ: ", argument);
        }
    }
    return result;
}
