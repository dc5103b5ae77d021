// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

// The two layouts of the results grid: the milling windows carry the cutter geometry
// (15 columns), turning, hole-making and threading carry only the workpiece diameter (13).
enum class GridLayout { Milling, Turning };

int columnCount(GridLayout layout);
std::vector<std::string> headings(GridLayout layout);

// How a window shows its torque and spindle speed: a number of decimals, or for the speed
// nullopt for a whole number rounded half to even.
struct ResultPatterns {
    int torqueDecimals = 3;
    std::optional<int> speedDecimals;
};

// What a calculation gives for one row; an empty value has no result for this tool (its cell
// stays blank).
struct RowResults {
    std::optional<double> Pz, Py, Px, M, N, n;
    // Said to the user once the row is written, where a result could not be computed.
    const char* notice = nullptr;
    // Added by "РАСЧЁТ" once the formulas have run, for the exports and the machine's feed check:
    // the minute feed Sм, mm/min, and the feed of one revolution, mm/rev; the main time To, min
    // (none without the working travel L), the removal rate Q, cm³/min (none in threading); and the
    // inputs the grid does not show: H, MPa or HB, and the helix angle ω, ° (none where the window
    // has no box for it).
    std::optional<double> Sm = {}, feedPerRevolution = {}, To = {}, Q = {}, H = {}, angle = {};
};

// The results by name, in the order of their columns.
enum class Result { Pz, Py, Px, M, N, n };
std::optional<double> resultValue(const RowResults& results, Result which);
// The grid column a result is shown in.
int resultColumn(GridLayout layout, Result which);
// The feed's column: the row number, the tool and the work material come before it.
inline constexpr int feedColumn = 3;

// False when a result overflowed or has no real value: such a row is refused, never shown.
bool allFinite(const RowResults& results);

// The values of one computed row; the milling geometry is unused in the other layout.
struct RowValues {
    int row = 0;
    std::string tool;
    std::string work;
    double feed = 0;
    double speed = 0;
    double depth = 0;
    double diameter = 0;
    double width = 0;
    double teeth = 0;
    RowResults results;
};

// The cell texts of a row, column 0 first, in the window's layout.
std::vector<std::string> rowCells(GridLayout layout, const RowValues& values,
                                  const ResultPatterns& patterns, char decimalSeparator);
