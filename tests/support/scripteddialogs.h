// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/common/userdialogs.h"

#include <QPrinter>
#include <QStringList>
#include <deque>
#include <gtest/gtest.h>

// Readable failure output for Qt texts.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QStringList& texts, std::ostream* out) {
    *out << '{' << texts.join(" | ").toStdString() << '}';
}

// Message and input boxes answered from a script; every text shown is recorded in order, prefixed
// with "message: ", "input: " or "confirm: ".
class ScriptedDialogs : public UserDialogs {
public:
    // The next input box gets this text, or is cancelled.
    void answer(const QString& text) { answers_.push_back({false, text}); }
    void cancel() { answers_.push_back({true, {}}); }
    void confirmWith(bool ok) { confirmations_.push_back(ok); }

    void message(const QString& text) override { shown.append("message: " + text); }

    std::optional<QString> input(const QString& prompt) override {
        shown.append("input: " + prompt);
        if (answers_.empty()) {
            ADD_FAILURE() << "unexpected input box: " << prompt.toStdString();
            return std::nullopt;
        }
        const Answer answer = answers_.front();
        answers_.pop_front();
        if (answer.cancelled) {
            return std::nullopt;
        }
        return answer.text;
    }

    bool confirm(const QString& text) override {
        shown.append("confirm: " + text);
        if (confirmations_.empty()) {
            ADD_FAILURE() << "unexpected question: " << text.toStdString();
            return false;
        }
        const bool ok = confirmations_.front();
        confirmations_.pop_front();
        return ok;
    }

    // The next file dialog gives this path, or is cancelled with an empty one.
    void chooseFile(const QString& path) { files_.push_back(path); }
    // The next print preview prints to this PDF file.
    void printTo(const QString& pdfPath) { printouts_.push_back(pdfPath); }

    std::optional<QString> saveFileName(const QString& caption, const QString& start,
                                        const QString& filter) override {
        return chosenFile("file: ", caption, start, filter);
    }
    // A file to read is shown as "open: " and answered from the same script.
    std::optional<QString> openFileName(const QString& caption, const QString& start,
                                        const QString& filter) override {
        return chosenFile("open: ", caption, start, filter);
    }

    std::optional<QString> chosenFile(const QString& kind, const QString& caption,
                                      const QString& start, const QString& filter) {
        shown.append(kind + caption + " " + filter);
        lastFileStart = start;
        if (files_.empty()) {
            ADD_FAILURE() << "unexpected file dialog: " << caption.toStdString();
            return std::nullopt;
        }
        const QString path = files_.front();
        files_.pop_front();
        return path.isEmpty() ? std::nullopt : std::optional(path);
    }

    void printPreview(const std::function<void(QPrinter&)>& paint) override {
        shown.append("preview");
        if (printouts_.empty()) {
            ADD_FAILURE() << "unexpected print preview";
            return;
        }
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printouts_.front());
        printouts_.pop_front();
        paint(printer);
    }

    // Answers the script still holds: a test ends with none left.
    std::size_t unusedAnswers() const {
        return answers_.size() + confirmations_.size() + files_.size() + printouts_.size();
    }

    QString lastFileStart; // where the last file dialog opened

    QStringList shown;

private:
    struct Answer {
        bool cancelled;
        QString text;
    };
    std::deque<Answer> answers_;
    std::deque<bool> confirmations_;
    std::deque<QString> files_;
    std::deque<QString> printouts_;
};
