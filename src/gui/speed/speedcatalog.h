// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/speed/speedlibrary.h"

#include <QObject>
#include <filesystem>
#include <string>
#include <vector>

class LibraryWatch;

// The user's coefficient rows of cutting speed while the program runs: the windows' speed
// service reads them, the library window edits them. Shared with other programs as the machines
// are: every change is made to the file as it is then, and the list follows the file when
// another program saves it.
class SpeedCatalog : public QObject {
    Q_OBJECT
public:
    explicit SpeedCatalog(std::filesystem::path path, QObject* parent = nullptr);

    const std::vector<SpeedRow>& rows() const { return rows_; }
    const std::string& loadProblem() const { return loadProblem_; }
    const std::filesystem::path& path() const { return path_; }

    // Each returns why the change was refused, or an empty text once it is saved; either way the
    // list is then what the file holds.
    std::string add(const SpeedRow& row);
    std::string replace(std::size_t index, const SpeedRow& row);
    std::string remove(std::size_t index);
    std::string import(const std::vector<SpeedRow>& rows);

signals:
    void changed();

private:
    std::string take(ChangedSpeedRows result);
    void refresh();

    std::filesystem::path path_;
    std::vector<SpeedRow> rows_;
    std::string loadProblem_;
    LibraryWatch* watch_ = nullptr;
};
