#include "app/cli/commandline.h"
#include "app/cli/commands.h"
#include "app/cli/csv.h"
#include "app/cli/csvcolumns.h"
#include "app/cli/filehandle.h"
#include "app/cli/machinearguments.h"
#include "core/calc/numberformat.h"
#include "core/calc/resultstable.h"
#include "core/files/reportfile.h"
#include "core/machine/machinecheck.h"
#include "core/output/report.h"
#include "core/output/tablecsv.h"

#include <algorithm>
#include <cstdio>
#include <utility>

int runReport(std::span<const std::string_view> arguments) {
    const CommandArguments command =
        splitArguments(arguments, flagOutput | flagComma | flagFormat | flagMachine);
    if (!command.error.empty()) {
        return usageError(command.error);
    }
    const auto wrongCall = [] {
        return usageError("НУЖНО: rezhim-cli report ОПЕРАЦИЯ ВХОД.csv -o ОТЧЁТ.txt!!!");
    };
    if (command.positional.size() < 2 || !command.output) {
        return wrongCall();
    }
    // The machine's keys follow the file, as in batch.
    const MachineKeys machineKeys = takeMachineKeys(std::span(command.positional).subspan(2));
    if (!machineKeys.error.empty()) {
        return usageError(machineKeys.error);
    }
    if (!machineKeys.others.empty()) {
        return wrongCall();
    }
    const std::string_view format = command.format.value_or("report");
    if (format != "report" && format != "csv") {
        return usageError("НЕИЗВЕСТНЫЙ ФОРМАТ: " + std::string(format) +
                          " (НУЖНО --format report ИЛИ --format csv)!!!");
    }
    const bool csv = format == "csv";
    const bool machineGiven = command.machine || command.machines ||
                              std::any_of(machineKeys.texts.begin(), machineKeys.texts.end(),
                                          [](const auto& text) { return text.has_value(); });
    if (!csv && machineGiven) {
        // The saved report has the grid's columns only; the machine's are the export's.
        return usageError("СТАНОК ЗАДАЁТСЯ ТОЛЬКО С --format csv: В ОТЧЁТЕ НЕТ ЕГО СТОЛБЦОВ!!!");
    }
    const std::string_view name = command.positional[0];
    const Operation* operation = findOperation(name);
    if (operation == nullptr) {
        return usageError("НЕИЗВЕСТНАЯ ОПЕРАЦИЯ: " + std::string(name) + "!!!");
    }
    const std::string inputPath(command.positional[1]);
    FileHandle inputFile(std::fopen(inputPath.c_str(), "rb"));
    if (!inputFile) {
        return usageError("НЕ УДАЁТСЯ ПРОЧИТАТЬ ФАЙЛ: " + inputPath + "!!!");
    }

    MachineArguments machine = resolveMachine(machineKeys, command);
    if (!machine.error.empty()) {
        return machine.code == exitUsage ? usageError(machine.error) : refusal(machine.error);
    }

    CsvReader reader(inputFile.get());
    CsvReader::Status status = reader.next();
    if (status != CsvReader::Status::Record) {
        return usageError(status == CsvReader::Status::End
                              ? "В ФАЙЛЕ CSV НЕТ ЗАГОЛОВКА!!!"
                              : readFailureMessage(status, "ЗАГОЛОВКЕ"));
    }
    std::string error;
    const auto columns = CsvColumns::read(reader.fields(), false, error);
    if (!columns) {
        return usageError(error);
    }

    // The table as the window would hold it after computing each row in turn, opened afresh
    // from the menu.
    const WindowDefinition& window = definitionOf(*operation);
    const char separator = command.comma ? ',' : '.';
    ResultsTable table(window.layout);
    CalcState counters;
    counters.ResultRow = counters.NextRow = 1;
    int number = 0;
    bool refused = false;
    KeyTexts texts{};
    while ((status = reader.next()) == CsvReader::Status::Record) {
        ++number;
        Outcome outcome;
        if (reader.fields().size() != columns->count()) {
            outcome.error = "ЧИСЛО ПОЛЕЙ СТРОКИ НЕ РАВНО ЧИСЛУ СТОЛБЦОВ ЗАГОЛОВКА!!!";
        } else {
            columns->keyTexts(reader.fields(), texts);
            outcome = calculate(*operation, texts);
        }
        if (!outcome.error.empty()) {
            std::fprintf(stderr, "СТРОКА %s: %s\n", integerText(number).c_str(),
                         outcome.error.c_str());
            refused = true; // a report with a row missing would misnumber the rest
            continue;
        }
        if (outcome.notice != nullptr) {
            std::fprintf(stderr, "СТРОКА %s: %s\n", integerText(number).c_str(), outcome.notice);
        }
        outcome.row.row = counters.NextRow;
        table.write(counters.NextRow,
                    rowCells(window.layout, outcome.row, window.patterns, separator),
                    outcome.row.results, counters);
    }
    if (status != CsvReader::Status::End) {
        return usageError(readFailureMessage(status, "СТРОКЕ " + integerText(number + 1)));
    }
    if (refused) {
        return exitRefused;
    }

    const std::string outputPath(*command.output);
    std::string bytes;
    bool crossed = false;
    if (csv) {
        // What the window's "ЭКСПОРТ → CSV…" writes of the same table with the same machine.
        std::vector<std::vector<std::string>> rows = table.reportRows();
        if (machine.machine) {
            const Calculation& calc = calculation(operation->window);
            const std::vector<RowResults> results = table.reportResults();
            addMachineColumns(rows, results, *machine.machine, calc, separator);
            crossed = std::any_of(results.begin(), results.end(), [&](const RowResults& row) {
                return !checkMachine(*machine.machine, calc, row).violations.empty();
            });
        }
        bytes = tableCsv(rows, separator);
    } else if (std::optional<std::string> report =
                   toWindows1251(reportText(operation->title, table.reportRows()))) {
        bytes = std::move(*report);
    } else {
        // Every cell is a number or a name of the windows, all in the code page.
        std::fprintf(stderr, "ОТЧЁТ НЕ ПЕРЕВОДИТСЯ В КОДИРОВКУ WINDOWS-1251!!!\n");
        return exitRefused;
    }
    if (!writeFileBytes(outputPath, bytes)) {
        return usageError("НЕ УДАЁТСЯ ЗАПИСАТЬ ФАЙЛ: " + outputPath + "!!!");
    }
    return crossed ? exitCrossed : exitComputed;
}
