// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/calc/parsenumber.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The power of ten of a number's first significant digit, from the text the scanner collected
// ([sign] digits [.digits] [e[sign]digits]); the exponent saturates, so any length of text reads.
long long decimalMagnitude(const std::string& number) {
    const std::size_t e = number.find('e');
    const std::string mantissa = number.substr(0, e);
    long long exponent = 0;
    if (e != std::string::npos) {
        std::size_t i = e + 1;
        const bool negative = i < number.size() && number[i] == '-';
        if (i < number.size() && (number[i] == '-' || number[i] == '+')) {
            ++i;
        }
        for (; i < number.size(); ++i) {
            exponent = std::min(exponent * 10 + (number[i] - '0'), 1'000'000'000LL);
        }
        exponent = negative ? -exponent : exponent;
    }
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t first = mantissa.find_first_of("123456789");
    const long long position = static_cast<long long>(point) - static_cast<long long>(first);
    // A digit before the point at position p from it stands for 10^(p-1); after it, 10^p.
    return exponent + (first < point ? position - 1 : position);
}

double toDouble(const std::string& number) {
    if (number.empty()) {
        return 0;
    }
    double value = 0;
    const char* first = number.data();
    if (*first == '+') {
        ++first;
    }
    const auto [end, error] = std::from_chars(first, number.data() + number.size(), value);
    if (error == std::errc::result_out_of_range) {
        // Beyond a double: a huge magnitude keeps its sign, so the calculation refuses it; a tiny
        // one, written with an exponent or with a long run of zeros, is zero.
        const bool negative = number.front() == '-';
        const double magnitude =
            decimalMagnitude(number) < 0 ? 0.0 : std::numeric_limits<double>::infinity();
        return negative ? -magnitude : magnitude;
    }
    return error == std::errc() && end == number.data() + number.size() ? value : 0;
}

// Collects the characters of one number: [sign] digits [decimal digits] [exponent], skipping
// blanks. Returns the text that was read, with the decimal mark as a point.
class NumberScanner {
public:
    NumberScanner(std::string_view text, char decimalMark)
        : text_(text)
        , mark_(decimalMark) {}

    std::string scan() {
        std::string number;
        if (const char c = peek(); c == '+' || c == '-') {
            number += c;
            advance();
        }
        const std::size_t digitsBefore = appendDigits(number);
        std::size_t digitsAfter = 0;
        if (peek() == mark_) {
            advance();
            std::string fraction = ".";
            digitsAfter = appendDigits(fraction);
            number += fraction;
        }
        if (digitsBefore + digitsAfter == 0) {
            return {};
        }
        if (const char e = peek(); e == 'e' || e == 'E') {
            const std::size_t mark = pos_;
            std::string exponent = "e";
            advance();
            if (const char c = peek(); c == '+' || c == '-') {
                exponent += c;
                advance();
            }
            if (appendDigits(exponent) > 0) {
                number += exponent;
            } else {
                pos_ = mark;
            }
        }
        return number;
    }

    bool atEnd() {
        skipBlanks();
        return pos_ == text_.size();
    }

private:
    void skipBlanks() {
        while (pos_ < text_.size() && isBlank(text_[pos_])) {
            ++pos_;
        }
    }
    char peek() {
        skipBlanks();
        return pos_ < text_.size() ? text_[pos_] : '\0';
    }
    void advance() { ++pos_; }
    std::size_t appendDigits(std::string& out) {
        std::size_t count = 0;
        while (isDigit(peek())) {
            out += text_[pos_++];
            ++count;
        }
        return count;
    }

    std::string_view text_;
    char mark_;
    std::size_t pos_ = 0;
};

} // namespace

double leadingNumber(std::string_view text) {
    return toDouble(NumberScanner(text, '.').scan());
}

double ParseNumber(std::string_view text) {
    const auto lastSeparator = text.find_last_of(".,");
    if (lastSeparator == std::string_view::npos || text[lastSeparator] == '.') {
        return leadingNumber(text);
    }
    // Comma notation: the whole text has to be the number, so "12,5 мм" or "1,2,3" have no
    // value and the window reports the box as not entered.
    NumberScanner scanner(text, ',');
    const std::string number = scanner.scan();
    return scanner.atEnd() ? toDouble(number) : 0;
}

namespace {

template <typename Integer> std::optional<int> leadingWhole(std::string_view text) {
    // nearbyint rounds in the default mode, to nearest with halves to even.
    const double rounded = std::nearbyint(leadingNumber(text));
    if (!(rounded >= std::numeric_limits<Integer>::min() &&
          rounded <= std::numeric_limits<Integer>::max())) {
        return std::nullopt;
    }
    return static_cast<int>(rounded);
}

} // namespace

std::optional<int> leadingInteger(std::string_view text) {
    return leadingWhole<std::int16_t>(text);
}

std::optional<int> leadingRowNumber(std::string_view text) {
    return leadingWhole<std::int32_t>(text);
}

std::optional<double> typedNumber(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    const auto last = text.find_last_not_of(" \t");
    if (first == std::string_view::npos) {
        return std::nullopt;
    }
    std::string digits(text.substr(first, last - first + 1));
    std::replace(digits.begin(), digits.end(), ',', '.');
    double value = 0;
    const char* end = digits.data() + digits.size();
    const auto [stop, error] = std::from_chars(digits.data(), end, value);
    if (error != std::errc() || stop != end || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}
