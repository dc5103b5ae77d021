// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/machine/machinecheck.h"

#include "core/calc/feedrates.h"
#include "core/calc/inputranges.h"
#include "core/calc/numberformat.h"
#include "core/cutter/cutter.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr std::array<std::string_view, 8> limitCaptions{"МОЩНОСТЬ НА ШПИНДЕЛЕ",
                                                        "НАИБОЛЬШИЙ МОМЕНТ СТАНКА",
                                                        "ДИАПАЗОН ЧАСТОТ ВРАЩЕНИЯ СТАНКА",
                                                        "НАИБОЛЬШАЯ СИЛА ПОДАЧИ СТАНКА",
                                                        "НАИБОЛЬШАЯ ПОДАЧА СТАНКА",
                                                        "ПРОЧНОСТЬ ДЕРЖАВКИ",
                                                        "ЖЁСТКОСТЬ РЕЗЦА",
                                                        "ШЕРОХОВАТОСТЬ ПОВЕРХНОСТИ"};

// The crossed limits in the table's "превышено" column.
constexpr std::array<std::string_view, 8> limitWords{"мощность",    "момент",       "частота",
                                                     "сила подачи", "подача",       "прочность",
                                                     "жёсткость",   "шероховатость"};

// What each limit holds down, as the messages name it.
constexpr std::array<std::string_view, 8> limitedQuantities{
    "МОЩНОСТЬ РЕЗАНИЯ", "КРУТЯЩИЙ МОМЕНТ",       "ЧАСТОТА ВРАЩЕНИЯ", "СИЛА ПОДАЧИ",
    "ПОДАЧА",           "ИЗГИБАЮЩЕЕ НАПРЯЖЕНИЕ", "ПРОГИБ РЕЗЦА",     "ШЕРОХОВАТОСТЬ"};

std::string_view quantityOf(Limit limit) {
    return limitedQuantities[static_cast<std::size_t>(limit)];
}

// The largest value of a limited result, or for the speed the highest and lowest; or the largest
// value of a cutter's check, computed from the row.
struct Bound {
    Limit limit;
    std::optional<Result> result; // none for the feed, read from the row's feed rates
    double allowed;
    bool isMinimum = false; // the result must not fall below `allowed`
    FeedUnit feedUnit = FeedUnit::perMinute;
    const Cutter* cutter = nullptr; // of a cutter's limit
};

std::optional<double> boundValue(const Bound& bound, const RowResults& results) {
    if (bound.cutter) {
        return cutterValue(*bound.cutter, bound.limit, results);
    }
    if (!bound.result) {
        return bound.feedUnit == FeedUnit::perMinute ? results.Sm : results.feedPerRevolution;
    }
    return resultValue(results, *bound.result);
}

std::vector<Bound> machineBounds(const Machine& machine, const Calculation& calculation) {
    std::vector<Bound> bounds;
    bounds.reserve(6);
    if (const auto power = spindlePower(machine)) {
        bounds.push_back({Limit::power, Result::N, *power});
    }
    if (machine.torqueMax) {
        bounds.push_back({Limit::torque, Result::M, *machine.torqueMax});
    }
    if (const auto range = speedRange(machine)) {
        bounds.push_back({Limit::speed, Result::n, range->high});
        bounds.push_back({Limit::speed, Result::n, range->low, true});
    }
    if (const auto force = limitedResult(calculation, Limit::force); force && machine.forceMax) {
        bounds.push_back({Limit::force, *force, *machine.forceMax});
    }
    if (!machine.feeds.empty() && calculation.feedIsChosen) {
        bounds.push_back(
            {Limit::feed, std::nullopt, machine.feeds.back(), false, machine.feedUnit});
    }
    return bounds;
}

std::vector<Bound> allBounds(const Machine* machine, const Cutter* cutter,
                             const Calculation& calculation) {
    std::vector<Bound> bounds;
    if (machine) {
        bounds = machineBounds(*machine, calculation);
    }
    if (cutter) {
        for (const CutterBound& bound : cutterBounds(*cutter)) {
            bounds.push_back(
                {bound.limit, std::nullopt, bound.allowed, false, FeedUnit::perRevolution, cutter});
        }
    }
    return bounds;
}

bool keeps(const Bound& bound, double value) {
    return bound.isMinimum ? value >= bound.allowed : value <= bound.allowed;
}

std::string violationLine(const Violation& violation, char separator) {
    const auto fixed = [separator](double value, int decimals) {
        return fixedText(value, decimals, separator);
    };
    switch (violation.limit) {
    case Limit::power:
        return "МОЩНОСТЬ РЕЗАНИЯ " + fixed(violation.value, 2) +
               " кВт БОЛЬШЕ МОЩНОСТИ НА ШПИНДЕЛЕ " + fixed(violation.allowed, 2) + " кВт!!!";
    case Limit::torque:
        return "КРУТЯЩИЙ МОМЕНТ " + fixed(violation.value, 2) +
               " Н·м БОЛЬШЕ НАИБОЛЬШЕГО МОМЕНТА СТАНКА " + fixed(violation.allowed, 2) + " Н·м!!!";
    case Limit::speed:
        return "ЧАСТОТА ВРАЩЕНИЯ " + fixed(violation.value, 1) + " об/мин " +
               (violation.value > violation.allowed ? "БОЛЬШЕ НАИБОЛЬШЕЙ" : "МЕНЬШЕ НАИМЕНЬШЕЙ") +
               " ЧАСТОТЫ СТАНКА " + plainText(violation.allowed, separator) + " об/мин!!!";
    case Limit::force:
        return "СИЛА ПОДАЧИ " + fixed(violation.value, 1) +
               " Н БОЛЬШЕ НАИБОЛЬШЕЙ СИЛЫ ПОДАЧИ СТАНКА " + fixed(violation.allowed, 1) + " Н!!!";
    case Limit::feed: {
        // A table's feed to a tenth of mm/min, a carriage's to a thousandth of mm/rev.
        const bool perMinute = violation.feedUnit == FeedUnit::perMinute;
        const std::string unit(feedUnitCaption(violation.feedUnit));
        return "ПОДАЧА " + fixed(violation.value, perMinute ? 1 : 3) + " " + unit +
               " БОЛЬШЕ НАИБОЛЬШЕЙ ПОДАЧИ СТАНКА " + plainText(violation.allowed, separator) + " " +
               unit + "!!!";
    }
    case Limit::strength:
        return "ИЗГИБАЮЩЕЕ НАПРЯЖЕНИЕ В ДЕРЖАВКЕ " +
               shortFixedText(violation.value, stressDecimals, separator) +
               " МПа БОЛЬШЕ ДОПУСТИМОГО " + plainText(violation.allowed, separator) + " МПа!!!";
    case Limit::rigidity:
        return "ПРОГИБ РЕЗЦА " + shortFixedText(violation.value, deflectionDecimals, separator) +
               " мм БОЛЬШЕ ДОПУСТИМОГО " + plainText(violation.allowed, separator) + " мм!!!";
    case Limit::roughness:
        return "ШЕРОХОВАТОСТЬ Rz " + shortFixedText(violation.value, roughnessDecimals, separator) +
               " мкм БОЛЬШЕ ДОПУСТИМОЙ " + plainText(violation.allowed, separator) + " мкм!!!";
    }
    return {};
}

// The results of the calculation as functions of the varied input.
class ResultsAlong {
public:
    ResultsAlong(const Calculation& calculation, const CalcInputs& inputs, Key varied)
        : calculation_(calculation)
        , inputs_(inputs)
        , varied_(varied) {}

    RowResults at(double x) {
        inputs_[varied_] = x;
        RowResults row = calculation_.compute(inputs_).row;
        addFeedRates(row, calculation_, inputs_);
        return row;
    }

private:
    const Calculation& calculation_;
    CalcInputs inputs_;
    Key varied_;
};

std::optional<double> finiteValue(const RowResults& results, const Bound& bound) {
    const std::optional<double> value = boundValue(bound, results);
    return value && std::isfinite(*value) ? value : std::nullopt;
}

// The results at x0 and on either side of it, x0 / 2 and 2·x0: enough to tell a power law and
// its exponent, computed once for every limit.
struct Probes {
    double x0;
    RowResults at, up, down;
};

// Where a bound stops holding.
class BoundSolver {
public:
    BoundSolver(ResultsAlong& results, const Probes& probes, const Bound& bound)
        : results_(results)
        , probes_(probes)
        , bound_(bound) {}

    LimitReach solve() {
        const auto q0 = finiteValue(probes_.at, bound_);
        if (!q0) {
            return reach(LimitReach::Kind::NoData);
        }
        const auto up = finiteValue(probes_.up, bound_);
        const auto down = finiteValue(probes_.down, bound_);
        if (up && down && *up == *q0 && *down == *q0) {
            return reach(keeps(bound_, *q0) ? LimitReach::Kind::Always : LimitReach::Kind::Never);
        }
        if (up && down && *q0 > 0 && *up > 0 && *down > 0 && bound_.allowed > 0) {
            const double exponent = std::log2(*up / *q0);
            if (std::abs(exponent - std::log2(*q0 / *down)) <= 1e-9 && exponent != 0) {
                return closedForm(*q0, exponent);
            }
        }
        return bisected(up && *up > *q0);
    }

private:
    LimitReach reach(LimitReach::Kind kind, double value = 0) const {
        return {bound_.limit, kind, value};
    }

    bool holdsAt(double x) {
        const auto q = finiteValue(results_.at(x), bound_);
        return q && keeps(bound_, *q);
    }

    // Every search ends after this many steps and then says it found nothing: halving the gap
    // between two doubles, or doubling a step of one bit, crosses the whole range of doubles in
    // fewer. Extreme machine data (a motor of 1e250 kW) must not freeze the window.
    static constexpr int maxSteps = 2200;

    // The last value that keeps the bound between `kept` (keeps it) and `crossed` (does not),
    // halving the gap down to the last bit.
    std::optional<double> boundary(double kept, double crossed) {
        for (int step = 0; step < maxSteps; ++step) {
            const double middle = kept + (crossed - kept) / 2;
            if (!std::isfinite(middle)) {
                return std::nullopt;
            }
            if (middle == kept || middle == crossed) {
                return kept;
            }
            (holdsAt(middle) ? kept : crossed) = middle;
        }
        return std::nullopt;
    }

    LimitReach found(LimitReach::Kind kind, const std::optional<double>& value) const {
        return value ? reach(kind, *value) : reach(LimitReach::Kind::NotFound);
    }

    // q = q0·(x/x0)^e reaches the bound at x0·(allowed/q0)^(1/e). Rounding leaves the value some
    // bits off: steps growing from one bit find the side that keeps the bound, and halving the
    // last step finds its last bit.
    LimitReach closedForm(double q0, double exponent) {
        const double x = probes_.x0 * std::pow(bound_.allowed / q0, 1 / exponent);
        if (!(std::isfinite(x) && x > 0)) {
            return reach(LimitReach::Kind::NotFound);
        }
        // Above the crossing the bound is kept when the result falls with x (a lower end).
        const bool keptAbove = (exponent < 0) != bound_.isMinimum;
        const double inward = keptAbove ? 1 : -1;
        const auto kind = keptAbove ? LimitReach::Kind::Lower : LimitReach::Kind::Upper;
        if (holdsAt(x)) {
            return reach(kind, x);
        }
        double crossed = x;
        double step = std::abs(std::nextafter(x, 0.0) - x);
        double kept = x + inward * step;
        for (int steps = 0; !holdsAt(kept); ++steps) {
            if (steps == maxSteps || !std::isfinite(kept)) {
                return reach(LimitReach::Kind::NotFound);
            }
            crossed = kept;
            step *= 2;
            kept = x + inward * step;
        }
        return found(kind, boundary(kept, crossed));
    }

    // A monotone law that is not a power: bracket the crossing by doubling, then halve it.
    LimitReach bisected(bool rising) {
        const bool keptAbove = rising == bound_.isMinimum;
        const double outward = keptAbove ? 0.5 : 2;
        double kept = probes_.x0;
        double crossed = probes_.x0;
        if (holdsAt(kept)) {
            for (int step = 0; holdsAt(crossed); ++step) {
                if (step == 1100) {
                    return reach(LimitReach::Kind::Always);
                }
                kept = crossed;
                crossed *= outward;
            }
        } else {
            for (int step = 0; !holdsAt(kept); ++step) {
                if (step == 1100) {
                    return reach(LimitReach::Kind::Never);
                }
                crossed = kept;
                kept /= outward;
            }
        }
        for (int step = 0; std::abs(crossed - kept) > 1e-9 * kept; ++step) {
            const double middle = (kept + crossed) / 2;
            if (step == maxSteps || !std::isfinite(middle)) {
                return reach(LimitReach::Kind::NotFound);
            }
            (holdsAt(middle) ? kept : crossed) = middle;
        }
        return reach(keptAbove ? LimitReach::Kind::Lower : LimitReach::Kind::Upper, kept);
    }

    ResultsAlong& results_;
    const Probes& probes_;
    const Bound& bound_;
};

// The answer is a value a real cut can have, as the box takes it: a largest value that rounds
// down to nothing, or lies below the input's range, is kept by no value; one above the range
// leaves the input unbounded within it. The lowest value the limits allow must not lie above
// what is offered.
void keepToARealCut(LargestValue& out, Key varied, std::optional<double> lowest,
                    std::optional<Limit> lowestBound) {
    const std::optional<InputRange> range = inputRange(varied);
    if (out.value && range && *out.value > range->high) {
        out.value.reset();
        out.bound.reset();
        out.unboundedInRange = true;
    }
    if (out.value) {
        const double offered = varied == Key::s || varied == Key::v
                                   ? roundedDown(*out.value, enteredDecimals(varied))
                                   : *out.value;
        if (!(offered > 0) || (range && offered < range->low)) {
            out.value.reset();
            return;
        }
        if (lowest && *lowest > offered) {
            out.value.reset();
            out.bound = lowestBound;
        }
    } else if (lowest && range && *lowest > range->high) {
        out.bound = lowestBound;
        out.unboundedInRange = false;
    }
}

} // namespace

std::optional<Result> limitedResult(const Calculation& calculation, Limit limit) {
    switch (limit) {
    case Limit::power:
        return Result::N;
    case Limit::torque:
        return Result::M;
    case Limit::speed:
        return Result::n;
    case Limit::force:
        return calculation.feedForce;
    case Limit::strength:
    case Limit::rigidity:
        return Result::Pz;
    case Limit::feed:
    case Limit::roughness:
        return std::nullopt;
    }
    return std::nullopt;
}

int limitColumn(const Calculation& calculation, Limit limit) {
    const std::optional<Result> result = limitedResult(calculation, limit);
    return result ? resultColumn(calculation.window.layout, *result) : feedColumn;
}

MachineCheck checkMachine(const Machine& machine, const Calculation& calculation,
                          const RowResults& results) {
    MachineCheck check;
    check.spindlePower = spindlePower(machine);
    if (check.spindlePower && results.N) {
        check.load = *results.N / *check.spindlePower;
    }
    for (const Bound& bound : machineBounds(machine, calculation)) {
        const std::optional<double> value = boundValue(bound, results);
        if (value && !keeps(bound, *value)) {
            check.violations.push_back({bound.limit, *value, bound.allowed, bound.feedUnit});
        }
    }
    return check;
}

std::string violationsMessage(const std::vector<Violation>& violations, char decimalSeparator) {
    std::string out;
    for (const Violation& violation : violations) {
        if (!out.empty()) {
            out += '\n';
        }
        out += violationLine(violation, decimalSeparator);
    }
    return out;
}

std::string loadLine(const Machine& machine, const MachineCheck& check, const RowResults& results,
                     char decimalSeparator) {
    std::string out = "Станок " + machine.name + ": ";
    if (!check.spindlePower) {
        return out + "мощность на шпинделе не задана";
    }
    out += "на шпинделе " + fixedText(*check.spindlePower, 2, decimalSeparator) + " кВт, ";
    if (!results.N || !check.load) {
        return out + "мощность резания не рассчитана";
    }
    return out + "резание " + fixedText(*results.N, 2, decimalSeparator) + " кВт — " +
           fixedText(*check.load * 100, 0, decimalSeparator) + " %";
}

LargestValue largestValue(const Calculation& calculation, const CalcInputs& inputs,
                          const Machine& machine, Key varied) {
    return largestValue(calculation, inputs, &machine, nullptr, varied);
}

LargestValue largestValue(const Calculation& calculation, const CalcInputs& inputs,
                          const Machine* machine, const Cutter* cutter, Key varied) {
    LargestValue out;
    out.byMachine = machine != nullptr;
    out.byCutter = cutter != nullptr;
    ResultsAlong results(calculation, inputs, varied);
    const double x0 = inputs[varied];
    const Probes probes{x0, results.at(x0), results.at(2 * x0), results.at(x0 / 2)};
    std::optional<double> lowest;
    std::optional<Limit> lowestBound;
    for (const Bound& bound : allBounds(machine, cutter, calculation)) {
        const LimitReach reach = BoundSolver(results, probes, bound).solve();
        out.reaches.push_back(reach);
        switch (reach.kind) {
        case LimitReach::Kind::Upper:
            if (!out.value || reach.value < *out.value) {
                out.value = reach.value;
                out.bound = reach.limit;
            }
            break;
        case LimitReach::Kind::Lower:
            if (!lowest || reach.value > *lowest) {
                lowest = reach.value;
                lowestBound = reach.limit;
            }
            break;
        case LimitReach::Kind::Never:
        case LimitReach::Kind::Always:
        case LimitReach::Kind::NoData:
            break;
        case LimitReach::Kind::NotFound:
            out.unsolved = out.unsolved ? out.unsolved : reach.limit;
            break;
        }
    }
    if (out.unsolved) {
        // An answer that leaves out one limit could cross it.
        out.value.reset();
        out.bound = out.unsolved;
        return out;
    }
    const auto never = std::find_if(out.reaches.begin(), out.reaches.end(), [](const auto& reach) {
        return reach.kind == LimitReach::Kind::Never;
    });
    if (never != out.reaches.end()) {
        out.value.reset();
        out.bound = never->limit;
        return out;
    }
    keepToARealCut(out, varied, lowest, lowestBound);
    return out;
}

double roundedDown(double value, int decimals) {
    const double scale = std::pow(10.0, decimals);
    double rounded = std::floor(value * scale) / scale;
    // value·scale may round up to the next whole number.
    if (rounded > value) {
        rounded = (std::floor(value * scale) - 1) / scale;
    }
    return rounded;
}

int enteredDecimals(Key varied) {
    return varied == Key::s ? feedDecimals : speedDecimals;
}

std::string_view limitCaption(Limit limit) {
    return limitCaptions[static_cast<std::size_t>(limit)];
}

std::string inputUnit(GridLayout layout, Key varied) {
    if (varied != Key::s) {
        return "м/мин";
    }
    const std::string feed = headings(layout)[feedColumn]; // "s, мм/зуб"
    return feed.substr(feed.find(", ") + 2);
}

LargestValueReport reportLargest(const LargestValue& largest, GridLayout layout, Key varied,
                                 char decimalSeparator) {
    const std::string whose = !largest.byCutter    ? "СТАНКА"
                              : !largest.byMachine ? "РЕЗЦА"
                                                   : "СТАНКА И РЕЗЦА";
    const bool feed = varied == Key::s;
    const std::string input = feed ? "ПОДАЧА" : "СКОРОСТЬ РЕЗАНИЯ";
    const std::string ofInput = feed ? "ПОДАЧИ" : "СКОРОСТИ РЕЗАНИЯ";
    LargestValueReport out;
    if (largest.unsolved) {
        out.text = "НАИБОЛЬШАЯ " + input + " НЕ НАЙДЕНА ПРИ ТАКИХ ДАННЫХ " + whose +
                   ", ОГРАНИЧЕНИЕ: " + std::string(limitCaption(*largest.unsolved)) + "!!!";
    } else if (largest.value) {
        out.entered = roundedDown(*largest.value, enteredDecimals(varied));
        out.text = "НАИБОЛЬШАЯ " + input + " " + plainText(*out.entered, decimalSeparator) + " " +
                   inputUnit(layout, varied) + ", ЕЁ ОГРАНИЧИВАЕТ " +
                   std::string(limitCaption(*largest.bound)) + ".";
    } else if (largest.bound) {
        out.text = "НИ ПРИ КАКОЙ " + std::string(feed ? "ПОДАЧЕ" : "СКОРОСТИ РЕЗАНИЯ") +
                   " НЕ СОБЛЮДАЕТСЯ ОГРАНИЧЕНИЕ: " + std::string(limitCaption(*largest.bound)) +
                   "!!!";
    } else if (largest.unboundedInRange) {
        // Bounded only where no real cut is: said with the end of the range it holds in.
        out.text = input + " ДО " + plainText(inputRange(varied)->high, decimalSeparator) + " " +
                   inputUnit(layout, varied) + " НЕ ОГРАНИЧЕНА НИ ОДНИМ ПРЕДЕЛОМ " + whose + ".";
    } else {
        out.text = input + " НЕ ОГРАНИЧЕНА НИ ОДНИМ ПРЕДЕЛОМ " + whose + ".";
    }
    std::optional<Limit> noted; // the speed has two ends, told of once
    for (const LimitReach& reach : largest.reaches) {
        const std::string quantity(quantityOf(reach.limit));
        if (reach.limit == noted) {
            continue;
        }
        if (reach.kind == LimitReach::Kind::Always || reach.kind == LimitReach::Kind::Never) {
            out.text += "\n" + quantity + " НЕ ЗАВИСИТ ОТ " + ofInput + ".";
            noted = reach.limit;
        } else if (reach.kind == LimitReach::Kind::NoData) {
            out.text += "\nНЕТ ДАННЫХ СПРАВОЧНИКА: " + quantity + ".";
            noted = reach.limit;
        }
    }
    return out;
}

void addMachineColumns(std::vector<std::vector<std::string>>& rows,
                       const std::vector<RowResults>& results, const Machine& machine,
                       const Calculation& calculation, char decimalSeparator) {
    rows.front().insert(rows.front().end(), {"N шп, кВт", "загрузка, %", "превышено"});
    for (std::size_t i = 0; i < results.size(); ++i) {
        const MachineCheck check = checkMachine(machine, calculation, results[i]);
        std::string crossed;
        for (const Violation& violation : check.violations) {
            const std::string_view word = limitWords[static_cast<std::size_t>(violation.limit)];
            if (crossed.find(word) == std::string::npos) {
                crossed += (crossed.empty() ? "" : ", ") + std::string(word);
            }
        }
        std::vector<std::string>& row = rows[i + 1];
        row.push_back(optionalFixedText(check.spindlePower, 2, decimalSeparator));
        row.push_back(optionalFixedText(
            check.load ? std::optional(*check.load * 100) : std::nullopt, 0, decimalSeparator));
        row.push_back(crossed);
    }
}
