// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the turning, hole-making and threading windows read: the workpiece (hole, thread)
// diameter and the cutting data.
struct WorkpieceInputs {
    double D = 0; // diameter, mm
    double t = 0; // depth of cut, mm
    double H = 0; // MPa or HB
    double s = 0; // feed per revolution (the pitch in threading), mm/rev
    double v = 0; // cutting speed, m/min
};
