#include "core/machine/machinelibrary.h"

#include "core/files/reportfile.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <nlohmann/json.hpp>

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
        if (!speeds->is_array()) {
            return "ЧАСТОТЫ ВРАЩЕНИЯ НЕ СПИСОК";
        }
        for (const json& speed : *speeds) {
            if (!speed.is_number()) {
                return "ЧАСТОТА ВРАЩЕНИЯ НЕ ЧИСЛО";
            }
            machine.speeds.push_back(speed.get<double>());
        }
        std::sort(machine.speeds.begin(), machine.speeds.end());
    }
    return {};
}

ParsedLibrary invalid(std::string problem) {
    return {{}, std::move(problem)};
}

// A name beside `path` that nothing has yet: machines.json.damaged, machines.json.damaged-2, …
// The rename refuses to replace anything, so nothing can be lost even in a race.
std::optional<std::filesystem::path> setAside(const std::filesystem::path& path) {
    for (int attempt = 1; attempt < 1000; ++attempt) {
        std::filesystem::path target = path;
        target += attempt == 1 ? ".damaged" : ".damaged-" + std::to_string(attempt);
        if (::renameat2(AT_FDCWD, path.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0) {
            return target;
        }
        if (errno != EEXIST) {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

} // namespace

std::filesystem::path defaultLibraryPath() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    std::filesystem::path folder;
    if (config != nullptr && *config == '/') {
        folder = config;
    } else {
        const char* home = std::getenv("HOME");
        folder = std::filesystem::path(home != nullptr ? home : "") / ".config";
    }
    return folder / "rezhim" / "machines.json";
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
    for (const json& entry : *list) {
        Machine machine;
        std::string problem = readMachine(entry, machine);
        if (problem.empty()) {
            problem = withoutExclamations(libraryError(out.machines, machine, std::nullopt));
        }
        if (!problem.empty()) {
            return invalid("СТАНОК " + std::to_string(out.machines.size() + 1) + ": " + problem);
        }
        out.machines.push_back(std::move(machine));
    }
    return out;
}

LoadedLibrary loadLibrary(const std::filesystem::path& path) {
    std::error_code error;
    if (!std::filesystem::exists(std::filesystem::symlink_status(path, error))) {
        return {};
    }
    const std::optional<std::string> text = readFileBytes(path);
    ParsedLibrary parsed = text ? parseLibraryJson(*text) : invalid("ФАЙЛ НЕ ЧИТАЕТСЯ");
    if (parsed.problem.empty()) {
        return {std::move(parsed.machines), {}};
    }
    std::string problem = "ФАЙЛ СТАНКОВ " + path.string() + " ИСПОРЧЕН (" + parsed.problem + "). ";
    if (const auto aside = setAside(path)) {
        problem += "ОН СОХРАНЁН КАК " + aside->string() + ", СПИСОК СТАНКОВ ПУСТ!!!";
    } else {
        problem += "ЕГО НЕ УДАЛОСЬ ПЕРЕИМЕНОВАТЬ, СПИСОК СТАНКОВ ПУСТ!!!";
    }
    return {{}, std::move(problem)};
}

bool saveLibrary(const std::filesystem::path& path, const std::vector<Machine>& machines) {
    std::error_code error;
    std::filesystem::create_directories(path.parent_path(), error);
    std::string text;
    try {
        text = libraryJson(machines);
    } catch (const json::exception&) {
        return false; // a name that is not UTF-8
    }
    return writeFileBytes(path, text);
}
