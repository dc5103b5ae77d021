// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/calcwindow/calcform.h"

#include "core/calc/calculationflow.h"
#include "core/calc/numberformat.h"
#include "core/calc/parsenumber.h"
#include "gui/common/userlocale.h"
#include "gui/machine/machinechoice.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
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

// What the label above the strength box says: before a work material is chosen, and for one rated
// by strength or by hardness.
constexpr std::array<const char*, 3> strengthTexts{"Предел прочности (МПа)/ твёрдость (HB)",
                                                   "Предел прочности, МПа", "Твёрдость, НВ"};

// The width `label` takes for the widest of `texts`.
int widestText(QLabel* label, const std::array<const char*, 3>& texts) {
    const QString shown = label->text();
    int widest = 0;
    for (const char* text : texts) {
        label->setText(QString::fromUtf8(text));
        widest = std::max(widest, label->sizeHint().width());
    }
    label->setText(shown);
    return widest;
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
        option->setObjectName(QString::fromUtf8(name) + QString::fromUtf8(suffix));
        group->addButton(option, code++);
        layout->addWidget(option);
    }
    return frame;
}

} // namespace

CalcForm::CalcForm(const WindowDefinition& definition, QWidget* parent)
    : QWidget(parent)
    , definition_(definition) {
    for (const NumericBox& entry : definition_.boxes) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QString::fromStdString(entry.name));
        boxes_.push_back(edit);
    }
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(buildInputs());
    layout->addWidget(buildWorkFrame(), 0, Qt::AlignTop);
    layout->addLayout(buildToolColumn());
    layout->addStretch(1);
    setTabOrder();

    // Enter in any box computes, as "РАСЧЁТ" does; every change is announced.
    for (QLineEdit* edit : findChildren<QLineEdit*>()) {
        connect(edit, &QLineEdit::returnPressed, this, &CalcForm::submitted);
        connect(edit, &QLineEdit::textChanged, this, &CalcForm::changed);
    }
    for (QButtonGroup* group : {workOptions_, toolOptions_, choiceOptions_}) {
        if (group) {
            connect(group, &QButtonGroup::idToggled, this, &CalcForm::changed);
        }
    }
    connect(machineChoice_, &QComboBox::currentIndexChanged, this, &CalcForm::changed);
}

QLayout* CalcForm::buildInputs() {
    // Cutting data: labels and boxes in one column, the row number below them.
    auto* inputs = new QGridLayout;
    int line = 0;
    for (const std::string& name : screenOrder()) {
        const auto entry =
            std::find_if(definition_.boxes.begin(), definition_.boxes.end(),
                         [&name](const NumericBox& candidate) { return candidate.name == name; });
        auto* label = new QLabel(QString::fromUtf8(entry->label), this);
        label->setObjectName(QString::fromUtf8(entry->labelName));
        label->setBuddy(box(name));
        inputs->addWidget(label, line, 0);
        inputs->addWidget(box(name), line++, 1);
    }
    travelBox_ = new QLineEdit(this);
    travelBox_->setObjectName(QStringLiteral("TRAVEL_0%1").arg(definition_.number));
    travelBox_->setToolTip(QStringLiteral(
        "Обрабатываемая длина с врезанием и перебегом, мм. Без неё основное время не считается."));
    auto* travelCaption = new QLabel(QString::fromUtf8(travelLabel), this);
    travelCaption->setBuddy(travelBox_);
    inputs->addWidget(travelCaption, line, 0);
    inputs->addWidget(travelBox_, line++, 1);
    inputs->setRowStretch(line++, 1);
    rowNumberBox_ = new QLineEdit(this);
    rowNumberBox_->setObjectName(QStringLiteral("Text1"));
    auto* rowLabel = new QLabel(QStringLiteral("НОМЕР СТРОКИ"), this);
    rowLabel->setObjectName(QString::fromUtf8(definition_.rowLabelName));
    rowLabel->setBuddy(rowNumberBox_);
    inputs->addWidget(rowLabel, line, 0);
    inputs->addWidget(rowNumberBox_, line, 1);
    return inputs;
}

QWidget* CalcForm::buildWorkFrame() {
    // Work material with its strength or hardness box.
    workOptions_ = new QButtonGroup(this);
    QGroupBox* frame = optionFrame("Frame4", "Материал заготовки", workOptions, definition_.suffix,
                                   workOptions_, this);
    strengthLabel_ = new QLabel(QString::fromUtf8(strengthTexts[0]), frame);
    strengthLabel_->setObjectName(QStringLiteral("Label5"));
    // The column keeps one width whatever the label says, so that the tool material and the
    // machine beside it do not move under the pointer when a work material is chosen. Unwrapped,
    // it keeps its height too; a wrapped label would also make the scrolling page around the form
    // hold it and the grid at their full heights, never at their least.
    strengthLabel_->setFixedWidth(widestText(strengthLabel_, strengthTexts));
    frame->layout()->addWidget(strengthLabel_);
    frame->layout()->addWidget(strengthBox());
    strengthLabel_->setBuddy(strengthBox());
    connect(workOptions_, &QButtonGroup::idToggled, this, [this](int code, bool checked) {
        if (checked) {
            workMaterialSelected(static_cast<WorkMaterial>(code));
        }
    });
    return frame;
}

QLayout* CalcForm::buildToolColumn() {
    // Tool material and, where the window has one, its further choice; the machine below.
    toolOptions_ = new QButtonGroup(this);
    auto* column = new QVBoxLayout;
    column->addWidget(optionFrame("Frame3", "Материал инструмента", toolOptions, definition_.suffix,
                                  toolOptions_, this));
    if (definition_.choices) {
        choiceOptions_ = new QButtonGroup(this);
        const ChoiceGroup& choices = *definition_.choices;
        column->addWidget(optionFrame(choices.frameName, choices.frameCaption, choices.options, "",
                                      choiceOptions_, this));
    }
    machineChoice_ = new MachineChoice(this);
    machineChoice_->setObjectName(QStringLiteral("MACHINE_0%1").arg(definition_.number));
    auto* machineLabel = new QLabel(QStringLiteral("Станок"), this);
    machineLabel->setBuddy(machineChoice_);
    column->addWidget(machineLabel);
    column->addWidget(machineChoice_);
    column->addStretch(1);
    return column;
}

void CalcForm::setTabOrder() {
    // The cutting data top to bottom, the work material with its strength box, the tool, the
    // further choice, the row number, and the working travel, which only times the cut.
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
    chain.push_back(travelBox_);
    for (std::size_t i = 1; i < chain.size(); ++i) {
        QWidget::setTabOrder(chain[i - 1], chain[i]);
    }
}

std::vector<std::string> CalcForm::screenOrder() const {
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

QLineEdit* CalcForm::strengthBox() const {
    for (std::size_t i = 0; i < definition_.boxes.size(); ++i) {
        if (definition_.boxes[i].field == &CalcState::MaterialStrength) {
            return boxes_[i];
        }
    }
    return nullptr;
}

QLineEdit* CalcForm::box(const std::string& name) const {
    return findChild<QLineEdit*>(QString::fromStdString(name));
}

void CalcForm::workMaterialSelected(WorkMaterial work) {
    strengthLabel_->setText(
        QString::fromUtf8(isRatedByHardness(work) ? strengthTexts[2] : strengthTexts[1]));
}

void CalcForm::focusFirstBox() {
    box(screenOrder().front())->setFocus();
}

void CalcForm::setValueText(Key key, const QString& text) {
    const auto found = std::find_if(definition_.boxes.begin(), definition_.boxes.end(),
                                    [key](const NumericBox& entry) { return entry.key == key; });
    boxes_[static_cast<std::size_t>(found - definition_.boxes.begin())]->setText(text);
}

void CalcForm::setRowNumberText(const QString& text) {
    rowNumberBox_->setText(text);
}

CalcRequest CalcForm::request(int rowCount) const {
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
    request.row = leadingRowNumber(rowNumberBox_->text().toStdString());
    request.rowCount = rowCount;
    request.travel = travelBox_->text().toStdString();
    return request;
}

void CalcForm::showAnswers(const CalcRequest& request) {
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
                QString::fromStdString(plainText(request.values[i], userDecimalSeparator())));
        }
    }
}

void CalcForm::focusRefused(const CalcOutcome& outcome) {
    if (outcome.focusRowNumber) {
        rowNumberBox_->setFocus();
    } else if (outcome.focusTravel) {
        travelBox_->setFocus();
    } else if (outcome.focusBox) {
        boxes_[*outcome.focusBox]->setFocus();
    }
}
