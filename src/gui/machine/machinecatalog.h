#pragma once

#include "core/machine/machinelibrary.h"

#include <QObject>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// The machine library while the program runs: the windows' machine choices follow it, the
// "СТАНКИ" dialog edits it, and every change is written to the file before it is taken.
class MachineCatalog : public QObject {
    Q_OBJECT
public:
    // Reads the library file; loadProblem() then says if it had to be set aside.
    explicit MachineCatalog(std::filesystem::path path, QObject* parent = nullptr);

    const std::vector<Machine>& machines() const { return machines_; }
    const Machine* find(const std::string& name) const;
    const std::string& loadProblem() const { return loadProblem_; }
    const std::filesystem::path& path() const { return path_; }

    // Each returns why the change was refused (bad data, a duplicate name, a file that cannot be
    // written), or an empty text once the change is saved.
    std::string add(const Machine& machine);
    std::string replace(std::size_t index, const Machine& machine);
    std::string remove(std::size_t index);

signals:
    void changed();

private:
    std::string commit(std::vector<Machine> machines);

    std::filesystem::path path_;
    std::vector<Machine> machines_;
    std::string loadProblem_;
};
