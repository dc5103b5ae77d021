// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

// Cell texts of the results grid. The decimal separator is always passed in: the windows take it
// from the user's locale, the command line and the tests choose it.

// The plain text form of a number: up to 15 significant digits, no trailing zeros, no thousands
// separators, a zero before the separator below 1, exponent form (1E+20, 1.5E-05) for
// magnitudes from 1E+15 up and below 1E-4.
std::string plainText(double value, char decimalSeparator);

// A fixed pattern such as "0.0" or "0.000": exactly `decimals` decimals, halves away from zero.
// The value is first taken to 15 significant digits, so 0.25 and 1.005 round up as on paper.
std::string fixedText(double value, int decimals, char decimalSeparator);
// The same without trailing zeros, as a figure is read off a line: 80,0 gives "80", 0,120 "0,12".
std::string shortFixedText(double value, int decimals, char decimalSeparator);

// The same for a value that may not have been computed: an empty cell then.
std::string optionalPlainText(const std::optional<double>& value, char decimalSeparator);
std::string optionalFixedText(const std::optional<double>& value, int decimals,
                              char decimalSeparator);

// A whole number rounded half to even (2.5 gives 2, 3.5 gives 4), never limited to 16 bits.
std::string roundedIntegerText(double value);

// The digits of a whole number, such as a row number.
std::string integerText(long long value);
