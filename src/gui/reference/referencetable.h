// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>
#include <QStringList>
#include <QTableWidget>
#include <vector>

// How a table's column headings are set: each on one line, or broken onto two where that makes
// the column narrower.
enum class HeadingLines { One, UpToTwo };

// A read-only table of reference texts, as tall and wide as its contents so nothing scrolls
// inside it: the window around it scrolls when it does not fit.
class ReferenceTable : public QTableWidget {
    Q_OBJECT
public:
    ReferenceTable(const QStringList& headings, const std::vector<QStringList>& rows,
                   QWidget* parent = nullptr, HeadingLines lines = HeadingLines::One);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }
};

// A window of reference tables: read-only, closed by its one menu item or Esc. It opens as large
// as its contents, but never larger than the area it opens in; what does not fit then scrolls.
class ReferenceWindow : public QMainWindow {
    Q_OBJECT
public:
    ReferenceWindow(const char* objectName, const char* caption, const char* exitItem,
                    QWidget* parent = nullptr);

    QSize sizeHint() const override;

protected:
    // The tables and headings, inside the window's scrolling area.
    void setContents(QWidget* contents);
};
