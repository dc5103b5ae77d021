// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/plot/sweep.h"

#include "core/calc/calculationflow.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace {

// The working travel as the flow reads it, in the shortest text that reads back exactly; empty
// for none.
std::string travelText(double L) {
    if (!(L > 0)) {
        return {};
    }
    std::array<char, 32> text{};
    const auto written = std::to_chars(text.data(), text.data() + text.size(), L);
    return std::string(text.data(), written.ptr);
}

} // namespace

SweepPoint sweepPoint(const Calculation& calculation, const CalcInputs& inputs, Key varied,
                      double x) {
    const WindowDefinition& window = calculation.window;
    CalcRequest request;
    for (const NumericBox& box : window.boxes) {
        request.values.push_back(box.key == varied ? x : inputs[box.key]);
    }
    request.work = static_cast<int>(inputs.work);
    request.tool = static_cast<int>(inputs.tool);
    request.travel = travelText(inputs[Key::L]);
    CalcState state;
    if (window.choices) {
        request.choice = inputs.kind;
    } else {
        state.OperationKind = static_cast<std::int16_t>(inputs.kind);
    }
    Unanswered nobody;
    const CalcOutcome outcome = runCalculation(calculation, request, state, nobody);
    SweepPoint point;
    point.x = x;
    switch (outcome.status) {
    case CalcOutcome::Status::Computed:
        point.computed = *outcome.computed;
        point.inputs = outcome.inputs;
        break;
    case CalcOutcome::Status::Refused:
        point.refusal = outcome.message;
        break;
    case CalcOutcome::Status::Checked: // nothing is sought in a sweep
    case CalcOutcome::Status::Cancelled:
        point.refusal = window.boxes[nobody.box.value_or(0)].missingMessage;
        break;
    }
    return point;
}

double sweepValue(double from, double to, int count, int i) {
    return count == 1 ? from : from + (to - from) * i / (count - 1);
}

std::vector<SweepPoint> sweepPoints(const Calculation& calculation, const CalcInputs& inputs,
                                    Key varied, double from, double to, int count) {
    std::vector<SweepPoint> points;
    points.reserve(static_cast<std::size_t>(std::max(count, 0)));
    for (int i = 0; i < count; ++i) {
        points.push_back(sweepPoint(calculation, inputs, varied, sweepValue(from, to, count, i)));
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
        if (!point.refusal.empty()) {
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
