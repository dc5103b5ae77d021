// SPDX-License-Identifier: GPL-3.0-or-later
// Renders the program's SVG icon as the PNG sizes desktops look for:
//   rezhim-render-icon ICON.svg OUTPUT-FOLDER SIZE...
// writes OUTPUT-FOLDER/SIZExSIZE/rezhim.png for each size.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    if (args.size() < 4) {
        std::fprintf(stderr, "usage: rezhim-render-icon ICON.svg OUTPUT-FOLDER SIZE...\n");
        return 2;
    }
    QSvgRenderer icon(args[1]);
    if (!icon.isValid()) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(args[1]));
        return 1;
    }
    for (const QString& sizeText : args.mid(3)) {
        const int size = sizeText.toInt();
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        icon.render(&painter);
        painter.end();
        const QString folder = QStringLiteral("%1/%2x%2").arg(args[2]).arg(size);
        if (!QDir().mkpath(folder) || !image.save(folder + QStringLiteral("/rezhim.png"))) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(folder));
            return 1;
        }
    }
    return 0;
}
