// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/speed/speedlibrary.h"

#include "core/speed/speedrowsjson.h"

#include <algorithm>
#include <nlohmann/json.hpp>

namespace {

constexpr LibraryWords speedWords{"ФАЙЛ КОЭФФИЦИЕНТОВ СКОРОСТИ",
                                  "СПИСОК СТРОК ПУСТ",
                                  "СТРОКА НЕ СОХРАНЕНА",
                                  "СТРОКА",
                                  "УДАЛЕНА",
                                  "ИЗМЕНЕНА"};

LibraryParse parseInto(std::vector<SpeedRow>& rows) {
    return [&rows](const std::string& text) {
        ParsedSpeedRows parsed = parseSpeedRowsJson(text);
        rows = std::move(parsed.rows);
        return parsed.problem;
    };
}

// The rows as the file's text, or why they cannot be: a text that is not UTF-8.
std::string rowsText(const std::filesystem::path& path, const std::vector<SpeedRow>& rows,
                     std::string& text) {
    try {
        text = speedRowsJson(rows);
    } catch (const nlohmann::json::exception&) {
        return "НЕ УДАЛОСЬ ЗАПИСАТЬ " + std::string(speedWords.file) + " " + path.string() +
               ": ТЕКСТ НЕ В КОДИРОВКЕ UTF-8!!!";
    }
    return {};
}

// Makes `change` of the rows the file holds now.
template <typename Change>
ChangedSpeedRows changeRows(const std::filesystem::path& path, Change change) {
    std::vector<SpeedRow> current;
    std::vector<SpeedRow> changed;
    const LibraryEdit edit =
        changeLibraryFile(path, speedWords, parseInto(current), [&](std::string& text) {
            changed = current;
            if (std::string error = change(changed); !error.empty()) {
                return error;
            }
            return rowsText(path, changed, text);
        });
    if (!edit.read) {
        return {edit.error, std::nullopt};
    }
    return {edit.error, edit.error.empty() ? std::move(changed) : std::move(current)};
}

} // namespace

std::filesystem::path defaultSpeedLibraryPath() {
    return configFilePath("speeds.json");
}

LoadedSpeedRows loadSpeedRows(const std::filesystem::path& path, DamagedLibrary damaged) {
    LoadedSpeedRows loaded;
    const LibraryRead read = loadLibraryFile(path, speedWords, damaged, parseInto(loaded.rows));
    loaded.problem = read.problem;
    loaded.state = read.state;
    return loaded;
}

ChangedSpeedRows changeSpeedRows(const std::filesystem::path& path, const SpeedRowsChange& change) {
    if (change.after) {
        if (std::string error = speedRowError(*change.after); !error.empty()) {
            return {std::move(error), std::nullopt};
        }
    }
    return changeRows(path, [&change](std::vector<SpeedRow>& rows) {
        return applyEntryChange(rows, change.before, change.after, speedWords, speedRowsError);
    });
}

ChangedSpeedRows importSpeedRows(const std::filesystem::path& path,
                                 const std::vector<SpeedRow>& rows) {
    return changeRows(path, [&rows](std::vector<SpeedRow>& library) {
        for (const SpeedRow& row : rows) {
            const auto same =
                std::find_if(library.begin(), library.end(),
                             [&row](const SpeedRow& entry) { return entry.name == row.name; });
            const std::optional<SpeedRow> before =
                same == library.end() ? std::nullopt : std::optional(*same);
            if (std::string error = applyEntryChange(library, before, std::optional(row),
                                                     speedWords, speedRowsError);
                !error.empty()) {
                return error;
            }
        }
        return std::string();
    });
}
