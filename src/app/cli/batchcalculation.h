// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/cli/computedrows.h"
#include "app/cli/csvcolumns.h"
#include "app/cli/outputbuffer.h"
#include "core/files/csv.h"
#include "core/machine/machine.h"

#include <cstddef>
#include <cstdio>
#include <optional>
#include <string>

// How the rows of a batch went.
struct BatchSummary {
    // A refused row outweighs one beyond a limit of the machine or the cutter.
    enum class Status { AllComputed, SomeCrossed, SomeRefused, BadInput, WriteFailed };
    Status status = Status::AllComputed;
    std::string message; // what is wrong with the input, for BadInput
    std::size_t rows = 0;
    std::size_t refused = 0;
    std::size_t crossed = 0; // computed rows beyond a limit of the machine or their cutter
};

// Computes each row of a batch file as it is read and writes it out at once: its columns as read,
// then the raw results n,Pz,Py,Px,M,N, with an L column Sm,To,Q, with a machine its check
// Nspindle,load,violations, with cutter columns the check of the row's cutter
// sigma,f,Rz,Ra,cutter-violations, and the refusal message, if any. The header names the operation
// column and the key columns in any order, so one file can mix operations.
class BatchCalculation {
public:
    // Reads the header row; nullopt, with the reason in `error`, when the file has no header or
    // the header names a column that is neither a key nor the operation. Nothing is written yet,
    // so a refused file leaves no output behind.
    // Every row is checked against `machine`, if given.
    static std::optional<BatchCalculation> begin(CsvReader& input, std::string& error,
                                                 std::optional<Machine> machine = std::nullopt);

    // Writes the header and every row; a row's notice (a result the handbook has no data for)
    // goes to `notices` with the row number.
    BatchSummary run(OutputBuffer& output, std::FILE* notices);

private:
    BatchCalculation(CsvReader& input, CsvColumns columns, std::string headerLine,
                     std::optional<Machine> machine, ResultColumns results);
    // Why the record last read could not be, naming its line.
    std::string readFailure(CsvReader::Status status) const;

    CsvReader* input_;
    CsvColumns columns_;
    std::string headerLine_;
    std::optional<Machine> machine_;
    ResultColumns results_;
};
