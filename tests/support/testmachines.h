// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/machine/machine.h"

// The knee-type mill of the tests: 7,5 kW at η 0,8, so 6 kW at the spindle, and the gearbox's
// R10 speeds from 31,5 to 1600 rev/min.
inline Machine mill6R12() {
    Machine machine;
    machine.name = "6Р12";
    machine.power = 7.5;
    machine.efficiency = 0.8;
    machine.speeds = seriesSpeeds(speedSeries[1], 31.5, 1600);
    return machine;
}
