// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A library of the user's (the machines, the coefficient rows of cutting speed): one JSON file in
// the user's configuration folder that the windows and the command line of several running
// programs share. Only a regular file of at most libraryFileLimit is read; a damaged one is set
// aside under a new name, never over another file; each change is made under a lock to the file
// as it is then and written in one step.

// $XDG_CONFIG_HOME/rezhim/NAME, or ~/.config/rezhim/NAME.
std::filesystem::path configFilePath(std::string_view name);

// The largest library file read: far above any shop's data, far below what would exhaust the
// memory of a desktop were something else put under the library's name.
inline constexpr long long libraryFileLimit = 16LL * 1024 * 1024;

// Reads the whole of a file the user chose (a table to import) as the library files are read:
// only a regular file of at most libraryFileLimit, and a pipe never waited on. The problem with
// it ("ЭТО ПАПКА"), or an empty text once its bytes are in `text`.
std::string readChosenFile(const std::filesystem::path& path, std::string& text);

// What a library's messages call it and its entries.
struct LibraryWords {
    std::string_view file;    // "ФАЙЛ СТАНКОВ"
    std::string_view empty;   // "СПИСОК СТАНКОВ ПУСТ"
    std::string_view unsaved; // "СТАНОК НЕ СОХРАНЁН"
    std::string_view entry;   // "СТАНОК"
    std::string_view deleted; // "УДАЛЁН"
    std::string_view changed; // "ИЗМЕНЁН"
};

enum class LibraryState {
    Read,       // the entries are what the file holds (none when there is no file yet)
    Unreadable, // something is there that cannot be read: a folder, a pipe, a device, a file
                // too large, no permission, an I/O error; it is left as it is
    Damaged,    // a file that was read and does not parse
};

// What becomes of a library file that was read and does not parse.
enum class DamagedLibrary {
    SetAside, // the program's own library: moved aside, so that a new one can start
    Keep,     // a file the user named, or one only looked at: left as it is
};

// Takes the text of the file into the library's entries: the problem with it, empty when none.
using LibraryParse = std::function<std::string(const std::string& text)>;

struct LibraryRead {
    LibraryState state = LibraryState::Read;
    std::string problem; // why the file could not be used, with its path and where it went
};

// Reads the file and hands its text to `parse`; without a file `parse` is not called, and the
// library is empty.
LibraryRead loadLibraryFile(const std::filesystem::path& path, const LibraryWords& words,
                            DamagedLibrary damaged, const LibraryParse& parse);

// Makes the new text of the file from the entries `parse` took, or says why the change cannot be
// made.
using LibraryRewrite = std::function<std::string(std::string& text)>;

struct LibraryEdit {
    std::string error; // why nothing was written; empty once the file is written
    bool read = false; // `parse` took the file as it is now
};

// One change by one of the programs sharing the file: under a lock on `path` + ".lock" the file is
// read again and parsed, `rewrite` makes the new text from what it holds now, and the file is
// written in one step. Nothing is written over a file that could not be read, nor a text larger
// than libraryFileLimit, which no program could read back.
LibraryEdit changeLibraryFile(const std::filesystem::path& path, const LibraryWords& words,
                              const LibraryParse& parse, const LibraryRewrite& rewrite);

// Writes a whole library at once (the size checked), creating its folder; empty when written.
std::string saveLibraryFile(const std::filesystem::path& path, const LibraryWords& words,
                            const std::string& text);

// One entry of `entries` (told apart by their names) added (`before` empty), replaced, or deleted
// (`after` empty); empty once made, else why not. `before` is the entry as this program last read
// it: one that another program has changed or deleted since is not overwritten. `error` says why
// an entry cannot join or replace entry `replacing` of a list (bad data, a name already there).
template <typename Entry, typename Error>
std::string applyEntryChange(std::vector<Entry>& entries, const std::optional<Entry>& before,
                             const std::optional<Entry>& after, const LibraryWords& words,
                             Error error) {
    auto at = entries.end();
    if (before) {
        const std::string& name = before->name;
        at = std::find_if(entries.begin(), entries.end(),
                          [&name](const Entry& entry) { return entry.name == name; });
        if (at == entries.end() || *at != *before) {
            return std::string(words.entry) + " " + name + " ТЕМ ВРЕМЕНЕМ " +
                   std::string(at == entries.end() ? words.deleted : words.changed) +
                   " В ДРУГОМ ОКНЕ, СПИСОК ОБНОВЛЁН: ПРОВЕРЬТЕ ДАННЫЕ!!!";
        }
    }
    if (!after) {
        if (at != entries.end()) {
            entries.erase(at);
        }
        return {};
    }
    const auto index = before ? std::optional<std::size_t>(at - entries.begin()) : std::nullopt;
    if (std::string why = error(entries, *after, index); !why.empty()) {
        return why;
    }
    if (before) {
        *at = *after;
    } else {
        entries.push_back(*after);
    }
    return {};
}
