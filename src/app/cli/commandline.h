// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdio>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// How the program ends: scripts tell a refused calculation from a wrong call by it.
enum ExitCode : int {
    exitComputed = 0,
    exitRefused = 1, // a calculation refused with the window's message
    exitUsage = 2,   // a wrong call, or a file that cannot be read or written
    exitCrossed = 3, // computed, but beyond a limit of the machine or the cutter
};

// Writes the text and a line end, all of it: a message may hold any byte a user typed.
void printLine(std::FILE* stream, std::string_view text);

// Says what is wrong with the call on stderr, with where to read how to call; gives exitUsage.
int usageError(std::string_view message);

// Says why the calculation is refused on stderr; gives exitRefused.
int refusal(std::string_view message);

// The error of keys read (the machine's, the cutter's) as its code classes it: a wrong call, or
// data the checks cannot use, a refusal.
int keysFailure(ExitCode code, std::string_view message);

// The flags a command accepts.
enum CommandFlag : unsigned {
    flagJson = 1u,      // --json
    flagComma = 2u,     // --comma
    flagOutput = 4u,    // -o FILE
    flagMachine = 8u,   // --machine NAME and --machines FILE
    flagVary = 16u,     // --vary s|v (limit), --vary KEY=FROM:TO:COUNT (sweep)
    flagFormat = 32u,   // --format NAME
    flagSpeedRow = 64u, // --row NAME and --data FILE
};

// A command's arguments with its flags taken out, wherever they stand; the rest keep their order.
struct CommandArguments {
    std::vector<std::string_view> positional;
    bool json = false;
    bool comma = false;
    std::optional<std::string_view> output;
    std::optional<std::string_view> machine;  // a machine of the library, by name
    std::optional<std::string_view> machines; // the library file
    std::optional<std::string_view> vary;
    std::optional<std::string_view> format;
    std::optional<std::string_view> row;  // a coefficient row of the speed library, by name
    std::optional<std::string_view> data; // the speed library file
    std::string error;                    // an unknown, repeated or incomplete flag
};
CommandArguments splitArguments(std::span<const std::string_view> arguments, unsigned accepted);
