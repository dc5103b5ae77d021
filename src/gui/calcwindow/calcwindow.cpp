// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/calcwindow/calcwindow.h"

#include "core/calc/calculationflow.h"
#include "gui/calcwindow/calcform.h"
#include "gui/calcwindow/resultsgrid.h"
#include "gui/common/menubartips.h"
#include "gui/common/scrollingpage.h"
#include "gui/common/unload.h"
#include "gui/common/userdialogs.h"
#include "gui/common/userlocale.h"
#include "gui/machine/machinechoice.h"

#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QVBoxLayout>

namespace {

QString actionName(const char* prefix, int number) {
    return QStringLiteral("%1_0%2").arg(QString::fromUtf8(prefix)).arg(number);
}

QAction* addItem(QWidget* owner, const QString& name, const char* caption) {
    auto* action = new QAction(QString::fromUtf8(caption), owner);
    action->setObjectName(name);
    owner->addAction(action);
    return action;
}

QMenu* addMenu(QMenuBar* bar, const QString& name, const QString& caption) {
    QMenu* menu = bar->addMenu(caption);
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(name);
    return menu;
}

// The calculation's questions answered in input boxes.
class InputBoxAnswers : public CalcAnswers {
public:
    explicit InputBoxAnswers(UserDialogs& dialogs)
        : dialogs_(dialogs) {}
    std::optional<std::string> answer(const Question& question) override {
        const std::optional<QString> text = dialogs_.input(QString::fromUtf8(question.prompt));
        return text ? std::optional(text->toStdString()) : std::nullopt;
    }

private:
    UserDialogs& dialogs_;
};

} // namespace

CalcWindow::CalcWindow(const Calculation& calculation, CalcState& state, UserDialogs& dialogs,
                       QWidget* parent)
    : QMainWindow(parent)
    , calculation_(calculation)
    , state_(state)
    , dialogs_(dialogs)
    , table_(calculation.window.layout)
    , export_(dialogs) {
    setObjectName(QStringLiteral("VELTA_0%1").arg(definition().number));
    setWindowTitle(QString::fromUtf8(definition().caption));
    auto* contents = new QWidget;
    form_ = new CalcForm(definition(), contents);
    // The results fill the rest of the window and grow with it; where the window is smaller than
    // the inputs and a few rows of results, the whole page scrolls.
    auto* page = new QVBoxLayout(contents);
    page->addWidget(form_);
    page->addWidget(buildResults(contents), 1);
    auto* scrolling = new ScrollingPage(contents, this);
    scrolling->setObjectName(actionName("PAGE", definition().number));
    // Not a stop of Tab: the boxes are, and the page scrolls to each.
    scrolling->setFocusPolicy(Qt::NoFocus);
    setCentralWidget(scrolling);
    buildMenu();
    restoreCutter();
    connect(form_, &CalcForm::submitted, this, &CalcWindow::MAKE_Click);
    connect(form_, &CalcForm::changed, this, &CalcWindow::updateGraph);
    connect(form_->machineChoice(), &QComboBox::currentIndexChanged, this,
            &CalcWindow::showMachineLine);
    // The cursor waits in the first box.
    form_->focusFirstBox();
    // A fresh window: headings in row 0 and room for the first result.
    grid_->setRows(table_.RowCount());
}

QWidget* CalcWindow::buildResults(QWidget* page) {
    auto* frame = new QGroupBox(QStringLiteral("Режимы резания"), page);
    frame->setObjectName(QStringLiteral("Frame1"));
    grid_ = new ResultsGrid(headings(definition().layout), frame);
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(grid_);
    timeLine_ = new QLabel(frame);
    timeLine_->setObjectName(actionName("TIME_LINE", definition().number));
    layout->addWidget(timeLine_);
    machineLine_ = new QLabel(frame);
    machineLine_->setObjectName(actionName("MACHINE_LINE", definition().number));
    layout->addWidget(machineLine_);
    addCutterLine(frame);
    return frame;
}

void CalcWindow::buildMenu() {
    const int number = definition().number;
    QMenuBar* bar = menuBar();
    if (definition().stubItem) {
        speedItem_ =
            addItem(bar, QString::fromUtf8(definition().stubItem), definition().stubCaption);
        connect(speedItem_, &QAction::triggered, this, &CalcWindow::SPEED_Click);
        showSpeedTip();
        showItemTips(bar);
    }
    connect(addItem(bar, actionName("MAKE", number), "РАСЧЁТ"), &QAction::triggered, this,
            &CalcWindow::MAKE_Click);
    const auto opens = [this](QAction* item, Reference which) {
        connect(item, &QAction::triggered, this, [this, which] { emit referenceRequested(which); });
    };
    if (definition().threadHelpItems) {
        QMenu* help = addMenu(bar, QStringLiteral("HELP_0"), QStringLiteral("СПРАВКА"));
        opens(addItem(help, QStringLiteral("HELP_1"), "ПО ОБРАБАТЫВАЕМОМУ МАТЕРИАЛУ"),
              Reference::WorkMaterials);
        opens(addItem(help, QStringLiteral("HELP_2"), "ПО ПАРАМЕТРАМ РЕЗЬБ"),
              Reference::MetricThreads);
    } else {
        opens(addItem(bar, QStringLiteral("HELP_0"), "СПРАВКА"), Reference::WorkMaterials);
    }
    QAction* save = addItem(bar, actionName("SAVE", number), "СОХРАНИТЬ");
    connect(save, &QAction::triggered, this, &CalcWindow::SAVE_Click);
    // Ctrl+S saves the report of the window that has the focus, whichever others are open.
    save->setShortcut(QKeySequence::Save);
    save->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    addAction(save);
    connect(addItem(bar, actionName("GRAPH", number), "ГРАФИК"), &QAction::triggered, this,
            &CalcWindow::GRAPH_Click);
    addExportMenu();
    addMachineMenu();
    addCutterItem();
    connect(addItem(bar, actionName("EXIT", number), "ВЫХОД"), &QAction::triggered, this,
            &CalcWindow::EXIT_Click);
}

void CalcWindow::addExportMenu() {
    const int number = definition().number;
    QMenu* exports = addMenu(menuBar(), actionName("EXPORT", number), QStringLiteral("ЭКСПОРТ"));
    connect(addItem(exports, actionName("EXPORT_CSV", number), "CSV…"), &QAction::triggered, this,
            &CalcWindow::EXPORT_CSV_Click);
    connect(addItem(exports, actionName("EXPORT_PDF", number), "PDF…"), &QAction::triggered, this,
            &CalcWindow::EXPORT_PDF_Click);
    connect(addItem(exports, actionName("PRINT", number), "ПЕЧАТЬ…"), &QAction::triggered, this,
            &CalcWindow::PRINT_Click);
}

void CalcWindow::addMachineMenu() {
    const int number = definition().number;
    QMenu* machine = addMenu(menuBar(), actionName("STANOK", number), QStringLiteral("СТАНОК"));
    connect(addItem(machine, actionName("PASSPORT", number), "СКОРОСТЬ ПО ПАСПОРТУ"),
            &QAction::triggered, this, &CalcWindow::PASSPORT_Click);
    if (calculation_.feedIsChosen) {
        connect(addItem(machine, actionName("PASSPORT_S", number), "ПОДАЧА ПО ПАСПОРТУ"),
                &QAction::triggered, this, &CalcWindow::PASSPORT_S_Click);
        connect(addItem(machine, actionName("LIMIT_S", number), "НАИБОЛЬШАЯ ПОДАЧА"),
                &QAction::triggered, this, &CalcWindow::LIMIT_S_Click);
    }
    connect(addItem(machine, actionName("LIMIT_V", number), "НАИБОЛЬШАЯ СКОРОСТЬ"),
            &QAction::triggered, this, &CalcWindow::LIMIT_V_Click);
}

void CalcWindow::addCutterItem() {
    if (!definition().checksCutter) {
        return;
    }
    connect(addItem(menuBar(), actionName("REZEC", definition().number), "РЕЗЕЦ"),
            &QAction::triggered, this, &CalcWindow::REZEC_Click);
}

void CalcWindow::addCutterLine(QWidget* frame) {
    if (!definition().checksCutter) {
        return;
    }
    cutterLine_ = new QLabel(frame);
    cutterLine_->setObjectName(actionName("CUTTER_LINE", definition().number));
    frame->layout()->addWidget(cutterLine_);
}

void CalcWindow::useMachines(MachineCatalog& catalog) {
    form_->machineChoice()->follow(catalog);
}

void CalcWindow::setRowNumberText(const QString& text) {
    form_->setRowNumberText(text);
}

void CalcWindow::EXIT_Click() {
    unloadWindow(this);
}

void CalcWindow::MAKE_Click() {
    CalcRequest asked = form_->request(table_.RowCount());
    InputBoxAnswers answers(dialogs_);
    const CalcOutcome outcome = runCalculation(calculation_, asked, state_, answers);
    form_->showAnswers(asked);
    errorCode_ = outcome.errorCode;
    if (outcome.computed) {
        Kmp = outcome.computed->Kmp;
        ForceCoefficients = outcome.computed->coefficients;
        keep(outcome.inputs);
    }
    switch (outcome.status) {
    case CalcOutcome::Status::Cancelled:
    case CalcOutcome::Status::Checked: // nothing is sought here
        return;
    case CalcOutcome::Status::Refused:
        refuse(outcome);
        return;
    case CalcOutcome::Status::Computed: {
        writeRow(outcome);
        const QString crossed = checkRow(outcome);
        if (outcome.row.results.notice) {
            dialogs_.message(QString::fromUtf8(outcome.row.results.notice));
        }
        // The row stays: it is a correct calculation of a cut this machine cannot make.
        if (!crossed.isEmpty()) {
            dialogs_.message(crossed);
        }
        return;
    }
    }
}

std::optional<CalcInputs> CalcWindow::readInputs(Asking asking, std::optional<Key> sought) {
    // Read as "РАСЧЁТ" reads, for no row: nothing of the table or the program's state changes.
    CalcRequest asked = form_->request(table_.RowCount());
    asked.row.reset();
    asked.rowCount.reset();
    asked.sought = sought;
    CalcState scratch = state_;
    InputBoxAnswers answers(dialogs_);
    Unanswered none;
    const bool loud = asking == Asking::Questions;
    const CalcOutcome outcome = runCalculation(calculation_, asked, scratch,
                                               loud ? static_cast<CalcAnswers&>(answers) : none);
    if (loud) {
        form_->showAnswers(asked);
        if (outcome.status == CalcOutcome::Status::Refused) {
            refuse(outcome);
        }
    }
    if (outcome.status != CalcOutcome::Status::Computed &&
        outcome.status != CalcOutcome::Status::Checked) {
        return std::nullopt;
    }
    return outcome.inputs;
}

void CalcWindow::refuse(const CalcOutcome& outcome) {
    dialogs_.message(QString::fromStdString(outcome.message));
    form_->focusRefused(outcome);
}

void CalcWindow::writeRow(const CalcOutcome& outcome) {
    const int row = outcome.row.row;
    table_.write(
        row,
        rowCells(definition().layout, outcome.row, definition().patterns, userDecimalSeparator()),
        outcome.row.results, state_);
    grid_->setRows(table_.rows());
    grid_->setRowTexts(row, table_.row(row));
    form_->setRowNumberText(QString::number(state_.NextRow));
}
