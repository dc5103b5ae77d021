// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string_view>

// Text of a numeric box to a number. Point notation reads the leading number (blanks skipped,
// reading stops at the first other character); when the last separator in the text is a comma
// the whole text must be a number in comma notation, else it reads as 0 ("not entered").
double ParseNumber(std::string_view text);

// The leading number of a text in point notation; 0 when the text does not begin with one.
double leadingNumber(std::string_view text);

// A leading number rounded to a whole number, halves to the even neighbour, as the input-box
// answers are read. Empty when the value is no finite 16-bit Integer.
std::optional<int> leadingInteger(std::string_view text);

// The row-number box, read the same way into the 32-bit row counters.
std::optional<int> leadingRowNumber(std::string_view text);

// A number typed into a dialog or given as a key: a point or a comma for the decimal separator,
// blanks around it, nothing else, and finite.
std::optional<double> typedNumber(std::string_view text);
