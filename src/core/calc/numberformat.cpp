// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/calc/numberformat.h"

#include <charconv>
#include <cmath>
#include <string_view>

namespace {

// A finite non-zero value as 15 significant decimal digits and a decimal exponent:
// value = 0.d1d2...d15 × 10^(exponent + 1), that is d1 stands at 10^exponent.
struct DecimalDigits {
    bool negative = false;
    std::string digits; // 15 digits, the first non-zero
    int exponent = 0;
};

// Digits come from std::to_chars, never from printf: a Qt program runs with the C library's
// numeric locale set from the environment, and under a Russian one printf writes a comma.
DecimalDigits toDecimal(double value) {
    char buffer[40];
    const auto end =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14).ptr;
    const std::string_view text(buffer, static_cast<std::size_t>(end - buffer));
    DecimalDigits result;
    std::size_t pos = 0;
    if (text[pos] == '-') {
        result.negative = true;
        ++pos;
    }
    const auto ePos = text.find('e');
    for (std::size_t i = pos; i < ePos; ++i) {
        if (text[i] != '.') {
            result.digits += text[i];
        }
    }
    const char* exponent = buffer + ePos + 1;
    if (*exponent == '+') {
        ++exponent; // from_chars takes a minus sign only
    }
    std::from_chars(exponent, end, result.exponent);
    return result;
}

std::string withoutTrailingZeros(std::string digits) {
    while (digits.size() > 1 && digits.back() == '0') {
        digits.pop_back();
    }
    return digits;
}

// Adds one to a string of decimal digits; returns true when it carried out of the first digit.
bool incrementDigits(std::string& digits) {
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return false;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
    return true;
}

} // namespace

std::string plainText(double value, char decimalSeparator) {
    if (value == 0) {
        return "0";
    }
    if (std::isnan(value)) {
        return "NaN";
    }
    if (std::isinf(value)) {
        return value < 0 ? "-Inf" : "Inf";
    }
    const DecimalDigits decimal = toDecimal(value);
    const std::string digits = withoutTrailingZeros(decimal.digits);
    std::string text = decimal.negative ? "-" : "";
    const int e = decimal.exponent;
    if (e >= 15 || e < -4) {
        text += digits.front();
        if (digits.size() > 1) {
            text += decimalSeparator;
            text += digits.substr(1);
        }
        text += e < 0 ? "E-" : "E+";
        const std::string exponent = integerText(std::abs(e));
        return text + (exponent.size() < 2 ? "0" : "") + exponent;
    }
    if (e < 0) {
        return text + '0' + decimalSeparator + std::string(static_cast<std::size_t>(-e - 1), '0') +
               digits;
    }
    const auto whole = static_cast<std::size_t>(e + 1);
    if (digits.size() <= whole) {
        return text + digits + std::string(whole - digits.size(), '0');
    }
    return text + digits.substr(0, whole) + decimalSeparator + digits.substr(whole);
}

std::string fixedText(double value, int decimals, char decimalSeparator) {
    if (!std::isfinite(value)) {
        return plainText(value, decimalSeparator);
    }
    const auto places = static_cast<std::size_t>(decimals);
    // All digits of the value from 10^0 down to 10^-decimals, plus the whole part.
    std::string whole = "0";
    std::string fraction(places, '0');
    bool negative = false;
    if (value != 0) {
        const DecimalDigits decimal = toDecimal(value);
        negative = decimal.negative;
        // Place the digits on a line where index 0 stands for 10^exponent.
        const int e = decimal.exponent;
        std::string line = decimal.digits;
        int firstPower = e; // power of ten of line[0]
        if (firstPower < 0) {
            line.insert(0, static_cast<std::size_t>(-firstPower), '0');
            firstPower = 0;
        }
        const auto wholeCount = static_cast<std::size_t>(firstPower + 1);
        if (line.size() < wholeCount + places + 1) {
            line.append(wholeCount + places + 1 - line.size(), '0');
        }
        whole = line.substr(0, wholeCount);
        fraction = line.substr(wholeCount, places);
        // Halves away from zero: look at the first dropped digit.
        if (line[wholeCount + places] >= '5') {
            std::string kept = whole + fraction;
            incrementDigits(kept);
            whole = kept.substr(0, kept.size() - places);
            fraction = kept.substr(kept.size() - places);
        }
        whole.erase(0, std::min(whole.find_first_not_of('0'), whole.size() - 1));
    }
    const bool allZero = whole == "0" && fraction.find_first_not_of('0') == std::string::npos;
    std::string text = negative && !allZero ? "-" : "";
    text += whole;
    if (places > 0) {
        text += decimalSeparator;
        text += fraction;
    }
    return text;
}

std::string optionalPlainText(const std::optional<double>& value, char decimalSeparator) {
    return value ? plainText(*value, decimalSeparator) : std::string();
}

std::string optionalFixedText(const std::optional<double>& value, int decimals,
                              char decimalSeparator) {
    return value ? fixedText(*value, decimals, decimalSeparator) : std::string();
}

std::string shortFixedText(double value, int decimals, char decimalSeparator) {
    std::string text = fixedText(value, decimals, decimalSeparator);
    if (decimals > 0 && std::isfinite(value)) {
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == decimalSeparator) {
            text.pop_back();
        }
    }
    return text;
}

std::string roundedIntegerText(double value) {
    if (!std::isfinite(value)) {
        return plainText(value, '.');
    }
    // nearbyint rounds halves to even in the default rounding mode; adding 0.0 turns -0 into 0.
    char buffer[400]; // the largest double has 309 digits
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, std::nearbyint(value) + 0.0,
                                   std::chars_format::fixed, 0)
                         .ptr;
    return {buffer, end};
}

std::string integerText(long long value) {
    char buffer[24];
    return {buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr};
}
