#pragma once

#include <filesystem>
#include <string>

// The working file the report is first written to, in the current folder, before the user picks
// where it goes.
inline constexpr const char* workingReportName = "noname.txt";

// Writes `bytes` as the file, created anew; false when it cannot be written completely.
bool writeFileBytes(const std::filesystem::path& path, const std::string& bytes);

enum class MoveResult {
    Moved,
    SourceChanged, // the working file is gone or is no longer the report just written
    Failed,        // the target cannot be written; the working file stays where it is
};

// Moves the working file to `target` if it still holds exactly `expected`, replacing an existing
// target in one step, so that at every moment one of the two files holds the report. Across file
// systems the report is copied next to the target first and then renamed over it.
MoveResult moveReport(const std::filesystem::path& working, const std::filesystem::path& target,
                      const std::string& expected);
