// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/calc/calculation.h"
#include "core/machine/machine.h"

#include <optional>
#include <string>

// The feed set on the machine, in the handbook's order: the passport speed nф; the feed at nф in
// the machine's unit (a mill's table Sм = sz·z·nф, a lathe's or drill's s); the nearest passport
// feed not above it; and that feed back in the window's unit (sz = Sм.ф / (z·nф) for a mill).
struct PassportFeed {
    PassportSpeed speed; // nф, rev/min, and the cutting speed at it on D, m/min
    double wanted = 0;   // the feed at nф, in the machine's unit
    double passport = 0; // the passport feed chosen, in the machine's unit
    double s = 0;        // it in the window's feed box: mm/tooth for a mill, mm/rev otherwise
    double Sm = 0;       // the minute feed of the passport feed at nф, mm/min
};

struct PassportFeedChoice {
    std::optional<PassportFeed> feed;
    std::string refusal; // why there is none, in the program's style
};

// The passport feed for the inputs of a row whose computed spindle speed is n; the refusal's
// numbers with `decimalSeparator`.
PassportFeedChoice passportFeed(const Machine& machine, const Calculation& calculation,
                                const CalcInputs& inputs, double n, char decimalSeparator);

// "ПОДАЧА ПО ПАСПОРТУ 315 мм/мин: s = 0,1 мм/зуб при nф = 315 об/мин, v = 98,91 м/мин." for the
// window's message, the feed and the speed as they are written into the boxes; `feedUnit` is the
// unit of the feed box.
std::string passportFeedMessage(const PassportFeed& feed, FeedUnit machineUnit,
                                std::string_view feedUnit, char decimalSeparator);
