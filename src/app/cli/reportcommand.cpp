// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/cli/commandline.h"
#include "app/cli/commandopening.h"
#include "app/cli/commands.h"
#include "app/cli/csvcolumns.h"
#include "app/cli/filehandle.h"
#include "core/calc/numberformat.h"
#include "core/calc/quotedtext.h"
#include "core/calc/resultstable.h"
#include "core/calc/rowbookkeeping.h"
#include "core/files/csv.h"
#include "core/files/reportfile.h"
#include "core/output/tableexport.h"

#include <algorithm>
#include <cstdio>
#include <utility>

namespace {

// --format, the operation and the cutter, read once the keys of the machine and the cutter are
// parted from the file.
struct ReportForm {
    ExportFormat format = ExportFormat::report;
    const Operation* operation = nullptr;
    std::optional<Cutter> cutter;

    std::optional<int> read(const CommandArguments& command, const MachineKeys& machineKeys,
                            const CutterKeys& cutterKeys) {
        const std::string_view name = command.format.value_or("report");
        const std::optional<ExportFormat> named = exportFormatNamed(name);
        if (!named) {
            std::string known;
            for (const std::string_view formatName : exportFormatNames) {
                known += (known.empty() ? "--format " : " ИЛИ --format ") + std::string(formatName);
            }
            return usageError("НЕИЗВЕСТНЫЙ ФОРМАТ: " + quotedText(name) + " (НУЖНО " + known +
                              ")!!!");
        }
        format = *named;
        const bool machineGiven = command.machine || command.machines || machineKeys.any();
        // The saved report has the grid's columns only; the machine's and the cutter's are the
        // export's.
        if (format != ExportFormat::csv && machineGiven) {
            return usageError(
                "СТАНОК ЗАДАЁТСЯ ТОЛЬКО С --format csv: В ОТЧЁТЕ НЕТ ЕГО СТОЛБЦОВ!!!");
        }
        if (format != ExportFormat::csv && cutterKeys.any()) {
            return usageError("РЕЗЕЦ ЗАДАЁТСЯ ТОЛЬКО С --format csv: В ОТЧЁТЕ НЕТ ЕГО СТОЛБЦОВ!!!");
        }
        const std::string_view operationName = command.positional[0];
        operation = findOperation(operationName);
        if (operation == nullptr) {
            return usageError("НЕИЗВЕСТНАЯ ОПЕРАЦИЯ: " + quotedText(operationName) + "!!!");
        }
        CutterArguments given = resolveCutter(cutterKeys, *operation);
        if (!given.error.empty()) {
            return keysFailure(given.code, given.error);
        }
        cutter = std::move(given.cutter);
        return std::nullopt;
    }
};

// The table as the window would hold it after computing each row in turn, opened afresh from
// the menu; nothing once a row is refused (a report with a row missing would misnumber the
// rest) or the file cannot be read, said on stderr.
std::optional<ResultsTable> computeTable(CsvReader& reader, const Operation& operation,
                                         char separator, int& exitCode) {
    // The header names the calculation's keys only.
    std::string error;
    const std::optional<CsvColumns> columns = CsvColumns::readHeader(reader, false, error);
    if (!columns) {
        exitCode = usageError(error);
        return std::nullopt;
    }
    const WindowDefinition& window = definitionOf(operation);
    ResultsTable table(window.layout);
    CalcState counters;
    counters.ResultRow = counters.NextRow = 1;
    int number = 0;
    bool refused = false;
    KeyTexts texts{};
    CsvReader::Status status{};
    while ((status = reader.next()) == CsvReader::Status::Record) {
        ++number;
        Outcome outcome;
        if (reader.fields().size() != columns->count()) {
            outcome.error = "ЧИСЛО ПОЛЕЙ СТРОКИ НЕ РАВНО ЧИСЛУ СТОЛБЦОВ ЗАГОЛОВКА!!!";
        } else {
            columns->keyTexts(reader.fields(), texts);
            outcome = calculate(operation, texts);
        }
        if (!outcome.error.empty()) {
            printLine(stderr, "СТРОКА " + integerText(number) + ": " + outcome.error);
            refused = true;
            continue;
        }
        if (outcome.notice != nullptr) {
            std::fprintf(stderr, "СТРОКА %s: %s\n", integerText(number).c_str(), outcome.notice);
        }
        if (counters.NextRow > maxTableRows) {
            std::fprintf(stderr, "СТРОКА %s: %s\n", integerText(number).c_str(), tableFullMessage);
            exitCode = exitRefused;
            return std::nullopt;
        }
        outcome.row.row = counters.NextRow;
        table.write(counters.NextRow,
                    rowCells(window.layout, outcome.row, window.patterns, separator),
                    outcome.row.results, counters);
    }
    if (status != CsvReader::Status::End) {
        exitCode = usageError(readFailureMessage(
            reader, status, "СТРОКЕ " + integerText(static_cast<long long>(reader.lineNumber()))));
        return std::nullopt;
    }
    if (refused) {
        exitCode = exitRefused;
        return std::nullopt;
    }
    return table;
}

} // namespace

int runReport(std::span<const std::string_view> arguments) {
    constexpr FileCallForm form{flagOutput | flagComma | flagFormat | flagMachine,
                                1,
                                true,
                                true,
                                "НУЖНО: rezhim-cli report ОПЕРАЦИЯ ВХОД.csv -o ОТЧЁТ.txt!!!",
                                ""};
    ReportForm report;
    int code = exitComputed;
    const std::optional<FileCall> call = openFileCall(
        arguments, form,
        [&report](const CommandArguments& command, const MachineKeys& machineKeys,
                  const CutterKeys& cutterKeys) {
            return report.read(command, machineKeys, cutterKeys);
        },
        code);
    if (!call) {
        return code;
    }
    const char separator = call->command.comma ? ',' : '.';
    CsvReader reader(call->input.get());
    const std::optional<ResultsTable> table =
        computeTable(reader, *report.operation, separator, code);
    if (!table) {
        return code;
    }
    // What the window's "СОХРАНИТЬ" or "ЭКСПОРТ" writes of the same table with the same machine
    // and cutter.
    const Machine* machine = call->machine ? &*call->machine : nullptr;
    const Cutter* cutter = report.cutter ? &*report.cutter : nullptr;
    const TableExport exported =
        exportTable(*table, calculation(report.operation->window), machine, cutter,
                    std::string(report.operation->title), separator);
    const std::optional<std::string> bytes =
        exportBytes(exported.document, report.format, separator);
    if (!bytes) {
        // Every cell is a number or a name of the windows, all in the code page.
        std::fprintf(stderr, "ОТЧЁТ НЕ ПЕРЕВОДИТСЯ В КОДИРОВКУ WINDOWS-1251!!!\n");
        return exitRefused;
    }
    const std::string outputPath(*call->command.output);
    if (!writeFileBytes(outputPath, *bytes)) {
        return usageError("НЕ УДАЁТСЯ ЗАПИСАТЬ ФАЙЛ: " + outputPath + "!!!");
    }
    return exported.crossesMachine || exported.crossesCutter ? exitCrossed : exitComputed;
}
