#include "core/files/reportfile.h"

#include <cerrno>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <optional>
#include <stdlib.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;

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

bool writeAll(int fd, const std::string& bytes) {
    const char* next = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, next, left);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        next += written;
        left -= static_cast<std::size_t>(written);
    }
    return true;
}

// The permissions an ordinary new file gets: everybody may read and write, less the umask.
mode_t newFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return static_cast<mode_t>(0666 & ~mask);
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

} // namespace

bool writeFileBytes(const fs::path& path, const std::string& bytes) {
    // The bytes go to a file of a name nobody else has, in the same folder, and only when they
    // are all on the disk does one rename put that file in the place of `path`.
    const fs::path folder = folderOf(path);
    std::string staging = (folder / ".rezhim-XXXXXX").string();
    const int fd = ::mkostemp(staging.data(), O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    bool written = ::fchmod(fd, newFileMode()) == 0 && writeAll(fd, bytes) && ::fsync(fd) == 0;
    written = ::close(fd) == 0 && written;
    if (written && ::rename(staging.c_str(), path.c_str()) == 0) {
        syncFolder(folder);
        return true;
    }
    ::unlink(staging.c_str());
    return false;
}

MoveResult moveReport(const fs::path& working, const fs::path& target,
                      const std::string& expected) {
    std::error_code error;
    if (!fs::is_regular_file(working, error) || readFileBytes(working) != expected) {
        return MoveResult::SourceChanged;
    }
    // The file that becomes the report: the target itself, or the regular file a link there
    // points to, the link staying a link. Anything else in the way is left alone.
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
    fs::rename(working, destination, error);
    if (!error) {
        syncFolder(folderOf(destination));
        return MoveResult::Moved;
    }
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
