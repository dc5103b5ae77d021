// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/cli/libraryargument.h"

LibraryArgument readLibraryArgument(const std::optional<std::string_view>& file,
                                    const std::filesystem::path& own, const LibraryLoad& load) {
    LibraryArgument out;
    out.path = file ? std::filesystem::path(*file) : own;
    std::error_code ignored;
    if (file && !std::filesystem::exists(out.path, ignored)) {
        out.error = "НЕ УДАЁТСЯ ПРОЧИТАТЬ ФАЙЛ: " + out.path.string() + "!!!";
        out.code = exitUsage;
        return out;
    }
    const LibraryRead read = load(out.path, file ? DamagedLibrary::Keep : DamagedLibrary::SetAside);
    if (!read.problem.empty()) {
        out.error = read.problem;
        out.code = read.state == LibraryState::Unreadable ? exitUsage : exitRefused;
    }
    return out;
}
