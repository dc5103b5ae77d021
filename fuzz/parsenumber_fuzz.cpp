// SPDX-License-Identifier: GPL-3.0-or-later
// Any text typed into a numeric box, the row-number box or an input box: reading it never fails,
// and what it reads formats and reads back consistently.
#include "core/calc/numberformat.h"
#include "core/calc/parsenumber.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double value = ParseNumber(text);
    const std::optional<int> row = leadingInteger(text);
    if (row && (*row < -32768 || *row > 32767)) {
        std::abort();
    }
    if (std::isnan(value)) {
        std::abort(); // a box holds a number or nothing
    }
    if (!std::isfinite(value)) {
        return 0;
    }
    // The text a cell shows reads back as the same number to 15 significant digits.
    const std::string cell = plainText(value, '.');
    const double again = leadingNumber(cell);
    if (std::fabs(again - value) > std::fabs(value) * 1e-14) {
        std::abort();
    }
    for (const int decimals : {0, 1, 2, 3}) {
        const std::string fixed = fixedText(value, decimals, ',');
        if (fixed.empty() || std::fabs(ParseNumber(fixed) - value) >
                                 0.5 * std::pow(10, -decimals) + std::fabs(value) * 1e-14) {
            std::abort();
        }
    }
    if (roundedIntegerText(value).empty()) {
        std::abort();
    }
    return 0;
}
