// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/speed/speedrow.h"

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

// A coefficient row of the tests, its fields given by name.
inline SpeedRow speedRow(const std::string& name, std::vector<std::string> served,
                         std::initializer_list<std::pair<SpeedField, double>> fields) {
    SpeedRow row;
    row.name = name;
    row.operations = std::move(served);
    for (const auto& [field, value] : fields) {
        row.set(field, value);
    }
    return row;
}

// The drilling check: an HSS drill in steel, v = 7·D^0,4 / (T^0,2·s^0,7) · 0,51 at T = 45 min,
// 11,688 m/min for D = 11,5 and s = 0,25.
inline SpeedRow drillingRow(const std::string& name = "сверло Р6М5") {
    SpeedRow row = speedRow(name, {"drilling"},
                            {{SpeedField::Cv, 7},
                             {SpeedField::q, 0.4},
                             {SpeedField::y, 0.7},
                             {SpeedField::m, 0.2},
                             {SpeedField::T, 45},
                             {SpeedField::Kmv, 0.51}});
    row.source = "справочник, табл. 28";
    return row;
}

// The face-milling check: an HSS face mill, v = 41·D^0,25 / (T^0,2·t^0,1·Sz^0,4·B^0,15·z^0) at
// T = 180 min, 54,84 m/min for D = 100, z = 10, B = 48, t = 1 and Sz = 0,15. It gives no factor,
// so Kv is 1.
inline SpeedRow faceMillingRow(const std::string& name = "торцовая фреза Р6М5") {
    return speedRow(name, {"face-milling"},
                    {{SpeedField::Cv, 41},
                     {SpeedField::q, 0.25},
                     {SpeedField::x, 0.1},
                     {SpeedField::y, 0.4},
                     {SpeedField::u, 0.15},
                     {SpeedField::p, 0},
                     {SpeedField::m, 0.2},
                     {SpeedField::T, 180}});
}
