// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTableWidget>
#include <string>
#include <vector>

// The results grid: row 0 holds the headings (shown as the sticky header), rows from 1 the
// results. Rows and cells are addressed as the report sees them, heading row included.
class ResultsGrid : public QTableWidget {
    Q_OBJECT
public:
    explicit ResultsGrid(const std::vector<std::string>& headings, QWidget* parent = nullptr);

    // Rows including the heading row.
    int rows() const { return rowCount() + 1; }
    void setRows(int rows);

    QString cellText(int row, int column) const;
    void setCellText(int row, int column, const QString& text);
    void setRowTexts(int row, const std::vector<std::string>& cells);
    // What Ctrl+C and "Копировать" put on the clipboard: the selected cells, or with none the
    // headings and every filled row; tab-separated, one line per row, as the cells read.
    QString copiedText() const;

    // A red cell with the reason as its tooltip, below any reason it has already, until the row
    // is written again.
    void markCell(int row, int column, const QString& reason);

    // The headings and three rows at least: where the window is smaller, its page scrolls.
    QSize minimumSizeHint() const override;
};
