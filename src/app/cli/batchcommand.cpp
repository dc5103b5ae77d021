#include "app/cli/batchcalculation.h"
#include "app/cli/commandline.h"
#include "app/cli/commands.h"
#include "app/cli/filehandle.h"
#include "app/cli/machinearguments.h"

#include <filesystem>

namespace {

std::string cannotWrite(std::string_view path) {
    return "НЕ УДАЁТСЯ ЗАПИСАТЬ ФАЙЛ: " + std::string(path) + "!!!";
}

} // namespace

int runBatch(std::span<const std::string_view> arguments) {
    const CommandArguments command = splitArguments(arguments, flagOutput | flagMachine);
    if (!command.error.empty()) {
        return usageError(command.error);
    }
    if (command.positional.empty()) {
        return usageError("НУЖНО: rezhim-cli batch ВХОД.csv [-o ВЫХОД.csv] [СТАНОК]!!!");
    }
    // The machine's keys follow the file and hold for every row; the rows' own keys are columns.
    const MachineKeys machineKeys = takeMachineKeys(std::span(command.positional).subspan(1));
    if (!machineKeys.error.empty()) {
        return usageError(machineKeys.error);
    }
    if (!machineKeys.others.empty()) {
        return usageError("ПОСЛЕ ФАЙЛА ЗАДАЮТСЯ ТОЛЬКО КЛЮЧИ СТАНКА: " +
                          std::string(machineKeys.others.front()) + "!!!");
    }
    const std::string inputPath(command.positional.front());
    FileHandle inputFile(std::fopen(inputPath.c_str(), "rb"));
    if (!inputFile) {
        return usageError("НЕ УДАЁТСЯ ПРОЧИТАТЬ ФАЙЛ: " + inputPath + "!!!");
    }
    MachineArguments machine = resolveMachine(machineKeys, command);
    if (!machine.error.empty()) {
        return machine.code == exitUsage ? usageError(machine.error) : refusal(machine.error);
    }
    CsvReader reader(inputFile.get());
    std::string error;
    std::optional<BatchCalculation> batch =
        BatchCalculation::begin(reader, error, std::move(machine.machine));
    if (!batch) {
        return usageError(error);
    }

    FileHandle outputFile;
    std::FILE* sink = stdout;
    if (command.output) {
        const std::string outputPath(*command.output);
        // Opening the output for writing would empty the input before it is read.
        std::error_code ignored;
        if (std::filesystem::equivalent(inputPath, outputPath, ignored)) {
            return usageError("ВЫХОДНОЙ ФАЙЛ СОВПАДАЕТ С ВХОДНЫМ: " + outputPath + "!!!");
        }
        outputFile.reset(std::fopen(outputPath.c_str(), "wb"));
        if (!outputFile) {
            return usageError(cannotWrite(outputPath));
        }
        sink = outputFile.get();
    }

    OutputBuffer output(sink);
    const BatchSummary summary = batch->run(output, stderr);
    const bool closed = !outputFile || std::fclose(outputFile.release()) == 0;
    const std::string_view outputName = command.output ? *command.output : "stdout";
    if (summary.status == BatchSummary::Status::WriteFailed || !closed) {
        return usageError(cannotWrite(outputName));
    }
    if (summary.status == BatchSummary::Status::BadInput) {
        return usageError(summary.message);
    }
    switch (summary.status) {
    case BatchSummary::Status::SomeRefused:
        return exitRefused;
    case BatchSummary::Status::SomeCrossed:
        return exitCrossed;
    default:
        return exitComputed;
    }
}
