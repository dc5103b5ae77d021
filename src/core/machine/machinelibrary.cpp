// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/machine/machinelibrary.h"

#include <algorithm>
#include <nlohmann/json.hpp>
#include <unordered_set>

namespace {

using nlohmann::json;

// The file's keys: the machine's name, and its fields by the names the command line gives them.
constexpr const char* nameKey = "name";

std::string withoutExclamations(std::string message) {
    while (!message.empty() && message.back() == '!') {
        message.pop_back();
    }
    return message;
}

// A passport's list of numbers, sorted, or why it is none.
std::string readList(const json& list, std::vector<double>& values, const char* notAList,
                     const char* notANumber) {
    if (!list.is_array()) {
        return notAList;
    }
    for (const json& value : list) {
        if (!value.is_number()) {
            return notANumber;
        }
        values.push_back(value.get<double>());
    }
    std::sort(values.begin(), values.end());
    return {};
}

// The passport's feeds and their unit, which a file of an older version has not.
std::string readFeeds(const json& entry, Machine& machine) {
    const auto feeds = entry.find(machineFeedsName);
    if (feeds == entry.end()) {
        return {};
    }
    if (std::string problem =
            readList(*feeds, machine.feeds, "ПОДАЧИ НЕ СПИСОК", "ПОДАЧА НЕ ЧИСЛО");
        !problem.empty()) {
        return problem;
    }
    const auto unit = entry.find(machineFeedUnitName);
    const std::optional<FeedUnit> named = unit != entry.end() && unit->is_string()
                                              ? feedUnitNamed(unit->get<std::string>())
                                              : std::nullopt;
    if (!named) {
        return "ЕДИНИЦА ПОДАЧ НЕ min И НЕ rev";
    }
    machine.feedUnit = *named;
    return {};
}

// One machine of the file, or why it is not one.
std::string readMachine(const json& entry, Machine& machine) {
    if (!entry.is_object()) {
        return "ЗАПИСЬ НЕ ОБЪЕКТ";
    }
    if (const auto name = entry.find(nameKey); name != entry.end()) {
        if (!name->is_string()) {
            return "ИМЯ СТАНКА НЕ СТРОКА";
        }
        machine.name = name->get<std::string>();
    }
    for (const auto& [key, field] : machineNumberFields) {
        if (const auto value = entry.find(key); value != entry.end()) {
            if (!value->is_number()) {
                return "ПОЛЕ \"" + std::string(key) + "\" НЕ ЧИСЛО";
            }
            machine.*field = value->get<double>();
        }
    }
    if (const auto speeds = entry.find(machineSpeedsName); speeds != entry.end()) {
        if (std::string problem = readList(*speeds, machine.speeds, "ЧАСТОТЫ ВРАЩЕНИЯ НЕ СПИСОК",
                                           "ЧАСТОТА ВРАЩЕНИЯ НЕ ЧИСЛО");
            !problem.empty()) {
            return problem;
        }
    }
    return readFeeds(entry, machine);
}

constexpr LibraryWords machineWords{
    "ФАЙЛ СТАНКОВ", "СПИСОК СТАНКОВ ПУСТ", "СТАНОК НЕ СОХРАНЁН", "СТАНОК", "УДАЛЁН", "ИЗМЕНЁН"};

ParsedLibrary invalid(std::string problem) {
    return {{}, std::move(problem)};
}

// Reads the file's text into `machines`, none where it does not parse.
LibraryParse parseInto(std::vector<Machine>& machines) {
    return [&machines](const std::string& text) {
        ParsedLibrary parsed = parseLibraryJson(text);
        machines = std::move(parsed.machines);
        return parsed.problem;
    };
}

// The text of the library file of `machines`, or why it cannot be written: a name that is not
// UTF-8.
std::string libraryText(const std::filesystem::path& path, const std::vector<Machine>& machines,
                        std::string& text) {
    try {
        text = libraryJson(machines);
    } catch (const json::exception&) {
        return "НЕ УДАЛОСЬ ЗАПИСАТЬ ФАЙЛ СТАНКОВ " + path.string() + "!!!";
    }
    return {};
}

} // namespace

std::filesystem::path defaultLibraryPath() {
    return configFilePath("machines.json");
}

std::string libraryError(const std::vector<Machine>& machines, const Machine& machine,
                         std::optional<std::size_t> replacing) {
    if (std::string error = machineError(machine, MachineUse::Library); !error.empty()) {
        return error;
    }
    for (std::size_t i = 0; i < machines.size(); ++i) {
        if (i != replacing && machines[i].name == machine.name) {
            return "СТАНОК С ИМЕНЕМ " + machine.name + " УЖЕ ЕСТЬ!!!";
        }
    }
    return {};
}

std::string libraryJson(const std::vector<Machine>& machines) {
    json list = json::array();
    for (const Machine& machine : machines) {
        json entry = {{nameKey, machine.name}};
        for (const auto& [key, field] : machineNumberFields) {
            if (machine.*field) {
                entry[key] = *(machine.*field);
            }
        }
        if (!machine.speeds.empty()) {
            entry[machineSpeedsName] = machine.speeds;
        }
        if (!machine.feeds.empty()) {
            entry[machineFeedsName] = machine.feeds;
            entry[machineFeedUnitName] = feedUnitNames[static_cast<std::size_t>(machine.feedUnit)];
        }
        list.push_back(std::move(entry));
    }
    return json{{"machines", std::move(list)}}.dump(2) + "\n";
}

ParsedLibrary parseLibraryJson(const std::string& text) {
    const json document = json::parse(text, nullptr, false);
    if (document.is_discarded()) {
        return invalid("ЭТО НЕ ТЕКСТ JSON");
    }
    const auto list = document.is_object() ? document.find("machines") : document.end();
    if (!document.is_object() || list == document.end() || !list->is_array()) {
        return invalid("НЕТ СПИСКА \"machines\"");
    }
    ParsedLibrary out;
    // The names so far, to find a repeated one in one look rather than a pass over the list.
    std::unordered_set<std::string> names;
    for (const json& entry : *list) {
        Machine machine;
        std::string problem = readMachine(entry, machine);
        if (problem.empty()) {
            problem = withoutExclamations(machineError(machine, MachineUse::Library));
        }
        if (problem.empty() && !names.insert(machine.name).second) {
            problem = "СТАНОК С ИМЕНЕМ " + machine.name + " УЖЕ ЕСТЬ";
        }
        if (!problem.empty()) {
            return invalid("СТАНОК " + std::to_string(out.machines.size() + 1) + ": " + problem);
        }
        out.machines.push_back(std::move(machine));
    }
    return out;
}

LoadedLibrary loadLibrary(const std::filesystem::path& path, DamagedLibrary damaged) {
    LoadedLibrary loaded;
    const LibraryRead read =
        loadLibraryFile(path, machineWords, damaged, parseInto(loaded.machines));
    loaded.problem = read.problem;
    loaded.state = read.state;
    return loaded;
}

ChangedLibrary changeLibrary(const std::filesystem::path& path, const LibraryChange& change) {
    if (change.after) {
        if (std::string error = machineError(*change.after, MachineUse::Library); !error.empty()) {
            return {std::move(error), std::nullopt};
        }
    }
    std::vector<Machine> current;
    std::vector<Machine> changed;
    const LibraryEdit edit =
        changeLibraryFile(path, machineWords, parseInto(current), [&](std::string& text) {
            changed = current;
            if (std::string error = applyEntryChange(changed, change.before, change.after,
                                                     machineWords, libraryError);
                !error.empty()) {
                return error;
            }
            return libraryText(path, changed, text);
        });
    if (!edit.read) {
        return {edit.error, std::nullopt};
    }
    return {edit.error, edit.error.empty() ? std::move(changed) : std::move(current)};
}

bool saveLibrary(const std::filesystem::path& path, const std::vector<Machine>& machines) {
    std::string text;
    return libraryText(path, machines, text).empty() &&
           saveLibraryFile(path, machineWords, text).empty();
}
