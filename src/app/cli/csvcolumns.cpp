// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/cli/csvcolumns.h"

#include "core/calc/quotedtext.h"

#include <algorithm>

std::optional<CsvColumns> CsvColumns::read(std::span<const std::string_view> header, bool batchFile,
                                           std::string& error) {
    CsvColumns columns;
    std::optional<std::size_t> operationColumn;
    for (std::size_t column = 0; column < header.size(); ++column) {
        const std::string_view name = header[column];
        const auto key = keyFromName(name);
        const bool isOperation = batchFile && name == operationName;
        const auto cutterKey = std::find(cutterKeyNames.begin(), cutterKeyNames.end(), name);
        const bool isCutter = batchFile && cutterKey != cutterKeyNames.end();
        if (!key && !isOperation && !isCutter) {
            error = "НЕИЗВЕСТНЫЙ СТОЛБЕЦ В ЗАГОЛОВКЕ CSV: " + quotedText(name) + "!!!";
            return std::nullopt;
        }
        for (std::size_t earlier = 0; earlier < column; ++earlier) {
            if (header[earlier] == name) {
                error = "СТОЛБЕЦ ПОВТОРЯЕТСЯ В ЗАГОЛОВКЕ CSV: " + quotedText(name) + "!!!";
                return std::nullopt;
            }
        }
        if (key) {
            columns.keyColumns_.push_back({column, *key});
        } else if (isCutter) {
            columns.cutterColumns_.push_back(
                {column, static_cast<std::size_t>(cutterKey - cutterKeyNames.begin())});
        } else {
            operationColumn = column;
        }
    }
    if (batchFile) {
        if (!operationColumn) {
            error = "В ЗАГОЛОВКЕ CSV НЕТ СТОЛБЦА operation!!!";
            return std::nullopt;
        }
        columns.operationColumn_ = *operationColumn;
    }
    columns.count_ = header.size();
    return columns;
}

void CsvColumns::keyTexts(std::span<const std::string_view> record, KeyTexts& texts) const {
    texts = {};
    for (const KeyColumn& entry : keyColumns_) {
        if (entry.column < record.size()) {
            texts[static_cast<std::size_t>(entry.key)] = record[entry.column];
        }
    }
}

void CsvColumns::cutterTexts(std::span<const std::string_view> record, CutterTexts& texts) const {
    texts = {};
    for (const CutterColumn& entry : cutterColumns_) {
        if (entry.column < record.size()) {
            texts[entry.key] = record[entry.column];
        }
    }
}

bool CsvColumns::hasKey(Key key) const {
    return std::any_of(keyColumns_.begin(), keyColumns_.end(),
                       [key](const KeyColumn& entry) { return entry.key == key; });
}

std::string_view CsvColumns::operationText(std::span<const std::string_view> record) const {
    return operationColumn_ < record.size() ? record[operationColumn_] : std::string_view();
}

std::optional<CsvColumns> CsvColumns::readHeader(CsvReader& reader, bool batchFile,
                                                 std::string& error) {
    const CsvReader::Status status = reader.next();
    if (status != CsvReader::Status::Record) {
        error = status == CsvReader::Status::End ? "В ФАЙЛЕ CSV НЕТ ЗАГОЛОВКА!!!"
                                                 : readFailureMessage(reader, status, "ЗАГОЛОВКЕ");
        return std::nullopt;
    }
    return read(reader.fields(), batchFile, error);
}
