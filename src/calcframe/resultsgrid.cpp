#include "calcframe/resultsgrid.h"

#include <QHeaderView>

namespace {
// Every column but the last is centred and top-aligned; the last keeps numbers to the right.
Qt::Alignment columnAlignment(int column, int columnCount) {
    return column < columnCount - 1 ? Qt::AlignHCenter | Qt::AlignTop
                                    : Qt::AlignRight | Qt::AlignVCenter;
}
} // namespace

ResultsGrid::ResultsGrid(const std::vector<std::string>& headings, QWidget* parent)
    : QTableWidget(0, static_cast<int>(headings.size()), parent) {
    setObjectName(QStringLiteral("PARAMETR"));
    for (int column = 0; column < columnCount(); ++column) {
        setCellText(0, column, QString::fromStdString(headings[static_cast<std::size_t>(column)]));
    }
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setAlternatingRowColors(true);
}

void ResultsGrid::setRows(int rows) {
    setRowCount(std::max(rows - 1, 0));
}

QString ResultsGrid::cellText(int row, int column) const {
    const QTableWidgetItem* cell = row == 0 ? horizontalHeaderItem(column) : item(row - 1, column);
    return cell ? cell->text() : QString();
}

void ResultsGrid::setCellText(int row, int column, const QString& text) {
    if (row == 0) {
        setHorizontalHeaderItem(column, new QTableWidgetItem(text));
        return;
    }
    auto* cell = new QTableWidgetItem(text);
    cell->setTextAlignment(columnAlignment(column, columnCount()));
    setItem(row - 1, column, cell);
}

void ResultsGrid::setRowTexts(int row, const std::vector<std::string>& cells) {
    for (std::size_t column = 0; column < cells.size(); ++column) {
        setCellText(row, static_cast<int>(column), QString::fromStdString(cells[column]));
    }
}

void ResultsGrid::markCell(int row, int column, const QString& reason) {
    QTableWidgetItem* cell = item(row - 1, column);
    cell->setBackground(QColor(255, 140, 140));
    cell->setForeground(Qt::black);
    cell->setToolTip(reason);
}
