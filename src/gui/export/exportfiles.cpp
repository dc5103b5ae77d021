// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/export/exportfiles.h"

#include "gui/common/userdialogs.h"
#include "gui/export/tablepages.h"

#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QSaveFile>
#include <QSettings>

void ExportFiles::saveCsv(const std::string& bytes, const QString& name) {
    saveFile(QStringLiteral("CSV"), name, [&bytes](QIODevice& file) {
        return file.write(bytes.data(), static_cast<qint64>(bytes.size())) ==
               static_cast<qint64>(bytes.size());
    });
}

void ExportFiles::savePdf(const TableDocument& document, const QString& name) {
    saveFile(QStringLiteral("PDF"), name,
             [&document](QIODevice& file) { return writeTablePdf(file, document); });
}

void ExportFiles::print(const TableDocument& document) {
    dialogs_.printPreview([&document](QPrinter& printer) { paintTablePages(printer, document); });
}

void ExportFiles::saveFile(const QString& format, const QString& name,
                           const std::function<bool(QIODevice&)>& fill) {
    const QString suffix = format.toLower();
    QSettings settings(QStringLiteral("rezhim"), QStringLiteral("rezhim"));
    const QString folderKey = QStringLiteral("export/folder");
    const QString folder = settings.value(folderKey, QDir::homePath()).toString();
    const std::optional<QString> path =
        dialogs_.saveFileName(format, QDir(folder).filePath(name + QLatin1Char('.') + suffix),
                              QStringLiteral("%1 (*.%2)").arg(format, suffix));
    if (!path) {
        return;
    }
    settings.setValue(folderKey, QFileInfo(*path).absolutePath());
    QSaveFile file(*path);
    if (!file.open(QIODevice::WriteOnly) || !fill(file) || !file.commit()) {
        file.cancelWriting();
        dialogs_.message(QStringLiteral("НЕ УДАЛОСЬ ЗАПИСАТЬ ФАЙЛ %1!!!").arg(*path));
    }
}
