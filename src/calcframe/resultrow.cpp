#include "calcframe/resultrow.h"

#include "calcframe/numberformat.h"

namespace {

const std::vector<std::string> millingHeadings{
    "номер", "инстр-т", "заг-ка", "s, мм/зуб", "v, м/мин", "t, мм",  "D фр, мм", "В фр, мм",
    "Z фр",  "Pz, H",   "Py, H",  "Px, H",     "M, Hм",    "N, кВт", "n, об/мин"};

const std::vector<std::string> turningHeadings{
    "номер", "инстр-т", "заг-ка", "s, мм/об", "v, м/мин", "t, мм",    "D, мм",
    "Pz, H", "Py, H",   "Px, H",  "M, Hм",    "N, кВт",   "n, об/мин"};

} // namespace

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
        return value ? fixedText(*value, decimals, separator) : std::string();
    };
    std::string speedText;
    if (values.n) {
        speedText = patterns.speedDecimals
                        ? fixedText(*values.n, *patterns.speedDecimals, separator)
                        : roundedIntegerText(*values.n);
    }

    std::vector<std::string> cells{
        std::to_string(values.row), values.tool,         values.work,           plain(values.feed),
        plain(values.speed),        plain(values.depth), plain(values.diameter)};
    if (layout == GridLayout::Milling) {
        cells.push_back(plain(values.width));
        cells.push_back(plain(values.teeth));
    }
    cells.push_back(fixed(values.Pz, 1));
    cells.push_back(fixed(values.Py, 1));
    cells.push_back(fixed(values.Px, 1));
    cells.push_back(fixed(values.M, patterns.torqueDecimals));
    cells.push_back(fixed(values.N, 3));
    cells.push_back(speedText);
    return cells;
}
