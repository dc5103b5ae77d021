// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>
#include <optional>

class QPrinter;

// Every question and message the program puts to the user goes through here, so the windows can
// be driven by a script in tests. All boxes carry the title "Режимы резания".
class UserDialogs {
public:
    virtual ~UserDialogs() = default;

    // A message box with an OK button.
    virtual void message(const QString& text) = 0;
    // An input box showing only the prompt; the typed text, or nothing on Cancel.
    virtual std::optional<QString> input(const QString& prompt) = 0;
    // A question with OK and Cancel; true for OK.
    virtual bool confirm(const QString& text) = 0;
    // The standard file dialog for a file to write, opened at `start` (a folder and a name);
    // the path chosen, or nothing on Cancel.
    virtual std::optional<QString> saveFileName(const QString& caption, const QString& start,
                                                const QString& filter) = 0;
    // The standard file dialog for a file to read, opened in the folder `start`; the path chosen,
    // or nothing on Cancel.
    virtual std::optional<QString> openFileName(const QString& caption, const QString& start,
                                                const QString& filter) = 0;
    // A print preview of the pages `paint` draws on a printer, printed from there.
    virtual void printPreview(const std::function<void(QPrinter&)>& paint) = 0;
};

inline const QString dialogTitle = QStringLiteral("Режимы резания");
