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

// The values of one computed row. A result left empty has no value for this tool (its cell
// stays blank); the milling geometry is empty in the other layout.
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
    std::optional<double> Pz, Py, Px, M, N, n;
};

// The cell texts of a row, column 0 first, in the window's layout.
std::vector<std::string> rowCells(GridLayout layout, const RowValues& values,
                                  const ResultPatterns& patterns, char decimalSeparator);
