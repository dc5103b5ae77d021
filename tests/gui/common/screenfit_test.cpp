#include "support/windowdriver.h"

// CTest runs these on a 1920 × 1080 desktop and on the screens of small laptops: 1024 × 600,
// 1280 × 720, and 1366 × 768 at 150 % (910 × 512 of the program's pixels).

namespace {

struct WindowItem {
    const char* menuItem;
    int number;
};

const WindowItem calculationWindows[] = {{"MAKE_0011", 1}, {"MAKE_0013", 2}, {"MAKE_0012", 3},
                                         {"MAKE_0014", 4}, {"MAKE_0021", 5}, {"MAKE_0003", 6},
                                         {"MAKE_0007", 7}};

using ScreenFitTest = WindowTest;

} // namespace

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
