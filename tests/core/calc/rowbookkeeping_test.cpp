// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/calc/calculationflow.h"
#include "core/calc/numberformat.h"
#include "core/calc/resultstable.h"
#include "core/calc/rowbookkeeping.h"
#include "core/operations/registry.h"

#include <cstdint>
#include <gtest/gtest.h>

namespace {

// Row 0 is the heading; rowCount - 1 is the next new row.
TEST(IsWritableRowTest, FilledRowsAndTheNextNewOne) {
    struct Case {
        int row;
        int rowCount;
        bool expected;
    };
    const Case cases[] = {{-1, 5, false}, {0, 5, false}, {1, 5, true},  {4, 5, true},
                          {5, 5, false},  {1, 2, true},  {2, 2, false}, {1, 1, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "row " << c.row << " of " << c.rowCount);
        EXPECT_EQ(isWritableRow(c.row, c.rowCount), c.expected);
    }
}

struct Counters {
    std::int32_t resultRow;
    std::int32_t nextRow;
    int rowCount;
};

bool operator==(const Counters& a, const Counters& b) {
    return a.resultRow == b.resultRow && a.nextRow == b.nextRow && a.rowCount == b.rowCount;
}

void PrintTo(const Counters& c, std::ostream* os) {
    *os << "{resultRow " << c.resultRow << ", nextRow " << c.nextRow << ", rowCount " << c.rowCount
        << "}";
}

struct AdvanceCase {
    const char* name;
    Counters before;
    Counters after;
};

class AdvanceAfterWriteTest : public testing::TestWithParam<AdvanceCase> {};

TEST_P(AdvanceAfterWriteTest, MovesTheProposalAndGrowsTheGrid) {
    Counters c = GetParam().before;
    advanceAfterWrite({c.resultRow, c.nextRow, c.rowCount});
    EXPECT_EQ(c, GetParam().after);
}

// resultRow and nextRow are shared by all windows (the menu resets them to 1) while rowCount is
// the window's own, so a window must never lose rows it already shows.
INSTANTIATE_TEST_SUITE_P(
    Steps, AdvanceAfterWriteTest,
    testing::Values(AdvanceCase{"FreshWindowFirstRow", {1, 1, 2}, {1, 2, 3}},
                    AdvanceCase{"FreshWindowSecondRow", {2, 2, 3}, {2, 3, 4}},
                    AdvanceCase{"RecomputedEarlierRow", {1, 3, 4}, {3, 3, 4}},
                    AdvanceCase{"ResetCounterOverFilledRows", {1, 1, 5}, {1, 2, 5}},
                    AdvanceCase{"ResetCounterRecompute", {1, 2, 5}, {2, 2, 5}},
                    AdvanceCase{"ResetCounterNewRow", {4, 1, 5}, {4, 2, 6}}),
    [](const testing::TestParamInfo<AdvanceCase>& row) { return row.param.name; });

} // namespace

// A table grows past the 16-bit row numbers to a million rows, and refuses the row after.
TEST(TableRows, AMillionAndNoMore) {
    const Calculation& calc = calculation(6);
    ResultsTable table(calc.window.layout);
    CalcState state;
    state.ResultRow = state.NextRow = 1;
    const RowResults results{};
    for (int row = 1; row <= 32770; ++row) {
        table.write(state.NextRow, {integerText(row)}, results, state);
    }
    EXPECT_EQ(state.NextRow, 32771);
    EXPECT_EQ(table.row(32768).front(), "32768");
    EXPECT_EQ(table.reportRows().size(), 32771u);

    CalcRequest request;
    request.values = {20, 0, 750, 0.3, 25}; // a drill's D, t (its own), H, s, v
    request.tool = request.work = 1;
    for (const int row : {maxTableRows, maxTableRows + 1}) {
        request.row = row;
        request.rowCount = maxTableRows + 2;
        Unanswered none;
        CalcState scratch = state;
        scratch.OperationKind = 1; // drilling
        const CalcOutcome outcome = runCalculation(calc, request, scratch, none);
        EXPECT_EQ(outcome.message, row > maxTableRows ? tableFullMessage : "") << row;
    }
}
