// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/chart/chartreadout.h"

#include "core/plot/sweep.h"

#include <QStringList>
#include <cmath>

QString chartReadout(const Calculation& calculation, const CalcInputs& inputs, Key varied, double x,
                     int decimals, const ShownQuantities& shown) {
    const double scale = std::pow(10.0, decimals);
    const double shownX = std::round(x * scale) / scale;
    const SweepPoint point = sweepPoint(calculation, inputs, varied, shownX);
    const QString text =
        symbol(varied) + QStringLiteral(" = ") + fixed(shownX, decimals) + QStringLiteral(": ");
    if (!point.refusal.empty()) {
        return text + QString::fromStdString(point.refusal);
    }
    QStringList parts;
    for (std::size_t q = 0; q < quantityCount; ++q) {
        const auto value = resultValue(point.computed.row, quantities[q].result);
        if (value && shown[q]) {
            parts << QStringLiteral("%1 = %2 %3")
                         .arg(QString::fromUtf8(quantities[q].name),
                              fixed(*value, quantities[q].decimals),
                              QString::fromUtf8(quantities[q].unit));
        }
    }
    return text + parts.join(QStringLiteral(", "));
}
