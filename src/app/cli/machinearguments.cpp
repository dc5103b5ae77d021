// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/cli/machinearguments.h"

#include "app/cli/libraryargument.h"
#include "app/cli/numbertext.h"
#include "core/calc/parsenumber.h"
#include "core/calc/quotedtext.h"
#include "core/machine/machinelibrary.h"

#include <algorithm>
#include <filesystem>
#include <utility>

namespace {

std::optional<std::size_t> machineKeyIndex(std::string_view name) {
    const auto found = std::find(machineKeyNames.begin(), machineKeyNames.end(), name);
    if (found == machineKeyNames.end()) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(found - machineKeyNames.begin());
}

MachineArguments refused(std::string message, ExitCode code = exitRefused) {
    MachineArguments out;
    out.error = std::move(message);
    out.code = code;
    return out;
}

// "12.5;16;20": numbers with a point between semicolons. The order is kept, so that
// machineError refuses a list out of order, a likely typo.
std::optional<std::vector<double>> speedList(std::string_view text) {
    std::vector<double> speeds;
    for (const std::string_view item : speedListItems(text)) {
        const auto speed = plainNumber(item);
        if (!speed) {
            return std::nullopt;
        }
        speeds.push_back(*speed);
    }
    return speeds;
}

// feeds= and feed-unit=, which go together: a feed of the wrong unit would be checked and chosen
// wrongly by a factor of the spindle speed.
std::string readFeeds(const std::optional<std::string_view>& feeds,
                      const std::optional<std::string_view>& unit, Machine& machine) {
    if (!feeds && !unit) {
        return {};
    }
    if (!feeds || !unit) {
        return "КЛЮЧИ feeds= И feed-unit= ЗАДАЮТСЯ ВМЕСТЕ!!!";
    }
    const std::optional<FeedUnit> named = feedUnitNamed(*unit);
    if (!named) {
        return "НЕИЗВЕСТНАЯ ЕДИНИЦА ПОДАЧ: feed-unit=" + quotedText(*unit) + " (min или rev)!!!";
    }
    auto list = speedList(*feeds);
    if (!list || list->empty()) {
        return keyNotANumber(machineFeedsName, *feeds);
    }
    machine.feeds = std::move(*list);
    machine.feedUnit = *named;
    return {};
}

// A machine key given with nothing after "=" is a wrong call: left out silently, it would drop
// the check the user asked for.
MachineArguments emptyKey(std::string_view key) {
    return refused("ПУСТОЕ ЗНАЧЕНИЕ КЛЮЧА СТАНКА: " + std::string(key) + "=!!!", exitUsage);
}

MachineArguments machineOfKeys(const MachineKeys& keys) {
    for (std::size_t i = 0; i < machineKeyNames.size(); ++i) {
        if (keys.texts[i] && keys.texts[i]->empty()) {
            return emptyKey(machineKeyNames[i]);
        }
    }
    Machine machine;
    bool any = false;
    const auto given = [&keys](std::string_view key) { return keys.texts[*machineKeyIndex(key)]; };
    for (const auto& [key, field] : machineNumberFields) {
        if (const auto text = given(key)) {
            const auto number = plainNumber(*text);
            if (!number) {
                return refused(keyNotANumber(key, *text));
            }
            machine.*field = *number;
            any = true;
        }
    }
    if (const auto text = given(machineSpeedsName)) {
        auto speeds = speedList(*text);
        if (!speeds) {
            return refused(keyNotANumber(machineSpeedsName, *text));
        }
        if (speeds->empty()) {
            return emptyKey(machineSpeedsName);
        }
        machine.speeds = std::move(*speeds);
        any = true;
    }
    if (std::string error = readFeeds(given(machineFeedsName), given(machineFeedUnitName), machine);
        !error.empty()) {
        return refused(std::move(error));
    }
    MachineArguments out;
    if (any || !machine.feeds.empty()) {
        out.machine = std::move(machine);
    }
    return out;
}

MachineArguments machineOfLibrary(std::string_view name,
                                  const std::optional<std::string_view>& file) {
    LoadedLibrary library;
    const LibraryArgument argument = readLibraryArgument(
        file, defaultLibraryPath(), [&library](const auto& path, DamagedLibrary damaged) {
            library = loadLibrary(path, damaged);
            return LibraryRead{library.state, library.problem};
        });
    if (!argument.error.empty()) {
        return refused(argument.error, argument.code);
    }
    const std::filesystem::path& path = argument.path;
    const auto found =
        std::find_if(library.machines.begin(), library.machines.end(),
                     [name](const Machine& machine) { return machine.name == name; });
    if (found == library.machines.end()) {
        return refused("В ФАЙЛЕ СТАНКОВ " + path.string() + " НЕТ СТАНКА «" + quotedText(name) +
                       "»!!!");
    }
    MachineArguments out;
    out.machine = std::move(*found);
    return out;
}

} // namespace

MachineArguments resolveMachine(const MachineKeys& keys, const CommandArguments& command) {
    if (command.machine && keys.any()) {
        return refused("ЗАДАЙТЕ СТАНОК ЛИБО КЛЮЧАМИ, ЛИБО --machine!!!", exitUsage);
    }
    if (command.machines && !command.machine) {
        return refused("КЛЮЧ --machines НУЖЕН ТОЛЬКО ВМЕСТЕ С --machine ИМЯ!!!", exitUsage);
    }
    MachineArguments out = command.machine ? machineOfLibrary(*command.machine, command.machines)
                                           : machineOfKeys(keys);
    if (out.machine) {
        if (std::string error = machineError(*out.machine, MachineUse::Limits); !error.empty()) {
            return refused(std::move(error));
        }
    }
    return out;
}
