// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/reference/help_m.h"

#include "gui/reference/materialtables.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

QStringList texts(std::span<const std::string_view> values) {
    QStringList list;
    for (const std::string_view value : values) {
        list << QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size()));
    }
    return list;
}

// A heading over its table.
QWidget* tableWithHeading(const MaterialTable& table, const char* name, QWidget* parent) {
    auto* box = new QWidget(parent);
    auto* layout = new QVBoxLayout(box);
    // The grid around the boxes keeps them apart.
    layout->setContentsMargins(0, 0, 0, 0);
    auto* heading = new QLabel(texts(std::array{table.heading}).front(), box);
    heading->setWordWrap(true);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    std::vector<QStringList> rows;
    for (const auto& row : table.rows) {
        rows.push_back(texts(row));
    }
    auto* grid = new ReferenceTable(texts(table.columns), rows, box);
    grid->setObjectName(QString::fromUtf8(name));
    heading->setMaximumWidth(grid->sizeHint().width());
    layout->addWidget(heading);
    layout->addWidget(grid);
    layout->addStretch(1);
    return box;
}

} // namespace

HELP_M::HELP_M(QWidget* parent)
    : ReferenceWindow("HELP_M", "ХАРАКТЕРИСТИКА ОБРАБАТЫВАЕМОГО МАТЕРИАЛА", "EXIT_M", parent) {
    auto* central = new QWidget;
    auto* layout = new QGridLayout(central);
    // Steel and bronze on the left, cast iron and aluminium on the right.
    layout->addWidget(tableWithHeading(steelTable, "SteelTable", central), 0, 0);
    layout->addWidget(tableWithHeading(bronzeTable, "BronzeTable", central), 1, 0);
    layout->addWidget(tableWithHeading(castIronTable, "CastIronTable", central), 0, 1);
    layout->addWidget(tableWithHeading(aluminiumTable, "AluminiumTable", central), 1, 1);
    setContents(central);
}
