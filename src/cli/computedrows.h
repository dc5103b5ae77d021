#pragma once

#include "calcframe/resultrow.h"
#include "cli/outputbuffer.h"

#include <cstddef>
#include <string>
#include <vector>

// A chunk of batch rows computed but not yet written out. The calculating thread fills it: each
// row's text as far as it is known (the input columns, or the whole line of a refused row) and
// the raw results of a computed row; the writing thread turns the results into text. Chunks are
// reused, so a row costs no allocation.
struct ComputedRows {
    static constexpr std::size_t capacity = 4096;

    struct Row {
        std::size_t textEnd = 0; // where the row's text ends in `text`
        bool computed = false;   // false: the text is the whole line
        RowResults results;
    };
    std::string text;
    std::vector<Row> rows;

    ComputedRows();
    void clear();
    bool full() const { return rows.size() == capacity; }
    // Writes the rows as CSV lines: their text, then for a computed row n,Pz,Py,Px,M,N as
    // shortest round-trip numbers and an empty error column. False once a write has failed.
    bool writeTo(OutputBuffer& output) const;
};
