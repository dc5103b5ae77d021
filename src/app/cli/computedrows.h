// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/cli/outputbuffer.h"
#include "core/calc/calculation.h"
#include "core/calc/resultrow.h"
#include "core/cutter/cutter.h"
#include "core/machine/machine.h"
#include "core/machine/machinecheck.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

// The columns batch and sweep write after their own: n,Pz,Py,Px,M,N; then Sm,To,Q when the input
// gives a working travel L (scripts reading the older columns see them unchanged otherwise);
// then Nspindle,load,violations with a machine; then sigma,f,Rz,Ra,cutter-violations with a
// cutter; then error.
struct ResultColumns {
    bool feedRates = false;
    bool checked = false;
    bool cutter = false;

    std::string heading() const;    // ",n,Pz,Py,Px,M,N,…,error\n"
    std::string emptyCells() const; // a refused row's, up to its error
};

// A chunk of batch rows computed but not yet written out. The calculating thread fills it: each
// row's text as far as it is known (the input columns, or the whole line of a refused row) and
// the raw results of a computed row; the writing thread turns the results into text and checks
// them against the batch's machine and the row's cutter, if any. Chunks are reused, so a row costs
// no allocation.
struct ComputedRows {
    static constexpr std::size_t capacity = 4096;

    struct Row {
        std::size_t textEnd = 0; // where the row's text ends in `text`
        bool computed = false;   // false: the text is the whole line
        RowResults results;
        const Calculation* calculation = nullptr; // of a computed row, for the machine check
        std::optional<Cutter> cutter;             // the row's own, from its cutter columns
    };
    std::string text;
    std::vector<Row> rows;

    ComputedRows();
    void clear();
    bool full() const { return rows.size() == capacity; }
    // Writes the rows as CSV lines: their text, then for a computed row n,Pz,Py,Px,M,N as
    // shortest round-trip numbers, then as `columns` has them Sm,To,Q, the row checked against
    // the machine as Nspindle,load,violations and against its cutter as
    // sigma,f,Rz,Ra,cutter-violations, and an empty error column. The number of rows beyond a
    // limit of the machine or a check of their cutter; nothing once a write has failed.
    std::optional<std::size_t> writeTo(OutputBuffer& output, const Machine* machine,
                                       const ResultColumns& columns) const;
};

// The cells a computed row ends with, each after a comma, as batch and sweep write them:
// n,Pz,Py,Px,M,N as shortest round-trip numbers (empty where the tool has none), and of a row
// checked against a machine Nspindle,load,violations (the crossed limits joined by ";", which a
// CSV field never has to be quoted for).
void appendResultCells(OutputBuffer& output, const RowResults& results);
// Sm,To,Q, each after a comma.
void appendFeedRateCells(OutputBuffer& output, const RowResults& results);
void appendCheckCells(OutputBuffer& output, const MachineCheck& check);
// sigma,f,Rz,Ra,cutter-violations of a row checked against a cutter, each after a comma.
void appendCutterCells(OutputBuffer& output, const CutterCheck& check);
