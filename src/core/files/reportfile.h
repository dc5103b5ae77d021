#pragma once

#include <filesystem>
#include <optional>
#include <string>

// The working file the report is first written to, in the current folder, before the user picks
// where it goes.
inline constexpr const char* workingReportName = "noname.txt";

// The whole file as bytes; nothing when it cannot be read.
std::optional<std::string> readFileBytes(const std::filesystem::path& path);

// Writes `bytes` as the file, created anew, in one step: they go to a file of a unique name in the
// same folder, which then replaces `path`. False when they cannot be written completely; then
// `path` is as it was, and nothing is left of the attempt.
bool writeFileBytes(const std::filesystem::path& path, const std::string& bytes);

enum class MoveResult {
    Moved,
    SourceChanged, // the working file is gone or is no longer the report just written
    Failed,        // the target cannot be written; the working file stays where it is
};

// Moves the working file to `target` if it still holds exactly `expected`, replacing an existing
// target in one step, so that at every moment one of the two files holds the report. A target
// that is a link to a regular file is written through: the file it points to becomes the report
// and the link stays. Any other target that is not a regular file (a folder, a dangling link, a
// pipe, a device) fails and is left as it is. Across file systems the report is copied under a
// unique name next to the target first and then renamed over it.
MoveResult moveReport(const std::filesystem::path& working, const std::filesystem::path& target,
                      const std::string& expected);
