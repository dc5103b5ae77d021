// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/quitonsignals.h"
#include "core/about/licence.h"
#include "gui/common/qttranslations.h"
#include "gui/common/qtuserdialogs.h"
#include "gui/common/usersettings.h"
#include "gui/main/velta_00.h"
#include "gui/main/windowplacement.h"

#include <QAction>
#include <QApplication>
#include <QIcon>
#include <cstdio>
#include <cstring>
#include <stdexcept>

namespace {

const char* const usage =
    "Использование: rezhim [--help | --version]\n"
    "Расчёт режимов резания: частота вращения шпинделя, силы резания Pz, Py, Px, крутящий\n"
    "момент и мощность для фрезерования, точения, обработки отверстий и нарезания резьбы.\n"
    "  --help     показать эту справку\n"
    "  --version  показать версию программы\n"
    "Без дисплея: QT_QPA_PLATFORM=offscreen rezhim или xvfb-run -a rezhim\n"
    "Расчёт из командной строки и скриптов: rezhim-cli --help\n";

// Qt's X11 and Wayland plugins abort the program without a display to talk to.
bool noDisplay() {
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    const bool windowSystem =
        platform.isEmpty() || platform.startsWith("xcb") || platform.startsWith("wayland");
    return windowSystem && qEnvironmentVariableIsEmpty("DISPLAY") &&
           qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

} // namespace

int main(int argc, char* argv[]) {
    // Answered before any window exists, so they work without a display.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("rezhim %s\n", REZHIM_VERSION);
            std::fwrite(licenceNotice.data(), 1, licenceNotice.size(), stdout);
            return 0;
        }
        if (std::strcmp(argv[i], "--help") == 0) {
            std::fputs(usage, stdout);
            return 0;
        }
    }
    if (noDisplay()) {
        std::fputs("rezhim: дисплей не найден (не заданы DISPLAY и WAYLAND_DISPLAY); без дисплея "
                   "запустите QT_QPA_PLATFORM=offscreen rezhim или xvfb-run -a rezhim\n",
                   stderr);
        return 1;
    }
    QApplication app(argc, argv);
    installQtTranslations(app);
    QApplication::setApplicationName(QStringLiteral("rezhim"));
    QApplication::setApplicationVersion(QStringLiteral(REZHIM_VERSION));
    // The menu entry's name: a Wayland desktop finds the windows' icon and name through it.
    QGuiApplication::setDesktopFileName(QStringLiteral(REZHIM_APP_ID));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/gui/main/rezhim.svg")));
    QtUserDialogs dialogs;
    VELTA_00 mainWindow(dialogs);
    QSettings settings = userSettings();
    WindowPlacement placement(mainWindow, settings);
    auto* quit = mainWindow.findChild<QAction*>(QStringLiteral("EXIT_00"));
    if (quit == nullptr) {
        throw std::logic_error("the main window has no ВЫХОД");
    }
    quitOnSignals(*quit);
    mainWindow.show();
    return QApplication::exec();
}
