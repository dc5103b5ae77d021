// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/cli/commandline.h"
#include "core/files/libraryfile.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

// A library a command reads (the machines, the coefficient rows of cutting speed): the file named
// on the command line, which must be there and is left as it is when damaged, since it is the
// user's; or the user's own, which may not exist yet and is set aside when damaged, as the windows
// do with it.
struct LibraryArgument {
    std::filesystem::path path;
    std::string error;            // why the library cannot be used; empty when it can
    ExitCode code = exitComputed; // with an error: exitUsage when unreadable, else exitRefused
};
using LibraryLoad =
    std::function<LibraryRead(const std::filesystem::path& path, DamagedLibrary damaged)>;
LibraryArgument readLibraryArgument(const std::optional<std::string_view>& file,
                                    const std::filesystem::path& own, const LibraryLoad& load);
