#include "calcframe/resultstable.h"

#include "calcframe/rowbookkeeping.h"

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

void ResultsTable::write(int row, std::vector<std::string> cells, CalcState& state) {
    cells_.resize(static_cast<std::size_t>(rowCount_),
                  std::vector<std::string>(static_cast<std::size_t>(columnCount(layout_))));
    cells_.at(static_cast<std::size_t>(row)) = std::move(cells);
    state.ResultRow = static_cast<std::int16_t>(row);
    advanceAfterWrite({state.ResultRow, state.NextRow, rowCount_});
}

std::vector<std::vector<std::string>> ResultsTable::reportRows() const {
    const auto last = static_cast<std::size_t>(rowCount_ - 1);
    return {cells_.begin(),
            cells_.begin() + static_cast<std::ptrdiff_t>(std::min(last, cells_.size()))};
}
