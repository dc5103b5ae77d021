#pragma once

#include "calcframe/tabledocument.h"

#include <QString>
#include <functional>
#include <optional>
#include <string>

class QIODevice;
class UserDialogs;

// Where the results table goes besides the report: a CSV or PDF file chosen in the standard file
// dialog, which opens in the folder used last (remembered between runs), or the printer. A file
// is written whole or not at all: a temporary file beside it is renamed into place, so a failed
// write leaves an existing file as it was.
class TableExport {
public:
    explicit TableExport(UserDialogs& dialogs)
        : dialogs_(dialogs) {}

    void saveCsv(const std::string& bytes, const QString& name);
    void savePdf(const TableDocument& document, const QString& name);
    void print(const TableDocument& document);

private:
    std::optional<QString> chooseFile(const QString& caption, const QString& filter,
                                      const QString& name);
    void write(const QString& path, const std::function<bool(QIODevice&)>& fill);

    UserDialogs& dialogs_;
};
