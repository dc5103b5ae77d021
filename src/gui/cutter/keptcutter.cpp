// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/cutter/keptcutter.h"

#include "core/calc/numberformat.h"
#include "core/calc/parsenumber.h"

#include <QSettings>

namespace {

const QString group = QStringLiteral("Cutter");
// The shank's shape: a rectangular shank, a round bar, or none where only the nose is checked.
const QString shapeKey = QStringLiteral("Cutter/shank");
const QString rectangular = QStringLiteral("rectangular");
const QString roundBar = QStringLiteral("round");
const QString noShank = QStringLiteral("none");

// The numbers kept, each under its key; optional ones are left out when not given.
struct NumberKey {
    const char* key;
    std::optional<double> (*get)(const Cutter&);
    void (*set)(Cutter&, double);
};
const NumberKey numberKeys[] = {
    {"overhang", [](const Cutter& c) { return c.overhang; },
     [](Cutter& c, double v) { c.overhang = v; }},
    {"r", [](const Cutter& c) { return c.noseRadius; },
     [](Cutter& c, double v) { c.noseRadius = v; }},
    {"sigmaMax", [](const Cutter& c) { return std::optional(c.stressMax); },
     [](Cutter& c, double v) { c.stressMax = v; }},
    {"fMax", [](const Cutter& c) { return std::optional(c.deflectionMax); },
     [](Cutter& c, double v) { c.deflectionMax = v; }},
    {"E", [](const Cutter& c) { return std::optional(c.modulus); },
     [](Cutter& c, double v) { c.modulus = v; }},
    {"RzMax", [](const Cutter& c) { return c.RzMax; }, [](Cutter& c, double v) { c.RzMax = v; }},
};

QString keyOf(const char* name) {
    return group + QLatin1Char('/') + QString::fromUtf8(name);
}

// Reads the kept numbers; `damaged` is set by one whose text is no number.
class KeptNumbers {
public:
    explicit KeptNumbers(QSettings& settings)
        : settings_(settings) {}

    std::optional<double> operator()(const char* name) {
        const QString key = keyOf(name);
        if (!settings_.contains(key)) {
            return std::nullopt;
        }
        const std::optional<double> value =
            typedNumber(settings_.value(key).toString().toStdString());
        damaged = damaged || !value;
        return value;
    }

    bool damaged = false;

private:
    QSettings& settings_;
};

void keepNumber(QSettings& settings, const char* name, const std::optional<double>& value) {
    if (value) {
        settings.setValue(keyOf(name), QString::fromStdString(plainText(*value, '.')));
    }
}

} // namespace

std::optional<Cutter> keptCutter(QSettings& settings) {
    if (!settings.contains(shapeKey)) {
        return std::nullopt;
    }
    KeptNumbers number(settings);
    Cutter cutter;
    const QString shape = settings.value(shapeKey).toString();
    if (shape == rectangular) {
        cutter.shank = Shank::rectangular(number("b").value_or(0), number("h").value_or(0));
    } else if (shape == roundBar) {
        cutter.shank = Shank::round(number("d").value_or(0));
    } else if (shape != noShank) {
        return std::nullopt;
    }
    for (const NumberKey& key : numberKeys) {
        if (const std::optional<double> value = number(key.key)) {
            key.set(cutter, *value);
        }
    }
    if (number.damaged || !cutterError(cutter).empty()) {
        return std::nullopt;
    }
    return cutter;
}

void keepCutter(QSettings& settings, const std::optional<Cutter>& cutter) {
    settings.remove(group);
    if (!cutter) {
        return;
    }
    const std::optional<Shank>& shank = cutter->shank;
    if (!shank) {
        settings.setValue(shapeKey, noShank);
    } else if (shank->shape == Shank::Shape::Round) {
        settings.setValue(shapeKey, roundBar);
        keepNumber(settings, "d", shank->d);
    } else {
        settings.setValue(shapeKey, rectangular);
        keepNumber(settings, "b", shank->b);
        keepNumber(settings, "h", shank->h);
    }
    for (const NumberKey& key : numberKeys) {
        keepNumber(settings, key.key, key.get(*cutter));
    }
}
