// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/common/qttranslations.h"

#include <QApplication>
#include <QLocale>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>

namespace {

// CTest runs these tests once per locale and names the decimal point that locale must give.
// QApplication has set the C library's locale from the environment, as it does on a desktop; a
// locale that was never generated falls back to C without a word, and would hide every comma
// fault, so it stops the run here.
bool localeIsTheExpectedOne() {
    const char* expected = std::getenv("REZHIM_EXPECTED_DECIMAL_POINT");
    if (expected == nullptr) {
        return true; // started by hand: whatever the environment is
    }
    const char* cLibrary = std::localeconv()->decimal_point;
    const QString qt = QLocale().decimalPoint();
    if (std::strcmp(cLibrary, expected) == 0 && qt == QString::fromUtf8(expected)) {
        return true;
    }
    const char* lang = std::getenv("LANG");
    std::fprintf(stderr,
                 "The decimal point is \"%s\" in the C library and \"%s\" in Qt, not \"%s\", "
                 "under LANG=%s: the locale is not generated on this machine. "
                 "bash tools/bootstrap.sh test generates it (locale-gen).\n",
                 cLibrary, qt.toUtf8().constData(), expected, lang ? lang : "");
    return false;
}

} // namespace

// GUI tests run headless. A modal box that slipped past the scripted dialogs would wait for a
// user forever; the watchdog closes it and fails the test instead.
int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    if (!localeIsTheExpectedOne()) {
        return 1;
    }
    installQtTranslations(app);
    // The machine library of the user running the tests is never read or written.
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    ::testing::InitGoogleTest(&argc, argv);
    QTimer watchdog;
    QObject::connect(&watchdog, &QTimer::timeout, [] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            ADD_FAILURE() << "unexpected modal window: " << modal->windowTitle().toStdString();
            modal->close();
        }
    });
    watchdog.start(500);
    return RUN_ALL_TESTS();
}
