// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/calc/calcstate.h"
#include "core/calc/resultrow.h"

#include <string>
#include <vector>

// The results table of a calculation window: row 0 the headings, then the computed rows, with
// the window's row count for its next calculation (`RowCount`, 2 when the window is created). The
// grid on screen shows it; the report is written from it.
class ResultsTable {
public:
    explicit ResultsTable(GridLayout layout);

    int RowCount() const { return rowCount_; }
    // Rows the grid has, heading row included.
    int rows() const { return static_cast<int>(cells_.size()); }
    const std::vector<std::string>& row(int row) const;

    // Gives the table its row count, writes the row and moves the counters on: `ResultRow` and
    // `NextRow` of the state, shared by every window, and the row count.
    void write(int row, std::vector<std::string> cells, const RowResults& results,
               CalcState& state);

    // The heading row and every row a calculation filled, as the report lists them.
    std::vector<std::vector<std::string>> reportRows() const;
    // The results of those filled rows, in the same order (no heading).
    std::vector<RowResults> reportResults() const;

private:
    std::vector<std::size_t> filledRows() const;

    GridLayout layout_;
    int rowCount_ = 2;
    std::vector<std::vector<std::string>> cells_;
    std::vector<RowResults> results_; // by row, as computed
};
