// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/libraryfile.h"

#include "core/files/reportfile.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <optional>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A name beside `path` that nothing has yet: machines.json.damaged, machines.json.damaged-2, …
// The rename refuses to replace anything, so nothing can be lost even in a race.
std::optional<std::filesystem::path> setAside(const std::filesystem::path& path) {
    for (int attempt = 1; attempt < 1000; ++attempt) {
        std::filesystem::path target = path;
        target += attempt == 1 ? ".damaged" : ".damaged-" + std::to_string(attempt);
        if (::renameat2(AT_FDCWD, path.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0) {
            return target;
        }
        if (errno != EEXIST) {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

// What a file too large for the reader is, in the words of its messages.
std::string largerThanTheLimit() {
    return "БОЛЬШЕ " + std::to_string(libraryFileLimit >> 20) + " МБ";
}

// Why the open file cannot be read as the library, or its bytes in `text`. The file is looked
// at through the descriptor, not the name, so that what is checked is what is read.
std::string readOpenFile(int fd, std::string& text) {
    struct stat status {};
    if (::fstat(fd, &status) != 0) {
        return "ОШИБКА ЧТЕНИЯ";
    }
    if (S_ISDIR(status.st_mode)) {
        return "ЭТО ПАПКА";
    }
    if (!S_ISREG(status.st_mode)) {
        return "ЭТО НЕ ОБЫЧНЫЙ ФАЙЛ";
    }
    const std::string tooLarge = "ОН " + largerThanTheLimit();
    if (status.st_size > libraryFileLimit) {
        return tooLarge;
    }
    text.resize(static_cast<std::size_t>(status.st_size));
    std::size_t size = 0;
    for (;;) {
        // One byte past the limit tells a file that grows while it is read.
        if (text.size() == size) {
            text.resize(std::min<std::size_t>(size * 2 + 4096, libraryFileLimit + 1));
        }
        const ssize_t got = ::read(fd, text.data() + size, text.size() - size);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            return "ОШИБКА ЧТЕНИЯ";
        }
        if (got == 0) {
            break;
        }
        size += static_cast<std::size_t>(got);
        if (size > static_cast<std::size_t>(libraryFileLimit)) {
            return tooLarge;
        }
    }
    text.resize(size);
    return {};
}

LibraryRead unreadable(const std::filesystem::path& path, const LibraryWords& words,
                       const std::string& why) {
    return {LibraryState::Unreadable, "НЕ УДАЁТСЯ ПРОЧИТАТЬ " + std::string(words.file) + " " +
                                          path.string() + ": " + why + "!!!"};
}

// The file as it is now, its damage said but nothing moved.
LibraryRead readLibrary(const std::filesystem::path& path, const LibraryWords& words,
                        const LibraryParse& parse) {
    // Without blocking: a pipe under the library's name would otherwise wait for a writer.
    const Descriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (file.get() < 0) {
        if (errno == ENOENT || errno == ENOTDIR) {
            return {}; // no library yet
        }
        return unreadable(path, words,
                          errno == EACCES || errno == EPERM ? "НЕТ ПРАВА ЧТЕНИЯ"
                                                            : "ОШИБКА ОТКРЫТИЯ");
    }
    std::string text;
    if (const std::string why = readOpenFile(file.get(), text); !why.empty()) {
        return unreadable(path, words, why);
    }
    if (const std::string problem = parse(text); !problem.empty()) {
        return {LibraryState::Damaged,
                std::string(words.file) + " " + path.string() + " ИСПОРЧЕН (" + problem + ")"};
    }
    return {};
}

// The file as it is now, a damaged one moved aside. Called under the library's lock, so that no
// other program replaces the file between the reading and the rename.
LibraryRead readLockedLibrary(const std::filesystem::path& path, const LibraryWords& words,
                              const LibraryParse& parse) {
    LibraryRead read = readLibrary(path, words, parse);
    if (read.state != LibraryState::Damaged) {
        return read;
    }
    if (const auto aside = setAside(path)) {
        read.problem +=
            ". ОН СОХРАНЁН КАК " + aside->string() + ", " + std::string(words.empty) + "!!!";
    } else {
        read.problem += ". ЕГО НЕ УДАЛОСЬ ПЕРЕИМЕНОВАТЬ, " + std::string(words.empty) + "!!!";
    }
    return read;
}

// An advisory lock on a file beside the library, held while it lives: the programs sharing the
// library take it for every change, so that each reads the file the last one wrote. The library
// itself is replaced by every save and so cannot carry the lock.
class LibraryLock {
public:
    explicit LibraryLock(const std::filesystem::path& library) {
        std::error_code ignored;
        std::filesystem::create_directories(library.parent_path(), ignored);
        std::filesystem::path lock = library;
        lock += ".lock";
        fd_ = ::open(lock.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
        while (fd_ >= 0 && ::flock(fd_, LOCK_EX) != 0) {
            if (errno != EINTR) {
                ::close(fd_);
                fd_ = -1;
            }
        }
    }
    ~LibraryLock() {
        if (fd_ >= 0) {
            ::close(fd_); // releases the lock
        }
    }
    LibraryLock(const LibraryLock&) = delete;
    LibraryLock& operator=(const LibraryLock&) = delete;
    bool held() const { return fd_ >= 0; }

private:
    int fd_ = -1;
};

std::string notWritten(const std::filesystem::path& path, const LibraryWords& words) {
    return "НЕ УДАЛОСЬ ЗАПИСАТЬ " + std::string(words.file) + " " + path.string() + "!!!";
}

std::string withoutExclamations(std::string message) {
    while (!message.empty() && message.back() == '!') {
        message.pop_back();
    }
    return message;
}

} // namespace

std::filesystem::path configFilePath(std::string_view name) {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    std::filesystem::path folder;
    if (config != nullptr && *config == '/') {
        folder = config;
    } else {
        const char* home = std::getenv("HOME");
        folder = std::filesystem::path(home != nullptr ? home : "") / ".config";
    }
    return folder / "rezhim" / name;
}

std::string readChosenFile(const std::filesystem::path& path, std::string& text) {
    const Descriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (file.get() < 0) {
        return errno == ENOENT || errno == ENOTDIR ? "НЕТ ТАКОГО ФАЙЛА"
               : errno == EACCES || errno == EPERM ? "НЕТ ПРАВА ЧТЕНИЯ"
                                                   : "ОШИБКА ОТКРЫТИЯ";
    }
    return readOpenFile(file.get(), text);
}

LibraryRead loadLibraryFile(const std::filesystem::path& path, const LibraryWords& words,
                            DamagedLibrary damaged, const LibraryParse& parse) {
    LibraryRead read = readLibrary(path, words, parse);
    if (read.state != LibraryState::Damaged || damaged == DamagedLibrary::Keep) {
        if (read.state == LibraryState::Damaged) {
            read.problem += "!!!";
        }
        return read;
    }
    // Read again under the lock: another program may have just saved a good file in its place.
    const LibraryLock lock(path);
    if (!lock.held()) {
        read.problem += ". ЕГО НЕ УДАЛОСЬ ПЕРЕИМЕНОВАТЬ, " + std::string(words.empty) + "!!!";
        return read;
    }
    return readLockedLibrary(path, words, parse);
}

LibraryEdit changeLibraryFile(const std::filesystem::path& path, const LibraryWords& words,
                              const LibraryParse& parse, const LibraryRewrite& rewrite) {
    const LibraryLock lock(path);
    if (!lock.held()) {
        return {notWritten(path, words), false};
    }
    const LibraryRead current = readLockedLibrary(path, words, parse);
    if (current.state != LibraryState::Read) {
        // Nothing is written over a file that could not be read: it may hold the entries.
        return {withoutExclamations(current.problem) + ", " + std::string(words.unsaved) + "!!!",
                false};
    }
    std::string text;
    if (std::string error = rewrite(text); !error.empty()) {
        return {std::move(error), true};
    }
    return {saveLibraryFile(path, words, text), true};
}

std::string saveLibraryFile(const std::filesystem::path& path, const LibraryWords& words,
                            const std::string& text) {
    // A file the reader would refuse would leave every program without what it holds.
    if (text.size() > static_cast<std::size_t>(libraryFileLimit)) {
        return std::string(words.file) + " " + path.string() + " СТАЛ БЫ " + largerThanTheLimit() +
               ", " + std::string(words.unsaved) + "!!!";
    }
    std::error_code error;
    std::filesystem::create_directories(path.parent_path(), error);
    return writeFileBytes(path, text) ? "" : notWritten(path, words);
}
