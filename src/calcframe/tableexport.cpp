#include "calcframe/tableexport.h"

#include "calcframe/tablepages.h"
#include "shell/userdialogs.h"

#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QSaveFile>
#include <QSettings>

namespace {

const QString folderKey = QStringLiteral("export/folder");

QSettings settings() {
    return QSettings(QStringLiteral("rezhim"), QStringLiteral("rezhim"));
}

} // namespace

void TableExport::saveCsv(const std::string& bytes, const QString& name) {
    if (const auto path = chooseFile(QStringLiteral("CSV"), QStringLiteral("CSV (*.csv)"),
                                     name + QStringLiteral(".csv"))) {
        write(*path, [&bytes](QIODevice& file) {
            return file.write(bytes.data(), static_cast<qint64>(bytes.size())) ==
                   static_cast<qint64>(bytes.size());
        });
    }
}

void TableExport::savePdf(const TableDocument& document, const QString& name) {
    if (const auto path = chooseFile(QStringLiteral("PDF"), QStringLiteral("PDF (*.pdf)"),
                                     name + QStringLiteral(".pdf"))) {
        write(*path, [&document](QIODevice& file) { return writeTablePdf(file, document); });
    }
}

void TableExport::print(const TableDocument& document) {
    dialogs_.printPreview([&document](QPrinter& printer) { paintTablePages(printer, document); });
}

std::optional<QString> TableExport::chooseFile(const QString& caption, const QString& filter,
                                               const QString& name) {
    const QString folder = settings().value(folderKey, QDir::homePath()).toString();
    std::optional<QString> path =
        dialogs_.saveFileName(caption, QDir(folder).filePath(name), filter);
    if (path) {
        settings().setValue(folderKey, QFileInfo(*path).absolutePath());
    }
    return path;
}

void TableExport::write(const QString& path, const std::function<bool(QIODevice&)>& fill) {
    QSaveFile file(path);
    const bool written = file.open(QIODevice::WriteOnly) && fill(file) && file.commit();
    if (!written) {
        file.cancelWriting();
        dialogs_.message(QStringLiteral("НЕ УДАЛОСЬ ЗАПИСАТЬ ФАЙЛ %1!!!").arg(path));
    }
}
