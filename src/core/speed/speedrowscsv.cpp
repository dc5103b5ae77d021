// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/speed/speedrowscsv.h"

#include "core/calc/numberformat.h"
#include "core/calc/parsenumber.h"
#include "core/calc/quotedtext.h"
#include "core/files/csv.h"
#include "core/files/libraryfile.h"
#include "core/output/tablecsv.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <optional>
#include <span>
#include <unordered_map>

namespace {

constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";

// A column of the table: a text of the row, or one of its numbers.
enum class TextColumn { name, operations, tool, work, source };
constexpr std::array<std::string_view, 5> textColumnNames{"name", "operations", "tool", "work",
                                                          "source"};
struct Column {
    std::optional<TextColumn> text;
    SpeedField field = SpeedField::Cv; // when not a text
};

std::vector<std::string> headerNames() {
    std::vector<std::string> names{"name", "operations", "tool", "work"};
    for (std::size_t i = 0; i < speedFieldCount; ++i) {
        names.emplace_back(speedFieldInfo(static_cast<SpeedField>(i)).name);
    }
    names.emplace_back("source");
    return names;
}

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::string withoutExclamations(std::string message) {
    while (!message.empty() && message.back() == '!') {
        message.pop_back();
    }
    return message;
}

template <std::size_t Count>
std::optional<std::size_t> named(const std::array<std::string_view, Count>& names,
                                 std::string_view name) {
    const auto found = std::find(names.begin(), names.end(), name);
    if (found == names.end()) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(found - names.begin());
}

// The columns the header names, or why the table cannot be read by them.
std::string readHeader(std::span<const std::string_view> header, std::vector<Column>& columns) {
    for (const std::string_view cell : header) {
        const std::string_view name = trimmed(cell);
        Column column;
        if (const auto text = named(textColumnNames, name)) {
            column.text = static_cast<TextColumn>(*text);
        } else if (const auto field = speedFieldNamed(name)) {
            column.field = *field;
        } else {
            return "НЕИЗВЕСТНЫЙ СТОЛБЕЦ В ЗАГОЛОВКЕ CSV: " + quotedText(name) + "!!!";
        }
        const auto same = [&column](const Column& other) {
            return other.text == column.text && (column.text || other.field == column.field);
        };
        if (std::any_of(columns.begin(), columns.end(), same)) {
            return "СТОЛБЕЦ ПОВТОРЯЕТСЯ В ЗАГОЛОВКЕ CSV: " + quotedText(name) + "!!!";
        }
        columns.push_back(column);
    }
    if (std::none_of(columns.begin(), columns.end(),
                     [](const Column& column) { return column.text == TextColumn::name; })) {
        return "В ЗАГОЛОВКЕ CSV НЕТ СТОЛБЦА name!!!";
    }
    return {};
}

// A material by its name into `value`, or why the cell names none.
template <typename Material, std::size_t Count>
std::string readMaterial(std::string_view cell, const std::array<std::string_view, Count>& names,
                         std::string_view what, Material& value) {
    if (cell.empty()) {
        return "НЕ ЗАДАН " + std::string(what);
    }
    const auto found = named(names, cell);
    if (!found) {
        return "НЕИЗВЕСТНЫЙ " + std::string(what) + " " + quotedText(cell);
    }
    value = static_cast<Material>(*found + 1);
    return {};
}

std::string readCell(const Column& column, std::string_view cell, SpeedRow& row) {
    if (!column.text) {
        if (cell.empty()) {
            return {};
        }
        const std::optional<double> value = typedNumber(cell);
        if (!value) {
            return "НЕВЕРНОЕ ЧИСЛО В СТОЛБЦЕ " + std::string(speedFieldInfo(column.field).name) +
                   ": " + quotedText(cell);
        }
        row.set(column.field, value);
        return {};
    }
    switch (*column.text) {
    case TextColumn::name:
        row.name = cell;
        break;
    case TextColumn::operations:
        for (std::size_t at = 0; (at = cell.find_first_not_of(" \t", at)) != cell.npos;) {
            const std::size_t end = std::min(cell.find_first_of(" \t", at), cell.size());
            row.operations.emplace_back(cell.substr(at, end - at));
            at = end;
        }
        break;
    case TextColumn::tool:
        return readMaterial(cell, toolMaterialNames, "МАТЕРИАЛ ИНСТРУМЕНТА", row.tool);
    case TextColumn::work:
        return readMaterial(cell, workMaterialNames, "ОБРАБАТЫВАЕМЫЙ МАТЕРИАЛ", row.work);
    case TextColumn::source:
        row.source = cell;
        break;
    }
    return {};
}

// One record as a row, or why it is none.
std::string readRow(std::span<const std::string_view> cells, const std::vector<Column>& columns,
                    SpeedRow& row) {
    const auto cell = [&cells](std::size_t i) {
        return i < cells.size() ? trimmed(cells[i]) : std::string_view();
    };
    for (std::size_t i = columns.size(); i < cells.size(); ++i) {
        if (!cell(i).empty()) {
            return "ЯЧЕЕК БОЛЬШЕ, ЧЕМ СТОЛБЦОВ В ЗАГОЛОВКЕ";
        }
    }
    // Every material is a choice the row must make, also where its column is missing.
    bool tool = false;
    bool work = false;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        tool = tool || columns[i].text == TextColumn::tool;
        work = work || columns[i].text == TextColumn::work;
        if (std::string problem = readCell(columns[i], cell(i), row); !problem.empty()) {
            return problem;
        }
    }
    if (!tool || !work) {
        return !tool ? "НЕ ЗАДАН МАТЕРИАЛ ИНСТРУМЕНТА" : "НЕ ЗАДАН ОБРАБАТЫВАЕМЫЙ МАТЕРИАЛ";
    }
    return withoutExclamations(speedRowError(row));
}

} // namespace

std::string speedRowsCsv(const std::vector<SpeedRow>& rows, char decimalSeparator) {
    std::vector<std::vector<std::string>> table{headerNames()};
    for (const SpeedRow& row : rows) {
        std::string operations;
        for (const std::string& operation : row.operations) {
            operations += (operations.empty() ? "" : " ") + operation;
        }
        std::vector<std::string> cells{row.name, operations,
                                       std::string(toolMaterialNames[index(row.tool)]),
                                       std::string(workMaterialNames[index(row.work)])};
        for (const std::optional<double>& value : row.values) {
            cells.push_back(optionalPlainText(value, decimalSeparator));
        }
        cells.push_back(row.source);
        table.push_back(std::move(cells));
    }
    return tableCsv(table, decimalSeparator);
}

ImportedSpeedRows parseSpeedRowsCsv(const std::string& text) {
    ImportedSpeedRows out;
    const std::string_view body = std::string_view(text).substr(
        std::string_view(text).starts_with(byteOrderMark) ? byteOrderMark.size() : 0);
    if (body.find_first_not_of("\r\n") == std::string_view::npos) {
        out.problem = "В ФАЙЛЕ CSV НЕТ ЗАГОЛОВКА!!!";
        return out;
    }
    // The column names hold neither separator: the first one found is the table's.
    const std::size_t separatorAt = body.find_first_of(",;\n");
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> stream(
        ::fmemopen(const_cast<char*>(text.data()), text.size(), "r"), &std::fclose);
    if (!stream) {
        out.problem = "ОШИБКА ЧТЕНИЯ ФАЙЛА CSV!!!";
        return out;
    }
    CsvReader reader(stream.get());
    reader.setSeparator(separatorAt != body.npos && body[separatorAt] == ';' ? ';' : ',');
    CsvReader::Status status = reader.next();
    std::vector<Column> columns;
    if (status != CsvReader::Status::Record) {
        out.problem = readFailureMessage(reader, status, "ЗАГОЛОВКЕ");
        return out;
    }
    if (out.problem = readHeader(reader.fields(), columns); !out.problem.empty()) {
        return out;
    }
    std::unordered_map<std::string, std::size_t> lines; // the line of each name taken
    while ((status = reader.next()) == CsvReader::Status::Record ||
           status == CsvReader::Status::UnclosedQuote) {
        const std::size_t line = reader.lineNumber();
        SpeedRow row;
        std::string problem = status == CsvReader::Status::UnclosedQuote
                                  ? "НЕЗАКРЫТЫЕ КАВЫЧКИ"
                                  : readRow(reader.fields(), columns, row);
        if (problem.empty()) {
            if (const auto [at, added] = lines.emplace(row.name, line); !added) {
                problem = "ИМЯ «" + row.name + "» УЖЕ ЕСТЬ В СТРОКЕ " +
                          integerText(static_cast<long long>(at->second));
            }
        }
        if (!problem.empty()) {
            out.refusals.push_back("СТРОКА " + integerText(static_cast<long long>(line)) +
                                   " ФАЙЛА CSV: " + problem);
            continue;
        }
        out.rows.push_back(std::move(row));
    }
    if (status != CsvReader::Status::End) {
        // What follows a record too long to read cannot be told apart from it.
        const std::string where =
            "СТРОКЕ " + integerText(static_cast<long long>(reader.lineNumber()));
        return {{}, {}, readFailureMessage(reader, status, where)};
    }
    return out;
}

ImportedSpeedRows readSpeedRowsCsv(const std::filesystem::path& path) {
    std::string text;
    if (const std::string why = readChosenFile(path, text); !why.empty()) {
        return {{}, {}, "НЕ УДАЁТСЯ ПРОЧИТАТЬ ФАЙЛ " + path.string() + ": " + why + "!!!"};
    }
    return parseSpeedRowsCsv(text);
}

std::string importReport(const ImportedSpeedRows& imported) {
    if (!imported.problem.empty()) {
        return imported.problem;
    }
    std::string report =
        "ПРИНЯТО СТРОК: " + integerText(static_cast<long long>(imported.rows.size()));
    if (!imported.refusals.empty()) {
        report += ". НЕ ПРИНЯТЫ:";
        for (const std::string& refusal : imported.refusals) {
            report += "\n" + refusal;
        }
    }
    return report + "!!!";
}
