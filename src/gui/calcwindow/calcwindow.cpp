#include "gui/calcwindow/calcwindow.h"

#include "core/calc/calculationflow.h"
#include "core/calc/numberformat.h"
#include "core/calc/parsenumber.h"
#include "core/files/reportfile.h"
#include "core/machine/machinecheck.h"
#include "core/output/report.h"
#include "core/output/tablecsv.h"
#include "gui/calcwindow/resultsgrid.h"
#include "gui/chart/grafik.h"
#include "gui/common/unload.h"
#include "gui/common/userdialogs.h"
#include "gui/common/userlocale.h"
#include "gui/machine/machinechoice.h"

#include <QButtonGroup>
#include <QDate>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {

constexpr std::array<std::array<const char*, 2>, workMaterialCount> workOptions{{
    {"ST_OPT", "Сталь"},
    {"CH_OPT", "Чугун"},
    {"AL_OPT", "Алюминиевые сплавы"},
    {"CU_OPT", "Медные сплавы"},
}};
constexpr std::array<std::array<const char*, 2>, toolMaterialCount> toolOptions{{
    {"BR_OPT", "Быстрорежущая сталь"},
    {"TS_OPT", "Твёрдый сплав"},
    {"MK_OPT", "Минералокерамика"},
}};

const char* const notConnectedMessage = "УСЛУГА НЕ ПОДКЛЮЧЕНА!!!";
const char* const noMachineMessage = "ВЫ НЕ ВЫБРАЛИ СТАНОК!!!";

QString withSuffix(const char* name, const char* suffix) {
    return QString::fromUtf8(name) + QString::fromUtf8(suffix);
}

QString actionName(const char* prefix, int number) {
    return QStringLiteral("%1_0%2").arg(QString::fromUtf8(prefix)).arg(number);
}

template <typename Options>
QGroupBox* optionFrame(const char* frameName, const char* caption, const Options& options,
                       const char* suffix, QButtonGroup* group, QWidget* parent) {
    auto* frame = new QGroupBox(QString::fromUtf8(caption), parent);
    frame->setObjectName(QString::fromUtf8(frameName));
    auto* layout = new QVBoxLayout(frame);
    int code = 1;
    for (const auto& [name, optionCaption] : options) {
        auto* option = new QRadioButton(QString::fromUtf8(optionCaption), frame);
        option->setObjectName(withSuffix(name, suffix));
        group->addButton(option, code++);
        layout->addWidget(option);
    }
    return frame;
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
    buildControls();
    buildMenu();
    setTabOrder();
    // Enter in any box computes, as "РАСЧЁТ" does; an open chart follows every change.
    for (QLineEdit* edit : centralWidget()->findChildren<QLineEdit*>()) {
        connect(edit, &QLineEdit::returnPressed, this, &CalcWindow::MAKE_Click);
        connect(edit, &QLineEdit::textChanged, this, &CalcWindow::updateGraph);
    }
    for (QButtonGroup* group : {workOptions_, toolOptions_, choiceOptions_}) {
        if (group) {
            connect(group, &QButtonGroup::idToggled, this, &CalcWindow::updateGraph);
        }
    }
    connect(machineChoice_, &QComboBox::currentIndexChanged, this, &CalcWindow::updateGraph);
    // The cursor waits in the first box.
    box(screenOrder().front())->setFocus();
    // A fresh window: headings in row 0 and room for the first result.
    grid_->setRows(table_.RowCount());
}

void CalcWindow::buildControls() {
    auto* central = new QWidget(this);
    setCentralWidget(central);
    const char* suffix = definition().suffix;

    // Cutting data: labels and boxes in one column, the row number below them.
    auto* inputs = new QGridLayout;
    for (const NumericBox& entry : definition().boxes) {
        auto* edit = new QLineEdit(central);
        edit->setObjectName(QString::fromStdString(entry.name));
        boxes_.push_back(edit);
    }
    int line = 0;
    for (const std::string& name : screenOrder()) {
        const NumericBox& entry = definition().boxes[boxIndex(name)];
        auto* label = new QLabel(QString::fromUtf8(entry.label), central);
        label->setObjectName(QString::fromUtf8(entry.labelName));
        label->setBuddy(box(name));
        inputs->addWidget(label, line, 0);
        inputs->addWidget(box(name), line++, 1);
    }
    inputs->setRowStretch(line++, 1);
    rowNumberBox_ = new QLineEdit(central);
    rowNumberBox_->setObjectName(QStringLiteral("Text1"));
    auto* rowLabel = new QLabel(QStringLiteral("НОМЕР СТРОКИ"), central);
    rowLabel->setObjectName(QString::fromUtf8(definition().rowLabelName));
    rowLabel->setBuddy(rowNumberBox_);
    inputs->addWidget(rowLabel, line, 0);
    inputs->addWidget(rowNumberBox_, line, 1);

    // Work material with its strength or hardness box.
    workOptions_ = new QButtonGroup(this);
    QGroupBox* workFrame =
        optionFrame("Frame4", "Материал заготовки", workOptions, suffix, workOptions_, central);
    strengthLabel_ =
        new QLabel(QStringLiteral("Предел прочности (МПа)/ твёрдость (HB)"), workFrame);
    strengthLabel_->setObjectName(QStringLiteral("Label5"));
    strengthLabel_->setWordWrap(true);
    workFrame->layout()->addWidget(strengthLabel_);
    workFrame->layout()->addWidget(strengthBox());
    strengthLabel_->setBuddy(strengthBox());
    connect(workOptions_, &QButtonGroup::idToggled, this, [this](int code, bool checked) {
        if (checked) {
            workMaterialSelected(static_cast<WorkMaterial>(code));
        }
    });

    // Tool material and, where the window has one, its further choice.
    toolOptions_ = new QButtonGroup(this);
    auto* toolColumn = new QVBoxLayout;
    toolColumn->addWidget(
        optionFrame("Frame3", "Материал инструмента", toolOptions, suffix, toolOptions_, central));
    if (definition().choices) {
        choiceOptions_ = new QButtonGroup(this);
        const ChoiceGroup& choices = *definition().choices;
        toolColumn->addWidget(optionFrame(choices.frameName, choices.frameCaption, choices.options,
                                          "", choiceOptions_, central));
    }
    machineChoice_ = new MachineChoice(central);
    machineChoice_->setObjectName(actionName("MACHINE", definition().number));
    auto* machineLabel = new QLabel(QStringLiteral("Станок"), central);
    machineLabel->setBuddy(machineChoice_);
    toolColumn->addWidget(machineLabel);
    toolColumn->addWidget(machineChoice_);
    connect(machineChoice_, &QComboBox::currentIndexChanged, this, &CalcWindow::showMachineLine);
    toolColumn->addStretch(1);

    auto* top = new QHBoxLayout;
    top->addLayout(inputs);
    top->addWidget(workFrame, 0, Qt::AlignTop);
    top->addLayout(toolColumn);
    top->addStretch(1);

    // The results fill the rest of the window and grow with it.
    auto* resultsFrame = new QGroupBox(QStringLiteral("Режимы резания"), central);
    resultsFrame->setObjectName(QStringLiteral("Frame1"));
    grid_ = new ResultsGrid(headings(definition().layout), resultsFrame);
    auto* resultsLayout = new QVBoxLayout(resultsFrame);
    resultsLayout->addWidget(grid_);
    machineLine_ = new QLabel(resultsFrame);
    machineLine_->setObjectName(actionName("MACHINE_LINE", definition().number));
    resultsLayout->addWidget(machineLine_);

    auto* page = new QVBoxLayout(central);
    page->addLayout(top);
    page->addWidget(resultsFrame, 1);
}

void CalcWindow::buildMenu() {
    const int number = definition().number;
    QMenuBar* bar = menuBar();
    const auto addItem = [](auto* owner, const QString& name, const char* caption) {
        QAction* action = owner->addAction(QString::fromUtf8(caption));
        action->setObjectName(name);
        return action;
    };
    if (definition().stubItem) {
        connect(addItem(bar, QString::fromUtf8(definition().stubItem), definition().stubCaption),
                &QAction::triggered, this,
                [this] { dialogs_.message(QString::fromUtf8(notConnectedMessage)); });
    }
    connect(addItem(bar, actionName("MAKE", number), "РАСЧЁТ"), &QAction::triggered, this,
            &CalcWindow::MAKE_Click);
    const auto opens = [this](QAction* item, Reference which) {
        connect(item, &QAction::triggered, this, [this, which] { emit referenceRequested(which); });
    };
    if (definition().threadHelpItems) {
        QMenu* help = bar->addMenu(QStringLiteral("СПРАВКА"));
        help->setObjectName(QStringLiteral("HELP_0"));
        help->menuAction()->setObjectName(QStringLiteral("HELP_0"));
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
    QMenu* exports = bar->addMenu(QStringLiteral("ЭКСПОРТ"));
    exports->setObjectName(actionName("EXPORT", number));
    exports->menuAction()->setObjectName(actionName("EXPORT", number));
    connect(addItem(exports, actionName("EXPORT_CSV", number), "CSV…"), &QAction::triggered, this,
            &CalcWindow::EXPORT_CSV_Click);
    connect(addItem(exports, actionName("EXPORT_PDF", number), "PDF…"), &QAction::triggered, this,
            &CalcWindow::EXPORT_PDF_Click);
    connect(addItem(exports, actionName("PRINT", number), "ПЕЧАТЬ…"), &QAction::triggered, this,
            &CalcWindow::PRINT_Click);
    QMenu* machine = bar->addMenu(QStringLiteral("СТАНОК"));
    machine->setObjectName(actionName("STANOK", number));
    machine->menuAction()->setObjectName(actionName("STANOK", number));
    connect(addItem(machine, actionName("PASSPORT", number), "СКОРОСТЬ ПО ПАСПОРТУ"),
            &QAction::triggered, this, &CalcWindow::PASSPORT_Click);
    if (calculation_.feedIsChosen) {
        connect(addItem(machine, actionName("LIMIT_S", number), "НАИБОЛЬШАЯ ПОДАЧА"),
                &QAction::triggered, this, &CalcWindow::LIMIT_S_Click);
    }
    connect(addItem(machine, actionName("LIMIT_V", number), "НАИБОЛЬШАЯ СКОРОСТЬ"),
            &QAction::triggered, this, &CalcWindow::LIMIT_V_Click);
    connect(addItem(bar, actionName("EXIT", number), "ВЫХОД"), &QAction::triggered, this,
            &CalcWindow::EXIT_Click);
}

void CalcWindow::setTabOrder() {
    // The cutting data top to bottom, the work material with its strength box, the tool, the
    // further choice, the row number last.
    std::vector<QWidget*> chain;
    for (const std::string& name : screenOrder()) {
        chain.push_back(box(name));
    }
    const auto appendOptions = [&chain](const QButtonGroup* group) {
        if (group) {
            const auto options = group->buttons();
            chain.insert(chain.end(), options.begin(), options.end());
        }
    };
    appendOptions(workOptions_);
    chain.push_back(strengthBox());
    appendOptions(toolOptions_);
    appendOptions(choiceOptions_);
    chain.push_back(rowNumberBox_);
    for (std::size_t i = 1; i < chain.size(); ++i) {
        QWidget::setTabOrder(chain[i - 1], chain[i]);
    }
}

std::vector<std::string> CalcWindow::screenOrder() const {
    if (!definition().screenOrder.empty()) {
        return definition().screenOrder;
    }
    std::vector<std::string> order;
    for (const NumericBox& entry : definition().boxes) {
        if (entry.field != &CalcState::MaterialStrength) {
            order.push_back(entry.name);
        }
    }
    return order;
}

QLineEdit* CalcWindow::strengthBox() const {
    for (std::size_t i = 0; i < definition().boxes.size(); ++i) {
        if (definition().boxes[i].field == &CalcState::MaterialStrength) {
            return boxes_[i];
        }
    }
    return nullptr;
}

void CalcWindow::useMachines(MachineCatalog& catalog) {
    machineChoice_->follow(catalog);
}

void CalcWindow::setRowNumberText(const QString& text) {
    rowNumberBox_->setText(text);
}

void CalcWindow::workMaterialSelected(WorkMaterial work) {
    strengthLabel_->setText(isRatedByHardness(work) ? QStringLiteral("Твёрдость, НВ")
                                                    : QStringLiteral("Предел прочности, МПа"));
}

void CalcWindow::EXIT_Click() {
    unloadWindow(this);
}

void CalcWindow::MAKE_Click() {
    CalcRequest asked = request();
    InputBoxAnswers answers(dialogs_);
    const CalcOutcome outcome = runCalculation(calculation_, asked, state_, answers);
    showAnswers(asked);
    errorCode_ = outcome.errorCode;
    if (outcome.computed) {
        Kmp = outcome.computed->Kmp;
        ForceCoefficients = outcome.computed->coefficients;
        keep(outcome.inputs);
    }
    switch (outcome.status) {
    case CalcOutcome::Status::Cancelled:
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

QString CalcWindow::checkRow(const CalcOutcome& outcome) {
    lastResults_ = outcome.row.results;
    showMachineLine();
    const Machine* machine = machineChoice_->machine();
    if (!machine) {
        return {};
    }
    const MachineCheck check = checkMachine(*machine, calculation_, outcome.row.results);
    for (const Violation& violation : check.violations) {
        const std::optional<Result> result = limitedResult(calculation_, violation.limit);
        grid_->markCell(outcome.row.row, resultColumn(definition().layout, *result),
                        QString::fromStdString(violationsMessage({violation}, decimalSeparator())));
    }
    return QString::fromStdString(violationsMessage(check.violations, decimalSeparator()));
}

void CalcWindow::showMachineLine() {
    const Machine* machine = machineChoice_->machine();
    if (!machine) {
        machineLine_->clear();
        return;
    }
    const RowResults results = lastResults_.value_or(RowResults{});
    const MachineCheck check = checkMachine(*machine, calculation_, results);
    machineLine_->setText(
        QString::fromStdString(loadLine(*machine, check, results, decimalSeparator())));
}

std::optional<CalcInputs> CalcWindow::machineInputs(const Machine*& machine) {
    machine = machineChoice_->machine();
    if (!machine) {
        dialogs_.message(QString::fromUtf8(noMachineMessage));
        machineChoice_->setFocus();
        return std::nullopt;
    }
    return readInputs(Asking::Questions);
}

std::optional<CalcInputs> CalcWindow::readInputs(Asking asking) {
    // Read as "РАСЧЁТ" reads, for no row: nothing of the table or the program's state changes.
    CalcRequest asked = request();
    asked.row.reset();
    asked.rowCount.reset();
    CalcState scratch = state_;
    InputBoxAnswers answers(dialogs_);
    Unanswered none;
    const bool loud = asking == Asking::Questions;
    const CalcOutcome outcome = runCalculation(calculation_, asked, scratch,
                                               loud ? static_cast<CalcAnswers&>(answers) : none);
    if (loud) {
        showAnswers(asked);
        if (outcome.status == CalcOutcome::Status::Refused) {
            refuse(outcome);
        }
    }
    if (outcome.status != CalcOutcome::Status::Computed) {
        return std::nullopt;
    }
    return outcome.inputs;
}

void CalcWindow::GRAPH_Click() {
    const std::optional<CalcInputs> inputs = readInputs(Asking::Questions);
    if (!inputs) {
        return;
    }
    const Machine* machine = machineChoice_->machine();
    const std::optional<Machine> chosen = machine ? std::optional(*machine) : std::nullopt;
    if (!graph_) {
        graph_ = new GRAFIK(calculation_, *inputs, chosen, dialogs_, this);
        graph_->setAttribute(Qt::WA_DeleteOnClose);
        graph_->setWindowFlag(Qt::Window);
    } else {
        graph_->setInputs(*inputs);
        graph_->setMachine(chosen);
    }
    graph_->show();
    graph_->raise();
    graph_->activateWindow();
}

void CalcWindow::updateGraph() {
    if (!graph_) {
        return;
    }
    // No questions here: a missing choice or value leaves the chart as it is until "ГРАФИК".
    if (const std::optional<CalcInputs> inputs = readInputs(Asking::Nothing)) {
        graph_->setInputs(*inputs);
    }
    const Machine* machine = machineChoice_->machine();
    graph_->setMachine(machine ? std::optional(*machine) : std::nullopt);
}

void CalcWindow::PASSPORT_Click() {
    const Machine* machine = nullptr;
    const std::optional<CalcInputs> inputs = machineInputs(machine);
    if (!inputs) {
        return;
    }
    const double n = *calculation_.compute(*inputs).row.n;
    const std::optional<PassportSpeed> passport = passportSpeed(*machine, n, (*inputs)[Key::D]);
    const char separator = decimalSeparator();
    if (!passport) {
        dialogs_.message(QStringLiteral("У СТАНКА НЕТ ЧАСТОТЫ ВРАЩЕНИЯ НЕ ВЫШЕ %1 об/мин!!!")
                             .arg(QString::fromStdString(fixedText(n, 1, separator))));
        return;
    }
    const QString v = QString::fromStdString(plainText(passport->v, separator));
    box(definition().boxes[boxIndexOf(Key::v)].name)->setText(v);
    dialogs_.message(
        QStringLiteral("ЧАСТОТА ВРАЩЕНИЯ ПО ПАСПОРТУ %1 об/мин, СКОРОСТЬ РЕЗАНИЯ %2 м/мин")
            .arg(QString::fromStdString(plainText(passport->n, separator)), v));
}

void CalcWindow::LIMIT_S_Click() {
    offerLargest(Key::s);
}

void CalcWindow::LIMIT_V_Click() {
    offerLargest(Key::v);
}

void CalcWindow::offerLargest(Key varied) {
    const Machine* machine = nullptr;
    const std::optional<CalcInputs> inputs = machineInputs(machine);
    if (!inputs) {
        return;
    }
    const char separator = decimalSeparator();
    const LargestValueReport report =
        reportLargest(largestValue(calculation_, *inputs, *machine, varied), definition().layout,
                      varied, separator);
    const QString text = QString::fromStdString(report.text);
    if (!report.entered) {
        dialogs_.message(text);
        return;
    }
    const QString offer = varied == Key::s ? QStringLiteral("\nВВЕСТИ ЕЁ В ПОЛЕ ПОДАЧИ?")
                                           : QStringLiteral("\nВВЕСТИ ЕЁ В ПОЛЕ СКОРОСТИ?");
    if (dialogs_.confirm(text + offer)) {
        box(definition().boxes[boxIndexOf(varied)].name)
            ->setText(QString::fromStdString(plainText(*report.entered, separator)));
    }
}

void CalcWindow::SAVE_Click() {
    const std::string title = reportTitle(definition().number, state_.OperationKind);
    const std::optional<std::string> bytes = toWindows1251(reportText(title, table_.reportRows()));
    const QString workingFile =
        QDir::current().absoluteFilePath(QString::fromUtf8(workingReportName));
    if (!bytes || !writeFileBytes(workingFile.toStdString(), *bytes)) {
        dialogs_.message(QStringLiteral("НЕ УДАЛОСЬ ЗАПИСАТЬ ФАЙЛ %1!!!").arg(workingReportName));
        return;
    }
    emit reportWritten(workingFile, QByteArray::fromStdString(*bytes));
}

void CalcWindow::EXPORT_CSV_Click() {
    export_.saveCsv(tableCsv(exportRows(), decimalSeparator()), exportName());
}

void CalcWindow::EXPORT_PDF_Click() {
    export_.savePdf(exportDocument(), exportName());
}

void CalcWindow::PRINT_Click() {
    export_.print(exportDocument());
}

std::vector<std::vector<std::string>> CalcWindow::exportRows() const {
    std::vector<std::vector<std::string>> rows = table_.reportRows();
    if (const Machine* machine = machineChoice_->machine()) {
        addMachineColumns(rows, table_.reportResults(), *machine, calculation_, decimalSeparator());
    }
    return rows;
}

TableDocument CalcWindow::exportDocument() const {
    TableDocument document;
    document.title = reportTitle(definition().number, state_.OperationKind);
    document.date = QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")).toStdString();
    if (!machineLine_->text().isEmpty()) {
        document.machineLines.push_back(machineLine_->text().toStdString());
    }
    std::vector<std::vector<std::string>> rows = exportRows();
    document.numeric = numericColumns(rows);
    document.headings = std::move(rows.front());
    document.rows.assign(std::make_move_iterator(rows.begin() + 1),
                         std::make_move_iterator(rows.end()));
    return document;
}

QString CalcWindow::exportName() const {
    // The report title names the file, as it titles the report: "Фрезерование торцовыми фрезами".
    return QString::fromStdString(reportTitle(definition().number, state_.OperationKind));
}

CalcRequest CalcWindow::request() const {
    CalcRequest request;
    for (const QLineEdit* edit : boxes_) {
        request.values.push_back(ParseNumber(edit->text().toStdString()));
    }
    const auto selected = [](const QButtonGroup* group) -> std::optional<int> {
        if (!group || !group->checkedButton()) {
            return std::nullopt;
        }
        return group->checkedId();
    };
    request.work = selected(workOptions_);
    request.tool = selected(toolOptions_);
    request.choice = selected(choiceOptions_);
    request.row = leadingInteger(rowNumberBox_->text().toStdString());
    request.rowCount = table_.RowCount();
    return request;
}

void CalcWindow::showAnswers(const CalcRequest& request) {
    // What the questions gave stays in the window, whatever came of the calculation.
    const auto select = [](QButtonGroup* group, const std::optional<int>& code) {
        if (group && code && !group->checkedButton()) {
            group->button(*code)->setChecked(true);
        }
    };
    select(workOptions_, request.work);
    select(toolOptions_, request.tool);
    select(choiceOptions_, request.choice);
    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        if (request.answered[i]) {
            boxes_[i]->setText(
                QString::fromStdString(plainText(request.values[i], decimalSeparator())));
        }
    }
}

void CalcWindow::refuse(const CalcOutcome& outcome) {
    dialogs_.message(QString::fromStdString(outcome.message));
    if (outcome.focusRowNumber) {
        rowNumberBox_->setFocus();
    } else if (outcome.focusBox) {
        boxes_[*outcome.focusBox]->setFocus();
    }
}

void CalcWindow::writeRow(const CalcOutcome& outcome) {
    const int row = outcome.row.row;
    table_.write(
        row, rowCells(definition().layout, outcome.row, definition().patterns, decimalSeparator()),
        outcome.row.results, state_);
    grid_->setRows(table_.rows());
    grid_->setRowTexts(row, table_.row(row));
    rowNumberBox_->setText(QString::number(state_.NextRow));
}

std::size_t CalcWindow::boxIndexOf(Key key) const {
    const auto found = std::find_if(definition().boxes.begin(), definition().boxes.end(),
                                    [key](const NumericBox& entry) { return entry.key == key; });
    return static_cast<std::size_t>(found - definition().boxes.begin());
}

std::size_t CalcWindow::boxIndex(const std::string& name) const {
    const auto found =
        std::find_if(definition().boxes.begin(), definition().boxes.end(),
                     [&name](const NumericBox& entry) { return entry.name == name; });
    return static_cast<std::size_t>(found - definition().boxes.begin());
}

QLineEdit* CalcWindow::box(const std::string& name) const {
    return findChild<QLineEdit*>(QString::fromStdString(name));
}

char CalcWindow::decimalSeparator() const {
    return userDecimalSeparator();
}
