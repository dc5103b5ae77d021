// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/machine/machinecatalog.h"

#include <QFileSystemWatcher>
#include <algorithm>

MachineCatalog::MachineCatalog(std::filesystem::path path, QObject* parent)
    : QObject(parent)
    , path_(std::move(path))
    , watcher_(new QFileSystemWatcher(this)) {
    LoadedLibrary loaded = loadLibrary(path_);
    machines_ = std::move(loaded.machines);
    loadProblem_ = std::move(loaded.problem);
    refreshSoon_.setSingleShot(true);
    refreshSoon_.setInterval(20);
    connect(&refreshSoon_, &QTimer::timeout, this, &MachineCatalog::refresh);
    const auto soon = [this] { refreshSoon_.start(); };
    connect(watcher_, &QFileSystemWatcher::fileChanged, this, soon);
    connect(watcher_, &QFileSystemWatcher::directoryChanged, this, soon);
    watch();
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
    watch(); // the first save makes the folder
    return changed.error;
}

void MachineCatalog::take(std::vector<Machine> machines) {
    if (machines != machines_) {
        machines_ = std::move(machines);
        emit changed();
    }
}

void MachineCatalog::watch() {
    // A save replaces the file by a rename, which its folder reports; the file itself is watched
    // for writes in place. Until the folder is made, its nearest parent tells when it appears.
    std::error_code ignored;
    std::filesystem::path folder = path_.parent_path();
    while (!std::filesystem::exists(folder, ignored) && folder.has_relative_path()) {
        folder = folder.parent_path();
    }
    QStringList wanted;
    if (!folder.empty()) {
        wanted << QString::fromStdString(folder.string());
    }
    if (std::filesystem::exists(path_, ignored)) {
        wanted << QString::fromStdString(path_.string());
    }
    const QStringList watched = watcher_->files() + watcher_->directories();
    for (const QString& name : watched) {
        if (!wanted.contains(name)) {
            watcher_->removePath(name);
        }
    }
    for (const QString& name : wanted) {
        if (!watched.contains(name)) {
            watcher_->addPath(name);
        }
    }
}

void MachineCatalog::refresh() {
    watch();
    // Only looked at: a file another program is writing is not moved aside from under it.
    LoadedLibrary loaded = loadLibrary(path_, DamagedLibrary::Keep);
    if (loaded.state == LibraryState::Read) {
        take(std::move(loaded.machines));
    }
}
