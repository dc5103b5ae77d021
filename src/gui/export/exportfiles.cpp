// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/export/exportfiles.h"

#include "gui/common/userdialogs.h"
#include "gui/common/usersettings.h"
#include "gui/export/tablepages.h"

#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QSaveFile>

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

namespace {

// The folder the file dialogs open in: the one a file was last chosen in, remembered between runs.
const QString folderKey = QStringLiteral("export/folder");

QString lastFolder() {
    return userSettings().value(folderKey, QDir::homePath()).toString();
}

void rememberFolder(const QString& path) {
    userSettings().setValue(folderKey, QFileInfo(path).absolutePath());
}

QString filter(const QString& format) {
    return QStringLiteral("%1 (*.%2)").arg(format, format.toLower());
}

} // namespace

void ExportFiles::saveFile(const QString& format, const QString& name,
                           const std::function<bool(QIODevice&)>& fill) {
    const std::optional<QString> path = dialogs_.saveFileName(
        format, QDir(lastFolder()).filePath(name + QLatin1Char('.') + format.toLower()),
        filter(format));
    if (!path) {
        return;
    }
    rememberFolder(*path);
    QSaveFile file(*path);
    if (!file.open(QIODevice::WriteOnly) || !fill(file) || !file.commit()) {
        file.cancelWriting();
        dialogs_.message(QStringLiteral("НЕ УДАЛОСЬ ЗАПИСАТЬ ФАЙЛ %1!!!").arg(*path));
    }
}

std::optional<QString> ExportFiles::chooseFileToRead(const QString& format) {
    const std::optional<QString> path = dialogs_.openFileName(format, lastFolder(), filter(format));
    if (path) {
        rememberFolder(*path);
    }
    return path;
}
