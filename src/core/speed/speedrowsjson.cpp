// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/speed/speedrowsjson.h"

#include <nlohmann/json.hpp>
#include <unordered_set>

namespace {

using nlohmann::json;

constexpr const char* listKey = "rows";

template <std::size_t Count>
std::optional<std::size_t> named(const std::array<std::string_view, Count>& names,
                                 const std::string& name) {
    for (std::size_t i = 0; i < Count; ++i) {
        if (names[i] == name) {
            return i;
        }
    }
    return std::nullopt;
}

std::string readText(const json& entry, const char* key, std::string& out) {
    const auto value = entry.find(key);
    if (value == entry.end()) {
        return {};
    }
    if (!value->is_string()) {
        return "ПОЛЕ \"" + std::string(key) + "\" НЕ СТРОКА";
    }
    out = value->get<std::string>();
    return {};
}

std::string readMaterials(const json& entry, SpeedRow& row) {
    std::string tool, work;
    if (std::string problem = readText(entry, "tool", tool); !problem.empty()) {
        return problem;
    }
    if (std::string problem = readText(entry, "work", work); !problem.empty()) {
        return problem;
    }
    const auto toolIndex = named(toolMaterialNames, tool);
    if (!toolIndex) {
        return "НЕИЗВЕСТНЫЙ МАТЕРИАЛ ИНСТРУМЕНТА \"" + tool + "\"";
    }
    const auto workIndex = named(workMaterialNames, work);
    if (!workIndex) {
        return "НЕИЗВЕСТНЫЙ ОБРАБАТЫВАЕМЫЙ МАТЕРИАЛ \"" + work + "\"";
    }
    row.tool = static_cast<ToolMaterial>(*toolIndex + 1);
    row.work = static_cast<WorkMaterial>(*workIndex + 1);
    return {};
}

// One row of the file, or why it is not one.
std::string readRow(const json& entry, SpeedRow& row) {
    if (!entry.is_object()) {
        return "ЗАПИСЬ НЕ ОБЪЕКТ";
    }
    for (const auto& [key, value] : entry.items()) {
        if (key != "name" && key != "operations" && key != "tool" && key != "work" &&
            key != "source" && !speedFieldNamed(key)) {
            return "НЕИЗВЕСТНОЕ ПОЛЕ \"" + key + "\"";
        }
    }
    for (std::string problem : {readText(entry, "name", row.name),
                                readText(entry, "source", row.source), readMaterials(entry, row)}) {
        if (!problem.empty()) {
            return problem;
        }
    }
    if (const auto operations = entry.find("operations"); operations != entry.end()) {
        if (!operations->is_array()) {
            return "ОПЕРАЦИИ НЕ СПИСОК";
        }
        for (const json& operation : *operations) {
            if (!operation.is_string()) {
                return "ОПЕРАЦИЯ НЕ СТРОКА";
            }
            row.operations.push_back(operation.get<std::string>());
        }
    }
    for (std::size_t i = 0; i < speedFieldCount; ++i) {
        const auto field = static_cast<SpeedField>(i);
        const std::string key(speedFieldInfo(field).name);
        if (const auto value = entry.find(key); value != entry.end()) {
            if (!value->is_number()) {
                return "ПОЛЕ \"" + key + "\" НЕ ЧИСЛО";
            }
            row.set(field, value->get<double>());
        }
    }
    return {};
}

std::string withoutExclamations(std::string message) {
    while (!message.empty() && message.back() == '!') {
        message.pop_back();
    }
    return message;
}

} // namespace

std::string speedRowsJson(const std::vector<SpeedRow>& rows) {
    json list = json::array();
    for (const SpeedRow& row : rows) {
        json entry = {{"name", row.name},
                      {"operations", row.operations},
                      {"tool", toolMaterialNames[index(row.tool)]},
                      {"work", workMaterialNames[index(row.work)]}};
        for (std::size_t i = 0; i < speedFieldCount; ++i) {
            if (const auto value = row.values[i]) {
                entry[std::string(speedFieldInfo(static_cast<SpeedField>(i)).name)] = *value;
            }
        }
        if (!row.source.empty()) {
            entry["source"] = row.source;
        }
        list.push_back(std::move(entry));
    }
    return json{{listKey, std::move(list)}}.dump(2) + "\n";
}

ParsedSpeedRows parseSpeedRowsJson(const std::string& text) {
    const json document = json::parse(text, nullptr, false);
    if (document.is_discarded()) {
        return {{}, "ЭТО НЕ ТЕКСТ JSON"};
    }
    const auto list = document.is_object() ? document.find(listKey) : document.end();
    if (!document.is_object() || list == document.end() || !list->is_array()) {
        return {{}, "НЕТ СПИСКА \"rows\""};
    }
    ParsedSpeedRows out;
    std::unordered_set<std::string> names;
    for (const json& entry : *list) {
        SpeedRow row;
        std::string problem = readRow(entry, row);
        if (problem.empty()) {
            problem = withoutExclamations(speedRowError(row));
            // A named row's own checks name it; a nameless one is named by its place.
            if (!problem.empty() && !row.name.empty()) {
                return {{}, problem};
            }
        }
        if (problem.empty() && !names.insert(row.name).second) {
            problem = "СТРОКА С ИМЕНЕМ " + row.name + " УЖЕ ЕСТЬ";
        }
        if (!problem.empty()) {
            return {{}, "СТРОКА " + std::to_string(out.rows.size() + 1) + ": " + problem};
        }
        out.rows.push_back(std::move(row));
    }
    return out;
}

std::string speedRowsError(const std::vector<SpeedRow>& rows, const SpeedRow& row,
                           std::optional<std::size_t> replacing) {
    if (std::string error = speedRowError(row); !error.empty()) {
        return error;
    }
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (i != replacing && rows[i].name == row.name) {
            return "СТРОКА С ИМЕНЕМ " + row.name + " УЖЕ ЕСТЬ!!!";
        }
    }
    return {};
}
