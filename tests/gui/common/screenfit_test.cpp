// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/chart/grafik.h"
#include "gui/common/qtuserdialogs.h"
#include "gui/cutter/rezec.h"
#include "gui/export/file_0.h"
#include "gui/machine/machinecatalog.h"
#include "gui/machine/stanki.h"
#include "gui/main/titul_.h"
#include "gui/speed/skorost.h"
#include "gui/speed/speedcatalog.h"
#include "gui/speed/speedlibrarywindow.h"
#include "support/testmachines.h"
#include "support/testspeedrows.h"
#include "support/windowdriver.h"

#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QTimer>
#include <cmath>

// CTest runs these on a 1920 × 1080 desktop and on the screens of small laptops: 1024 × 600,
// 1280 × 720, and 1366 × 768 at 150 % (about 910 × 512 of the program's pixels).

namespace {

struct WindowItem {
    const char* menuItem;
    int number;
};

const WindowItem calculationWindows[] = {{"MAKE_0011", 1}, {"MAKE_0013", 2}, {"MAKE_0012", 3},
                                         {"MAKE_0014", 4}, {"MAKE_0021", 5}, {"MAKE_0003", 6},
                                         {"MAKE_0007", 7}};

QRect room(const QWidget* window) {
    return window->screen()->availableGeometry();
}

std::string placement(const QWidget* window, const QRect& frame, const QRect& room) {
    return QStringLiteral("%1 at %2,%3 %4x%5 in %6x%7")
        .arg(window->objectName())
        .arg(frame.x())
        .arg(frame.y())
        .arg(frame.width())
        .arg(frame.height())
        .arg(room.width())
        .arg(room.height())
        .toStdString();
}

// The whole window, its frame included, can be seen on its screen.
void expectOnTheScreen(const QWidget* window) {
    EXPECT_TRUE(room(window).contains(window->frameGeometry()))
        << placement(window, window->frameGeometry(), room(window));
}

// All of `widget` is in view once its scrolling page has scrolled to it.
void expectReachable(QScrollArea* page, QWidget* widget) {
    page->ensureWidgetVisible(widget);
    EXPECT_EQ(widget->visibleRegion(), QRegion(widget->rect()))
        << widget->objectName().toStdString() << " of " << widget->height() << " px, "
        << widget->visibleRegion().boundingRect().height() << " in view";
}

class ScreenFitTest : public WindowTest {
protected:
    ScreenFitTest() { EXPECT_EQ(main.machines().add(mill6R12()), ""); }
    ~ScreenFitTest() override { main.machines().remove(0); }

    // A calculation window as it opens, on the mill so that its machine line has its text.
    CalcWindow* openOnTheMill(const WindowItem& item) {
        CalcWindow* window = open(item.menuItem, item.number);
        auto* machine = control<QComboBox>(
            window, QStringLiteral("MACHINE_0%1").arg(item.number).toUtf8().constData());
        machine->setCurrentIndex(machine->findText(QStringLiteral("6Р12")));
        QApplication::processEvents();
        return window;
    }
};

} // namespace

TEST_F(ScreenFitTest, MainWindowTakesItsDefaultSizeOrTheWholeScreen) {
    QApplication::processEvents();
    expectOnTheScreen(&main);
    // 1024 × 700 where the screen has room for it and its frame, else every pixel of the screen;
    // at 150 % all but a pixel on either side, kept for the rounding of the frame.
    const QRect frame = main.frameGeometry();
    const double scale = main.devicePixelRatioF();
    const int spare = scale == std::floor(scale) ? 0 : 2;
    EXPECT_TRUE(main.width() == 1024 || frame.width() >= room(&main).width() - spare)
        << main.width();
    EXPECT_TRUE(main.height() == 700 || frame.height() >= room(&main).height() - spare)
        << main.height();
    EXPECT_LE(main.width(), 1024);
    EXPECT_LE(main.height(), 700);
}

TEST_F(ScreenFitTest, WindowsBesideTheMainWindowOpenOnTheScreen) {
    QTemporaryDir folder;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(folder.path());
    CalcWindow* window = openOnTheMill(calculationWindows[0]);
    fillFaceMillingExample(window);
    click(window, "TS_OPT");
    click(window, "ST_OPT");
    choose("GRAPH_01", window);
    choose("SAVE_01", window);
    choose("MACHINES_00");
    choose("SPEEDS_00");
    choose("TITUL1");
    QApplication::processEvents();
    QDir::setCurrent(previous);

    const QWidget* windows[] = {window->findChild<GRAFIK*>(), main.saveDialog(),
                                main.findChild<STANKI*>(), main.findChild<SpeedLibraryWindow*>(),
                                main.aboutBox()};
    for (const QWidget* shown : windows) {
        ASSERT_NE(shown, nullptr);
        EXPECT_TRUE(shown->isVisible()) << shown->objectName().toStdString();
        expectOnTheScreen(shown);
        // Nothing of it is cut off: it is at least as large as its contents need.
        EXPECT_EQ(shown->size().expandedTo(shown->minimumSizeHint()), shown->size())
            << shown->objectName().toStdString();
    }
    main.saveDialog()->close();
}

// The speed service's dialog with everything it shows: a choice of rows, every term, and the
// passport speed of the machine.
TEST_F(ScreenFitTest, TheSpeedDialogOpensOnTheScreen) {
    ASSERT_EQ(main.speeds().add(drillingRow()), "");
    ASSERT_EQ(main.speeds().add(drillingRow("второе сверло")), "");
    CalcWindow* window = openOnTheMill({"MAKE_0003", 6});
    fill(window, {{"D_TEXT6", "11,5"}, {"H_TEXT6", "750"}, {"S_TEXT6", "0,25"}});
    click(window, "BR_OPT6");
    click(window, "ST_OPT6");
    choose("VELTA6", window);
    QApplication::processEvents();
    SKOROST* dialog = window->speedDialog();
    ASSERT_NE(dialog, nullptr);
    expectOnTheScreen(dialog);
    EXPECT_EQ(dialog->size().expandedTo(dialog->minimumSizeHint()), dialog->size());
    dialog->close();
    main.speeds().remove(1);
    main.speeds().remove(0);
}

// The cutter dialog of the turning window, every box and button of it.
TEST_F(ScreenFitTest, TheCutterDialogOpensOnTheScreen) {
    CalcWindow* window = openOnTheMill(calculationWindows[4]);
    ASSERT_TRUE(window->definition().checksCutter);
    choose("REZEC_05", window);
    QApplication::processEvents();
    REZEC* dialog = window->cutterDialog();
    ASSERT_NE(dialog, nullptr);
    expectOnTheScreen(dialog);
    EXPECT_EQ(dialog->size().expandedTo(dialog->minimumSizeHint()), dialog->size());
    dialog->close();
}

// The real boxes, as the user meets them over a calculation window.
TEST_F(ScreenFitTest, MessageAndInputBoxesOpenOnTheScreen) {
    openOnTheMill(calculationWindows[0]);
    QtUserDialogs boxes;
    const QString limits = QStringLiteral(
        "МОЩНОСТЬ РЕЗАНИЯ 7,95 кВт БОЛЬШЕ МОЩНОСТИ НА ШПИНДЕЛЕ 6,00 кВт!!!\n"
        "КРУТЯЩИЙ МОМЕНТ 243,36 Н·м БОЛЬШЕ НАИБОЛЬШЕГО МОМЕНТА СТАНКА 200,00 Н·м!!!\n"
        "СИЛА ПОДАЧИ 2433,6 Н БОЛЬШЕ НАИБОЛЬШЕЙ СИЛЫ ПОДАЧИ СТАНКА 2000,0 Н!!!");
    const std::function<void()> shows[] = {
        [&] { boxes.message(limits); },
        [&] { boxes.confirm(limits + QStringLiteral("\nВВЕСТИ ЕЁ В ПОЛЕ ПОДАЧИ?")); },
        [&] {
            boxes.input(QStringLiteral("ВЫ НЕ ВЫБРАЛИ ТИП ОБРАБАТЫВАЕМОГО МАТЕРИАЛА! ВЫБЕРИТЕ: "
                                       "1 - СТАЛЬ, 2 - ЧУГУН, 3 - АЛ. СПЛАВ, 4 - МЕД. СПЛАВ "));
        },
    };
    for (const auto& show : shows) {
        bool seen = false;
        // Read once the box has settled on the screen, after its own showing: then cancelled.
        QTimer::singleShot(0, [&seen] {
            QTimer::singleShot(0, [&seen] {
                QWidget* box = QApplication::activeModalWidget();
                if (box == nullptr) {
                    return;
                }
                seen = true;
                expectOnTheScreen(box);
                static_cast<QDialog*>(box)->reject();
            });
        });
        show();
        EXPECT_TRUE(seen);
    }
}

TEST_F(ScreenFitTest, EveryPartOfACalculationWindowCanBeScrolledIntoView) {
    QMdiArea* area = main.findChild<QMdiArea*>();
    for (const WindowItem& item : calculationWindows) {
        SCOPED_TRACE(item.menuItem);
        CalcWindow* window = openOnTheMill(item);
        const auto* frame = qobject_cast<QMdiSubWindow*>(window->parentWidget());
        EXPECT_TRUE(area->viewport()->rect().contains(frame->geometry()))
            << placement(window, frame->geometry(), area->viewport()->rect());
        auto* page = window->findChild<QScrollArea*>();
        ASSERT_NE(page, nullptr);

        std::vector<QWidget*> inputs;
        for (QWidget* widget : page->widget()->findChildren<QWidget*>()) {
            if (qobject_cast<QLineEdit*>(widget) || qobject_cast<QRadioButton*>(widget) ||
                qobject_cast<QComboBox*>(widget)) {
                inputs.push_back(widget);
            }
        }
        // The numeric boxes, the travel and the row number, four work and three tool materials,
        // the further choice where the window has one, and the machine.
        const WindowDefinition& definition = window->definition();
        const std::size_t choices = definition.choices ? definition.choices->options.size() : 0;
        EXPECT_EQ(inputs.size(), definition.boxes.size() + 2 + 4 + 3 + choices + 1);
        for (QWidget* input : inputs) {
            expectReachable(page, input);
        }
        for (const char* line : {"TIME_LINE", "MACHINE_LINE"}) {
            expectReachable(page, control(window, QStringLiteral("%1_0%2")
                                                      .arg(QString::fromUtf8(line))
                                                      .arg(item.number)
                                                      .toUtf8()
                                                      .constData()));
        }
        EXPECT_FALSE(
            control<QLabel>(
                window, QStringLiteral("MACHINE_LINE_0%1").arg(item.number).toUtf8().constData())
                ->text()
                .isEmpty());

        // The grid's heading and its first row, where the first result goes.
        ResultsGrid* grid = window->grid();
        page->ensureWidgetVisible(grid);
        const QRect firstCell = grid->visualRect(grid->model()->index(0, 0));
        EXPECT_EQ(grid->viewport()->visibleRegion().intersected(firstCell), QRegion(firstCell))
            << firstCell.y() << '+' << firstCell.height() << " in a grid of "
            << grid->viewport()->height();
    }
}

// A refusal puts the cursor in the box it is about, wherever the page was scrolled: the box comes
// into view.
TEST_F(ScreenFitTest, TheBoxOfARefusalComesIntoView) {
    CalcWindow* window = open("MAKE_0007", 7);
    fill(window, {{"T_TEXT7", "1"}, {"H_TEXT7", "750"}, {"S_TEXT7", "2"}, {"V_TEXT7", "10"}});
    control(window, "TRAVEL_07")->setFocus();
    window->findChild<QScrollArea*>()->ensureWidgetVisible(control(window, "MACHINE_LINE_07"));
    calculate(window);
    EXPECT_EQ(dialogs.shown, QStringList{"message: ВЫ НЕ ЗАДАЛИ ДИАМЕТР РЕЗЬБЫ!!!"});
    QWidget* diameter = control(window, "D_TEXT7");
    EXPECT_TRUE(diameter->hasFocus());
    EXPECT_EQ(diameter->visibleRegion(), QRegion(diameter->rect()));
}

// The label above the strength box changes with the work material; the tool material and the
// machine beside it stay where the pointer found them.
TEST_F(ScreenFitTest, ChoosingTheWorkMaterialMovesNothingBesideIt) {
    for (const WindowItem& item : calculationWindows) {
        SCOPED_TRACE(item.menuItem);
        CalcWindow* window = open(item.menuItem, item.number);
        const QString suffix = QString::fromUtf8(window->definition().suffix);
        QWidget* tools = control(window, "Frame3");
        QWidget* machine =
            control(window, QStringLiteral("MACHINE_0%1").arg(item.number).toUtf8().constData());
        const auto left = [window](const QWidget* widget) {
            return widget->mapTo(window, QPoint()).x();
        };
        QApplication::processEvents();
        const int toolsLeft = left(tools);
        const int machineLeft = left(machine);
        for (const char* work : {"ST_OPT", "CH_OPT", "AL_OPT", "CU_OPT"}) {
            click(window, (QString::fromUtf8(work) + suffix).toUtf8().constData());
            QApplication::processEvents();
            EXPECT_EQ(left(tools), toolsLeft) << work;
            EXPECT_EQ(left(machine), machineLeft) << work;
        }
    }
}
