// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/chart/chartexport.h"

#include "gui/export/exportfiles.h"

#include <QChartView>
#include <QPainter>
#include <QSvgGenerator>

void saveChartView(QChartView* view, const QString& type, const QString& title,
                   UserDialogs& dialogs) {
    ExportFiles(dialogs).saveFile(type, QStringLiteral("grafik"), [&](QIODevice& file) {
        if (type == QStringLiteral("PNG")) {
            return view->grab().save(&file, "PNG");
        }
        QSvgGenerator svg;
        svg.setOutputDevice(&file);
        svg.setSize(view->size());
        svg.setViewBox(QRect(QPoint(), view->size()));
        svg.setTitle(title);
        QPainter painter;
        if (!painter.begin(&svg)) {
            return false;
        }
        view->render(&painter);
        return painter.end();
    });
}
