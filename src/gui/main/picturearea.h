// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMdiArea>
#include <QSvgRenderer>

// The main window's document area with a picture that fills it, kept in proportion.
class PictureArea : public QMdiArea {
    Q_OBJECT
public:
    PictureArea(const QString& picture, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QSvgRenderer picture_;
};
