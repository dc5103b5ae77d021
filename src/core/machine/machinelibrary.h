#pragma once

#include "core/machine/machine.h"

#include <filesystem>
#include <string>
#include <vector>

// The user's machines, kept in one JSON file that the windows and the command line share:
// $XDG_CONFIG_HOME/rezhim/machines.json, or ~/.config/rezhim/machines.json.
std::filesystem::path defaultLibraryPath();

struct LoadedLibrary {
    std::vector<Machine> machines;
    // Set when the file could not be used: it says why, with its path and where it was moved.
    std::string problem;
};

// The machines of the file; none, without a problem, when there is no file yet. A file that does
// not parse or holds bad data is set aside under a new name beside it (never overwriting
// anything), and the library starts empty.
LoadedLibrary loadLibrary(const std::filesystem::path& path);

// Writes the file in one step (a temporary file renamed over it), creating its folder. False
// when it cannot be written; the file is then as it was.
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
