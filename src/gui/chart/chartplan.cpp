// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/chart/chartplan.h"

namespace {

void planLimit(ChartDrawing::Limit& lines, const ChartLimit& limit, Key varied, double from,
               double to) {
    if (!limit.level) {
        return;
    }
    const double level = *limit.level;
    lines.level = {{from, level}, {to, level}};
    if (const std::optional<LimitCrossing>& crossing = limit.crossing) {
        lines.crossing = {{crossing->x, level}};
        lines.drop = {{crossing->x, 0}, {crossing->x, level}};
        lines.label = symbol(varied) + QStringLiteral(" = ") +
                      fixed(crossing->label, crossing->labelDecimals);
        lines.rising = crossing->rising;
    }
}

} // namespace

void planCurves(ChartDrawing& drawing, const SweepCurves& curves, const ShownQuantities& shown) {
    for (std::size_t q = 0; q < quantityCount; ++q) {
        if (!shown[q]) {
            continue;
        }
        for (const std::vector<SweepPoint>& piece : curves.pieces) {
            QList<QPointF>& points = drawing.pieces[q].emplace_back();
            points.reserve(static_cast<qsizetype>(piece.size()));
            for (const SweepPoint& point : piece) {
                if (const auto value = resultValue(point.computed.row, quantities[q].result)) {
                    points.append({point.x, *value});
                }
            }
        }
    }
}

void planLimits(ChartDrawing& drawing, const ChartLimits& limits, Key varied, double from,
                double to, const ShownQuantities& shown) {
    if (shown[powerIndex]) {
        planLimit(drawing.power, limits.power, varied, from, to);
    }
    if (shown[torqueIndex]) {
        planLimit(drawing.torque, limits.torque, varied, from, to);
    }
}

void planCurrent(ChartDrawing& drawing, const SweepPoint& point, const ShownQuantities& shown) {
    for (std::size_t q = 0; q < quantityCount && point.refusal.empty(); ++q) {
        const auto value = resultValue(point.computed.row, quantities[q].result);
        if (value && shown[q]) {
            drawing.current[axisIndex(quantities[q].axis)].append({point.x, *value});
        }
    }
}
