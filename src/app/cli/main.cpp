// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/cli/commandline.h"
#include "app/cli/commands.h"
#include "app/cli/signalcleanup.h"
#include "core/about/licence.h"
#include "core/calc/quotedtext.h"

#include <clocale>
#include <cstdio>
#include <string_view>
#include <vector>

// The calculations of the windows for scripts and batches, without Qt. It runs in the user's
// locale, as the windows do; numbers never go through it, so they are read and written with a
// point (or with a comma on request) whatever the environment says.
int main(int argc, char** argv) {
    std::setlocale(LC_ALL, "");
    removeStagedOutputsOnSignals();
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    if (arguments.empty()) {
        return usageError("НЕ ЗАДАНА КОМАНДА!!!");
    }
    const std::string_view command = arguments.front();
    const auto rest = std::span(arguments).subspan(1);
    int code = exitComputed;
    if (command == "--help") {
        const std::string text = helpText();
        std::fwrite(text.data(), 1, text.size(), stdout);
    } else if (command == "--version") {
        std::printf("rezhim-cli %s\n", REZHIM_VERSION);
        std::fwrite(licenceNotice.data(), 1, licenceNotice.size(), stdout);
    } else if (command == "calc") {
        code = runCalc(rest);
    } else if (command == "batch") {
        code = runBatch(rest);
    } else if (command == "limit") {
        code = runLimit(rest);
    } else if (command == "report") {
        code = runReport(rest);
    } else if (command == "sweep") {
        code = runSweep(rest);
    } else if (command == "speed") {
        code = runSpeed(rest);
    } else {
        return usageError("НЕИЗВЕСТНАЯ КОМАНДА: " + quotedText(command) + "!!!");
    }
    // A write to stdout that failed at any point leaves the stream's error set; the last block
    // fails only now, when it is flushed, and a file system may refuse it only on closing.
    const bool written = std::fflush(stdout) == 0 && !std::ferror(stdout);
    if (std::fclose(stdout) != 0 || !written) {
        // A command that said why its output failed gives exitUsage already.
        return code == exitUsage ? code : usageError("НЕ УДАЁТСЯ ЗАПИСАТЬ В СТАНДАРТНЫЙ ВЫВОД!!!");
    }
    return code;
}
