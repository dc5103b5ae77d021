// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/calc/calculation.h"
#include "core/plot/axisticks.h"

#include <QColor>
#include <QString>
#include <array>

// The quantities the chart draws, in the order of their check boxes.
struct Quantity {
    std::optional<double> RowResults::*value; // the result of a row it draws
    const char* name;
    const char* box;
    ValueAxis axis;
    QRgb color;
    const char* unit;
    int decimals;        // in the line under the chart, as the engineer reads them
    bool shownAtFirst;   // ticked when the chart opens
    const char* missing; // why a row can have none: the tip of its greyed-out box
};

// Forces in newtons on the left; the power and the torque each on an axis of their own at the
// right, since the torque of a cutter is tens to hundreds of N·m while the power is a few kW:
// on one scale the power curve would lie flat along the bottom. The minute feed, the main time
// and the removal rate, on request, each on an axis of its own too.
inline constexpr std::array<Quantity, 8> quantities{{
    {&RowResults::Pz, "Pz", "GraphPz", ValueAxis::force, 0x1f77b4, "Н", 0, true, nullptr},
    {&RowResults::Py, "Py", "GraphPy", ValueAxis::force, 0xff7f0e, "Н", 0, true, nullptr},
    {&RowResults::Px, "Px", "GraphPx", ValueAxis::force, 0x2ca02c, "Н", 0, true, nullptr},
    {&RowResults::M, "M", "GraphM", ValueAxis::torque, 0x9467bd, "Н·м", 1, true, nullptr},
    {&RowResults::N, "N", "GraphN", ValueAxis::power, 0xd62728, "кВт", 2, true, nullptr},
    {&RowResults::Sm, "Sм", "GraphSm", ValueAxis::minuteFeed, 0x8c564b, "мм/мин", 0, false,
     nullptr},
    {&RowResults::To, "To", "GraphTime", ValueAxis::mainTime, 0x17becf, "мин", 2, false,
     "Основное время рассчитывается при заданной длине рабочего хода L"},
    {&RowResults::Q, "Q", "GraphQ", ValueAxis::removalRate, 0xe377c2, "см³/мин", 1, false,
     "Съём при нарезании резьбы не рассчитывается"},
}};
inline constexpr std::size_t quantityCount = quantities.size();
inline constexpr std::size_t torqueIndex = 3;
inline constexpr std::size_t powerIndex = 4;

// Whether each quantity's box is ticked.
using ShownQuantities = std::array<bool, quantityCount>;

// A number with the user's decimal separator.
QString fixed(double value, int decimals);

// The input's letter as the handbook writes it.
QString symbol(Key key);
