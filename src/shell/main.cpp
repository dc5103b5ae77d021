#include "shell/qttranslations.h"
#include "shell/qtuserdialogs.h"
#include "shell/velta_00.h"

#include <QApplication>
#include <QIcon>
#include <cstdio>
#include <cstring>

int main(int argc, char* argv[]) {
    // Answered before any window exists, so it works without a display.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("rezhim %s\n", REZHIM_VERSION);
            return 0;
        }
    }
    QApplication app(argc, argv);
    installQtTranslations(app);
    QApplication::setApplicationName(QStringLiteral("rezhim"));
    QApplication::setApplicationVersion(QStringLiteral(REZHIM_VERSION));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/shell/rezhim.svg")));
    QtUserDialogs dialogs;
    VELTA_00 mainWindow(dialogs);
    mainWindow.show();
    return QApplication::exec();
}
