// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The unit of a machine's feed box.
enum class FeedUnit { perMinute, perRevolution };
// As the library file and the command line's key feed-unit= name them, and as the windows show
// them.
inline constexpr std::array<std::string_view, 2> feedUnitNames{"min", "rev"};
inline constexpr std::array<std::string_view, 2> feedUnitCaptions{"мм/мин", "мм/об"};
std::string_view feedUnitCaption(FeedUnit unit);
std::optional<FeedUnit> feedUnitNamed(std::string_view name);

// A machine tool as its passport describes it, for checking whether a cut can be made on it.
// Every limit is optional: a row is checked only against what is known of the machine.
struct Machine {
    std::string name;
    std::optional<double> power;      // main motor Nдв, kW
    std::optional<double> efficiency; // η of the drive from motor to spindle
    std::vector<double> speeds;       // the passport's spindle speeds, rev/min, ascending
    std::optional<double> speedMin;   // or a stepless range, rev/min
    std::optional<double> speedMax;
    std::optional<double> torqueMax; // N·m at the spindle
    std::optional<double> forceMax;  // N along the feed
    // The passport's feeds, ascending, in its unit: a milling machine's table moves in mm/min, a
    // lathe's or a drill's carriage in mm/rev. None: the feed is not checked or chosen.
    std::vector<double> feeds;
    FeedUnit feedUnit = FeedUnit::perMinute;

    bool operator==(const Machine&) const = default;
};

// A machine's number fields by the names the library file and the command line's keys give
// them; the passport's speed list is `machineSpeedsName`.
struct MachineNumberField {
    std::string_view name;
    std::optional<double> Machine::*field;
};
inline constexpr std::array<MachineNumberField, 6> machineNumberFields{{
    {"power", &Machine::power},
    {"efficiency", &Machine::efficiency},
    {"nmin", &Machine::speedMin},
    {"nmax", &Machine::speedMax},
    {"torque-max", &Machine::torqueMax},
    {"force-max", &Machine::forceMax},
}};
inline constexpr std::string_view machineSpeedsName = "speeds";
inline constexpr std::string_view machineFeedsName = "feeds";
inline constexpr std::string_view machineFeedUnitName = "feed-unit";

// The items of a speed list typed as "12,5; 16; 20", split at ";" and kept as typed, spaces
// included; empty items (a trailing ";") are skipped.
std::vector<std::string_view> speedListItems(std::string_view text);

// The power the spindle delivers, Nдв·η, kW; nothing without both.
std::optional<double> spindlePower(const Machine& machine);

struct SpeedRange {
    double low, high;
};
// The lowest and highest spindle speed, of the passport's list or of the range.
std::optional<SpeedRange> speedRange(const Machine& machine);

// The speed the spindle runs at for a computed speed n and the cutting speed it gives on the
// diameter D (mm): of a passport list, the nearest speed not above n; of a stepless drive, n
// itself within nmin–nmax, nmax above it. Nothing when the machine cannot turn as slowly as n.
struct PassportSpeed {
    double n; // rev/min
    double v; // m/min
};
std::optional<PassportSpeed> passportSpeed(const Machine& machine, double n, double D);
// "У СТАНКА НЕТ ЧАСТОТЫ ВРАЩЕНИЯ НЕ ВЫШЕ 30,0 об/мин!!!" where there is none.
std::string noPassportSpeedMessage(double n, char decimalSeparator);

// Why the machine's data cannot be used, in the program's style, naming the field; empty when it
// can. A machine of the library needs a name, the motor, the efficiency and its speeds; one given
// on the command line needs only what its limits use.
enum class MachineUse { Library, Limits };
std::string machineError(const Machine& machine, MachineUse use);

// "НЕВЕРНОЕ ЧИСЛО В ПОЛЕ «КПД»: 0,8x!!!" and the like, for a field whose text is not a number.
std::string notANumberMessage(std::string_view field, std::string_view text);

// The field names the messages use.
namespace machinefield {
inline constexpr std::string_view name = "ИМЯ СТАНКА";
inline constexpr std::string_view power = "МОЩНОСТЬ ДВИГАТЕЛЯ";
inline constexpr std::string_view efficiency = "КПД";
inline constexpr std::string_view speeds = "ЧАСТОТЫ ВРАЩЕНИЯ";
inline constexpr std::string_view speedMin = "НАИМЕНЬШАЯ ЧАСТОТА";
inline constexpr std::string_view speedMax = "НАИБОЛЬШАЯ ЧАСТОТА";
inline constexpr std::string_view torqueMax = "НАИБОЛЬШИЙ МОМЕНТ";
inline constexpr std::string_view forceMax = "НАИБОЛЬШАЯ СИЛА ПОДАЧИ";
inline constexpr std::string_view feeds = "ПОДАЧИ";
} // namespace machinefield

// A list of speeds typed as "12,5; 16; 20": the numbers, or the first item that is not one.
// Empty items (a trailing ";") are skipped.
struct SpeedList {
    std::vector<double> speeds;
    std::optional<std::string> badItem;
};
SpeedList parseSpeedList(std::string_view text);
std::string speedListText(const std::vector<double>& speeds, char decimalSeparator);

// The preferred-number series of GOST 8032 that spindle speeds follow, with their ratio φ.
struct SpeedSeries {
    const char* name;  // "R20"
    const char* ratio; // "1,12"
    int step;          // in steps of the R20 series
};
inline constexpr std::array<SpeedSeries, 4> speedSeries{{
    {"R20", "1,12", 1},
    {"R10", "1,26", 2},
    {"R20/3", "1,41", 3},
    {"R5", "1,58", 4},
}};
// A speed list for the passport to be checked against: from the R20 preferred number nearest
// nmin, every step-th number of R20 up to nmax (R20/3 runs on through the decades: 31,5, 45, 63,
// 90, 125). Empty when nmin is not below nmax or either is not positive.
std::vector<double> seriesSpeeds(const SpeedSeries& series, double nmin, double nmax);
