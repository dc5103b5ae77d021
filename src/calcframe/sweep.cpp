#include "calcframe/sweep.h"

#include "calcframe/inputcheck.h"

#include <algorithm>
#include <cmath>

namespace {

// The message of a box the flow requires, when it holds zero.
const char* missingMessage(const Calculation& calculation, Key key) {
    for (const NumericBox& box : calculation.window.boxes) {
        if (box.key == key && box.missingCode != 0) {
            return box.missingMessage;
        }
    }
    return nullptr;
}

} // namespace

SweepPoint sweepPoint(const Calculation& calculation, const CalcInputs& inputs, Key varied,
                      double x) {
    SweepPoint point;
    point.x = x;
    CalcInputs at = inputs;
    at[varied] = x;
    if (calculation.deriveInputs) {
        calculation.deriveInputs(at);
    }
    if (x < 0) {
        point.refusal = negativeValueMessage;
    } else if (x == 0 && missingMessage(calculation, varied)) {
        point.refusal = missingMessage(calculation, varied);
    } else {
        point.computed = calculation.compute(at);
        if (!allFinite(point.computed.row)) {
            point.refusal = calculationErrorMessage;
        }
    }
    return point;
}

std::vector<SweepPoint> sweepPoints(const Calculation& calculation, const CalcInputs& inputs,
                                    Key varied, double from, double to, int count) {
    std::vector<SweepPoint> points;
    points.reserve(static_cast<std::size_t>(std::max(count, 0)));
    for (int i = 0; i < count; ++i) {
        const double x = count == 1 ? from : from + (to - from) * i / (count - 1);
        points.push_back(sweepPoint(calculation, inputs, varied, x));
    }
    return points;
}

SweepCurves sweepCurves(const Calculation& calculation, const CalcInputs& inputs, Key varied,
                        double from, double to, int count) {
    SweepCurves curves;
    std::vector<SweepPoint> piece;
    const auto endPiece = [&] {
        if (!piece.empty()) {
            curves.pieces.push_back(std::move(piece));
            piece.clear();
        }
    };
    const std::vector<double> edges =
        varied == Key::H ? kmpBandEdges(inputs.work) : std::vector<double>{};
    const auto at = [&](double x) { return sweepPoint(calculation, inputs, varied, x); };
    for (SweepPoint& point : sweepPoints(calculation, inputs, varied, from, to, count)) {
        if (point.refusal) {
            endPiece();
            if (std::find(curves.refusals.begin(), curves.refusals.end(), point.refusal) ==
                curves.refusals.end()) {
                curves.refusals.emplace_back(point.refusal);
            }
            continue;
        }
        for (const double edge : edges) {
            const double previous = piece.empty() ? point.x : piece.back().x;
            if (piece.empty() || piece.back().computed.Kmp == point.computed.Kmp ||
                (edge - previous) * (edge - point.x) > 0) {
                continue; // no jump between the two points, or not at this edge
            }
            // The edge value belongs to one band; the other ends or begins one step beside it.
            const SweepPoint onEdge = at(edge);
            const bool edgeEndsThePiece = onEdge.computed.Kmp == piece.back().computed.Kmp;
            piece.push_back(edgeEndsThePiece ? onEdge : at(std::nextafter(edge, previous)));
            endPiece();
            piece.push_back(edgeEndsThePiece ? at(std::nextafter(edge, point.x)) : onEdge);
        }
        piece.push_back(std::move(point));
    }
    endPiece();
    return curves;
}
