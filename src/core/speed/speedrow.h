// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/calc/materials.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A row of a handbook's cutting-speed table, as the user enters it from the shop's own edition:
// the speed a tool stands for its tool life T is
//     v = Cv · D^q · i^k / (T^m · t^x · s^y · B^u · z^p) · Kv,   Kv = Kmv · Kpv · Kiv · K,
// for the operations, the tool material and the work material the row is for, within its bands
// of feed, depth, diameter and width.

// The row's numbers, by the names the data file, its CSV and the command line give them: the
// coefficient and the exponents; the tool life the row was made for, min; the work-material
// factor, Kg·(750/σв)^nv for steel, (190/HB)^nv for cast iron, or Kmv itself; the surface,
// tool-grade and further factors; the bands of s, t, D and B, each above `from` up to `to`.
// clang-format off
enum class SpeedField {
    Cv, q, x, y, u, p, m, k,
    T,
    Kg, nv, Kmv,
    Kpv, Kiv, K,
    sFrom, sTo, tFrom, tTo, DFrom, DTo, BFrom, BTo,
};
// clang-format on
inline constexpr std::size_t speedFieldCount = 23;

struct SpeedFieldInfo {
    std::string_view name;
    double absent; // the value of a field the row does not give
    double low, high;
    bool lowIncluded;
    std::string_view rangeText; // "БОЛЬШЕ 0 И НЕ БОЛЬШЕ 100000"
};
const SpeedFieldInfo& speedFieldInfo(SpeedField field);
std::optional<SpeedField> speedFieldNamed(std::string_view name);

// The values a band limits, in the order of the band fields.
enum class BandValue { s, t, D, B };
inline constexpr std::array<std::string_view, 4> bandValueNames{"s", "t", "D", "B"};

struct SpeedRow {
    std::string name;
    std::vector<std::string> operations; // the command line's names: "drilling", "face-milling"
    ToolMaterial tool = ToolMaterial::HighSpeedSteel;
    WorkMaterial work = WorkMaterial::Steel;
    std::array<std::optional<double>, speedFieldCount> values{};
    std::string source; // book, table, page

    std::optional<double> given(SpeedField field) const {
        return values[static_cast<std::size_t>(field)];
    }
    // The field's value, or its value when absent (0 for an exponent, 1 for a factor).
    double operator[](SpeedField field) const;
    void set(SpeedField field, std::optional<double> value) {
        values[static_cast<std::size_t>(field)] = value;
    }
    bool operator==(const SpeedRow&) const = default;
};

// Why the row cannot be used, naming the row and the field; empty when it can.
std::string speedRowError(const SpeedRow& row);

// The values of the window's boxes the formula reads: D, t, B in mm, s the feed the window reads
// (mm/rev, mm/tooth, or a thread's pitch), z the teeth, i a thread cutter's passes (1 elsewhere),
// H the strength (MPa) or hardness (HB) of the work material.
struct SpeedInputs {
    double D = 0, t = 0, s = 0, B = 0, z = 0, i = 1, H = 0;
    double operator[](BandValue value) const;
};

// Whether the row is for this operation and these materials.
bool serves(const SpeedRow& row, std::string_view operation, ToolMaterial tool, WorkMaterial work);

// Which value lies outside which band of the row ("s = 0,8 ВНЕ ПОЛОСЫ СТРОКИ «…»: СВ. 0,3 ДО
// 0,7!!!"); empty when every value lies within.
std::string bandMisfit(const SpeedRow& row, const SpeedInputs& in, char decimalSeparator);

// Every term of the formula, as the dialog shows them.
struct SpeedTerms {
    double T = 0, Cv = 0, Dq = 1, Tm = 1, tx = 1, sy = 1, Bu = 1, zp = 1, ik = 1;
    double Kmv = 1, Kpv = 1, Kiv = 1, K = 1, Kv = 1;
    double v = 0; // m/min
    double n = 0; // rev/min, with the program's 3,14
};
struct SpeedResult {
    std::optional<SpeedTerms> terms;
    std::string error;
};

// Why a tool life asked for (min) is none a tool has; empty when it is one.
std::string toolLifeError(double T);

// The speed of a row that serves the calculation, at the tool life T (min).
SpeedResult speedOf(const SpeedRow& row, const SpeedInputs& in, double T);

// Real speeds of cutting: below 0,01 m/min nothing cuts, above 100 000 m/min nothing turns.
inline constexpr double lowestSpeed = 0.01;
inline constexpr double highestSpeed = 1e5;
