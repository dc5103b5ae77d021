// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDir>
#include <QStringList>
#include <QTemporaryDir>

// $TMPDIR pointed at an empty folder of the test's own while it lives, so that the working files
// "СОХРАНИТЬ" makes there can be seen and counted.
class WorkingFolder {
public:
    WorkingFolder()
        : hadFolder_(qEnvironmentVariableIsSet("TMPDIR"))
        , previous_(qgetenv("TMPDIR")) {
        qputenv("TMPDIR", folder_.path().toLocal8Bit());
    }
    ~WorkingFolder() {
        if (hadFolder_) {
            qputenv("TMPDIR", previous_);
        } else {
            qunsetenv("TMPDIR");
        }
    }
    WorkingFolder(const WorkingFolder&) = delete;
    WorkingFolder& operator=(const WorkingFolder&) = delete;

    QString path() const { return folder_.path(); }
    // Every name in the folder, hidden ones too.
    QStringList files() const {
        return QDir(folder_.path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    }
    // The path of the one working file; empty unless there is exactly one.
    QString onlyFile() const {
        const QStringList names = files();
        return names.size() == 1 ? QDir(folder_.path()).filePath(names.front()) : QString();
    }

private:
    QTemporaryDir folder_;
    bool hadFolder_;
    QByteArray previous_;
};
