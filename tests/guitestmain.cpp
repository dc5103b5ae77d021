#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

// GUI tests run headless. A modal box that slipped past the scripted dialogs would wait for a
// user forever; the watchdog closes it and fails the test instead.
int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
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
