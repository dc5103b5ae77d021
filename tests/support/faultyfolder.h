// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sched.h>
#include <string>
#include <sys/mount.h>
#include <sys/types.h>
#include <unistd.h>
#include <utility>

// A folder on a small memory file system of its own that fails as a real disk does: mounted
// read-only, so that nobody, root included, can write there, or full to the last byte. File
// permissions cannot make such a fault for root, who writes everywhere.
//
// The file system is mounted in a mount namespace private to this test process: nothing outside
// the process sees it, and it is gone when the process ends. CTest runs each test as a process
// of its own. The namespace belongs to the calling thread; the tests do their file work on it.
// Root makes the namespace directly; anybody else first enters a user namespace, where they are
// root over their own files only.
class FaultyFolder {
public:
    enum class Fault {
        None,     // an ordinary writable file system, just not the one the rest is on
        ReadOnly, // every write fails with "read-only file system"
        Full,     // there is room for names, not for a single byte more
    };

    // Mounts the file system over `path`, an existing folder; failure() says why it could not.
    FaultyFolder(std::string path, Fault fault)
        : path_(std::move(path)) {
        if (const std::string why = enterPrivateMountNamespace(); !why.empty()) {
            failure_ = why;
            return;
        }
        const unsigned long flags =
            MS_NOSUID | MS_NODEV | (fault == Fault::ReadOnly ? MS_RDONLY : 0);
        const char* options = fault == Fault::Full ? "size=8k,mode=0777" : "size=1m,mode=0777";
        if (mount("rezhim-test", path_.c_str(), "tmpfs", flags, options) != 0) {
            failure_ =
                "cannot mount a memory file system on " + path_ + ": " + std::strerror(errno);
            return;
        }
        mounted_ = true;
        if (fault == Fault::Full && !fill()) {
            failure_ = "cannot fill " + path_ + ": " + std::strerror(errno);
        }
    }
    ~FaultyFolder() {
        if (mounted_) {
            umount2(path_.c_str(), MNT_DETACH); // even if a file or the current folder is in it
        }
    }
    FaultyFolder(const FaultyFolder&) = delete;
    FaultyFolder& operator=(const FaultyFolder&) = delete;

    // Empty when the folder is ready with its fault.
    const std::string& failure() const { return failure_; }

    // Writes the file "filler" until the file system refuses the next byte: a disk that fills up
    // while the program uses it.
    bool fill() const {
        const std::string filler = path_ + "/filler";
        const int fd = open(filler.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (fd < 0) {
            return false;
        }
        const std::string block(1024, 'x');
        while (write(fd, block.data(), block.size()) > 0) {
        }
        const int error = errno;
        close(fd);
        errno = error;
        return error == ENOSPC;
    }

private:
    // One namespace for the whole process, made the first time a faulty folder is asked for.
    static std::string enterPrivateMountNamespace() {
        static const std::string failure = [] {
            const uid_t uid = geteuid();
            const gid_t gid = getegid();
            if (uid == 0) {
                if (unshare(CLONE_NEWNS) != 0) {
                    return "cannot make a mount namespace (unshare CLONE_NEWNS as root): " +
                           std::string(std::strerror(errno)) +
                           "; a container needs CAP_SYS_ADMIN for this test";
                }
            } else {
                if (unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0) {
                    return "cannot make a user and mount namespace (unshare): " +
                           std::string(std::strerror(errno)) +
                           "; the process must have one thread and the system must allow "
                           "unprivileged user namespaces";
                }
                // Inside, this process is root, mapped onto the user who runs the tests.
                if (!writeProcFile("/proc/self/setgroups", "deny") ||
                    !writeProcFile("/proc/self/uid_map", "0 " + std::to_string(uid) + " 1") ||
                    !writeProcFile("/proc/self/gid_map", "0 " + std::to_string(gid) + " 1")) {
                    return "cannot map the user into the user namespace: " +
                           std::string(std::strerror(errno));
                }
            }
            // Mounts made from now on stay in this namespace and do not reach the host.
            if (mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) {
                return "cannot make the mounts private: " + std::string(std::strerror(errno));
            }
            return std::string();
        }();
        return failure;
    }

    static bool writeProcFile(const char* file, const std::string& text) {
        const int fd = open(file, O_WRONLY);
        if (fd < 0) {
            return false;
        }
        const bool written =
            write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
        close(fd);
        return written;
    }

    std::string path_;
    std::string failure_;
    bool mounted_ = false;
};
