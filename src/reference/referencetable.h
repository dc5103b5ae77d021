#pragma once

#include <QMainWindow>
#include <QStringList>
#include <QTableWidget>
#include <vector>

// A read-only table of reference texts, as tall and wide as its contents so nothing scrolls.
class ReferenceTable : public QTableWidget {
    Q_OBJECT
public:
    ReferenceTable(const QStringList& headings, const std::vector<QStringList>& rows,
                   QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }
};

// A window of reference tables: read-only, closed by its one menu item or Esc.
class ReferenceWindow : public QMainWindow {
    Q_OBJECT
public:
    ReferenceWindow(const char* objectName, const char* caption, const char* exitItem,
                    QWidget* parent = nullptr);
};
