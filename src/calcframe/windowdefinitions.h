#pragma once

#include "calcframe/windowdefinition.h"

// What each of the seven calculation windows declares, by its number 1 to 7: the same boxes,
// codes and messages serve the windows and the command line.
WindowDefinition windowDefinition(int number);

// A computed row as the window writes it into its grid, from what "РАСЧЁТ" read into the state.
RowValues rowValues(const WindowDefinition& window, const CalcState& state, int row,
                    ToolMaterial tool, WorkMaterial work, const RowResults& results);
