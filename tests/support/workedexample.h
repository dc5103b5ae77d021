// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/calc/calculation.h"

// The face-milling worked example as the core takes it: a carbide cutter of 100 mm with 10 teeth,
// 50 mm wide and 2 mm deep in 750 MPa steel, 0,1 mm/tooth at 100 m/min.
inline CalcInputs faceMillingExample() {
    CalcInputs in;
    in.tool = ToolMaterial::Carbide;
    in.work = WorkMaterial::Steel;
    const std::pair<Key, double> values[] = {{Key::H, 750}, {Key::D, 100}, {Key::z, 10},
                                             {Key::B, 50},  {Key::t, 2},   {Key::s, 0.1},
                                             {Key::v, 100}};
    for (const auto& [key, value] : values) {
        in[key] = value;
    }
    return in;
}
