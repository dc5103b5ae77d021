// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/files/libraryfile.h"
#include "core/machine/machine.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// The user's machines, kept in one JSON file that the windows and the command line share:
// $XDG_CONFIG_HOME/rezhim/machines.json, or ~/.config/rezhim/machines.json.
std::filesystem::path defaultLibraryPath();

struct LoadedLibrary {
    std::vector<Machine> machines;
    // Set when the file could not be used: it says why, with its path and where it was moved.
    std::string problem;
    LibraryState state = LibraryState::Read;
};

// The machines of the file; none, without a problem, when there is no file yet. Only a regular
// file is read, and only up to libraryFileLimit. A damaged file set aside gets a new name beside
// it (never overwriting anything), and the library starts empty.
LoadedLibrary loadLibrary(const std::filesystem::path& path,
                          DamagedLibrary damaged = DamagedLibrary::SetAside);

// One change of the library by one of several programs sharing the file: a machine added
// (`before` empty), replaced, or deleted (`after` empty). Under a lock on `path` + ".lock" the
// file is read again, the change is made to what it now holds and the file is written in one
// step, so that the changes of other programs since this one last read it are kept. `before` is
// the machine as this program last read it: one that another program has changed or deleted
// since is not overwritten, and the change is refused. So is a change that would make the file
// larger than libraryFileLimit, which no program could then read; nothing is written.
struct LibraryChange {
    std::optional<Machine> before;
    std::optional<Machine> after;
};
struct ChangedLibrary {
    std::string error; // why the change was refused; empty once it is written
    // What the file holds now, changed or not; none when it could not be read.
    std::optional<std::vector<Machine>> machines;
};
ChangedLibrary changeLibrary(const std::filesystem::path& path, const LibraryChange& change);

// Writes the file in one step (a temporary file renamed over it), creating its folder. False
// when it cannot be written or would be larger than libraryFileLimit; the file is then as it was.
bool saveLibrary(const std::filesystem::path& path, const std::vector<Machine>& machines);

// Why the machine cannot join or replace entry `replacing` of the library (a duplicate name or
// bad data); empty when it can.
std::string libraryError(const std::vector<Machine>& machines, const Machine& machine,
                         std::optional<std::size_t> replacing);

// The JSON text of the machines, and back; the reader's problem says what is wrong.
std::string libraryJson(const std::vector<Machine>& machines);
struct ParsedLibrary {
    std::vector<Machine> machines;
    std::string problem;
};
ParsedLibrary parseLibraryJson(const std::string& text);
