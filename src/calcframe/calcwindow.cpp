#include "calcframe/calcwindow.h"

#include "calcframe/inputcheck.h"
#include "calcframe/numberformat.h"
#include "calcframe/report.h"
#include "calcframe/reportfile.h"
#include "calcframe/resultsgrid.h"
#include "calcframe/rowbookkeeping.h"
#include "calcframe/unload.h"
#include "calcframe/windowdefinitions.h"
#include "shell/parsenumber.h"
#include "shell/userdialogs.h"

#include <QButtonGroup>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
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

const char* const workMaterialPrompt = "ВЫ НЕ ВЫБРАЛИ ТИП ОБРАБАТЫВАЕМОГО МАТЕРИАЛА! ВЫБЕРИТЕ: "
                                       "1 - СТАЛЬ, 2 - ЧУГУН, 3 - АЛ. СПЛАВ, 4 - МЕД. СПЛАВ ";
const char* const toolMaterialPrompt = "ВЫ НЕ ВЫБРАЛИ ТИП МАТЕРИАЛА ИНСТРУМЕНТА! ВЫБЕРИТЕ: "
                                       "1 - Б\\Р СТАЛЬ, 2 - ТВ. СПЛАВ, 3 - МИНЕРАЛОКЕРАМИКА ";
const char* const notConnectedMessage = "УСЛУГА НЕ ПОДКЛЮЧЕНА!!!";
const char* const badRowMessage = "НЕВЕРНЫЙ НОМЕР СТРОКИ!!!";

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

} // namespace

CalcWindow::CalcWindow(WindowDefinition definition, CalcState& state, UserDialogs& dialogs,
                       QWidget* parent)
    : QMainWindow(parent)
    , definition_(std::move(definition))
    , state_(state)
    , dialogs_(dialogs) {
    setObjectName(QStringLiteral("VELTA_0%1").arg(definition_.number));
    setWindowTitle(QString::fromUtf8(definition_.caption));
    values_.assign(definition_.boxes.size(), 0.0);
    buildControls();
    buildMenu();
    setTabOrder();
    // Enter in any box computes, as "РАСЧЁТ" does.
    for (QLineEdit* edit : centralWidget()->findChildren<QLineEdit*>()) {
        connect(edit, &QLineEdit::returnPressed, this, &CalcWindow::MAKE_Click);
    }
    // The cursor waits in the first box.
    box(screenOrder().front())->setFocus();
    // A fresh window: headings in row 0 and room for the first result.
    grid_->setRows(rowCount_);
}

void CalcWindow::buildControls() {
    auto* central = new QWidget(this);
    setCentralWidget(central);
    const char* suffix = definition_.suffix;

    // Cutting data: labels and boxes in one column, the row number below them.
    auto* inputs = new QGridLayout;
    for (const NumericBox& entry : definition_.boxes) {
        auto* edit = new QLineEdit(central);
        edit->setObjectName(QString::fromStdString(entry.name));
        boxes_.push_back(edit);
    }
    int line = 0;
    for (const std::string& name : screenOrder()) {
        const NumericBox& entry = definition_.boxes[boxIndex(name)];
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
    rowLabel->setObjectName(QString::fromUtf8(definition_.rowLabelName));
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
    if (definition_.choices) {
        choiceOptions_ = new QButtonGroup(this);
        const ChoiceGroup& choices = *definition_.choices;
        toolColumn->addWidget(optionFrame(choices.frameName, choices.frameCaption, choices.options,
                                          "", choiceOptions_, central));
    }
    toolColumn->addStretch(1);

    auto* top = new QHBoxLayout;
    top->addLayout(inputs);
    top->addWidget(workFrame, 0, Qt::AlignTop);
    top->addLayout(toolColumn);
    top->addStretch(1);

    // The results fill the rest of the window and grow with it.
    auto* resultsFrame = new QGroupBox(QStringLiteral("Режимы резания"), central);
    resultsFrame->setObjectName(QStringLiteral("Frame1"));
    grid_ = new ResultsGrid(headings(definition_.layout), resultsFrame);
    auto* resultsLayout = new QVBoxLayout(resultsFrame);
    resultsLayout->addWidget(grid_);

    auto* page = new QVBoxLayout(central);
    page->addLayout(top);
    page->addWidget(resultsFrame, 1);
}

void CalcWindow::buildMenu() {
    const int number = definition_.number;
    QMenuBar* bar = menuBar();
    const auto addItem = [](auto* owner, const QString& name, const char* caption) {
        QAction* action = owner->addAction(QString::fromUtf8(caption));
        action->setObjectName(name);
        return action;
    };
    if (definition_.stubItem) {
        connect(addItem(bar, QString::fromUtf8(definition_.stubItem), definition_.stubCaption),
                &QAction::triggered, this,
                [this] { dialogs_.message(QString::fromUtf8(notConnectedMessage)); });
    }
    connect(addItem(bar, actionName("MAKE", number), "РАСЧЁТ"), &QAction::triggered, this,
            &CalcWindow::MAKE_Click);
    const auto opens = [this](QAction* item, Reference which) {
        connect(item, &QAction::triggered, this, [this, which] { emit referenceRequested(which); });
    };
    if (definition_.threadHelpItems) {
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
    if (!definition_.screenOrder.empty()) {
        return definition_.screenOrder;
    }
    std::vector<std::string> order;
    for (const NumericBox& entry : definition_.boxes) {
        if (entry.field != &CalcState::MaterialStrength) {
            order.push_back(entry.name);
        }
    }
    return order;
}

QLineEdit* CalcWindow::strengthBox() const {
    for (std::size_t i = 0; i < definition_.boxes.size(); ++i) {
        if (definition_.boxes[i].field == &CalcState::MaterialStrength) {
            return boxes_[i];
        }
    }
    return nullptr;
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
    readBoxes();
    deriveInputs();
    const std::optional<int> row = leadingInteger(rowNumberBox_->text().toStdString());
    const auto missing = lastEmptyBox(
        values_, [this](std::size_t box) { return definition_.boxes[box].missingCode != 0; });
    errorCode_ = missing ? definition_.boxes[*missing].missingCode : 0;
    if (definition_.missingInputFirst && refuseMissingInput()) {
        return;
    }
    if (!askForEmptyValues() || !askMaterials() || !askFurtherQuestions() || refuseMissingInput() ||
        refuseNegativeInput()) {
        return;
    }
    if (!row || !isWritableRow(*row, rowCount_)) {
        dialogs_.message(QString::fromUtf8(badRowMessage));
        rowNumberBox_->setFocus();
        return;
    }
    const ToolMaterial tool = *selectedToolMaterial();
    const WorkMaterial work = *selectedWorkMaterial();
    // Everything is computed before a cell is written, so a refusal never leaves half a row.
    const RowResults results = compute(tool, work);
    if (!allFinite(results)) {
        dialogs_.message(QString::fromUtf8(calculationErrorMessage));
        return;
    }
    state_.SpindleSpeed = results.n.value_or(0);
    state_.ForcePz = results.Pz.value_or(0);
    state_.ForcePy = results.Py.value_or(0);
    state_.ForcePx = results.Px.value_or(0);
    state_.Torque = results.M.value_or(0);
    state_.CutPower = results.N.value_or(0);
    writeRow(*row, tool, work, results);
    if (results.notice) {
        dialogs_.message(QString::fromUtf8(results.notice));
    }
}

void CalcWindow::SAVE_Click() {
    // The heading row and every row the calculations gave the grid.
    std::vector<std::vector<std::string>> rows;
    for (int row = 0; row <= rowCount_ - 2; ++row) {
        std::vector<std::string>& cells = rows.emplace_back();
        for (int column = 0; column < grid_->columnCount(); ++column) {
            cells.push_back(grid_->cellText(row, column).toStdString());
        }
    }
    const std::string title = reportTitle(definition_.number, state_.OperationKind);
    const std::optional<std::string> bytes = toWindows1251(reportText(title, rows));
    const QString workingFile =
        QDir::current().absoluteFilePath(QString::fromUtf8(workingReportName));
    if (!bytes || !writeFileBytes(workingFile.toStdString(), *bytes)) {
        dialogs_.message(QStringLiteral("НЕ УДАЛОСЬ ЗАПИСАТЬ ФАЙЛ %1!!!").arg(workingReportName));
        return;
    }
    emit reportWritten(workingFile, QByteArray::fromStdString(*bytes));
}

RowResults CalcWindow::compute(ToolMaterial, WorkMaterial) {
    return {};
}

void CalcWindow::readBoxes() {
    for (std::size_t i = 0; i < definition_.boxes.size(); ++i) {
        storeValue(i, ParseNumber(boxes_[i]->text().toStdString()));
    }
}

void CalcWindow::storeValue(std::size_t box, double value) {
    values_[box] = value;
    if (const auto field = definition_.boxes[box].field) {
        state_.*field = value;
    }
}

bool CalcWindow::askForEmptyValues() {
    for (const NumericBox& entry : definition_.boxes) {
        if (entry.askPrompt && !askValue(entry.name, entry.askPrompt)) {
            return false;
        }
    }
    return true;
}

bool CalcWindow::askValue(const std::string& boxName, const char* prompt) {
    // An empty or non-numeric answer reads as 0 and is asked again; Cancel gives up.
    const std::size_t i = boxIndex(boxName);
    while (values_[i] == 0) {
        const std::optional<QString> answer = dialogs_.input(QString::fromUtf8(prompt));
        if (!answer) {
            return false;
        }
        storeValue(i, ParseNumber(answer->toStdString()));
        boxes_[i]->setText(QString::fromStdString(plainText(values_[i], decimalSeparator())));
    }
    return true;
}

bool CalcWindow::askMaterials() {
    // Asked even when an input is missing, so the choice is made before the message.
    if (!workOptions_->checkedButton()) {
        const auto code = askCode(workMaterialPrompt, workMaterialCount);
        if (!code) {
            return false;
        }
        state_.WorkMaterial = static_cast<std::int16_t>(*code);
        workOptions_->button(*code)->setChecked(true);
    }
    if (!toolOptions_->checkedButton()) {
        const auto code = askCode(toolMaterialPrompt, toolMaterialCount);
        if (!code) {
            return false;
        }
        state_.ToolMaterial = static_cast<std::int16_t>(*code);
        toolOptions_->button(*code)->setChecked(true);
    }
    if (choiceOptions_ && !choiceOptions_->checkedButton()) {
        const auto code = askCode(definition_.choices->prompt,
                                  static_cast<int>(definition_.choices->options.size()));
        if (!code) {
            return false;
        }
        state_.SchemeKind = static_cast<std::int16_t>(*code);
        choiceOptions_->button(*code)->setChecked(true);
    }
    return true;
}

std::optional<int> CalcWindow::askCode(const char* prompt, int highest) {
    // An answer outside the offered codes asks again; Cancel gives up the calculation.
    for (;;) {
        const std::optional<QString> answer = dialogs_.input(QString::fromUtf8(prompt));
        if (!answer) {
            return std::nullopt;
        }
        const std::optional<int> code = leadingInteger(answer->toStdString());
        if (code && *code >= 1 && *code <= highest) {
            return code;
        }
    }
}

bool CalcWindow::refuseMissingInput() {
    if (errorCode_ == 0) {
        return false;
    }
    const auto entry =
        std::find_if(definition_.boxes.begin(), definition_.boxes.end(),
                     [this](const NumericBox& b) { return b.missingCode == errorCode_; });
    dialogs_.message(QString::fromUtf8(entry->missingMessage));
    box(entry->name)->setFocus();
    return true;
}

bool CalcWindow::refuseNegativeInput() {
    const auto negative = firstNegativeBox(values_);
    if (negative) {
        dialogs_.message(QString::fromUtf8(negativeValueMessage));
        boxes_[*negative]->setFocus();
    }
    return negative.has_value();
}

void CalcWindow::writeRow(int row, ToolMaterial tool, WorkMaterial work,
                          const RowResults& results) {
    const RowValues values = rowValues(definition_, state_, row, tool, work, results);

    grid_->setRows(rowCount_);
    grid_->setRowTexts(
        row, rowCells(definition_.layout, values, definition_.patterns, decimalSeparator()));
    state_.ResultRow = static_cast<std::int16_t>(row);
    advanceAfterWrite({state_.ResultRow, state_.NextRow, rowCount_});
    rowNumberBox_->setText(QString::number(state_.NextRow));
}

std::size_t CalcWindow::boxIndex(const std::string& name) const {
    const auto found =
        std::find_if(definition_.boxes.begin(), definition_.boxes.end(),
                     [&name](const NumericBox& entry) { return entry.name == name; });
    return static_cast<std::size_t>(found - definition_.boxes.begin());
}

double CalcWindow::value(const std::string& boxName) const {
    return values_.at(boxIndex(boxName));
}

void CalcWindow::setValue(const std::string& boxName, double value) {
    storeValue(boxIndex(boxName), value);
}

std::optional<int> CalcWindow::selectedChoice() const {
    if (!choiceOptions_ || !choiceOptions_->checkedButton()) {
        return std::nullopt;
    }
    return choiceOptions_->checkedId();
}

QLineEdit* CalcWindow::box(const std::string& name) const {
    return findChild<QLineEdit*>(QString::fromStdString(name));
}

std::optional<WorkMaterial> CalcWindow::selectedWorkMaterial() const {
    return workMaterialFromCode(workOptions_->checkedId());
}

std::optional<ToolMaterial> CalcWindow::selectedToolMaterial() const {
    return toolMaterialFromCode(toolOptions_->checkedId());
}

char CalcWindow::decimalSeparator() const {
    // The user's locale decides, a comma in a Russian one.
    const QString point = QLocale().decimalPoint();
    return point.size() == 1 && point[0].unicode() < 128 ? static_cast<char>(point[0].unicode())
                                                         : '.';
}
