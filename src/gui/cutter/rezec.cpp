// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/cutter/rezec.h"

#include "core/calc/numberformat.h"
#include "core/calc/parsenumber.h"
#include "core/machine/machine.h"
#include "gui/common/screenfit.h"
#include "gui/common/userdialogs.h"
#include "gui/common/userlocale.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

// A box: its control name, its caption and the field the core's messages name it by.
struct BoxItem {
    const char* name;
    const char* caption;
    std::string_view field;
};
const BoxItem boxItems[] = {
    {"SHANK_B", "Ширина державки b, мм", cutterfield::shankWidth},
    {"SHANK_H", "Высота державки h, мм", cutterfield::shankHeight},
    {"BAR_D", "Диаметр оправки d, мм", cutterfield::barDiameter},
    {"OVERHANG", "Вылет резца l, мм", cutterfield::overhang},
    {"NOSE_R", "Радиус при вершине r, мм", cutterfield::noseRadius},
    {"SIGMA_MAX", "Допустимое напряжение [σ], МПа", cutterfield::stressMax},
    {"F_MAX", "Допустимый прогиб [f], мм", cutterfield::deflectionMax},
    {"E_MODULUS", "Модуль упругости E, МПа", cutterfield::modulus},
    {"RZ_MAX", "Требуемая шероховатость Rz, мкм", cutterfield::RzMax},
};

QString numberText(const std::optional<double>& value) {
    return value ? QString::fromStdString(plainText(*value, userDecimalSeparator())) : QString();
}

} // namespace

REZEC::REZEC(const std::optional<Cutter>& cutter, UserDialogs& dialogs, QWidget* parent)
    : QDialog(parent)
    , dialogs_(dialogs) {
    static_assert(std::size(boxItems) == boxCount);
    setObjectName(QStringLiteral("REZEC"));
    setWindowTitle(QStringLiteral("Резец"));
    setModal(false);
    layOut();
    showCutter(cutter);
    connect(rectangular_, &QRadioButton::toggled, this, &REZEC::showShape);
    fitToScreen(this, sizeHint());
}

void REZEC::layOut() {
    rectangular_ = new QRadioButton(QStringLiteral("прямоугольная"), this);
    rectangular_->setObjectName(QStringLiteral("SHANK_RECT"));
    round_ = new QRadioButton(QStringLiteral("круглая (оправка)"), this);
    round_->setObjectName(QStringLiteral("SHANK_ROUND"));
    auto* shapes = new QHBoxLayout;
    shapes->addWidget(rectangular_);
    shapes->addWidget(round_);
    shapes->addStretch();
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Державка"), shapes);
    for (std::size_t box = 0; box < boxCount; ++box) {
        boxes_[box] = new QLineEdit(this);
        boxes_[box]->setObjectName(QString::fromUtf8(boxItems[box].name));
        form->addRow(QString::fromUtf8(boxItems[box].caption), boxes_[box]);
    }
    boxes_[Rz]->setToolTip(QStringLiteral("Пусто — шероховатость не проверяется"));

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* accept =
        buttons->addButton(QStringLiteral("ПРИНЯТЬ"), QDialogButtonBox::AcceptRole);
    accept->setObjectName(QStringLiteral("ACCEPT"));
    accept->setDefault(true);
    QPushButton* remove =
        buttons->addButton(QStringLiteral("УБРАТЬ РЕЗЕЦ"), QDialogButtonBox::ResetRole);
    remove->setObjectName(QStringLiteral("REMOVE"));
    buttons->addButton(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("CANCEL"));
    connect(buttons, &QDialogButtonBox::accepted, this, &REZEC::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &REZEC::reject);
    connect(remove, &QPushButton::clicked, this, &REZEC::remove);

    auto* page = new QVBoxLayout(this);
    page->addLayout(form);
    page->addStretch();
    page->addWidget(buttons);
}

void REZEC::showCutter(const std::optional<Cutter>& cutter) {
    // Without a cutter the allowed values are the core's, for a steel shank.
    const Cutter shown = cutter.value_or(Cutter{});
    const std::optional<Shank> shank = shown.shank;
    const bool round = shank && shank->shape == Shank::Shape::Round;
    (round ? round_ : rectangular_)->setChecked(true);
    if (shank && !round) {
        boxes_[width]->setText(numberText(shank->b));
        boxes_[height]->setText(numberText(shank->h));
    }
    if (round) {
        boxes_[diameter]->setText(numberText(shank->d));
    }
    boxes_[overhang]->setText(numberText(shown.overhang));
    boxes_[radius]->setText(numberText(shown.noseRadius));
    boxes_[stress]->setText(numberText(shown.stressMax));
    boxes_[deflection]->setText(numberText(shown.deflectionMax));
    boxes_[modulus]->setText(numberText(shown.modulus));
    boxes_[Rz]->setText(numberText(shown.RzMax));
    showShape();
}

void REZEC::showShape() {
    const bool round = round_->isChecked();
    boxes_[width]->setEnabled(!round);
    boxes_[height]->setEnabled(!round);
    boxes_[diameter]->setEnabled(round);
}

bool REZEC::readNumber(Box box, std::optional<double>& value) {
    const QString text = boxes_[box]->text().trimmed();
    value.reset();
    if (text.isEmpty()) {
        return true;
    }
    value = typedNumber(text.toStdString());
    if (!value) {
        dialogs_.message(
            QString::fromStdString(notANumberMessage(boxItems[box].field, text.toStdString())));
        boxes_[box]->setFocus();
        return false;
    }
    return true;
}

std::optional<Cutter> REZEC::typedCutter() {
    std::array<std::optional<double>, boxCount> values;
    for (std::size_t box = 0; box < boxCount; ++box) {
        if (boxes_[box]->isEnabled() && !readNumber(static_cast<Box>(box), values[box])) {
            return std::nullopt;
        }
    }
    Cutter cutter;
    // A shank is given by any of its sizes; one left out is then the core's to refuse.
    if (round_->isChecked() && values[diameter]) {
        cutter.shank = Shank::round(*values[diameter]);
    } else if (!round_->isChecked() && (values[width] || values[height])) {
        cutter.shank = Shank::rectangular(values[width].value_or(0), values[height].value_or(0));
    }
    cutter.overhang = values[overhang];
    cutter.noseRadius = values[radius];
    // An allowed value left empty is the default, as a key left out of the command line.
    cutter.stressMax = values[stress].value_or(cutter.stressMax);
    cutter.deflectionMax = values[deflection].value_or(cutter.deflectionMax);
    cutter.modulus = values[modulus].value_or(cutter.modulus);
    cutter.RzMax = values[Rz];
    return cutter;
}

void REZEC::accept() {
    const std::optional<Cutter> cutter = typedCutter();
    if (!cutter) {
        return;
    }
    if (const std::string error = cutterError(*cutter); !error.empty()) {
        dialogs_.message(QString::fromStdString(error));
        // The cursor goes to the box the message names.
        for (std::size_t box = 0; box < boxCount; ++box) {
            if (boxes_[box]->isEnabled() && error.find(boxItems[box].field) != std::string::npos) {
                boxes_[box]->setFocus();
                break;
            }
        }
        return;
    }
    emit cutterChosen(cutter);
    QDialog::accept();
}

void REZEC::remove() {
    emit cutterChosen(std::nullopt);
    QDialog::accept();
}
