// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/calc/resultstable.h"

#include "core/calc/rowbookkeeping.h"

#include <algorithm>

ResultsTable::ResultsTable(GridLayout layout)
    : layout_(layout)
    , cells_(static_cast<std::size_t>(rowCount_),
             std::vector<std::string>(static_cast<std::size_t>(columnCount(layout)))) {
    cells_.front() = headings(layout);
}

const std::vector<std::string>& ResultsTable::row(int row) const {
    return cells_.at(static_cast<std::size_t>(row));
}

void ResultsTable::write(int row, std::vector<std::string> cells, const RowResults& results,
                         CalcState& state) {
    cells_.resize(static_cast<std::size_t>(rowCount_),
                  std::vector<std::string>(static_cast<std::size_t>(columnCount(layout_))));
    results_.resize(cells_.size());
    cells_.at(static_cast<std::size_t>(row)) = std::move(cells);
    results_.at(static_cast<std::size_t>(row)) = results;
    state.ResultRow = row;
    advanceAfterWrite({state.ResultRow, state.NextRow, rowCount_});
}

std::vector<std::size_t> ResultsTable::filledRows() const {
    // A row reserved by the shared counters but never computed holds no text; it has no place in
    // the report. Every computed row carries at least its number.
    const auto last = std::min(static_cast<std::size_t>(rowCount_ - 1), cells_.size());
    std::vector<std::size_t> rows;
    for (std::size_t row = 1; row < last; ++row) {
        const auto& cells = cells_[row];
        if (std::any_of(cells.begin(), cells.end(),
                        [](const auto& cell) { return !cell.empty(); })) {
            rows.push_back(row);
        }
    }
    return rows;
}

std::vector<std::vector<std::string>> ResultsTable::reportRows() const {
    std::vector<std::vector<std::string>> rows{cells_.front()};
    for (const std::size_t row : filledRows()) {
        rows.push_back(cells_[row]);
    }
    return rows;
}

std::vector<RowResults> ResultsTable::reportResults() const {
    std::vector<RowResults> results;
    for (const std::size_t row : filledRows()) {
        results.push_back(results_[row]);
    }
    return results;
}
