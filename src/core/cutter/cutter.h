// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/calc/resultrow.h"
#include "core/machine/machinecheck.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The shank of a turning cutter: a rectangular one, b across the cutting force Pz and h along it,
// or the round bar of a boring cutter, of diameter d (mm).
struct Shank {
    enum class Shape { Rectangular, Round };
    Shape shape = Shape::Rectangular;
    double b = 0; // mm, rectangular
    double h = 0; // mm, rectangular
    double d = 0; // mm, round

    static Shank rectangular(double b, double h) { return {Shape::Rectangular, b, h, 0}; }
    static Shank round(double d) { return {Shape::Round, 0, 0, d}; }
    bool operator==(const Shank&) const = default;
};

// A cutter as it is checked against one row: the shank's strength and rigidity (both need the
// shank and its overhang) and the finish its nose radius leaves at the row's feed.
struct Cutter {
    std::optional<Shank> shank;
    std::optional<double> overhang;   // l, mm from the holder to the tip
    std::optional<double> noseRadius; // r, mm
    double stressMax = 200;           // [σ], MPa: a steel shank
    double deflectionMax = 0.1;       // [f], mm
    double modulus = 200000;          // E, MPa: a steel shank (a carbide bar is stiffer)
    std::optional<double> RzMax;      // the roughness the drawing asks for, µm

    bool operator==(const Cutter&) const = default;
};

// The decimals the line under the grid and the messages show: σ 372,6 МПа, f 0,124 мм, Rz 80
// мкм (Ra 20,5).
inline constexpr int stressDecimals = 1;
inline constexpr int deflectionDecimals = 3;
inline constexpr int roughnessDecimals = 1;

// The field names the messages use.
namespace cutterfield {
inline constexpr std::string_view shankWidth = "ШИРИНА ДЕРЖАВКИ";
inline constexpr std::string_view shankHeight = "ВЫСОТА ДЕРЖАВКИ";
inline constexpr std::string_view barDiameter = "ДИАМЕТР ОПРАВКИ";
inline constexpr std::string_view overhang = "ВЫЛЕТ РЕЗЦА";
inline constexpr std::string_view noseRadius = "РАДИУС ПРИ ВЕРШИНЕ";
inline constexpr std::string_view stressMax = "ДОПУСТИМОЕ НАПРЯЖЕНИЕ";
inline constexpr std::string_view deflectionMax = "ДОПУСТИМЫЙ ПРОГИБ";
inline constexpr std::string_view modulus = "МОДУЛЬ УПРУГОСТИ";
inline constexpr std::string_view RzMax = "ТРЕБУЕМАЯ ШЕРОХОВАТОСТЬ Rz";
} // namespace cutterfield

// Why the cutter cannot be checked, in the program's style, naming the field; empty when it can.
// A cutter checks something: a shank (with its overhang) or a nose radius (which a required Rz
// needs).
std::string cutterError(const Cutter& cutter);

// The quantity a cutter's limit (Limit::strength, rigidity or roughness) holds down, computed
// from the row: σ, MPa; f, mm; Rz, µm. None where the cutter or the row lacks what it needs.
std::optional<double> cutterValue(const Cutter& cutter, Limit limit, const RowResults& results);

// The limits the cutter sets, with their allowed values: the shank's two where there is a shank
// with its overhang, the finish where there is a nose radius and a required Rz.
struct CutterBound {
    Limit limit;
    double allowed;
};
std::vector<CutterBound> cutterBounds(const Cutter& cutter);

// A row checked against a cutter: the bending stress, the deflection, the theoretical roughness
// (none where not computed) and the checks that fail, in the order of Limit.
struct CutterCheck {
    std::optional<double> stress;     // σ, MPa
    std::optional<double> deflection; // f, mm
    std::optional<double> Rz, Ra;     // µm
    std::vector<Violation> violations;
};
CutterCheck checkCutter(const Cutter& cutter, const RowResults& results);

// "Резец 16×16, вылет 40 мм: σ 372,6 МПа > 200 · f 0,124 мм > 0,1 · Rz 80 мкм (Ra 20,5)", the
// line under the grid; without a shank only the finish.
std::string cutterLine(const Cutter& cutter, const CutterCheck& check, char decimalSeparator);

// The table's rows (headings first, then one per entry of `results`) with the cutter's four
// columns added: "σ, МПа", "f, мм", "Rz, мкм" and "Ra, мкм", empty where not computed.
void addCutterColumns(std::vector<std::vector<std::string>>& rows,
                      const std::vector<RowResults>& results, const Cutter& cutter,
                      char decimalSeparator);
