// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <sys/types.h>

// A file descriptor closed when it goes out of scope.
class Descriptor {
public:
    explicit Descriptor(int fd)
        : fd_(fd) {}
    ~Descriptor();
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

// The whole file as bytes; nothing when it cannot be read.
std::optional<std::string> readFileBytes(const std::filesystem::path& path);

// A file written whole or not at all. What is written goes to a file of a unique name in the
// folder of the file `path` names, which replaces it in one rename once everything is on the disk;
// until then, and after any failure, the earlier file is as it was and nothing is left of the
// attempt. A link is written through: the file it points to is replaced and the link stays. The
// replaced file keeps its permissions (and its owner, where the system allows). A character
// device or a pipe (/dev/null, a terminal, a named pipe) is written to directly, as it cannot be
// replaced; anything else that is not a file (a folder) cannot be opened. A name of a descriptor
// the program already has open (/dev/stdout, /dev/stderr, /dev/fd/N, /proc/self/fd/N) is written
// through that descriptor, where it stands: the shell opened it, appending to a log or after a
// header, and neither a rename nor opening it again (with O_TRUNC) may replace what it holds.
//
// While it is written, the hidden file's name is kept where removeStagedOutputs() finds it.
class OutputFile {
public:
    explicit OutputFile(const std::filesystem::path& path);
    ~OutputFile(); // what is not committed is thrown away
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    // Where to write; nullptr when the file cannot be opened.
    std::FILE* stream() const { return stream_; }
    // Puts what is written in place; false when any of it could not be written.
    bool commit();

private:
    void openStaged(const std::filesystem::path& target, const struct stat* existing);
    void discard();
    void releaseStagedSlot();

    std::FILE* stream_ = nullptr;
    std::filesystem::path target_;  // the file replaced, links followed
    std::filesystem::path staging_; // empty when written directly
    int stagedSlot_ = -1;           // where a signal handler finds staging_; -1 when nowhere
};

// Removes the hidden file of every OutputFile being written, for a signal handler that ends the
// program: it only reads names kept in fixed buffers and calls unlink(), so it is
// async-signal-safe, whichever thread it interrupts. The earlier files stay as they were.
void removeStagedOutputs() noexcept;

// Writes `bytes` as the file through an OutputFile. False when they cannot be written completely;
// then `path` is as it was, and nothing is left of the attempt.
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
// unique name next to the target first and then renamed over it. Either way the report gets the
// permissions (and, where the system allows, the owner) of the file it replaces, or those of a
// new file (0666 less the umask), never the working file's own; a working file that stays keeps
// its own.
MoveResult moveReport(const std::filesystem::path& working, const std::filesystem::path& target,
                      const std::string& expected);

// The folder of the working files: $TMPDIR, or /tmp where it is not set.
std::filesystem::path workingReportFolder();

// The report of "СОХРАНИТЬ" while the user picks where it goes: a file of the program's own in
// workingReportFolder(), made under a name no other file has (so that no file of the user's is
// hit and two programs saving at once never share one) and readable by its owner only. It is
// removed with this object unless it has been moved to the user's file by then.
class WorkingReport {
public:
    // A new working file holding `bytes`; nullptr when it cannot be written in full, and then
    // nothing is left of it.
    static std::unique_ptr<WorkingReport> write(const std::string& bytes);
    ~WorkingReport();
    WorkingReport(const WorkingReport&) = delete;
    WorkingReport& operator=(const WorkingReport&) = delete;

    const std::filesystem::path& path() const { return path_; }
    const std::string& bytes() const { return bytes_; }
    // moveReport of this report to `target`.
    MoveResult moveTo(const std::filesystem::path& target) const;

private:
    WorkingReport(std::filesystem::path path, std::string bytes, int fd, const struct stat& made);

    std::filesystem::path path_;
    std::string bytes_;
    // Held open, so that its inode number cannot pass to another file while the file is told by it.
    Descriptor file_;
    dev_t device_;
    ino_t inode_;
};
