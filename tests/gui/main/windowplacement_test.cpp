// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/main/velta_00.h"
#include "gui/main/windowplacement.h"
#include "support/scripteddialogs.h"

#include <QApplication>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// The main window as the program opens it, with the placement kept in `settings`.
class OpenedWindow {
public:
    explicit OpenedWindow(QSettings& settings)
        : placement_(window, settings) {
        window.show();
        QApplication::processEvents();
    }

    ScriptedDialogs dialogs;
    VELTA_00 window{dialogs};

private:
    WindowPlacement placement_;
};

class WindowPlacementTest : public ::testing::Test {
protected:
    QTemporaryDir folder;
    QSettings settings{folder.filePath(QStringLiteral("rezhim.conf")), QSettings::IniFormat};
    const QRect room = QGuiApplication::primaryScreen()->availableGeometry();
};

} // namespace

TEST_F(WindowPlacementTest, KeptOnlyWhereItStillFitsAScreen) {
    // A frame 2 pixels wide around 600 × 400, 40 in from the left and 30 from the top.
    const QRect inside(room.topLeft() + QPoint(40, 30), QSize(604, 404));
    struct Kept {
        const char* name;
        QRect frame;
        bool restored;
    };
    const Kept cases[] = {
        {"on the screen", inside, true},
        {"on a screen since unplugged", inside.translated(room.width(), 0), false},
        {"larger than the screen is now", QRect(room.topLeft(), room.size() + QSize(4, 4)), false},
    };
    // Nothing kept yet: the window opens at its default.
    QRect opening;
    QSize openingSize;
    {
        OpenedWindow opened(settings);
        opening = opened.window.frameGeometry();
        openingSize = opened.window.size();
    }
    for (const Kept& kept : cases) {
        SCOPED_TRACE(kept.name);
        settings.setValue("MainWindow/frame", kept.frame);
        settings.setValue("MainWindow/size", kept.frame.size() - QSize(4, 4));
        OpenedWindow opened(settings);
        if (kept.restored) {
            EXPECT_EQ(opened.window.frameGeometry().topLeft(), kept.frame.topLeft());
            EXPECT_EQ(opened.window.size(), QSize(600, 400));
        } else {
            EXPECT_EQ(opened.window.frameGeometry(), opening);
            EXPECT_EQ(opened.window.size(), openingSize);
        }
    }
}

TEST_F(WindowPlacementTest, TheWindowOpensAsItWasClosed) {
    QRect closed;
    {
        OpenedWindow opened(settings);
        opened.window.resize(700, 450);
        opened.window.move(room.topLeft() + QPoint(60, 20));
        QApplication::processEvents();
        closed = opened.window.frameGeometry();
        opened.window.close();
    }
    EXPECT_EQ(settings.value("MainWindow/frame").toRect(), closed);
    EXPECT_EQ(settings.value("MainWindow/size").toSize(), QSize(700, 450));
    OpenedWindow reopened(settings);
    EXPECT_EQ(reopened.window.frameGeometry(), closed);
    EXPECT_EQ(closed.topLeft(), room.topLeft() + QPoint(60, 20));
}
