// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/export/tablepages.h"

#include <QFont>
#include <QFontMetricsF>
#include <QIODevice>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QStringList>
#include <QTextOption>
#include <algorithm>
#include <cstddef>
#include <numeric>
#include <utility>
#include <vector>

namespace {

// Sizes as a process sheet gives them, in millimetres and points; the painter works in device
// units, which depend on the device's resolution (300 dpi for the PDF, 1200 for a printer).
constexpr double marginMm = 15;
constexpr double titlePoints = 14;
constexpr double headerPoints = 10;
constexpr double tablePoints = 9.5;
constexpr double smallestTablePoints = 6;
constexpr double footerPoints = 9;
constexpr double cellPaddingXMm = 1.6;
constexpr double cellPaddingYMm = 1.1;
constexpr double headerGapMm = 1.2;
constexpr double tableGapMm = 4;
constexpr double gridPoints = 0.4;
// Room a line keeps over its measured width, so that the layout's rounding never breaks it again.
constexpr double slackPoints = 0.5;
constexpr double borderPoints = 0.9;
const QColor headingShade(228, 228, 228);

QFont sheetFont(double points, bool bold = false) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// Wrapped at spaces, and inside a word only where a column is too narrow for it.
QTextOption wrapping(Qt::Alignment alignment) {
    QTextOption option(alignment);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    return option;
}

double sum(const std::vector<double>& values) {
    return std::accumulate(values.begin(), values.end(), 0.0);
}

// The height of `text` wrapped into `width`, never less than one line.
double wrappedHeight(QPainter& painter, const QFont& font, const QString& text, double width) {
    painter.setFont(font);
    const QRectF bounds =
        painter.boundingRect(QRectF(0, 0, width, 1e9), text, wrapping(Qt::AlignLeft));
    return std::max(bounds.height(), QFontMetricsF(font, painter.device()).height());
}

// Lines broken at spaces only: "мм/зуб" and "инстр-т" stay whole, where the layout would break
// after the slash or the hyphen. A word wider than the column is left to the layout to break.
QString brokenAtSpaces(const QFontMetricsF& metrics, const QString& text, double width) {
    QStringList lines;
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString longer = lines.isEmpty() ? QString() : lines.back() + QLatin1Char(' ') + word;
        if (!lines.isEmpty() && metrics.horizontalAdvance(longer) <= width) {
            lines.back() = longer;
        } else {
            lines << word;
        }
    }
    return lines.join(QChar::LineSeparator);
}

double widestWord(const QFontMetricsF& metrics, const QString& text) {
    double widest = 0;
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        widest = std::max(widest, metrics.horizontalAdvance(word));
    }
    return widest;
}

// One line of the page head: the title, the date or a machine line.
struct HeadLine {
    QFont font;
    QString text;
    double height = 0;
};

struct Table {
    QStringList headings;
    std::vector<QStringList> rows; // every row as long as the heading row
    std::vector<Qt::Alignment> alignments;
    // Laid out for the page width.
    QFont font;
    QFont headingFont;
    std::vector<double> widths;
    double headingHeight = 0;
    std::vector<double> rowHeights;
};

Table tableOf(const TableDocument& document) {
    std::size_t columns = document.headings.size();
    for (const auto& row : document.rows) {
        columns = std::max(columns, row.size());
    }
    Table table;
    const auto line = [columns](const std::vector<std::string>& cells) {
        QStringList texts;
        for (std::size_t column = 0; column < columns; ++column) {
            texts << (column < cells.size() ? QString::fromStdString(cells[column]) : QString());
        }
        return texts;
    };
    table.headings = line(document.headings);
    for (const auto& row : document.rows) {
        table.rows.push_back(line(row));
    }
    for (std::size_t column = 0; column < columns; ++column) {
        const bool numeric = column < document.numeric.size() && document.numeric[column];
        table.alignments.push_back((numeric ? Qt::AlignRight : Qt::AlignHCenter) |
                                   Qt::AlignVCenter);
    }
    return table;
}

// Per column, the narrowest it may be (its longest word: a heading wraps between words, a number
// never breaks) and the width that shows all of its texts on one line.
std::pair<std::vector<double>, std::vector<double>>
columnExtents(const Table& table, const QPaintDevice* device, double spare) {
    const QFontMetricsF body(table.font, device);
    const QFontMetricsF heading(table.headingFont, device);
    const qsizetype columns = table.headings.size();
    std::vector<double> least(static_cast<std::size_t>(columns));
    std::vector<double> natural(least.size());
    for (qsizetype column = 0; column < columns; ++column) {
        const auto c = static_cast<std::size_t>(column);
        const QString& title = table.headings[column];
        least[c] = widestWord(heading, title);
        natural[c] = heading.horizontalAdvance(title);
        const bool numeric = table.alignments[c] & Qt::AlignRight;
        for (const QStringList& row : table.rows) {
            const double whole = body.horizontalAdvance(row[column]);
            least[c] = std::max(least[c], numeric ? whole : widestWord(body, row[column]));
            natural[c] = std::max(natural[c], whole);
        }
        least[c] += spare;
        natural[c] += spare;
    }
    return {least, natural};
}

// The columns fill the page width: widened in proportion when everything fits on one line,
// otherwise the room above the narrowest widths goes to the columns that want more.
std::vector<double> fitWidths(const std::vector<double>& least, const std::vector<double>& natural,
                              double available) {
    const double leastSum = sum(least);
    const double naturalSum = sum(natural);
    std::vector<double> widths(least.size());
    for (std::size_t column = 0; column < widths.size(); ++column) {
        if (naturalSum <= available) {
            widths[column] = natural[column] * available / naturalSum;
        } else if (leastSum <= available) {
            const double share = (available - leastSum) / (naturalSum - leastSum);
            widths[column] = least[column] + (natural[column] - least[column]) * share;
        } else {
            widths[column] = least[column] * available / leastSum; // wraps inside words
        }
    }
    return widths;
}

class SheetPainter {
public:
    SheetPainter(QPagedPaintDevice& paged, QPainter& onto, const TableDocument& document)
        : device(paged)
        , painter(onto)
        , table(tableOf(document)) {
        unitsPerMm = device.logicalDpiY() / 25.4;
        unitsPerPoint = device.logicalDpiY() / 72.0;
        pageWidth = device.width();
        pageHeight = device.height();
        paddingX = cellPaddingXMm * unitsPerMm;
        paddingY = cellPaddingYMm * unitsPerMm;
        slack = slackPoints * unitsPerPoint;

        if (!document.title.empty()) {
            head.push_back({sheetFont(titlePoints, true), QString::fromStdString(document.title)});
        }
        if (!document.date.empty()) {
            head.push_back({sheetFont(headerPoints),
                            QStringLiteral("Дата: %1").arg(QString::fromStdString(document.date))});
        }
        for (const std::string& line : document.machineLines) {
            head.push_back({sheetFont(headerPoints), QString::fromStdString(line)});
        }
        tableTop = 0;
        for (HeadLine& line : head) {
            line.height = wrappedHeight(painter, line.font, line.text, pageWidth);
            tableTop += line.height + headerGapMm * unitsPerMm;
        }
        if (!head.empty()) {
            tableTop += (tableGapMm - headerGapMm) * unitsPerMm;
        }
        footerFont = sheetFont(footerPoints);
        footerHeight = QFontMetricsF(footerFont, &device).height();
        tableBottom = pageHeight - footerHeight - tableGapMm * unitsPerMm;

        layOutTable();
        paginate();
    }

    bool paint() {
        const int count = static_cast<int>(pages.size());
        for (int page = 0; page < count; ++page) {
            if (page > 0 && !device.newPage()) {
                return false;
            }
            paintHead();
            paintTable(pages[static_cast<std::size_t>(page)]);
            painter.setFont(footerFont);
            painter.drawText(QRectF(0, pageHeight - footerHeight, pageWidth, footerHeight),
                             QStringLiteral("Страница %1 из %2").arg(page + 1).arg(count),
                             QTextOption(Qt::AlignHCenter | Qt::AlignBottom));
        }
        return true;
    }

private:
    // The table font is made smaller only when the columns cannot otherwise fit the page.
    void layOutTable() {
        if (table.headings.isEmpty()) {
            return;
        }
        std::pair<std::vector<double>, std::vector<double>> extents;
        for (double points = tablePoints; points >= smallestTablePoints; points -= 0.5) {
            table.font = sheetFont(points);
            table.headingFont = sheetFont(points, true);
            extents = columnExtents(table, &device, 2 * paddingX + slack);
            if (sum(extents.first) <= pageWidth) {
                break;
            }
        }
        table.widths = fitWidths(extents.first, extents.second, pageWidth);
        breakLines(table.headingFont, table.headings);
        for (QStringList& row : table.rows) {
            breakLines(table.font, row);
        }
        table.headingHeight = rowHeight(table.headingFont, table.headings);
        for (const QStringList& row : table.rows) {
            table.rowHeights.push_back(rowHeight(table.font, row));
        }
    }

    void breakLines(const QFont& font, QStringList& cells) {
        const QFontMetricsF metrics(font, &device);
        for (qsizetype column = 0; column < cells.size(); ++column) {
            const double width = table.widths[static_cast<std::size_t>(column)] - 2 * paddingX;
            cells[column] = brokenAtSpaces(metrics, cells[column], width - slack);
        }
    }

    double rowHeight(const QFont& font, const QStringList& cells) {
        double height = 0;
        for (qsizetype column = 0; column < cells.size(); ++column) {
            const double width = table.widths[static_cast<std::size_t>(column)] - 2 * paddingX;
            height = std::max(height, wrappedHeight(painter, font, cells[column], width));
        }
        return height + 2 * paddingY;
    }

    // Rows [first, last) per page; a page takes at least one row, and an empty table still
    // gets a page with its heading row.
    void paginate() {
        const double room = tableBottom - tableTop - table.headingHeight;
        std::size_t first = 0;
        do {
            std::size_t last = first;
            double used = 0;
            while (last < table.rows.size() &&
                   (last == first || used + table.rowHeights[last] <= room)) {
                used += table.rowHeights[last];
                ++last;
            }
            pages.emplace_back(first, last);
            first = last;
        } while (first < table.rows.size());
    }

    void paintHead() {
        double y = 0;
        for (const HeadLine& line : head) {
            painter.setFont(line.font);
            painter.drawText(QRectF(0, y, pageWidth, line.height), line.text,
                             wrapping(Qt::AlignLeft | Qt::AlignTop));
            y += line.height + headerGapMm * unitsPerMm;
        }
    }

    void paintCells(const QStringList& cells, double y, double height, bool heading) {
        double x = 0;
        for (qsizetype column = 0; column < cells.size(); ++column) {
            const auto c = static_cast<std::size_t>(column);
            const QRectF cell(x + paddingX, y + paddingY, table.widths[c] - 2 * paddingX,
                              height - 2 * paddingY);
            painter.drawText(cell, cells[column],
                             wrapping(heading ? Qt::AlignCenter : table.alignments[c]));
            x += table.widths[c];
        }
    }

    void paintTable(std::pair<std::size_t, std::size_t> rows) {
        if (table.headings.isEmpty()) {
            return;
        }
        const double width = sum(table.widths);
        std::vector<double> lines{tableTop, tableTop + table.headingHeight};
        painter.fillRect(QRectF(0, tableTop, width, table.headingHeight), headingShade);
        painter.setFont(table.headingFont);
        paintCells(table.headings, tableTop, table.headingHeight, true);
        painter.setFont(table.font);
        for (std::size_t row = rows.first; row < rows.second; ++row) {
            paintCells(table.rows[row], lines.back(), table.rowHeights[row], false);
            lines.push_back(lines.back() + table.rowHeights[row]);
        }

        // Thin rules around every cell, a heavier frame and rule under the heading row.
        QPen rule(Qt::black, gridPoints * unitsPerPoint);
        painter.setPen(rule);
        for (const double y : lines) {
            painter.drawLine(QLineF(0, y, width, y));
        }
        double x = 0;
        for (const double column : table.widths) {
            painter.drawLine(QLineF(x, tableTop, x, lines.back()));
            x += column;
        }
        rule.setWidthF(borderPoints * unitsPerPoint);
        painter.setPen(rule);
        painter.drawLine(QLineF(0, lines[1], width, lines[1]));
        painter.drawRect(QRectF(0, tableTop, width, lines.back() - tableTop));
        painter.setPen(QPen(Qt::black));
    }

    QPagedPaintDevice& device;
    QPainter& painter;
    Table table;
    std::vector<HeadLine> head;
    QFont footerFont;
    double unitsPerMm = 0;
    double unitsPerPoint = 0;
    double pageWidth = 0;
    double pageHeight = 0;
    double paddingX = 0;
    double paddingY = 0;
    double slack = 0;
    double tableTop = 0;
    double tableBottom = 0;
    double footerHeight = 0;
    std::vector<std::pair<std::size_t, std::size_t>> pages;
};

bool paintPages(QPagedPaintDevice& device, const TableDocument& document) {
    const QPageLayout a4Landscape(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                                  QMarginsF(marginMm, marginMm, marginMm, marginMm),
                                  QPageLayout::Millimeter);
    if (!device.setPageLayout(a4Landscape)) {
        // A printer that refuses these margins still prints across the sheet.
        device.setPageOrientation(QPageLayout::Landscape);
    }
    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const bool painted = SheetPainter(device, painter, document).paint();
    return painter.end() && painted;
}

} // namespace

void paintTablePages(QPagedPaintDevice& device, const TableDocument& document) {
    paintPages(device, document);
}

bool writeTablePdf(QIODevice& output, const TableDocument& document) {
    QPdfWriter writer(&output);
    writer.setResolution(300);
    writer.setTitle(QString::fromStdString(document.title));
    writer.setCreator(QStringLiteral("rezhim"));
    return paintPages(writer, document);
}
