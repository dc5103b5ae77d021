#include "cli/batchcalculation.h"
#include "cli/commandline.h"
#include "cli/commands.h"
#include "cli/filehandle.h"

#include <filesystem>

namespace {

std::string cannotWrite(std::string_view path) {
    return "НЕ УДАЁТСЯ ЗАПИСАТЬ ФАЙЛ: " + std::string(path) + "!!!";
}

} // namespace

int runBatch(std::span<const std::string_view> arguments) {
    const CommandArguments command = splitArguments(arguments, flagOutput);
    if (!command.error.empty()) {
        return usageError(command.error);
    }
    if (command.positional.size() != 1) {
        return usageError("НУЖНО: rezhim-cli batch ВХОД.csv [-o ВЫХОД.csv]!!!");
    }
    const std::string inputPath(command.positional.front());
    FileHandle inputFile(std::fopen(inputPath.c_str(), "rb"));
    if (!inputFile) {
        return usageError("НЕ УДАЁТСЯ ПРОЧИТАТЬ ФАЙЛ: " + inputPath + "!!!");
    }
    CsvReader reader(inputFile.get());
    std::string error;
    std::optional<BatchCalculation> batch = BatchCalculation::begin(reader, error);
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
    return summary.status == BatchSummary::Status::SomeRefused ? exitRefused : exitComputed;
}
