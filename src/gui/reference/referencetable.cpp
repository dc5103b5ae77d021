// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/reference/referencetable.h"

#include "gui/common/unload.h"

#include <QHeaderView>
#include <QMainWindow>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QScrollArea>
#include <QShortcut>
#include <algorithm>

namespace {

// A heading broken onto at most two lines, at the word break that makes it narrowest.
class HeadingRow : public QHeaderView {
public:
    explicit HeadingRow(QWidget* parent)
        : QHeaderView(Qt::Horizontal, parent) {
        setDefaultAlignment(Qt::Alignment(Qt::AlignCenter | Qt::TextWordWrap));
    }

protected:
    QSize sectionSizeFromContents(int logicalIndex) const override {
        const QSize oneLine = QHeaderView::sectionSizeFromContents(logicalIndex);
        const QString text = model()->headerData(logicalIndex, orientation()).toString();
        const QFontMetrics metrics(font());
        const int textWidth = metrics.horizontalAdvance(text);
        int narrowest = textWidth;
        for (qsizetype space = text.indexOf(' '); space >= 0;
             space = text.indexOf(' ', space + 1)) {
            narrowest =
                std::min(narrowest, std::max(metrics.horizontalAdvance(text.left(space)),
                                             metrics.horizontalAdvance(text.mid(space + 1))));
        }
        if (narrowest == textWidth) {
            return oneLine;
        }
        return {oneLine.width() - textWidth + narrowest, oneLine.height() + metrics.lineSpacing()};
    }
};

// Scrolls the contents of a reference window, and asks for room for all of them.
class ContentsArea : public QScrollArea {
public:
    explicit ContentsArea(QWidget* parent)
        : QScrollArea(parent) {
        setObjectName(QStringLiteral("ReferenceContents"));
        setFrameShape(QFrame::NoFrame);
        setWidgetResizable(true);
    }

    QSize sizeHint() const override {
        const QMargins margins = contentsMargins();
        const QSize size = widget() ? widget()->sizeHint() : QSize();
        return size.grownBy(margins);
    }
};

} // namespace

ReferenceTable::ReferenceTable(const QStringList& headings, const std::vector<QStringList>& rows,
                               QWidget* parent, HeadingLines lines)
    : QTableWidget(static_cast<int>(rows.size()), static_cast<int>(headings.size()), parent) {
    if (lines == HeadingLines::UpToTwo) {
        setHorizontalHeader(new HeadingRow(this));
    }
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
    int height = 2 * frameWidth() + horizontalHeader()->sizeHint().height();
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

void ReferenceWindow::setContents(QWidget* contents) {
    auto* area = new ContentsArea(this);
    area->setWidget(contents);
    setCentralWidget(area);
}

QSize ReferenceWindow::sizeHint() const {
    const QSize wanted = QMainWindow::sizeHint();
    const auto* frame = qobject_cast<const QMdiSubWindow*>(parentWidget());
    if (!frame || !frame->parentWidget()) {
        return wanted;
    }
    // The frame's title and borders take their share of the area.
    const QSize room = frame->parentWidget()->size().shrunkBy(frame->contentsMargins());
    if (wanted.width() <= room.width() && wanted.height() <= room.height()) {
        return wanted;
    }
    // Whatever does not fit scrolls: a scroll bar across takes height, one down the side width.
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    const int width = wanted.width() + (wanted.height() > room.height() ? bar : 0);
    const int height = wanted.height() + (wanted.width() > room.width() ? bar : 0);
    return QSize(width, height).boundedTo(room);
}
