// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/cutter/cutter.h"

#include <optional>

class QSettings;

// The turning window's last cutter, kept between runs in the user's settings beside the main
// window's placement, its numbers in point notation whatever the desktop's format.

// The cutter kept; none where none is, or where what is kept does not read or is refused by the
// core's check (a file edited by hand, or written by another version).
std::optional<Cutter> keptCutter(QSettings& settings);

// Keeps `cutter` in place of the one kept before; none removes it.
void keepCutter(QSettings& settings, const std::optional<Cutter>& cutter);
