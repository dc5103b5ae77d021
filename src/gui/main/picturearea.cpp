// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/main/picturearea.h"

#include <QPainter>

PictureArea::PictureArea(const QString& picture, QWidget* parent)
    : QMdiArea(parent)
    , picture_(picture) {
    setBackground(QColor(0x1d, 0x24, 0x2e));
}

void PictureArea::paintEvent(QPaintEvent* event) {
    QMdiArea::paintEvent(event);
    QPainter painter(viewport());
    // Cover the whole area: scale by the larger ratio and centre, cropping the overflow.
    const QSizeF area = viewport()->size();
    const QSizeF size =
        picture_.defaultSize().toSizeF().scaled(area, Qt::KeepAspectRatioByExpanding);
    const QPointF corner((area.width() - size.width()) / 2, (area.height() - size.height()) / 2);
    picture_.render(&painter, QRectF(corner, size));
}
