// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/machine/machinecatalog.h"

#include "gui/common/librarywatch.h"

#include <algorithm>

MachineCatalog::MachineCatalog(std::filesystem::path path, QObject* parent)
    : QObject(parent)
    , path_(std::move(path)) {
    LoadedLibrary loaded = loadLibrary(path_);
    machines_ = std::move(loaded.machines);
    loadProblem_ = std::move(loaded.problem);
    watch_ = new LibraryWatch(path_, this);
    connect(watch_, &LibraryWatch::saved, this, &MachineCatalog::refresh);
}

const Machine* MachineCatalog::find(const std::string& name) const {
    const auto found =
        std::find_if(machines_.begin(), machines_.end(),
                     [&name](const Machine& machine) { return machine.name == name; });
    return found == machines_.end() ? nullptr : &*found;
}

std::string MachineCatalog::add(const Machine& machine) {
    return apply({std::nullopt, machine});
}

std::string MachineCatalog::replace(std::size_t index, const Machine& machine) {
    return apply({machines_.at(index), machine});
}

std::string MachineCatalog::remove(std::size_t index) {
    return apply({machines_.at(index), std::nullopt});
}

std::string MachineCatalog::apply(const LibraryChange& change) {
    ChangedLibrary changed = changeLibrary(path_, change);
    if (changed.machines) {
        take(std::move(*changed.machines));
    }
    watch_->follow(); // the first save makes the folder
    return changed.error;
}

void MachineCatalog::take(std::vector<Machine> machines) {
    if (machines != machines_) {
        machines_ = std::move(machines);
        emit changed();
    }
}

void MachineCatalog::refresh() {
    // Only looked at: a file another program is writing is not moved aside from under it.
    LoadedLibrary loaded = loadLibrary(path_, DamagedLibrary::Keep);
    if (loaded.state == LibraryState::Read) {
        take(std::move(loaded.machines));
    }
}
