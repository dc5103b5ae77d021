// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/speed/speedrow.h"

#include "core/calc/cuttingformulas.h"
#include "core/calc/numberformat.h"
#include "core/operations/registry.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr SpeedFieldInfo coefficient{"Cv", 0, 0, 1e5, false, "БОЛЬШЕ 0 И НЕ БОЛЬШЕ 100000"};
constexpr SpeedFieldInfo exponent(std::string_view name) {
    return {name, 0, -5, 5, true, "ОТ -5 ДО 5"};
}
constexpr SpeedFieldInfo factor(std::string_view name) {
    return {name, 1, 0.01, 100, true, "ОТ 0,01 ДО 100"};
}
constexpr SpeedFieldInfo band(std::string_view name) {
    return {name, 0, 0, 1e6, false, "БОЛЬШЕ 0 И НЕ БОЛЬШЕ 1000000"};
}

// Indexed by SpeedField. A tool life runs from a minute of a ceramic insert at its limit to the
// 100 000 minutes a multi-spindle setup is planned for; exponents of the handbooks' power laws
// stay well within ±5.
constexpr std::array<SpeedFieldInfo, speedFieldCount> fields{{
    coefficient,    exponent("q"),  exponent("x"),
    exponent("y"),  exponent("u"),  exponent("p"),
    exponent("m"),  exponent("k"),  {"T", 0, 1, 1e5, true, "ОТ 1 ДО 100000 мин"},
    factor("Kg"),   exponent("nv"), factor("Kmv"),
    factor("Kpv"),  factor("Kiv"),  factor("K"),
    band("s-from"), band("s-to"),   band("t-from"),
    band("t-to"),   band("D-from"), band("D-to"),
    band("B-from"), band("B-to"),
}};

std::string rowMessage(const SpeedRow& row, const std::string& text) {
    return "СТРОКА «" + row.name + "»: " + text + "!!!";
}

SpeedField bandFrom(std::size_t value) {
    return static_cast<SpeedField>(static_cast<std::size_t>(SpeedField::sFrom) + 2 * value);
}
SpeedField bandTo(std::size_t value) {
    return static_cast<SpeedField>(static_cast<std::size_t>(SpeedField::sTo) + 2 * value);
}

std::string fieldRangeError(const SpeedRow& row) {
    for (std::size_t i = 0; i < speedFieldCount; ++i) {
        const SpeedFieldInfo& info = fields[i];
        const std::optional<double> value = row.values[i];
        if (value &&
            !((info.lowIncluded ? *value >= info.low : *value > info.low) && *value <= info.high)) {
            return rowMessage(row, "ЗНАЧЕНИЕ " + std::string(info.name) +
                                       " ВНЕ ПРЕДЕЛОВ: " + std::string(info.rangeText));
        }
    }
    return {};
}

std::string workFactorError(const SpeedRow& row) {
    const bool law = row.given(SpeedField::Kg) || row.given(SpeedField::nv);
    if (row.given(SpeedField::Kmv) && law) {
        return rowMessage(row, "Kmv ЗАДАЁТСЯ ВМЕСТО Kg И nv, А НЕ ВМЕСТЕ С НИМИ");
    }
    if (row.given(SpeedField::Kg) && row.work != WorkMaterial::Steel) {
        return rowMessage(row, "Kg ЗАДАЁТСЯ ТОЛЬКО ДЛЯ СТАЛИ");
    }
    if (row.given(SpeedField::nv) &&
        (row.work == WorkMaterial::AluminiumAlloy || row.work == WorkMaterial::CopperAlloy)) {
        return rowMessage(row, "ДЛЯ АЛЮМИНИЕВЫХ И МЕДНЫХ СПЛАВОВ ЗАДАЁТСЯ Kmv, А НЕ nv");
    }
    return {};
}

std::string bandError(const SpeedRow& row) {
    for (std::size_t value = 0; value < bandValueNames.size(); ++value) {
        const auto from = row.given(bandFrom(value));
        const auto to = row.given(bandTo(value));
        if (from && to && !(*from < *to)) {
            return rowMessage(row, "В ПОЛОСЕ " + std::string(bandValueNames[value]) +
                                       " НАЧАЛО ДОЛЖНО БЫТЬ МЕНЬШЕ КОНЦА");
        }
    }
    return {};
}

// Kmv by the row's law from the strength (MPa) or hardness (HB) H: the tables hold speeds for
// steel of 750 MPa and cast iron of 190 HB; alloys of aluminium and copper take a constant.
double workFactor(const SpeedRow& row, double H) {
    if (const auto Kmv = row.given(SpeedField::Kmv)) {
        return *Kmv;
    }
    switch (row.work) {
    case WorkMaterial::Steel:
        return row[SpeedField::Kg] * std::pow(750 / H, row[SpeedField::nv]);
    case WorkMaterial::CastIron:
        return std::pow(190 / H, row[SpeedField::nv]);
    case WorkMaterial::AluminiumAlloy:
    case WorkMaterial::CopperAlloy:
        break;
    }
    return 1;
}

} // namespace

const SpeedFieldInfo& speedFieldInfo(SpeedField field) {
    return fields[static_cast<std::size_t>(field)];
}

std::optional<SpeedField> speedFieldNamed(std::string_view name) {
    const auto found =
        std::find_if(fields.begin(), fields.end(),
                     [name](const SpeedFieldInfo& info) { return info.name == name; });
    if (found == fields.end()) {
        return std::nullopt;
    }
    return static_cast<SpeedField>(found - fields.begin());
}

double SpeedRow::operator[](SpeedField field) const {
    return given(field).value_or(speedFieldInfo(field).absent);
}

double SpeedInputs::operator[](BandValue value) const {
    switch (value) {
    case BandValue::s:
        return s;
    case BandValue::t:
        return t;
    case BandValue::D:
        return D;
    case BandValue::B:
        return B;
    }
    return 0;
}

std::string speedRowError(const SpeedRow& row) {
    if (row.name.find_first_not_of(' ') == std::string::npos) {
        return "НЕ ЗАДАНО ИМЯ СТРОКИ КОЭФФИЦИЕНТОВ!!!";
    }
    if (row.operations.empty()) {
        return rowMessage(row, "НЕ ЗАДАНЫ ОПЕРАЦИИ");
    }
    for (const std::string& operation : row.operations) {
        if (!findOperation(operation)) {
            return rowMessage(row, "НЕИЗВЕСТНАЯ ОПЕРАЦИЯ " + operation);
        }
    }
    if (!row.given(SpeedField::Cv)) {
        return rowMessage(row, "НЕ ЗАДАН КОЭФФИЦИЕНТ Cv");
    }
    for (std::string error : {fieldRangeError(row), workFactorError(row), bandError(row)}) {
        if (!error.empty()) {
            return error;
        }
    }
    return {};
}

bool serves(const SpeedRow& row, std::string_view operation, ToolMaterial tool, WorkMaterial work) {
    return row.tool == tool && row.work == work &&
           std::find(row.operations.begin(), row.operations.end(), operation) !=
               row.operations.end();
}

std::string bandMisfit(const SpeedRow& row, const SpeedInputs& in, char decimalSeparator) {
    for (std::size_t i = 0; i < bandValueNames.size(); ++i) {
        const auto from = row.given(bandFrom(i));
        const auto to = row.given(bandTo(i));
        const double value = in[static_cast<BandValue>(i)];
        if ((from && !(value > *from)) || (to && !(value <= *to))) {
            std::string band;
            if (from) {
                band += "СВ. " + plainText(*from, decimalSeparator);
            }
            if (to) {
                band += (from ? " ДО " : "ДО ") + plainText(*to, decimalSeparator);
            }
            return std::string(bandValueNames[i]) + " = " + plainText(value, decimalSeparator) +
                   " ВНЕ ПОЛОСЫ СТРОКИ «" + row.name + "»: " + band + "!!!";
        }
    }
    return {};
}

std::string toolLifeError(double T) {
    const SpeedFieldInfo& info = speedFieldInfo(SpeedField::T);
    if (T >= info.low && T <= info.high) {
        return {};
    }
    return "ПЕРИОД СТОЙКОСТИ T ВНЕ ПРЕДЕЛОВ: " + std::string(info.rangeText) + "!!!";
}

SpeedResult speedOf(const SpeedRow& row, const SpeedInputs& in, double T) {
    SpeedResult out;
    SpeedTerms terms;
    // A value the row gives no exponent for stays out, even where it was not entered (0^0 = 1).
    const auto power = [&row](double base, SpeedField exponent) {
        return row.given(exponent) ? std::pow(base, row[exponent]) : 1.0;
    };
    terms.T = T;
    terms.Cv = row[SpeedField::Cv];
    terms.Dq = power(in.D, SpeedField::q);
    terms.ik = power(in.i, SpeedField::k);
    terms.Tm = power(T, SpeedField::m);
    terms.tx = power(in.t, SpeedField::x);
    terms.sy = power(in.s, SpeedField::y);
    terms.Bu = power(in.B, SpeedField::u);
    terms.zp = power(in.z, SpeedField::p);
    terms.Kmv = workFactor(row, in.H);
    terms.Kpv = row[SpeedField::Kpv];
    terms.Kiv = row[SpeedField::Kiv];
    terms.K = row[SpeedField::K];
    terms.Kv = terms.Kmv * terms.Kpv * terms.Kiv * terms.K;
    terms.v = terms.Cv * terms.Dq * terms.ik /
              (terms.Tm * terms.tx * terms.sy * terms.Bu * terms.zp) * terms.Kv;
    terms.n = spindleSpeed(terms.v, in.D);
    if (!(terms.v >= lowestSpeed && terms.v <= highestSpeed && std::isfinite(terms.n))) {
        out.error = rowMessage(row, "СКОРОСТЬ РЕЗАНИЯ ПО ЭТОЙ СТРОКЕ ВНЕ ПРЕДЕЛОВ ОТ 0,01 ДО "
                                    "100000 м/мин");
        return out;
    }
    out.terms = terms;
    return out;
}
