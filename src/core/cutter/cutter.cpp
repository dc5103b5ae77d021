// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/cutter/cutter.h"

#include "core/calc/fieldrange.h"
#include "core/calc/numberformat.h"

#include <cmath>
#include <numbers>

namespace {

// What a real cutter has: shanks from a 1 mm microboring bar to a 200 mm heavy-lathe bar,
// overhangs up to a metre, nose radii from a sharp 0,01 mm to a 10 mm round insert; a shank of
// soft steel or of a hard alloy ([σ] 10 to 2000 MPa, E 10 000 to 1 000 000 MPa); and finishes
// from lapped Rz 0,01 µm to a rough Rz 1000 µm.
constexpr FieldRange widthRange{cutterfield::shankWidth, 1, 200, "ОТ 1 ДО 200 мм"};
constexpr FieldRange heightRange{cutterfield::shankHeight, 1, 200, "ОТ 1 ДО 200 мм"};
constexpr FieldRange diameterRange{cutterfield::barDiameter, 1, 200, "ОТ 1 ДО 200 мм"};
constexpr FieldRange overhangRange{cutterfield::overhang, 1, 1000, "ОТ 1 ДО 1000 мм"};
constexpr FieldRange radiusRange{cutterfield::noseRadius, 0.01, 10, "ОТ 0,01 ДО 10 мм"};
constexpr FieldRange stressRange{cutterfield::stressMax, 10, 2000, "ОТ 10 ДО 2000 МПа"};
constexpr FieldRange deflectionRange{cutterfield::deflectionMax, 0.001, 10, "ОТ 0,001 ДО 10 мм"};
constexpr FieldRange modulusRange{cutterfield::modulus, 1e4, 1e6, "ОТ 10000 ДО 1000000 МПа"};
constexpr FieldRange roughnessRange{cutterfield::RzMax, 0.01, 1000, "ОТ 0,01 ДО 1000 мкм"};

// The shank's section modulus W, mm³, and second moment of area J, mm⁴, about the axis it bends
// round under Pz.
struct Section {
    double W, J;
};
Section section(const Shank& shank) {
    if (shank.shape == Shank::Shape::Round) {
        const double d = shank.d;
        return {std::numbers::pi * d * d * d / 32, std::numbers::pi * d * d * d * d / 64};
    }
    const double b = shank.b;
    const double h = shank.h;
    return {b * h * h / 6, b * h * h * h / 12};
}

// The force bending the shank, N: Pz for a rectangular shank on the tool post; a boring bar in
// its bore is bent by Pz and Py together.
std::optional<double> load(const Shank& shank, const RowResults& results) {
    if (!results.Pz) {
        return std::nullopt;
    }
    if (shank.shape == Shank::Shape::Rectangular) {
        return *results.Pz;
    }
    if (!results.Py) {
        return std::nullopt;
    }
    return std::hypot(*results.Pz, *results.Py);
}

// Ra of the cusps the nose leaves, from their height Rz: Ra = Rz·4/(9·√3).
double meanRoughness(double Rz) {
    return Rz * 4 / (9 * std::numbers::sqrt3);
}

std::string shankText(const Shank& shank, char separator) {
    if (shank.shape == Shank::Shape::Round) {
        return "⌀" + plainText(shank.d, separator);
    }
    return plainText(shank.b, separator) + "×" + plainText(shank.h, separator);
}

// "σ 372,6 МПа > 200": the value as the line shows it and the allowed value, with the sign of the
// check itself (not of the rounded figures).
std::string checked(std::string_view symbol, double value, int decimals, std::string_view unit,
                    double allowed, char separator) {
    return std::string(symbol) + " " + shortFixedText(value, decimals, separator) + " " +
           std::string(unit) + (value > allowed ? " > " : " ≤ ") + plainText(allowed, separator);
}

} // namespace

std::string cutterError(const Cutter& cutter) {
    if (!cutter.shank && !cutter.noseRadius) {
        return "ЗАДАЙТЕ ДЕРЖАВКУ РЕЗЦА ИЛИ РАДИУС ПРИ ВЕРШИНЕ!!!";
    }
    if (cutter.shank && !cutter.overhang) {
        return "НЕ ЗАДАН ВЫЛЕТ РЕЗЦА!!!";
    }
    if (cutter.RzMax && !cutter.noseRadius) {
        return "БЕЗ РАДИУСА ПРИ ВЕРШИНЕ ШЕРОХОВАТОСТЬ НЕ ПРОВЕРИТЬ!!!";
    }
    std::vector<std::pair<std::optional<double>, FieldRange>> fields;
    if (cutter.shank && cutter.shank->shape == Shank::Shape::Round) {
        fields.emplace_back(cutter.shank->d, diameterRange);
    } else if (cutter.shank) {
        fields.emplace_back(cutter.shank->b, widthRange);
        fields.emplace_back(cutter.shank->h, heightRange);
    }
    fields.insert(fields.end(), {{cutter.overhang, overhangRange},
                                 {cutter.noseRadius, radiusRange},
                                 {cutter.stressMax, stressRange},
                                 {cutter.deflectionMax, deflectionRange},
                                 {cutter.modulus, modulusRange},
                                 {cutter.RzMax, roughnessRange}});
    for (const auto& [value, range] : fields) {
        if (std::string error = fieldRangeError(value, range, "РЕЗЦА"); !error.empty()) {
            return error;
        }
    }
    return {};
}

std::optional<double> cutterValue(const Cutter& cutter, Limit limit, const RowResults& results) {
    if (limit == Limit::roughness) {
        // Rz = 1000·s²/(8·r), µm: the height of the arcs of radius r, s apart.
        if (!cutter.noseRadius || !results.feedPerRevolution) {
            return std::nullopt;
        }
        const double s = *results.feedPerRevolution;
        return 1000 * s * s / (8 * *cutter.noseRadius);
    }
    if (!cutter.shank || !cutter.overhang) {
        return std::nullopt;
    }
    const std::optional<double> F = load(*cutter.shank, results);
    if (!F) {
        return std::nullopt;
    }
    // The shank is a cantilever: its bending stress at the holder, its deflection at the tip.
    const double l = *cutter.overhang;
    const Section shank = section(*cutter.shank);
    if (limit == Limit::strength) {
        return *F * l / shank.W;
    }
    if (limit == Limit::rigidity) {
        return *F * l * l * l / (3 * cutter.modulus * shank.J);
    }
    return std::nullopt;
}

std::vector<CutterBound> cutterBounds(const Cutter& cutter) {
    std::vector<CutterBound> bounds;
    if (cutter.shank && cutter.overhang) {
        bounds.push_back({Limit::strength, cutter.stressMax});
        bounds.push_back({Limit::rigidity, cutter.deflectionMax});
    }
    if (cutter.noseRadius && cutter.RzMax) {
        bounds.push_back({Limit::roughness, *cutter.RzMax});
    }
    return bounds;
}

CutterCheck checkCutter(const Cutter& cutter, const RowResults& results) {
    CutterCheck check;
    check.stress = cutterValue(cutter, Limit::strength, results);
    check.deflection = cutterValue(cutter, Limit::rigidity, results);
    check.Rz = cutterValue(cutter, Limit::roughness, results);
    if (check.Rz) {
        check.Ra = meanRoughness(*check.Rz);
    }
    for (const CutterBound& bound : cutterBounds(cutter)) {
        const std::optional<double> value = cutterValue(cutter, bound.limit, results);
        if (value && *value > bound.allowed) {
            check.violations.push_back({bound.limit, *value, bound.allowed});
        }
    }
    return check;
}

std::string cutterLine(const Cutter& cutter, const CutterCheck& check, char decimalSeparator) {
    const char separator = decimalSeparator;
    std::string out = "Резец";
    std::vector<std::string> parts;
    if (cutter.shank && cutter.overhang) {
        out += " " + shankText(*cutter.shank, separator) + ", вылет " +
               plainText(*cutter.overhang, separator) + " мм";
        if (check.stress && check.deflection) {
            parts.push_back(
                checked("σ", *check.stress, stressDecimals, "МПа", cutter.stressMax, separator));
            parts.push_back(checked("f", *check.deflection, deflectionDecimals, "мм",
                                    cutter.deflectionMax, separator));
        } else {
            parts.emplace_back("σ и f не рассчитаны");
        }
    }
    if (cutter.noseRadius) {
        if (check.Rz && check.Ra) {
            const std::string Rz =
                cutter.RzMax
                    ? checked("Rz", *check.Rz, roughnessDecimals, "мкм", *cutter.RzMax, separator)
                    : "Rz " + shortFixedText(*check.Rz, roughnessDecimals, separator) + " мкм";
            parts.push_back(Rz + " (Ra " + shortFixedText(*check.Ra, roughnessDecimals, separator) +
                            ")");
        } else {
            parts.emplace_back("Rz не рассчитана");
        }
    }
    out += ":";
    for (std::size_t i = 0; i < parts.size(); ++i) {
        out += (i == 0 ? " " : " · ") + parts[i];
    }
    return out;
}

void addCutterColumns(std::vector<std::vector<std::string>>& rows,
                      const std::vector<RowResults>& results, const Cutter& cutter,
                      char decimalSeparator) {
    const auto fixed = [decimalSeparator](const std::optional<double>& value, int decimals) {
        return optionalFixedText(value, decimals, decimalSeparator);
    };
    rows.front().insert(rows.front().end(), {"σ, МПа", "f, мм", "Rz, мкм", "Ra, мкм"});
    for (std::size_t i = 0; i < results.size(); ++i) {
        const CutterCheck check = checkCutter(cutter, results[i]);
        rows[i + 1].insert(rows[i + 1].end(), {fixed(check.stress, 2), fixed(check.deflection, 4),
                                               fixed(check.Rz, 2), fixed(check.Ra, 2)});
    }
}
