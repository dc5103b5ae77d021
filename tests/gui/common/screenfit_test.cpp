#include "gui/chart/grafik.h"
#include "gui/common/qtuserdialogs.h"
#include "gui/export/file_0.h"
#include "gui/machine/machinecatalog.h"
#include "gui/machine/stanki.h"
#include "gui/main/titul_.h"
#include "support/testmachines.h"
#include "support/windowdriver.h"

#include <QComboBox>
#include <QDialog>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>

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
    // 1024 × 700 where the screen has room for it and its frame, else every pixel of the screen.
    const QRect frame = main.frameGeometry();
    EXPECT_TRUE(main.width() == 1024 || frame.width() == room(&main).width()) << main.width();
    EXPECT_TRUE(main.height() == 700 || frame.height() == room(&main).height()) << main.height();
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
    choose("TITUL1");
    QApplication::processEvents();
    QDir::setCurrent(previous);

    const QWidget* windows[] = {window->findChild<GRAFIK*>(), main.saveDialog(),
                                main.findChild<STANKI*>(), main.aboutBox()};
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
