// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/machine/passportfeed.h"

#include "core/calc/numberformat.h"

#include <algorithm>

PassportFeedChoice passportFeed(const Machine& machine, const Calculation& calculation,
                                const CalcInputs& inputs, double n, char decimalSeparator) {
    if (!calculation.feedIsChosen) {
        return {std::nullopt, "ПОДАЧА РЕЗЬБЫ РАВНА ЕЁ ШАГУ И НЕ ВЫБИРАЕТСЯ!!!"};
    }
    if (machine.feeds.empty()) {
        return {std::nullopt, "У СТАНКА " + machine.name + " НЕ ЗАДАНЫ ПОДАЧИ!!!"};
    }
    const std::optional<PassportSpeed> speed = passportSpeed(machine, n, inputs[Key::D]);
    if (!speed) {
        return {std::nullopt, noPassportSpeedMessage(n, decimalSeparator)};
    }
    // A mill's feed per revolution is that of all its teeth.
    const bool milling = calculation.removalOf(inputs.kind) == RemovalFormula::milling;
    const double teeth = milling ? inputs[Key::z] : 1;
    const double perMinute = machine.feedUnit == FeedUnit::perMinute ? speed->n : 1;
    PassportFeed out{*speed, inputs[Key::s] * teeth * perMinute};
    // A feed just written from a passport feed comes back a rounding error below it.
    const auto above =
        std::upper_bound(machine.feeds.begin(), machine.feeds.end(), out.wanted * (1 + 1e-9));
    if (above == machine.feeds.begin()) {
        return {std::nullopt, "У СТАНКА НЕТ ПОДАЧИ НЕ БОЛЬШЕ " +
                                  plainText(out.wanted, decimalSeparator) + " " +
                                  std::string(feedUnitCaption(machine.feedUnit)) + "!!!"};
    }
    out.passport = *std::prev(above);
    out.s = out.passport / (teeth * perMinute);
    out.Sm = out.s * teeth * speed->n;
    return {out, {}};
}

std::string passportFeedMessage(const PassportFeed& feed, FeedUnit machineUnit,
                                std::string_view feedUnit, char decimalSeparator) {
    return "ПОДАЧА ПО ПАСПОРТУ " + plainText(feed.passport, decimalSeparator) + " " +
           std::string(feedUnitCaption(machineUnit)) +
           ": s = " + plainText(feed.s, decimalSeparator) + " " + std::string(feedUnit) +
           " при nф = " + plainText(feed.speed.n, decimalSeparator) +
           " об/мин, v = " + plainText(feed.speed.v, decimalSeparator) + " м/мин.";
}
