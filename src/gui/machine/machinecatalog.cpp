#include "gui/machine/machinecatalog.h"

#include <algorithm>

MachineCatalog::MachineCatalog(std::filesystem::path path, QObject* parent)
    : QObject(parent)
    , path_(std::move(path)) {
    LoadedLibrary loaded = loadLibrary(path_);
    machines_ = std::move(loaded.machines);
    loadProblem_ = std::move(loaded.problem);
}

const Machine* MachineCatalog::find(const std::string& name) const {
    const auto found =
        std::find_if(machines_.begin(), machines_.end(),
                     [&name](const Machine& machine) { return machine.name == name; });
    return found == machines_.end() ? nullptr : &*found;
}

std::string MachineCatalog::add(const Machine& machine) {
    if (std::string error = libraryError(machines_, machine, std::nullopt); !error.empty()) {
        return error;
    }
    std::vector<Machine> machines = machines_;
    machines.push_back(machine);
    return commit(std::move(machines));
}

std::string MachineCatalog::replace(std::size_t index, const Machine& machine) {
    if (std::string error = libraryError(machines_, machine, index); !error.empty()) {
        return error;
    }
    std::vector<Machine> machines = machines_;
    machines.at(index) = machine;
    return commit(std::move(machines));
}

std::string MachineCatalog::remove(std::size_t index) {
    std::vector<Machine> machines = machines_;
    machines.erase(machines.begin() + static_cast<std::ptrdiff_t>(index));
    return commit(std::move(machines));
}

std::string MachineCatalog::commit(std::vector<Machine> machines) {
    if (!saveLibrary(path_, machines)) {
        return "НЕ УДАЛОСЬ ЗАПИСАТЬ ФАЙЛ СТАНКОВ " + path_.string() + "!!!";
    }
    machines_ = std::move(machines);
    emit changed();
    return {};
}
