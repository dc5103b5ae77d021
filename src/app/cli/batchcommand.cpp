// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/cli/batchcalculation.h"
#include "app/cli/commandline.h"
#include "app/cli/commandopening.h"
#include "app/cli/commands.h"
#include "core/files/reportfile.h"

#include <filesystem>
#include <optional>

namespace {

std::string cannotWrite(std::optional<std::string_view> path) {
    return path ? "НЕ УДАЁТСЯ ЗАПИСАТЬ ФАЙЛ: " + std::string(*path) + "!!!"
                : "НЕ УДАЁТСЯ ЗАПИСАТЬ В СТАНДАРТНЫЙ ВЫВОД!!!";
}

} // namespace

int runBatch(std::span<const std::string_view> arguments) {
    // The cutter's keys are the file's columns: each row may have a cutter of its own.
    constexpr FileCallForm form{flagOutput | flagMachine,
                                0,
                                false,
                                false,
                                "НУЖНО: rezhim-cli batch ВХОД.csv [-o ВЫХОД.csv] [СТАНОК]!!!",
                                "ПОСЛЕ ФАЙЛА ЗАДАЮТСЯ ТОЛЬКО КЛЮЧИ СТАНКА: "};
    int code = exitComputed;
    std::optional<FileCall> call = openFileCall(arguments, form, nullptr, code);
    if (!call) {
        return code;
    }
    const CommandArguments& command = call->command;
    CsvReader reader(call->input.get());
    std::string error;
    std::optional<BatchCalculation> batch =
        BatchCalculation::begin(reader, error, std::move(call->machine));
    if (!batch) {
        return usageError(error);
    }

    // The output is written whole or not at all: a batch that stops short leaves the earlier file.
    std::optional<OutputFile> outputFile;
    std::FILE* sink = stdout;
    if (command.output) {
        sink = outputFile.emplace(std::filesystem::path(*command.output)).stream();
        if (sink == nullptr) {
            return usageError(cannotWrite(*command.output));
        }
    }

    OutputBuffer output(sink);
    const BatchSummary summary = batch->run(output, stderr);
    if (summary.status == BatchSummary::Status::WriteFailed) {
        return usageError(cannotWrite(command.output));
    }
    if (summary.status == BatchSummary::Status::BadInput) {
        return usageError(summary.message);
    }
    if (outputFile && !outputFile->commit()) {
        return usageError(cannotWrite(command.output));
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
