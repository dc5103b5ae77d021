// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <string>
#include <string_view>

// The commands of rezhim-cli, each given the arguments after its name; each returns the exit code.

// calc OPERATION key=value ... [--json] [--comma]: one row of the operation's results grid,
// checked against a machine when one is given.
int runCalc(std::span<const std::string_view> arguments);

// batch INPUT.csv [-o OUTPUT.csv]: every row of a file, with the raw results appended (and the
// machine check, with a machine).
int runBatch(std::span<const std::string_view> arguments);

// limit OPERATION key=value ... --vary s|v [--json]: the largest feed or speed a machine allows.
int runLimit(std::span<const std::string_view> arguments);

// report OPERATION INPUT.csv -o OUTPUT [--comma] [--format report|csv [machine]]: the report
// the window's "СОХРАНИТЬ" writes, or with --format csv the file of its "ЭКСПОРТ → CSV…".
int runReport(std::span<const std::string_view> arguments);

// sweep OPERATION key=value ... --vary KEY=FROM:TO:COUNT [--json]: the raw results at evenly
// spaced values of one key, each as calc computes it there (and the machine check, with one).
int runSweep(std::span<const std::string_view> arguments);

// speed OPERATION key=value ... [ROW] [--json]: the cutting speed and the spindle speed each
// coefficient row gives for the calculation, the row typed as keys, named by --row, or every row
// of the library that serves it (and the passport speed below, with a machine).
int runSpeed(std::span<const std::string_view> arguments);

// What --help prints.
std::string helpText();
