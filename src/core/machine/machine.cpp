// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/machine/machine.h"

#include "core/calc/cuttingformulas.h"
#include "core/calc/fieldrange.h"
#include "core/calc/numberformat.h"
#include "core/calc/parsenumber.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace {

// The R20 series of GOST 8032 in one decade, in hundredths, as the standard rounds them.
constexpr std::array<int, 20> r20Hundredths{100, 112, 125, 140, 160, 180, 200, 224, 250, 280,
                                            315, 355, 400, 450, 500, 560, 630, 710, 800, 900};

double r20Number(int index) {
    const int decade = index >= 0 ? index / 20 : -((-index + 19) / 20);
    // One correctly rounded division, so 11,2 is the double nearest 11,2.
    const double hundredths = r20Hundredths[static_cast<std::size_t>(index - decade * 20)];
    return decade >= 0 ? hundredths * std::pow(10.0, decade) / 100
                       : hundredths / (100 * std::pow(10.0, -decade));
}

std::string mustBePositive(std::string_view field) {
    return std::string(field) + " ДОЛЖНА БЫТЬ БОЛЬШЕ НУЛЯ!!!";
}

// What a real machine has: motors from a bench drill's 10 W to a heavy mill's 10 MW, spindle speeds
// from a slow boring spindle's 0,01 rev/min to an air spindle's million, torques and feed forces
// of at most 10 MN·m and 10 MN. Beyond these the checks' arithmetic over- or underflows (Nдв·η of
// 5e-324 kW is 0) and the searches for the largest feed or speed run off the doubles.
constexpr FieldRange powerRange{machinefield::power, 0.01, 1e4, "ОТ 0,01 ДО 10000 кВт"};
constexpr FieldRange efficiencyRange{machinefield::efficiency, 0.01, 1, "ОТ 0,01 ДО 1"};
constexpr FieldRange spindleSpeedRange{machinefield::speeds, 0.01, 1e6,
                                       "ОТ 0,01 ДО 1000000 об/мин"};
constexpr FieldRange torqueRange{machinefield::torqueMax, 0, 1e7, "ДО 10000000 Н·м"};
constexpr FieldRange forceRange{machinefield::forceMax, 0, 1e7, "ДО 10000000 Н"};
// Feeds from a fine boring head's 0,001 mm/rev to a rapid-feed table's 100 m/min.
constexpr FieldRange feedRange{machinefield::feeds, 0.001, 1e5, "ОТ 0,001 ДО 100000"};

std::string rangeError(const std::optional<double>& value, const FieldRange& range) {
    return fieldRangeError(value, range, "СТАНКА");
}

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// A passport's list of speeds or feeds (`plural` names them): positive, within a real machine's
// range, ascending without repeats.
std::string listError(const std::vector<double>& values, const FieldRange& range,
                      std::string_view plural) {
    if (std::any_of(values.begin(), values.end(), [](double value) { return !(value > 0); })) {
        return std::string(plural) + " ДОЛЖНЫ БЫТЬ БОЛЬШЕ НУЛЯ!!!";
    }
    for (const double value : values) {
        if (std::string error = rangeError(value, range); !error.empty()) {
            return error;
        }
    }
    if (std::adjacent_find(values.begin(), values.end(), std::greater_equal<>()) != values.end()) {
        return std::string(plural) + " ПОВТОРЯЮТСЯ ИЛИ НЕ ИДУТ ПО ВОЗРАСТАНИЮ!!!";
    }
    return {};
}

std::string speedsError(const Machine& machine, MachineUse use) {
    const bool list = !machine.speeds.empty();
    const bool range = machine.speedMin || machine.speedMax;
    if (list && range) {
        return "ЗАДАЙТЕ ЛИБО СПИСОК ЧАСТОТ ВРАЩЕНИЯ, ЛИБО ИХ ДИАПАЗОН!!!";
    }
    if (list) {
        return listError(machine.speeds, spindleSpeedRange, "ЧАСТОТЫ ВРАЩЕНИЯ");
    }
    if (!range) {
        return use == MachineUse::Library ? "НЕ ЗАДАНЫ ЧАСТОТЫ ВРАЩЕНИЯ ШПИНДЕЛЯ!!!" : "";
    }
    if (!machine.speedMin || !machine.speedMax) {
        return "ЗАДАЙТЕ И НАИМЕНЬШУЮ, И НАИБОЛЬШУЮ ЧАСТОТУ!!!";
    }
    if (!(*machine.speedMin > 0)) {
        return mustBePositive(machinefield::speedMin);
    }
    if (!(*machine.speedMax > 0)) {
        return mustBePositive(machinefield::speedMax);
    }
    if (!(*machine.speedMin < *machine.speedMax)) {
        return "НАИМЕНЬШАЯ ЧАСТОТА ДОЛЖНА БЫТЬ МЕНЬШЕ НАИБОЛЬШЕЙ!!!";
    }
    if (std::string error = rangeError(machine.speedMin, spindleSpeedRange); !error.empty()) {
        return error;
    }
    return rangeError(machine.speedMax, spindleSpeedRange);
}

} // namespace

std::string_view feedUnitCaption(FeedUnit unit) {
    return feedUnitCaptions[static_cast<std::size_t>(unit)];
}

std::optional<FeedUnit> feedUnitNamed(std::string_view name) {
    const auto found = std::find(feedUnitNames.begin(), feedUnitNames.end(), name);
    if (found == feedUnitNames.end()) {
        return std::nullopt;
    }
    return static_cast<FeedUnit>(found - feedUnitNames.begin());
}

std::optional<double> spindlePower(const Machine& machine) {
    if (!machine.power || !machine.efficiency) {
        return std::nullopt;
    }
    return *machine.power * *machine.efficiency;
}

std::optional<SpeedRange> speedRange(const Machine& machine) {
    if (!machine.speeds.empty()) {
        return SpeedRange{machine.speeds.front(), machine.speeds.back()};
    }
    if (machine.speedMin && machine.speedMax) {
        return SpeedRange{*machine.speedMin, *machine.speedMax};
    }
    return std::nullopt;
}

namespace {

// The spindle speed itself, before the cutting speed it gives.
std::optional<double> runningSpeed(const Machine& machine, double n) {
    if (machine.speeds.empty()) {
        const std::optional<SpeedRange> range = speedRange(machine);
        if (!range || n < range->low) {
            return std::nullopt;
        }
        return std::min(n, range->high);
    }
    // A speed just written from a passport speed comes back a rounding error below it.
    const double wanted = n * (1 + 1e-9);
    const auto above = std::upper_bound(machine.speeds.begin(), machine.speeds.end(), wanted);
    if (above == machine.speeds.begin()) {
        return std::nullopt;
    }
    return *std::prev(above);
}

} // namespace

std::optional<PassportSpeed> passportSpeed(const Machine& machine, double n, double D) {
    const std::optional<double> running = runningSpeed(machine, n);
    if (!running) {
        return std::nullopt;
    }
    return PassportSpeed{*running, cuttingSpeed(*running, D)};
}

std::string noPassportSpeedMessage(double n, char decimalSeparator) {
    return "У СТАНКА НЕТ ЧАСТОТЫ ВРАЩЕНИЯ НЕ ВЫШЕ " + fixedText(n, 1, decimalSeparator) +
           " об/мин!!!";
}

std::string machineError(const Machine& machine, MachineUse use) {
    const bool library = use == MachineUse::Library;
    if (library && trimmed(machine.name).empty()) {
        return "НЕ ЗАДАНО ИМЯ СТАНКА!!!";
    }
    if (machine.power && !(*machine.power > 0)) {
        return mustBePositive(machinefield::power);
    }
    if (machine.efficiency && !(*machine.efficiency > 0 && *machine.efficiency <= 1)) {
        return "КПД ДОЛЖЕН БЫТЬ БОЛЬШЕ НУЛЯ И НЕ БОЛЬШЕ 1!!!";
    }
    if ((library || machine.efficiency) && !machine.power) {
        return "НЕ ЗАДАНА МОЩНОСТЬ ДВИГАТЕЛЯ!!!";
    }
    if ((library || machine.power) && !machine.efficiency) {
        return "НЕ ЗАДАН КПД ПРИВОДА!!!";
    }
    if (std::string speeds = speedsError(machine, use); !speeds.empty()) {
        return speeds;
    }
    if (machine.torqueMax && !(*machine.torqueMax > 0)) {
        return "НАИБОЛЬШИЙ МОМЕНТ ДОЛЖЕН БЫТЬ БОЛЬШЕ НУЛЯ!!!";
    }
    if (machine.forceMax && !(*machine.forceMax > 0)) {
        return mustBePositive(machinefield::forceMax);
    }
    if (std::string feeds = listError(machine.feeds, feedRange, machinefield::feeds);
        !feeds.empty()) {
        return feeds;
    }
    for (const auto& [value, range] :
         {std::pair{machine.power, powerRange}, std::pair{machine.efficiency, efficiencyRange},
          std::pair{machine.torqueMax, torqueRange}, std::pair{machine.forceMax, forceRange}}) {
        if (std::string error = rangeError(value, range); !error.empty()) {
            return error;
        }
    }
    return {};
}

std::string notANumberMessage(std::string_view field, std::string_view text) {
    return "НЕВЕРНОЕ ЧИСЛО В ПОЛЕ «" + std::string(field) + "»: " + std::string(text) + "!!!";
}

std::vector<std::string_view> speedListItems(std::string_view text) {
    std::vector<std::string_view> items;
    while (!text.empty()) {
        const auto separator = text.find(';');
        const std::string_view item = text.substr(0, separator);
        text =
            separator == std::string_view::npos ? std::string_view() : text.substr(separator + 1);
        if (!item.empty()) {
            items.push_back(item);
        }
    }
    return items;
}

SpeedList parseSpeedList(std::string_view text) {
    SpeedList out;
    for (const std::string_view item : speedListItems(text)) {
        if (trimmed(item).empty()) {
            continue; // "40; 50; " typed with a space after the last separator
        }
        const std::optional<double> speed = typedNumber(item);
        if (!speed) {
            out.badItem = std::string(trimmed(item));
            return out;
        }
        out.speeds.push_back(*speed);
    }
    std::sort(out.speeds.begin(), out.speeds.end());
    return out;
}

std::string speedListText(const std::vector<double>& speeds, char decimalSeparator) {
    std::string out;
    for (const double speed : speeds) {
        if (!out.empty()) {
            out += "; ";
        }
        out += plainText(speed, decimalSeparator);
    }
    return out;
}

std::vector<double> seriesSpeeds(const SpeedSeries& series, double nmin, double nmax) {
    std::vector<double> out;
    if (!(nmin > 0 && nmin < nmax && std::isfinite(nmax))) {
        return out;
    }
    // R20 numbers are 10^(i/20) rounded, so the index nearest nmin is 20·lg nmin rounded.
    const int first = static_cast<int>(std::lround(20 * std::log10(nmin)));
    for (int index = first;; index += series.step) {
        const double speed = r20Number(index);
        if (speed > nmax * (1 + 1e-9)) {
            return out;
        }
        out.push_back(speed);
    }
}
