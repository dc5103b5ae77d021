// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QTimer>
#include <filesystem>

class QFileSystemWatcher;

// Tells when another program has saved a library file of the user's, so that the lists shown
// follow it without a restart.
class LibraryWatch : public QObject {
    Q_OBJECT
public:
    explicit LibraryWatch(std::filesystem::path path, QObject* parent = nullptr);

    // Watches what there is now: the first save makes the file and its folder.
    void follow();

signals:
    // Once for the burst of events a save makes (its temporary file, the rename).
    void saved();

private:
    std::filesystem::path path_;
    QFileSystemWatcher* watcher_ = nullptr;
    QTimer soon_;
};
