// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/machine/machinelibrary.h"

#include <QObject>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

class LibraryWatch;

// The machine library while the program runs: the windows' machine choices follow it, the
// "СТАНКИ" dialog edits it. Other programs may share the file: every change is made to the file
// as it is then, under its lock, and the list follows the file when another program saves it.
class MachineCatalog : public QObject {
    Q_OBJECT
public:
    // Reads the library file; loadProblem() then says if it could not be used.
    explicit MachineCatalog(std::filesystem::path path, QObject* parent = nullptr);

    const std::vector<Machine>& machines() const { return machines_; }
    const Machine* find(const std::string& name) const;
    const std::string& loadProblem() const { return loadProblem_; }
    const std::filesystem::path& path() const { return path_; }

    // Each returns why the change was refused (bad data, a duplicate name, a file that cannot be
    // read or written, a machine another program has changed or deleted since this list was
    // read), or an empty text once the change is saved. Either way the list is then what the
    // file holds.
    std::string add(const Machine& machine);
    std::string replace(std::size_t index, const Machine& machine);
    std::string remove(std::size_t index);

signals:
    void changed();

private:
    std::string apply(const LibraryChange& change);
    void take(std::vector<Machine> machines);
    void refresh();

    std::filesystem::path path_;
    std::vector<Machine> machines_;
    std::string loadProblem_;
    LibraryWatch* watch_ = nullptr;
};
