// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/reportfile.h"

#include <atomic>
#include <cerrno>
#include <charconv>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <optional>
#include <stdlib.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <utility>

namespace fs = std::filesystem;

Descriptor::~Descriptor() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

std::optional<std::string> readFileBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) {
        return std::nullopt;
    }
    return bytes;
}

namespace {

fs::path folderOf(const fs::path& path) {
    const fs::path folder = path.parent_path();
    return folder.empty() ? fs::path(".") : folder;
}

// The permissions an ordinary new file gets: everybody may read and write, less the umask.
mode_t newFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return static_cast<mode_t>(0666 & ~mask);
}

// Gives the open file the permissions and the owner of `existing`, the file it is to replace, or
// the permissions of a new file. False when the permissions cannot be set.
bool takeAttributes(int fd, const struct stat* existing) {
    if (existing != nullptr && ::fchown(fd, existing->st_uid, existing->st_gid) != 0) {
        // Only root may give a file away; anybody else's copy stays theirs.
    }
    return ::fchmod(fd, existing != nullptr ? existing->st_mode & 07777 : newFileMode()) == 0;
}

// Makes a rename in the folder survive a power cut; a folder that cannot be synced is no failure
// of the write itself.
void syncFolder(const fs::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// Follows the links of `path` one by one, each relative to its own folder, until `stop` takes
// the path reached or it is no link: the path reached then. Nothing for a loop.
template <class Stop> std::optional<fs::path> followLinks(fs::path path, const Stop& stop) {
    constexpr int mostLinks = 40; // as the system follows them
    for (int link = 0; link < mostLinks; ++link) {
        std::error_code error;
        if (stop(path) || !fs::is_symlink(fs::symlink_status(path, error))) {
            return path;
        }
        const fs::path pointed = fs::read_symlink(path, error);
        if (error) {
            return std::nullopt;
        }
        path = folderOf(path) / pointed; // an absolute `pointed` replaces the folder
    }
    return std::nullopt;
}

// The file a write to `path` goes to: each link followed, so that the link stays and the file it
// points to, existing or not, gets the bytes.
std::optional<fs::path> linkedFile(const fs::path& path) {
    return followLinks(path, [](const fs::path&) { return false; });
}

// The descriptor `name` stands for among the names the system gives a process's own descriptors;
// nothing for any other name.
std::optional<int> descriptorOfName(const std::string& name) {
    static const std::string ownProcess = [] {
        char digits[16];
        char* const end = std::to_chars(digits, digits + sizeof digits, ::getpid()).ptr;
        return "/proc/" + std::string(digits, static_cast<std::size_t>(end - digits)) + "/fd/";
    }();
    for (const auto& [standard, fd] : {std::pair<std::string_view, int>{"/dev/stdin", 0},
                                       {"/dev/stdout", 1},
                                       {"/dev/stderr", 2}}) {
        if (name == standard) {
            return fd;
        }
    }
    for (const std::string_view folder :
         {std::string_view("/dev/fd/"), std::string_view("/proc/self/fd/"),
          std::string_view("/proc/thread-self/fd/"), std::string_view(ownProcess)}) {
        if (name.starts_with(folder)) {
            const char* const first = name.data() + folder.size();
            const char* const last = name.data() + name.size();
            int fd = -1;
            const auto [end, error] = std::from_chars(first, last, fd);
            if (error == std::errc() && end == last && fd >= 0) {
                return fd;
            }
        }
    }
    return std::nullopt;
}

// The descriptor of this process that `path` names, through any links to its name; nothing when
// it names none, or one that is not open.
std::optional<int> openDescriptorNamed(const fs::path& path) {
    std::optional<int> fd;
    followLinks(path, [&fd](const fs::path& reached) {
        std::error_code error;
        const fs::path absolute = fs::absolute(reached, error);
        fd = error ? std::nullopt : descriptorOfName(absolute.lexically_normal().string());
        return fd.has_value();
    });
    return fd && ::fcntl(*fd, F_GETFL) != -1 ? fd : std::nullopt;
}

// The hidden files being written, where a signal handler can find them without allocating or
// locking: each name in a fixed buffer, visible once complete.
struct StagedSlot {
    enum State : int { Free, Claimed, Named };
    std::atomic<int> state = Free;
    char path[PATH_MAX] = {};
};
static_assert(std::atomic<int>::is_always_lock_free, "read from a signal handler");
// More than any program writes at once; a file beyond them is only not removed on a signal.
StagedSlot stagedSlots[8];

int registerStaged(const std::string& path) {
    if (path.size() >= PATH_MAX) {
        return -1;
    }
    for (int slot = 0; slot < static_cast<int>(std::size(stagedSlots)); ++slot) {
        int expected = StagedSlot::Free;
        if (stagedSlots[slot].state.compare_exchange_strong(expected, StagedSlot::Claimed)) {
            std::memcpy(stagedSlots[slot].path, path.c_str(), path.size() + 1);
            stagedSlots[slot].state.store(StagedSlot::Named, std::memory_order_release);
            return slot;
        }
    }
    return -1;
}

} // namespace

void removeStagedOutputs() noexcept {
    for (StagedSlot& slot : stagedSlots) {
        if (slot.state.load(std::memory_order_acquire) == StagedSlot::Named) {
            ::unlink(slot.path);
        }
    }
}

OutputFile::OutputFile(const fs::path& path) {
    if (const std::optional<int> fd = openDescriptorNamed(path)) {
        // Written where the descriptor stands, through a copy of it that closing leaves it open.
        const int copy = ::fcntl(*fd, F_DUPFD_CLOEXEC, 0);
        if (copy >= 0 && (stream_ = ::fdopen(copy, "wb")) == nullptr) {
            ::close(copy);
        }
        return;
    }
    // The path itself, not the links, tells what is there: a link to a device stays a device.
    struct stat existing {};
    if (::stat(path.c_str(), &existing) == 0) {
        if (S_ISCHR(existing.st_mode) || S_ISFIFO(existing.st_mode)) {
            const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
            if (fd >= 0 && (stream_ = ::fdopen(fd, "wb")) == nullptr) {
                ::close(fd);
            }
            return;
        }
        if (!S_ISREG(existing.st_mode)) {
            return;
        }
    } else if (errno != ENOENT) {
        return;
    }
    if (const std::optional<fs::path> target = linkedFile(path)) {
        openStaged(*target, S_ISREG(existing.st_mode) ? &existing : nullptr);
    }
}

void OutputFile::openStaged(const fs::path& target, const struct stat* existing) {
    // A name nobody else has, in the folder of the target, so that one rename replaces it.
    std::string staging = (folderOf(target) / ".rezhim-XXXXXX").string();
    const int fd = ::mkostemp(staging.data(), O_CLOEXEC);
    if (fd < 0) {
        return;
    }
    staging_ = staging;
    target_ = target;
    stagedSlot_ = registerStaged(staging);
    if (!takeAttributes(fd, existing) || (stream_ = ::fdopen(fd, "wb")) == nullptr) {
        ::close(fd);
        discard();
    }
}

OutputFile::~OutputFile() {
    discard();
}

void OutputFile::discard() {
    if (stream_ != nullptr) {
        std::fclose(stream_);
        stream_ = nullptr;
    }
    if (!staging_.empty()) {
        ::unlink(staging_.c_str());
        staging_.clear();
    }
    releaseStagedSlot();
}

void OutputFile::releaseStagedSlot() {
    // Only once the name is gone (removed or renamed), so that a signal at any moment before
    // finds it; unlinking a name already gone does nothing.
    if (stagedSlot_ >= 0) {
        stagedSlots[stagedSlot_].state.store(StagedSlot::Free, std::memory_order_release);
        stagedSlot_ = -1;
    }
}

bool OutputFile::commit() {
    if (stream_ == nullptr) {
        return false;
    }
    bool written = std::fflush(stream_) == 0 && !std::ferror(stream_);
    if (staging_.empty()) { // a device or a pipe: nothing to put in place
        written = std::fclose(std::exchange(stream_, nullptr)) == 0 && written;
        return written;
    }
    written = written && ::fsync(::fileno(stream_)) == 0;
    written = std::fclose(std::exchange(stream_, nullptr)) == 0 && written;
    if (!written || ::rename(staging_.c_str(), target_.c_str()) != 0) {
        discard();
        return false;
    }
    staging_.clear();
    releaseStagedSlot();
    syncFolder(folderOf(target_));
    return true;
}

bool writeFileBytes(const fs::path& path, const std::string& bytes) {
    OutputFile file(path);
    return file.stream() != nullptr &&
           std::fwrite(bytes.data(), 1, bytes.size(), file.stream()) == bytes.size() &&
           file.commit();
}

MoveResult moveReport(const fs::path& working, const fs::path& target,
                      const std::string& expected) {
    // The working file itself, never what a link or a pipe put in its place leads to.
    const Descriptor report(
        ::open(working.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    struct stat own {};
    if (report.get() < 0 || ::fstat(report.get(), &own) != 0 || !S_ISREG(own.st_mode) ||
        readFileBytes(working) != expected) {
        return MoveResult::SourceChanged;
    }
    // The file that becomes the report: the target itself, or the regular file a link there
    // points to, the link staying a link. Anything else in the way is left alone.
    std::error_code error;
    fs::path destination = target;
    const fs::file_status entry = fs::symlink_status(target, error);
    if (fs::is_symlink(entry)) {
        if (!fs::is_regular_file(fs::status(target, error))) {
            return MoveResult::Failed;
        }
        destination = fs::canonical(target, error);
        if (error) {
            return MoveResult::Failed;
        }
    } else if (fs::exists(entry) && !fs::is_regular_file(entry)) {
        return MoveResult::Failed;
    }
    // The report has the permissions of the file it becomes before it takes that file's name, so
    // that a read-only file stays read-only and a new one is not private as the working file is.
    struct stat replaced {};
    const bool replacing = ::stat(destination.c_str(), &replaced) == 0;
    if (takeAttributes(report.get(), replacing ? &replaced : nullptr)) {
        fs::rename(working, destination, error);
        if (!error) {
            syncFolder(folderOf(destination));
            return MoveResult::Moved;
        }
    }
    takeAttributes(report.get(), &own); // the working file that stays is private again
    if (error != std::errc::cross_device_link) {
        return MoveResult::Failed;
    }
    // Another file system: a full copy beside the destination, then one rename over it.
    if (!writeFileBytes(destination, expected)) {
        return MoveResult::Failed;
    }
    fs::remove(working, error);
    return MoveResult::Moved;
}

fs::path workingReportFolder() {
    const char* folder = std::getenv("TMPDIR");
    return folder != nullptr && *folder != '\0' ? fs::path(folder) : fs::path("/tmp");
}

WorkingReport::WorkingReport(fs::path path, std::string bytes, int fd, const struct stat& made)
    : path_(std::move(path))
    , bytes_(std::move(bytes))
    , file_(fd)
    , device_(made.st_dev)
    , inode_(made.st_ino) {}

std::unique_ptr<WorkingReport> WorkingReport::write(const std::string& bytes) {
    // Made anew under a name nothing has, readable by its owner only.
    std::string path = (workingReportFolder() / "rezhim-report-XXXXXX").string();
    const int fd = ::mkostemp(path.data(), O_CLOEXEC);
    if (fd < 0) {
        return nullptr;
    }
    struct stat made {};
    bool written = ::fstat(fd, &made) == 0;
    for (std::size_t done = 0; written && done < bytes.size();) {
        const ssize_t got = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        written = got > 0;
        done += written ? static_cast<std::size_t>(got) : 0;
    }
    if (!written) {
        ::close(fd);
        ::unlink(path.c_str());
        return nullptr;
    }
    return std::unique_ptr<WorkingReport>(new WorkingReport(path, bytes, fd, made));
}

WorkingReport::~WorkingReport() {
    // Only the file made here: whatever another program has put under its name since is not ours.
    struct stat now {};
    if (::lstat(path_.c_str(), &now) == 0 && now.st_dev == device_ && now.st_ino == inode_) {
        ::unlink(path_.c_str());
    }
}

MoveResult WorkingReport::moveTo(const fs::path& target) const {
    return moveReport(path_, target, bytes_);
}
