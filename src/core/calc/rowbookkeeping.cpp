// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/calc/rowbookkeeping.h"

#include <algorithm>

bool isWritableRow(int row, int rowCount) {
    return row >= 1 && row <= rowCount - 1;
}

void advanceAfterWrite(RowCounters counters) {
    if (counters.resultRow < counters.nextRow) {
        counters.resultRow = counters.nextRow;
        counters.rowCount = std::max(counters.rowCount, counters.nextRow + 1);
    } else {
        counters.rowCount = std::max(counters.rowCount, counters.resultRow + 2);
        ++counters.nextRow;
    }
}
