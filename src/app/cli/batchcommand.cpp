#include "app/cli/batchcalculation.h"
#include "app/cli/commandline.h"
#include "app/cli/commandopening.h"
#include "app/cli/commands.h"
#include "app/cli/filehandle.h"

#include <filesystem>

namespace {

std::string cannotWrite(std::string_view path) {
    return "НЕ УДАЁТСЯ ЗАПИСАТЬ ФАЙЛ: " + std::string(path) + "!!!";
}

} // namespace

int runBatch(std::span<const std::string_view> arguments) {
    constexpr FileCallForm form{flagOutput | flagMachine, 0, false,
                                "НУЖНО: rezhim-cli batch ВХОД.csv [-o ВЫХОД.csv] [СТАНОК]!!!",
                                "ПОСЛЕ ФАЙЛА ЗАДАЮТСЯ ТОЛЬКО КЛЮЧИ СТАНКА: "};
    int code = exitComputed;
    std::optional<FileCall> call = openFileCall(arguments, form, nullptr, code);
    if (!call) {
        return code;
    }
    const CommandArguments& command = call->command;
    const std::string& inputPath = call->inputPath;
    CsvReader reader(call->input.get());
    std::string error;
    std::optional<BatchCalculation> batch =
        BatchCalculation::begin(reader, error, std::move(call->machine));
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
