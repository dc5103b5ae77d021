// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/reference/help_r.h"

#include "gui/reference/threadtables.h"

#include <QHBoxLayout>
#include <algorithm>

namespace {

QString text(std::string_view value) {
    return QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size()));
}

// One column group: each block starts with its diameters, one under the other, beside its
// pitches with their profile heights.
std::vector<QStringList> groupRows(int group) {
    std::vector<QStringList> rows;
    for (const ThreadBlock& block : threadBlocks) {
        if (block.group != group) {
            continue;
        }
        const std::size_t lines = std::max(block.diameters.size(), block.pitches.size());
        for (std::size_t line = 0; line < lines; ++line) {
            const std::string_view pitch = line < block.pitches.size() ? block.pitches[line] : "";
            rows.push_back({line < block.diameters.size() ? text(block.diameters[line]) : QString(),
                            text(pitch), text(profileHeight(pitch))});
        }
    }
    return rows;
}

} // namespace

HELP_R::HELP_R(QWidget* parent)
    : ReferenceWindow("HELP_R", "ПАРАМЕТРЫ МЕТРИЧЕСКИХ РЕЗЬБ", "EXIT_0", parent) {
    auto* central = new QWidget;
    auto* layout = new QHBoxLayout(central);
    const QStringList headings{"Диаметр резьбы, мм", "Шаг резьбы, мм", "Высота профиля, мм"};
    for (int group = 1; group <= 3; ++group) {
        auto* table =
            new ReferenceTable(headings, groupRows(group), central, HeadingLines::UpToTwo);
        table->setObjectName(QStringLiteral("ThreadGroup%1").arg(group));
        layout->addWidget(table, 0, Qt::AlignTop);
    }
    setContents(central);
}
