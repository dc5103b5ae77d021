// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/calc/resultrow.h"

#include "core/calc/numberformat.h"

#include <array>
#include <cmath>

namespace {

const std::vector<std::string> millingHeadings{
    "номер", "инстр-т", "заг-ка", "s, мм/зуб", "v, м/мин", "t, мм",  "D фр, мм", "В фр, мм",
    "Z фр",  "Pz, H",   "Py, H",  "Px, H",     "M, Hм",    "N, кВт", "n, об/мин"};

const std::vector<std::string> turningHeadings{
    "номер", "инстр-т", "заг-ка", "s, мм/об", "v, м/мин", "t, мм",    "D, мм",
    "Pz, H", "Py, H",   "Px, H",  "M, Hм",    "N, кВт",   "n, об/мин"};

} // namespace

bool allFinite(const RowResults& results) {
    const auto finite = [](const std::optional<double>& value) {
        return !value || std::isfinite(*value);
    };
    return finite(results.Pz) && finite(results.Py) && finite(results.Px) && finite(results.M) &&
           finite(results.N) && finite(results.n) && finite(results.Sm) && finite(results.To) &&
           finite(results.Q);
}

std::optional<double> resultValue(const RowResults& results, Result which) {
    const std::array<const std::optional<double>*, 6> values{&results.Pz, &results.Py, &results.Px,
                                                             &results.M,  &results.N,  &results.n};
    return *values[static_cast<std::size_t>(which)];
}

int resultColumn(GridLayout layout, Result which) {
    // The six results close every row.
    return columnCount(layout) - 6 + static_cast<int>(which);
}

int columnCount(GridLayout layout) {
    return static_cast<int>(headings(layout).size());
}

std::vector<std::string> headings(GridLayout layout) {
    return layout == GridLayout::Milling ? millingHeadings : turningHeadings;
}

std::vector<std::string> rowCells(GridLayout layout, const RowValues& values,
                                  const ResultPatterns& patterns, char separator) {
    const auto plain = [separator](double value) { return plainText(value, separator); };
    const auto fixed = [separator](const std::optional<double>& value, int decimals) {
        return optionalFixedText(value, decimals, separator);
    };
    std::string speedText;
    if (values.results.n) {
        speedText = patterns.speedDecimals
                        ? fixedText(*values.results.n, *patterns.speedDecimals, separator)
                        : roundedIntegerText(*values.results.n);
    }

    std::vector<std::string> cells{
        integerText(values.row), values.tool,         values.work,           plain(values.feed),
        plain(values.speed),     plain(values.depth), plain(values.diameter)};
    if (layout == GridLayout::Milling) {
        cells.push_back(plain(values.width));
        cells.push_back(plain(values.teeth));
    }
    cells.push_back(fixed(values.results.Pz, 1));
    cells.push_back(fixed(values.results.Py, 1));
    cells.push_back(fixed(values.results.Px, 1));
    cells.push_back(fixed(values.results.M, patterns.torqueDecimals));
    cells.push_back(fixed(values.results.N, 3));
    cells.push_back(speedText);
    return cells;
}
