// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/common/librarywatch.h"

#include <QFileSystemWatcher>

LibraryWatch::LibraryWatch(std::filesystem::path path, QObject* parent)
    : QObject(parent)
    , path_(std::move(path))
    , watcher_(new QFileSystemWatcher(this)) {
    soon_.setSingleShot(true);
    soon_.setInterval(20);
    connect(&soon_, &QTimer::timeout, this, [this] {
        follow();
        emit saved();
    });
    const auto later = [this] { soon_.start(); };
    connect(watcher_, &QFileSystemWatcher::fileChanged, this, later);
    connect(watcher_, &QFileSystemWatcher::directoryChanged, this, later);
    follow();
}

void LibraryWatch::follow() {
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
