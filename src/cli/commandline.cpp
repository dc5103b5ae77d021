#include "cli/commandline.h"

#include <cstdio>

int usageError(std::string_view message) {
    std::fprintf(stderr, "%.*s\nСправка: rezhim-cli --help\n", static_cast<int>(message.size()),
                 message.data());
    return exitUsage;
}

CommandArguments splitArguments(std::span<const std::string_view> arguments, unsigned accepted) {
    CommandArguments result;
    const auto refuse = [&result](std::string_view text, std::string_view argument) {
        result.error = std::string(text) + std::string(argument) + "!!!";
        return result;
    };
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        // Names, files and key=value pairs never start with "-"; a lone "-" is not a flag either.
        if (argument.size() < 2 || argument.front() != '-') {
            result.positional.push_back(argument);
            continue;
        }
        if (argument == "--json" && (accepted & flagJson) && !result.json) {
            result.json = true;
        } else if (argument == "--comma" && (accepted & flagComma) && !result.comma) {
            result.comma = true;
        } else if (argument == "-o" && (accepted & flagOutput) && !result.output) {
            if (i + 1 == arguments.size()) {
                return refuse("НЕ ЗАДАН ФАЙЛ ПОСЛЕ КЛЮЧА ", argument);
            }
            result.output = arguments[++i];
        } else {
            return refuse("НЕДОПУСТИМЫЙ КЛЮЧ КОМАНДЫ: ", argument);
        }
    }
    return result;
}
