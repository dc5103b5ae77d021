// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/calcwindow/resultsgrid.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QScrollBar>

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
    // A block of cells is selected for copying, as in a spreadsheet.
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    auto* copy = new QAction(QStringLiteral("Копировать"), this);
    copy->setObjectName(QStringLiteral("COPY"));
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetShortcut);
    connect(copy, &QAction::triggered, this,
            [this] { QGuiApplication::clipboard()->setText(copiedText()); });
    addAction(copy);
    setContextMenuPolicy(Qt::ActionsContextMenu);
    setAlternatingRowColors(true);
}

QSize ResultsGrid::minimumSizeHint() const {
    const int height = 2 * frameWidth() + horizontalHeader()->sizeHint().height() +
                       3 * verticalHeader()->defaultSectionSize() +
                       horizontalScrollBar()->sizeHint().height();
    return {QTableWidget::minimumSizeHint().width(), height};
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
    // A cell both the machine and the cutter mark gives both reasons.
    const QString before = cell->toolTip();
    cell->setToolTip(before.isEmpty() ? reason : before + QLatin1Char('\n') + reason);
}

QString ResultsGrid::copiedText() const {
    int top = 0;
    int bottom = rows() - 1;
    int left = 0;
    int right = columnCount() - 1;
    const QList<QTableWidgetSelectionRange> selected = selectedRanges();
    if (!selected.isEmpty()) {
        // Grid rows are numbered here with the heading row as 0.
        top = selected.front().topRow() + 1;
        bottom = selected.front().bottomRow() + 1;
        left = selected.front().leftColumn();
        right = selected.front().rightColumn();
    }
    QStringList lines;
    for (int row = top; row <= bottom; ++row) {
        QStringList cells;
        bool filled = false;
        for (int column = left; column <= right; ++column) {
            cells << cellText(row, column);
            filled = filled || !cells.back().isEmpty();
        }
        // A row reserved for the next result but never computed is left out.
        if (filled || !selected.isEmpty()) {
            lines << cells.join(QLatin1Char('\t'));
        }
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}
