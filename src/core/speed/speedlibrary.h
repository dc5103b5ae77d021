// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/files/libraryfile.h"
#include "core/speed/speedrow.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// The user's coefficient rows of cutting speed, kept beside the machines and shared as they are:
// $XDG_CONFIG_HOME/rezhim/speeds.json. Without the file the library is empty, and nothing is
// written until a row is added.
std::filesystem::path defaultSpeedLibraryPath();

struct LoadedSpeedRows {
    std::vector<SpeedRow> rows;
    std::string problem; // why the file could not be used; empty when it was
    LibraryState state = LibraryState::Read;
};
LoadedSpeedRows loadSpeedRows(const std::filesystem::path& path,
                              DamagedLibrary damaged = DamagedLibrary::SetAside);

// A row added (`before` empty), replaced, or deleted (`after` empty), as a machine is.
struct SpeedRowsChange {
    std::optional<SpeedRow> before;
    std::optional<SpeedRow> after;
};
struct ChangedSpeedRows {
    std::string error; // why nothing was written; empty once it is
    // What the file holds now, changed or not; none when it could not be read.
    std::optional<std::vector<SpeedRow>> rows;
};
ChangedSpeedRows changeSpeedRows(const std::filesystem::path& path, const SpeedRowsChange& change);

// Rows brought in at once (an imported table): each replaces the row of its name or joins the
// library; every other row stays as it is. All of them are written in one change, or none.
ChangedSpeedRows importSpeedRows(const std::filesystem::path& path,
                                 const std::vector<SpeedRow>& rows);
