// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProcess>
#include <QString>

// The text of a PDF page as a reader finds it, its runs of spaces taken to one so that a line
// laid out in columns still reads as one; empty when pdftotext fails.
inline QString pdfText(const QString& path) {
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, "-"});
    if (!pdftotext.waitForFinished(20000) || pdftotext.exitCode() != 0) {
        return {};
    }
    return QString::fromUtf8(pdftotext.readAllStandardOutput()).simplified();
}
