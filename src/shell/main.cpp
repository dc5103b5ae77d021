#include "shell/qtuserdialogs.h"
#include "shell/velta_00.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("rezhim"));
    QApplication::setApplicationVersion(QStringLiteral(REZHIM_VERSION));
    QtUserDialogs dialogs;
    VELTA_00 mainWindow(dialogs);
    mainWindow.show();
    return QApplication::exec();
}
