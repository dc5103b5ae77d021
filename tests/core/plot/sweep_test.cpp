// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/calc/calculationflow.h"
#include "core/operations/registry.h"
#include "core/plot/sweep.h"
#include "support/workedexample.h"

#include <gtest/gtest.h>

namespace {

// The face-milling example's cut in another work material.
CalcInputs faceMilling(WorkMaterial work, double strength) {
    CalcInputs in = faceMillingExample();
    in.work = work;
    in[Key::H] = strength;
    return in;
}

// What "РАСЧЁТ" gives for these inputs, through the whole flow as a window runs it.
RowResults calculated(const Calculation& calculation, const CalcInputs& in, int kind) {
    CalcRequest request;
    for (const NumericBox& box : calculation.window.boxes) {
        request.values.push_back(in[box.key]);
    }
    request.work = static_cast<int>(in.work);
    request.tool = static_cast<int>(in.tool);
    CalcState state;
    state.OperationKind = static_cast<std::int16_t>(kind);
    Unanswered none;
    const CalcOutcome outcome = runCalculation(calculation, request, state, none);
    EXPECT_EQ(outcome.status, CalcOutcome::Status::Computed) << outcome.message;
    return outcome.row.results;
}

TEST(Sweep, EveryPointIsTheCalculationAtThatValue) {
    // Drilling with the diameter varied: the drill's depth D / 2 follows it.
    const Calculation& holes = calculation(6);
    CalcInputs drill;
    drill.tool = ToolMaterial::HighSpeedSteel;
    drill.kind = 1;
    drill[Key::H] = 750;
    drill[Key::D] = 20;
    drill[Key::t] = 10;
    drill[Key::s] = 0.3;
    drill[Key::v] = 25;
    for (const SweepPoint& point : sweepPoints(holes, drill, Key::D, 10, 40, 7)) {
        CalcInputs at = drill;
        at[Key::D] = point.x;
        const RowResults expected = calculated(holes, at, 1);
        EXPECT_EQ(point.computed.row.M, expected.M) << point.x;
        EXPECT_EQ(point.computed.row.N, expected.N) << point.x;
        EXPECT_EQ(point.computed.row.Pz, expected.Pz) << point.x;
    }
}

TEST(Sweep, RefusedValuesBreakTheCurve) {
    // From -0,1 to 0,3 mm/tooth: negative feeds, then zero, which the window refuses as missing.
    const SweepCurves curves =
        sweepCurves(calculation(1), faceMilling(WorkMaterial::Steel, 750), Key::s, -0.1, 0.3, 5);
    ASSERT_EQ(curves.pieces.size(), 1u);
    EXPECT_EQ(curves.pieces[0].size(), 3u);
    EXPECT_DOUBLE_EQ(curves.pieces[0].front().x, 0.1);
    ASSERT_EQ(curves.refusals.size(), 2u);
    EXPECT_EQ(curves.refusals[0], "ЗНАЧЕНИЕ НЕ МОЖЕТ БЫТЬ ОТРИЦАТЕЛЬНЫМ!!!");
}

TEST(Sweep, BandEdgesSplitTheCurve) {
    struct Case {
        WorkMaterial work;
        double from, to;
        std::vector<double> edges;
    };
    const Case cases[] = {
        {WorkMaterial::AluminiumAlloy, 200, 400, {250, 350}},
        {WorkMaterial::CopperAlloy, 100, 140, {120}},
        {WorkMaterial::Steel, 500, 900, {}},
    };
    for (const Case& c : cases) {
        const SweepCurves curves =
            sweepCurves(calculation(1), faceMilling(c.work, c.from), Key::H, c.from, c.to, 200);
        ASSERT_EQ(curves.pieces.size(), c.edges.size() + 1);
        for (std::size_t i = 0; i < c.edges.size(); ++i) {
            const SweepPoint& last = curves.pieces[i].back();
            const SweepPoint& first = curves.pieces[i + 1].front();
            EXPECT_NEAR(last.x, c.edges[i], 1e-6 * c.edges[i]);
            EXPECT_NEAR(first.x, c.edges[i], 1e-6 * c.edges[i]);
            // A jump, not a slope: Kmp differs on the two sides of the edge.
            EXPECT_NE(last.computed.Kmp, first.computed.Kmp);
        }
    }
}

} // namespace
