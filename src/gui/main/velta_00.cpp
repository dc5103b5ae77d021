// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/main/velta_00.h"

#include "core/operations/registry.h"
#include "gui/calcwindow/velta_01.h"
#include "gui/calcwindow/velta_02.h"
#include "gui/calcwindow/velta_03.h"
#include "gui/calcwindow/velta_04.h"
#include "gui/calcwindow/velta_05.h"
#include "gui/calcwindow/velta_06.h"
#include "gui/calcwindow/velta_07.h"
#include "gui/common/mnemonics.h"
#include "gui/common/screenfit.h"
#include "gui/common/userdialogs.h"
#include "gui/export/file_0.h"
#include "gui/machine/machinecatalog.h"
#include "gui/machine/stanki.h"
#include "gui/main/picturearea.h"
#include "gui/main/titul_.h"
#include "gui/reference/help_m.h"
#include "gui/reference/help_r.h"
#include "gui/speed/speedcatalog.h"
#include "gui/speed/speedlibrarywindow.h"

#include <QApplication>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QTimer>
#include <stdexcept>

// One item of the operation menu: the operation of the registry it opens, and whether it hides
// the turning window's "СКОРОСТЬ" item (the speed service does not apply to facing, grooving and
// parting).
struct OperationItem {
    const char* control;
    const char* caption;
    std::string_view operation;
    bool hidesSpeedItem = false;
};

namespace {

struct Submenu {
    const char* control;
    const char* caption;
    std::vector<OperationItem> items;
};

const std::vector<Submenu> operationMenu{
    {"MAKE_0001",
     "ФРЕЗЕРОВАНИЕ",
     {{"MAKE_0011", "ТОРЦОВЫМИ ФРЕЗАМИ", "face-milling"},
      {"MAKE_0012", "КОНЦЕВЫМИ ФРЕЗАМИ", "end-milling"},
      {"MAKE_0013", "ЦИЛИНДРИЧЕСКИМИ ФРЕЗАМИ", "cylindrical-milling"},
      {"MAKE_0014", "ДИСКОВЫМИ ФРЕЗАМИ", "disc-milling"}}},
    {"MAKE_0002",
     "ТОЧЕНИЕ",
     {{"MAKE_0021", "ПРОДОЛЬНОЕ", "turning"},
      {"MAKE_0022", "ПОДРЕЗКА ТОРЦА", "facing", true},
      {"MAKE_0023", "ПРОТОЧКА КАНАВОК И ОТРЕЗКА", "grooving", true},
      {"MAKE_0024", "РАСТАЧИВАНИЕ", "boring"}}},
    // Items straight on the operation menu have no submenu control.
    {nullptr,
     nullptr,
     {{"MAKE_0003", "СВЕРЛЕНИЕ", "drilling"},
      {"MAKE_0004", "РАССВЕРЛИВАНИЕ", "enlarging"},
      {"MAKE_0005", "ЗЕНКЕРОВАНИЕ", "core-drilling"},
      {"MAKE0005", "РАЗВЁРТЫВАНИЕ", "reaming"},
      // The threading window: its tool option chooses the cutter, the tap or the die.
      {"MAKE_0007", "НАРЕЗАНИЕ РЕЗЬБЫ", "thread-cutter"}}},
};

using WindowFactory = CalcWindow* (*)(CalcState&, UserDialogs&);
template <typename Window> CalcWindow* make(CalcState& state, UserDialogs& dialogs) {
    return new Window(state, dialogs);
}
// By window number, one for each window of the registry.
const std::array<WindowFactory, windowCount> windowFactories =
    std::to_array<WindowFactory>({make<VELTA_01>, make<VELTA_02>, make<VELTA_03>, make<VELTA_04>,
                                  make<VELTA_05>, make<VELTA_06>, make<VELTA_07>});
static_assert(windowFactories.size() == operationWindows.size());

QAction* namedAction(QAction* action, const char* name) {
    action->setObjectName(QString::fromUtf8(name));
    return action;
}

// One editor of a library, beside the calculation windows: they follow the catalog it changes.
template <typename Editor, typename Catalog>
void showLibraryEditor(QPointer<Editor>& editor, Catalog& catalog, UserDialogs& dialogs,
                       QWidget* parent) {
    if (!editor) {
        editor = new Editor(catalog, dialogs, parent);
        editor->setAttribute(Qt::WA_DeleteOnClose);
    }
    editor->show();
    editor->raise();
    editor->activateWindow();
}

} // namespace

VELTA_00::VELTA_00(UserDialogs& dialogs, QWidget* parent)
    : QMainWindow(parent)
    , dialogs_(dialogs) {
    setObjectName(QStringLiteral("VELTA_00"));
    setWindowTitle(QStringLiteral("Расчёт режимов резания"));
    area_ = new PictureArea(QStringLiteral(":/gui/main/machining.svg"), this);
    setCentralWidget(area_);
    connect(area_, &QMdiArea::subWindowActivated, this, &VELTA_00::subWindowActivated);
    machines_ = new MachineCatalog(defaultLibraryPath(), this);
    speeds_ = new SpeedCatalog(defaultSpeedLibraryPath(), this);
    for (const std::string* problem : {&machines_->loadProblem(), &speeds_->loadProblem()}) {
        if (!problem->empty()) {
            // Said once the main window is up, not before anything is on the screen.
            QTimer::singleShot(
                0, this, [this, problem] { dialogs_.message(QString::fromStdString(*problem)); });
        }
    }
    createMenus();
    fitToScreen(this, QSize(1024, 700));
}

VELTA_00::~VELTA_00() {
    // The area outlives this part of the window while its sub-windows close: it must not report
    // them to a main window that is already gone.
    area_->disconnect(this);
}

void VELTA_00::createMenus() {
    QMenu* menuOfOperations = menuBar()->addMenu(QStringLiteral("ВЫБОР ОПЕРАЦИИ"));
    menuOfOperations->setObjectName(QStringLiteral("MAKE_00"));
    namedAction(menuOfOperations->menuAction(), "MAKE_00");
    for (const Submenu& submenu : operationMenu) {
        QMenu* menu = menuOfOperations;
        if (submenu.control) {
            menu = menuOfOperations->addMenu(QString::fromUtf8(submenu.caption));
            menu->setObjectName(QString::fromUtf8(submenu.control));
            namedAction(menu->menuAction(), submenu.control);
        }
        for (const OperationItem& item : submenu.items) {
            QAction* action =
                namedAction(menu->addAction(QString::fromUtf8(item.caption)), item.control);
            connect(action, &QAction::triggered, this, [this, &item] { openOperation(item); });
        }
    }
    connect(namedAction(menuBar()->addAction(QStringLiteral("КОЭФФИЦИЕНТЫ СКОРОСТИ")), "SPEEDS_00"),
            &QAction::triggered, this, &VELTA_00::showSpeeds);
    connect(namedAction(menuBar()->addAction(QStringLiteral("СТАНКИ")), "MACHINES_00"),
            &QAction::triggered, this, &VELTA_00::showMachines);
    connect(namedAction(menuBar()->addAction(QStringLiteral("О ПРОГРАММЕ")), "TITUL1"),
            &QAction::triggered, this, &VELTA_00::showAbout);
    connect(namedAction(menuBar()->addAction(QStringLiteral("ВЫХОД")), "EXIT_00"),
            &QAction::triggered, this, &VELTA_00::EXIT_00_Click);
    assignMnemonics(menuBar());
}

void VELTA_00::EXIT_00_Click() {
    // The program ends here, whatever other top-level window (a dialog, a box) is still open.
    close();
    QApplication::quit();
}

void VELTA_00::openOperation(const OperationItem& item) {
    const Operation* operation = findOperation(item.operation);
    if (operation == nullptr) {
        throw std::logic_error("the operation menu names no operation of the registry");
    }
    // The item selects the sub-operation, unless its window's own option chooses it; a window of
    // one operation leaves it as it is.
    if (operation->kind != 0 && !calculation(operation->window).choiceIsOperationKind) {
        state_.OperationKind = static_cast<std::int16_t>(operation->kind);
    }
    state_.ResultRow = 1;
    state_.NextRow = 1;
    CalcWindow* window = loadWindow(operation->window);
    window->setRowNumberText(QString::number(state_.ResultRow));
    if (item.hidesSpeedItem) {
        // Hidden until the turning window is loaded afresh.
        if (auto* speed = window->findChild<QAction*>(QStringLiteral("VELTA0"))) {
            speed->setVisible(false);
        }
    }
    bringForward(window);
}

CalcWindow* VELTA_00::loadWindow(int number) {
    QPointer<CalcWindow>& window = windows_[static_cast<std::size_t>(number - 1)];
    if (!window) {
        window = windowFactories[static_cast<std::size_t>(number - 1)](state_, dialogs_);
        window->useMachines(*machines_);
        window->useSpeeds(*speeds_);
        connect(window, &CalcWindow::reportWritten, this, &VELTA_00::showSaveDialog);
        connect(window, &CalcWindow::referenceRequested, this, &VELTA_00::showReference);
        fitToArea(addToArea(window), QSize(980, 560));
    }
    return window;
}

void VELTA_00::showSaveDialog(std::shared_ptr<WorkingReport> report) {
    // One dialog for all windows: a second report while it is open replaces what it will move.
    if (!saveDialog_) {
        saveDialog_ = new FILE_0(state_, dialogs_, this);
        saveDialog_->setAttribute(Qt::WA_DeleteOnClose);
    }
    saveDialog_->setReport(std::move(report));
    saveDialog_->show();
    saveDialog_->raise();
    saveDialog_->activateWindow();
}

void VELTA_00::bringForward(QWidget* window) {
    auto* frame = qobject_cast<QMdiSubWindow*>(window->parentWidget());
    frame->show();
    keepInArea(frame);
    area_->setActiveSubWindow(frame);
}

QMdiSubWindow* VELTA_00::addToArea(QMainWindow* window) {
    // The window's menu shares the keyboard with the main menu: its letters are others.
    assignMnemonics(window->menuBar(), mnemonicsOf(menuBar()));
    QMdiSubWindow* frame = area_->addSubWindow(window);
    frame->setAttribute(Qt::WA_DeleteOnClose);
    return frame;
}

void VELTA_00::subWindowActivated(QMdiSubWindow* active) {
    // Only the active window's menu answers its Alt letters, as if it stood in the main menu bar.
    for (QMdiSubWindow* frame : area_->subWindowList()) {
        if (auto* window = qobject_cast<QMainWindow*>(frame->widget())) {
            window->menuBar()->setEnabled(frame == active);
        }
    }
}

void VELTA_00::showReference(Reference which) {
    QPointer<ReferenceWindow>& window = references_[static_cast<std::size_t>(which)];
    if (!window) {
        if (which == Reference::WorkMaterials) {
            window = new HELP_M;
        } else {
            window = new HELP_R;
        }
        addToArea(window)->adjustSize();
    }
    bringForward(window);
}

void VELTA_00::showAbout() {
    if (!aboutBox_) {
        aboutBox_ = new TITUL_(this);
        aboutBox_->setAttribute(Qt::WA_DeleteOnClose);
    }
    aboutBox_->show();
    aboutBox_->raise();
}

void VELTA_00::showMachines() {
    showLibraryEditor(machinesDialog_, *machines_, dialogs_, this);
}

void VELTA_00::showSpeeds() {
    showLibraryEditor(speedsDialog_, *speeds_, dialogs_, this);
}

FILE_0* VELTA_00::saveDialog() const {
    return saveDialog_;
}

ReferenceWindow* VELTA_00::referenceWindow(Reference which) const {
    return references_[static_cast<std::size_t>(which)];
}

TITUL_* VELTA_00::aboutBox() const {
    return aboutBox_;
}

CalcWindow* VELTA_00::calcWindow(int number) const {
    return windows_[static_cast<std::size_t>(number - 1)];
}
