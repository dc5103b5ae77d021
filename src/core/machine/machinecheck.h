// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/calc/calculation.h"
#include "core/machine/machine.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct Cutter;

// What a machine limits: the power at the spindle, its torque, its speeds, the feed force and its
// largest passport feed; and what a cutter limits: the bending stress in its shank, its
// deflection and the roughness its nose leaves.
enum class Limit { power, torque, speed, force, feed, strength, rigidity, roughness };
inline constexpr std::array<std::string_view, 8> limitNames{
    "power", "torque", "speed", "force", "feed", "shank-strength", "shank-rigidity", "roughness"};

// The result a limit holds down in this calculation; none for the feed force of threading, and
// none for the feed, which is an input (its cell is the feed's). The shank bends under Pz (a
// boring bar under Py too, but its cell is Pz's); the roughness follows the feed.
std::optional<Result> limitedResult(const Calculation& calculation, Limit limit);
// The grid column a crossed limit marks: its result's, or the feed's own.
int limitColumn(const Calculation& calculation, Limit limit);

// A crossed limit: the row's value and the machine's or the cutter's (for the speed, the end of
// its range the row's speed lies beyond).
struct Violation {
    Limit limit;
    double value;
    double allowed;
    FeedUnit feedUnit = FeedUnit::perMinute; // of a feed's values
};

// A row checked against a machine. A limit the machine has no data for, or a result the handbook
// has none for, is not checked.
struct MachineCheck {
    std::optional<double> spindlePower; // Nдв·η, kW
    std::optional<double> load;         // N / Nдв·η
    std::vector<Violation> violations;  // in the order of Limit
};
MachineCheck checkMachine(const Machine& machine, const Calculation& calculation,
                          const RowResults& results);

// "МОЩНОСТЬ РЕЗАНИЯ 8,20 кВт БОЛЬШЕ МОЩНОСТИ НА ШПИНДЕЛЕ 6,00 кВт!!!", one line for each limit.
std::string violationsMessage(const std::vector<Violation>& violations, char decimalSeparator);

// "Станок 6Р12: на шпинделе 6,00 кВт, резание 2,81 кВт — 47 %".
std::string loadLine(const Machine& machine, const MachineCheck& check, const RowResults& results,
                     char decimalSeparator);

// How a limit restricts the varied input, all other inputs as they are.
struct LimitReach {
    enum class Kind {
        Upper,    // kept up to `value`
        Lower,    // kept from `value` on
        Always,   // kept whatever the input: it does not depend on it
        Never,    // crossed whatever the input: it does not depend on it
        NoData,   // the handbook gives no value for the result it limits
        NotFound, // the search ended without an answer (data far outside any real machine)
    };
    Limit limit;
    Kind kind;
    double value = 0;
};

struct LargestValue {
    // The largest value of the input at which every limit holds, within the range of a real cut
    // (inputRange) and, for a feed or a speed, not 0 as the box takes it; nothing when no limit
    // bounds it there (then `bound` is empty too) or when no value keeps `bound`.
    std::optional<double> value;
    std::optional<Limit> bound;
    // The limits bound the input only beyond the range of a real cut.
    bool unboundedInRange = false;
    std::vector<LimitReach> reaches; // every limit the machine and the cutter have data for
    // A limit whose search found no answer: then there is no value, and `bound` names it.
    std::optional<Limit> unsolved;
    // Whose limits were sought: the machine's, the cutter's or both.
    bool byMachine = true;
    bool byCutter = false;
};

// The largest feed (Key::s) or cutting speed (Key::v) the machine and the cutter allow for these
// inputs, either of them none. The handbook's laws are powers of s and v, solved in closed form;
// a law that is not (a boring bar's load √(Pz² + Py²)) is bisected to 1e-9 relative. The result
// keeps every limit even in its last bit, and so does the value the box is offered, rounded
// down.
LargestValue largestValue(const Calculation& calculation, const CalcInputs& inputs,
                          const Machine* machine, const Cutter* cutter, Key varied);
// The machine's alone.
LargestValue largestValue(const Calculation& calculation, const CalcInputs& inputs,
                          const Machine& machine, Key varied);

// The largest value as it can be typed into the box: rounded down to 0,001 mm for a feed and to
// 0,1 m/min for a speed, never up, so that it still keeps the limit.
inline constexpr int feedDecimals = 3;
inline constexpr int speedDecimals = 1;
double roundedDown(double value, int decimals);
int enteredDecimals(Key varied);

// The text of `limit` in messages: "МОЩНОСТЬ НА ШПИНДЕЛЕ".
std::string_view limitCaption(Limit limit);

// The unit of the feed or the speed box: "мм/зуб", "мм/об", "м/мин".
std::string inputUnit(GridLayout layout, Key varied);

// What the user is told of a largest value: the value as it can be typed (when there is one), the
// limit that sets it, and each limit that does not depend on the input or has no handbook data.
struct LargestValueReport {
    std::optional<double> entered;
    std::string text;
};
LargestValueReport reportLargest(const LargestValue& largest, GridLayout layout, Key varied,
                                 char decimalSeparator);

// The table's rows (headings first, then one per entry of `results`) with the machine's three
// columns added: "N шп, кВт", "загрузка, %" and "превышено" (the crossed limits).
void addMachineColumns(std::vector<std::vector<std::string>>& rows,
                       const std::vector<RowResults>& results, const Machine& machine,
                       const Calculation& calculation, char decimalSeparator);
