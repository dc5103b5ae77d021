// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/calc/calculation.h"
#include "core/plot/axisticks.h"

#include <QColor>
#include <QString>
#include <array>

// The quantities the chart draws, in the order of their check boxes.
struct Quantity {
    Result result;
    const char* name;
    const char* box;
    ValueAxis axis;
    QRgb color;
    const char* unit;
    int decimals; // in the line under the chart, as the engineer reads them
};

// Forces in newtons on the left; the power and the torque each on an axis of their own at the
// right, since the torque of a cutter is tens to hundreds of N·m while the power is a few kW:
// on one scale the power curve would lie flat along the bottom.
inline constexpr std::array<Quantity, 5> quantities{{
    {Result::Pz, "Pz", "GraphPz", ValueAxis::force, 0x1f77b4, "Н", 0},
    {Result::Py, "Py", "GraphPy", ValueAxis::force, 0xff7f0e, "Н", 0},
    {Result::Px, "Px", "GraphPx", ValueAxis::force, 0x2ca02c, "Н", 0},
    {Result::M, "M", "GraphM", ValueAxis::torque, 0x9467bd, "Н·м", 1},
    {Result::N, "N", "GraphN", ValueAxis::power, 0xd62728, "кВт", 2},
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
