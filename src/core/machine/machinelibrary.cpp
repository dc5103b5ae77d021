// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/machine/machinelibrary.h"

#include "core/calc/parsenumber.h"
#include "core/files/reportfile.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <nlohmann/json.hpp>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
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

// What a file too large for the reader is, in the words of its messages.
std::string largerThanTheLimit() {
    return "БОЛЬШЕ " + std::to_string(libraryFileLimit >> 20) + " МБ";
}

LoadedLibrary unreadable(const std::filesystem::path& path, const std::string& why) {
    return {{},
            "НЕ УДАЁТСЯ ПРОЧИТАТЬ ФАЙЛ СТАНКОВ " + path.string() + ": " + why + "!!!",
            LibraryState::Unreadable};
}

// Why the open file cannot be read as the library, or its bytes in `text`. The file is looked
// at through the descriptor, not the name, so that what is checked is what is read.
std::string readOpenFile(int fd, std::string& text) {
    struct stat status {};
    if (::fstat(fd, &status) != 0) {
        return "ОШИБКА ЧТЕНИЯ";
    }
    if (S_ISDIR(status.st_mode)) {
        return "ЭТО ПАПКА";
    }
    if (!S_ISREG(status.st_mode)) {
        return "ЭТО НЕ ОБЫЧНЫЙ ФАЙЛ";
    }
    const std::string tooLarge = "ОН " + largerThanTheLimit();
    if (status.st_size > libraryFileLimit) {
        return tooLarge;
    }
    text.resize(static_cast<std::size_t>(status.st_size));
    std::size_t size = 0;
    for (;;) {
        // One byte past the limit tells a file that grows while it is read.
        if (text.size() == size) {
            text.resize(std::min<std::size_t>(size * 2 + 4096, libraryFileLimit + 1));
        }
        const ssize_t got = ::read(fd, text.data() + size, text.size() - size);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            return "ОШИБКА ЧТЕНИЯ";
        }
        if (got == 0) {
            break;
        }
        size += static_cast<std::size_t>(got);
        if (size > static_cast<std::size_t>(libraryFileLimit)) {
            return tooLarge;
        }
    }
    text.resize(size);
    return {};
}

// The file as it is now, its damage said but nothing moved.
LoadedLibrary readLibrary(const std::filesystem::path& path) {
    // Without blocking: a pipe under the library's name would otherwise wait for a writer.
    const Descriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (file.get() < 0) {
        if (errno == ENOENT || errno == ENOTDIR) {
            return {}; // no library yet
        }
        return unreadable(path, errno == EACCES || errno == EPERM ? "НЕТ ПРАВА ЧТЕНИЯ"
                                                                  : "ОШИБКА ОТКРЫТИЯ");
    }
    std::string text;
    if (const std::string why = readOpenFile(file.get(), text); !why.empty()) {
        return unreadable(path, why);
    }
    ParsedLibrary parsed = parseLibraryJson(text);
    if (!parsed.problem.empty()) {
        return {{},
                "ФАЙЛ СТАНКОВ " + path.string() + " ИСПОРЧЕН (" + parsed.problem + ")",
                LibraryState::Damaged};
    }
    return {std::move(parsed.machines), {}, LibraryState::Read};
}

// The file as it is now, a damaged one moved aside. Called under the library's lock, so that no
// other program replaces the file between the reading and the rename.
LoadedLibrary readLockedLibrary(const std::filesystem::path& path) {
    LoadedLibrary loaded = readLibrary(path);
    if (loaded.state != LibraryState::Damaged) {
        return loaded;
    }
    if (const auto aside = setAside(path)) {
        loaded.problem += ". ОН СОХРАНЁН КАК " + aside->string() + ", СПИСОК СТАНКОВ ПУСТ!!!";
    } else {
        loaded.problem += ". ЕГО НЕ УДАЛОСЬ ПЕРЕИМЕНОВАТЬ, СПИСОК СТАНКОВ ПУСТ!!!";
    }
    return loaded;
}

// An advisory lock on a file beside the library, held while it lives: the programs sharing the
// library take it for every change, so that each reads the file the last one wrote. The library
// itself is replaced by every save and so cannot carry the lock.
class LibraryLock {
public:
    explicit LibraryLock(const std::filesystem::path& library) {
        std::error_code ignored;
        std::filesystem::create_directories(library.parent_path(), ignored);
        std::filesystem::path lock = library;
        lock += ".lock";
        fd_ = ::open(lock.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
        while (fd_ >= 0 && ::flock(fd_, LOCK_EX) != 0) {
            if (errno != EINTR) {
                ::close(fd_);
                fd_ = -1;
            }
        }
    }
    ~LibraryLock() {
        if (fd_ >= 0) {
            ::close(fd_); // releases the lock
        }
    }
    LibraryLock(const LibraryLock&) = delete;
    LibraryLock& operator=(const LibraryLock&) = delete;
    bool held() const { return fd_ >= 0; }

private:
    int fd_ = -1;
};

std::string notWritten(const std::filesystem::path& path) {
    return "НЕ УДАЛОСЬ ЗАПИСАТЬ ФАЙЛ СТАНКОВ " + path.string() + "!!!";
}

// The text of the library file of `machines`, or why it cannot be written: a name that is not
// UTF-8, or a file the reader would refuse as too large, which would leave every program without
// the machines it holds.
std::string libraryFileText(const std::filesystem::path& path, const std::vector<Machine>& machines,
                            std::string& text) {
    try {
        text = libraryJson(machines);
    } catch (const json::exception&) {
        return notWritten(path);
    }
    if (text.size() > static_cast<std::size_t>(libraryFileLimit)) {
        return "ФАЙЛ СТАНКОВ " + path.string() + " СТАЛ БЫ " + largerThanTheLimit() +
               ", СТАНОК НЕ СОХРАНЁН!!!";
    }
    return {};
}

bool writeLibraryFile(const std::filesystem::path& path, const std::string& text) {
    std::error_code error;
    std::filesystem::create_directories(path.parent_path(), error);
    return writeFileBytes(path, text);
}

// `machines` with the change made, or why it cannot be: `before` must be in the file as this
// program last read it.
std::string applyChange(std::vector<Machine>& machines, const LibraryChange& change) {
    auto at = machines.end();
    if (change.before) {
        const std::string& name = change.before->name;
        at = std::find_if(machines.begin(), machines.end(),
                          [&name](const Machine& machine) { return machine.name == name; });
        const char* happened = at == machines.end() ? "УДАЛЁН" : "ИЗМЕНЁН";
        if (at == machines.end() || *at != *change.before) {
            return "СТАНОК " + name + " ТЕМ ВРЕМЕНЕМ " + happened +
                   " В ДРУГОМ ОКНЕ, СПИСОК ОБНОВЛЁН: ПРОВЕРЬТЕ ДАННЫЕ!!!";
        }
    }
    if (!change.after) {
        if (at != machines.end()) {
            machines.erase(at);
        }
        return {};
    }
    const auto index =
        change.before ? std::optional<std::size_t>(at - machines.begin()) : std::nullopt;
    if (std::string error = libraryError(machines, *change.after, index); !error.empty()) {
        return error;
    }
    if (change.before) {
        *at = *change.after;
    } else {
        machines.push_back(*change.after);
    }
    return {};
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
    LoadedLibrary loaded = readLibrary(path);
    if (loaded.state != LibraryState::Damaged || damaged == DamagedLibrary::Keep) {
        if (loaded.state == LibraryState::Damaged) {
            loaded.problem += "!!!";
        }
        return loaded;
    }
    // Read again under the lock: another program may have just saved a good file in its place.
    const LibraryLock lock(path);
    if (!lock.held()) {
        loaded.problem += ". ЕГО НЕ УДАЛОСЬ ПЕРЕИМЕНОВАТЬ, СПИСОК СТАНКОВ ПУСТ!!!";
        return loaded;
    }
    return readLockedLibrary(path);
}

ChangedLibrary changeLibrary(const std::filesystem::path& path, const LibraryChange& change) {
    if (change.after) {
        if (std::string error = machineError(*change.after, MachineUse::Library); !error.empty()) {
            return {std::move(error), std::nullopt};
        }
    }
    const LibraryLock lock(path);
    if (!lock.held()) {
        return {notWritten(path), std::nullopt};
    }
    LoadedLibrary current = readLockedLibrary(path);
    if (current.state != LibraryState::Read) {
        // Nothing is written over a file that could not be read: it may hold the machines.
        return {withoutExclamations(current.problem) + ", СТАНОК НЕ СОХРАНЁН!!!", std::nullopt};
    }
    std::vector<Machine> machines = current.machines;
    if (std::string error = applyChange(machines, change); !error.empty()) {
        return {std::move(error), std::move(current.machines)};
    }
    std::string text;
    if (std::string why = libraryFileText(path, machines, text); !why.empty()) {
        return {std::move(why), std::move(current.machines)};
    }
    if (!writeLibraryFile(path, text)) {
        return {notWritten(path), std::move(current.machines)};
    }
    return {{}, std::move(machines)};
}

bool saveLibrary(const std::filesystem::path& path, const std::vector<Machine>& machines) {
    std::string text;
    return libraryFileText(path, machines, text).empty() && writeLibraryFile(path, text);
}
