// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/cli/commandline.h"
#include "app/cli/keyarguments.h"
#include "app/cli/operations.h"
#include "core/cutter/cutter.h"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

// The cutter a turning calculation is checked against, as key=value arguments (or, in a batch
// file, as columns): the shank "shank=16x16" or the boring bar "bar=25", its overhang, the nose
// radius, and the allowed stress and deflection, the shank's modulus and the required Rz.
inline constexpr std::array<std::string_view, 8> cutterKeyNames{
    "shank", "bar", "overhang", "r", "sigma-max", "f-max", "E", "Rz-max"};

using CutterKeys = NamedKeys<cutterKeyNames.size()>;
inline CutterKeys takeCutterKeys(std::span<const std::string_view> arguments) {
    return takeNamedKeys(cutterKeyNames, arguments);
}
using CutterTexts = std::array<std::optional<std::string_view>, cutterKeyNames.size()>;

struct CutterArguments {
    std::optional<Cutter> cutter; // none when no cutter key is given
    std::string error;
    ExitCode code = exitComputed; // with an error: exitUsage for a wrong call, else exitRefused
};

// The cutter of the texts for the operation, an empty text being a key not given (a batch file's
// empty cell). A cutter key for an operation whose window checks no cutter, and a shank together
// with a bar, are wrong calls; a number that is not one, an overhang or an allowed value of the
// shank without a shank, and a cutter the checks cannot use (cutterError) are refusals.
CutterArguments cutterOfTexts(const CutterTexts& texts, const Operation& operation);

// The cutter of the keys typed on the command line: as cutterOfTexts, and a key with an empty
// value is a wrong call, since left out silently it would drop the check asked for.
CutterArguments resolveCutter(const CutterKeys& keys, const Operation& operation);
