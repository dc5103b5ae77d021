// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// Which grid row a result goes to and how the grid grows. `resultRow` and `nextRow` are shared by
// every calculation window (the menu resets them to 1); `rowCount` is the window's own count of
// grid rows, heading row included, for its next calculation.
struct RowCounters {
    std::int32_t& resultRow;
    std::int32_t& nextRow;
    int& rowCount;
};

// The rows a table takes below its headings; a result for a row beyond is refused.
inline constexpr int maxTableRows = 1'000'000;
inline constexpr const char* tableFullMessage = "В ТАБЛИЦЕ НЕ БОЛЕЕ 1000000 СТРОК!!!";

// A row the user may write: any filled row or the next new one, never the heading row 0.
bool isWritableRow(int row, int rowCount);

// After a result was written into `resultRow`: a recomputed earlier row sends the proposal back
// to the first free row; a new row moves it on. The row count never shrinks below the rows
// already filled, and grows only when the written row was the last one.
void advanceAfterWrite(RowCounters counters);
