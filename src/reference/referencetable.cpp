#include "reference/referencetable.h"

#include "calcframe/unload.h"

#include <QHeaderView>
#include <QMainWindow>
#include <QMenuBar>
#include <QShortcut>

ReferenceTable::ReferenceTable(const QStringList& headings, const std::vector<QStringList>& rows,
                               QWidget* parent)
    : QTableWidget(static_cast<int>(rows.size()), static_cast<int>(headings.size()), parent) {
    setHorizontalHeaderLabels(headings);
    for (int row = 0; row < rowCount(); ++row) {
        const QStringList& texts = rows[static_cast<std::size_t>(row)];
        for (int column = 0; column < texts.size(); ++column) {
            auto* cell = new QTableWidgetItem(texts[column]);
            cell->setTextAlignment(Qt::AlignCenter);
            setItem(row, column, cell);
        }
    }
    verticalHeader()->hide();
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::NoSelection);
    setFocusPolicy(Qt::NoFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QSize ReferenceTable::sizeHint() const {
    int width = 2 * frameWidth();
    for (int column = 0; column < columnCount(); ++column) {
        width += horizontalHeader()->sectionSize(column);
    }
    int height = 2 * frameWidth() + horizontalHeader()->height();
    for (int row = 0; row < rowCount(); ++row) {
        height += verticalHeader()->sectionSize(row);
    }
    return {width, height};
}

ReferenceWindow::ReferenceWindow(const char* objectName, const char* caption, const char* exitItem,
                                 QWidget* parent)
    : QMainWindow(parent) {
    setObjectName(QString::fromUtf8(objectName));
    setWindowTitle(QString::fromUtf8(caption));
    QAction* exit = menuBar()->addAction(QStringLiteral("ЗАКРЫТЬ"));
    exit->setObjectName(QString::fromUtf8(exitItem));
    connect(exit, &QAction::triggered, this, [this] { unloadWindow(this); });
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, exit, &QAction::trigger);
}
