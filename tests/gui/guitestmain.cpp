// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/common/qttranslations.h"

#include <QApplication>
#include <QFile>
#include <QLocale>
#include <QPointer>
#include <QRegularExpression>
#include <QScreen>
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

// The screen the windows open on, in the screen's own pixels and at the desktop's scale.
struct TestScreen {
    int width = 1920;
    int height = 1080;
    double scale = 1;
};

// REZHIM_TEST_SCREEN as WIDTHxHEIGHT or WIDTHxHEIGHT@SCALE ("1366x768@1.5"); without it a desktop
// of 1920 × 1080, where every window has its default size.
std::optional<TestScreen> requestedScreen() {
    const QString text = qEnvironmentVariable("REZHIM_TEST_SCREEN");
    if (text.isEmpty()) {
        return TestScreen{};
    }
    static const QRegularExpression form(QStringLiteral("^(\\d+)x(\\d+)(?:@([0-9.]+))?$"));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch()) {
        return std::nullopt;
    }
    return TestScreen{match.captured(1).toInt(), match.captured(2).toInt(),
                      match.captured(3).isEmpty() ? 1.0 : match.captured(3).toDouble()};
}

// Qt's offscreen platform reads its screen from a configuration file named in the platform's
// options, and the desktop's scale from QT_SCALE_FACTOR.
void configureOffscreenScreen(const TestScreen& screen, const QTemporaryDir& folder) {
    const QString path = folder.filePath(QStringLiteral("screen.json"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "Cannot write %s.\n", qPrintable(path));
        std::exit(1);
    }
    file.write(QStringLiteral("{\"screens\": [{\"name\": \"test\", \"x\": 0, \"y\": 0, "
                              "\"width\": %1, \"height\": %2}]}")
                   .arg(screen.width)
                   .arg(screen.height)
                   .toUtf8());
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + path.toUtf8());
    qputenv("QT_SCALE_FACTOR", QByteArray::number(screen.scale));
}

// The platform gave the screen asked for: its width and height in the screen's pixels, at the
// scale asked for. A platform that ignored the file would test on a screen of its own choosing.
bool screenIsTheRequestedOne(const TestScreen& requested) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double scale = screen->devicePixelRatio();
    const QSize pixels = (QSizeF(screen->geometry().size()) * scale).toSize();
    if (qAbs(pixels.width() - requested.width) <= 1 &&
        qAbs(pixels.height() - requested.height) <= 1 && qFuzzyCompare(scale, requested.scale)) {
        return true;
    }
    std::fprintf(stderr, "The screen is %dx%d at %g, not %dx%d at %g as asked.\n", pixels.width(),
                 pixels.height(), scale, requested.width, requested.height, requested.scale);
    return false;
}

} // namespace

// GUI tests run headless. A modal box that slipped past the scripted dialogs would wait for a
// user forever; the watchdog closes it and fails the test instead.
int main(int argc, char* argv[]) {
    const std::optional<TestScreen> screen = requestedScreen();
    if (!screen) {
        std::fprintf(stderr, "REZHIM_TEST_SCREEN=%s is no screen such as 1366x768@1.5.\n",
                     qgetenv("REZHIM_TEST_SCREEN").constData());
        return 1;
    }
    // Started by hand or by CTest the windows run offscreen; another platform is left as it is.
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    const bool offscreen = platform.isEmpty() || platform == "offscreen";
    QTemporaryDir platformFolder;
    if (offscreen) {
        configureOffscreenScreen(*screen, platformFolder);
    }
    QApplication app(argc, argv);
    if (!localeIsTheExpectedOne() || (offscreen && !screenIsTheRequestedOne(*screen))) {
        return 1;
    }
    installQtTranslations(app);
    // The machine library of the user running the tests is never read or written.
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    ::testing::InitGoogleTest(&argc, argv);
    QTimer watchdog;
    // A modal window still up at two ticks in a row is one no test answers; one a test shows and
    // answers itself may meet a single tick on a slow, shared machine.
    QPointer<QWidget> lastSeen;
    QObject::connect(&watchdog, &QTimer::timeout, [&lastSeen] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal != nullptr && modal == lastSeen) {
            ADD_FAILURE() << "unexpected modal window: " << modal->windowTitle().toStdString();
            modal->close();
        }
        lastSeen = modal;
    });
    watchdog.start(500);
    return RUN_ALL_TESTS();
}
