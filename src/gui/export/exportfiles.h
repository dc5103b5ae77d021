// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/output/tabledocument.h"

#include <QString>
#include <functional>
#include <optional>
#include <string>

class QIODevice;
class UserDialogs;

// Where results go besides the report: a file chosen in the standard file dialog, which opens in
// the folder used last (remembered between runs), or the printer. A file is written whole or not
// at all: a temporary file beside it is renamed into place, so a failed write leaves an existing
// file as it was, and the message names the path.
class ExportFiles {
public:
    explicit ExportFiles(UserDialogs& dialogs)
        : dialogs_(dialogs) {}

    void saveCsv(const std::string& bytes, const QString& name);
    void savePdf(const TableDocument& document, const QString& name);
    void print(const TableDocument& document);

    // A file of `format` ("PNG"), offered as `name` with its suffix and written by `fill`, which
    // says whether it wrote everything.
    void saveFile(const QString& format, const QString& name,
                  const std::function<bool(QIODevice&)>& fill);

    // A file of `format` to read (a table to import), chosen in the standard file dialog in the
    // same folder as the files written; none on Cancel.
    std::optional<QString> chooseFileToRead(const QString& format);

private:
    UserDialogs& dialogs_;
};
