#pragma once

#include <span>
#include <string>
#include <string_view>

// The commands of rezhim-cli, each given the arguments after its name; each returns the exit code.

// calc OPERATION key=value ... [--json] [--comma]: one row of the operation's results grid.
int runCalc(std::span<const std::string_view> arguments);

// batch INPUT.csv [-o OUTPUT.csv]: every row of a file, with the raw results appended.
int runBatch(std::span<const std::string_view> arguments);

// report OPERATION INPUT.csv -o REPORT.txt [--comma]: the report the window's "СОХРАНИТЬ" writes.
int runReport(std::span<const std::string_view> arguments);

// What --help prints.
std::string helpText();
