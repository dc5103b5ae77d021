// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/speed/skorost.h"

#include "core/calc/numberformat.h"
#include "core/calc/parsenumber.h"
#include "core/calc/quotedtext.h"
#include "gui/common/screenfit.h"
#include "gui/common/userlocale.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {

// The terms of the formula in the order a handbook writes them, each with its caption.
struct TermItem {
    const char* name; // of its value label, VALUE_<name>
    const char* caption;
    double SpeedTerms::*value;
};
const TermItem termItems[] = {
    {"Cv", "Cv", &SpeedTerms::Cv},    {"Dq", "D^q", &SpeedTerms::Dq},
    {"Tm", "T^m", &SpeedTerms::Tm},   {"tx", "t^x", &SpeedTerms::tx},
    {"sy", "s^y", &SpeedTerms::sy},   {"Bu", "B^u", &SpeedTerms::Bu},
    {"zp", "z^p", &SpeedTerms::zp},   {"ik", "i^k", &SpeedTerms::ik},
    {"Kmv", "Kmv", &SpeedTerms::Kmv}, {"Kpv", "Kpv", &SpeedTerms::Kpv},
    {"Kiv", "Kiv", &SpeedTerms::Kiv}, {"K", "K", &SpeedTerms::K},
    {"Kv", "Kv", &SpeedTerms::Kv},
};
constexpr int termColumns = 5;

// A value to `decimals` places in the user's format, without the zeros that say nothing:
// Cv 7 stays "7", D^q reads "2,6563".
QString shownNumber(double value, int decimals) {
    const char separator = userDecimalSeparator();
    std::string text = fixedText(value, decimals, separator);
    if (text.find(separator) != std::string::npos) {
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == separator) {
            text.pop_back();
        }
    }
    return QString::fromStdString(text);
}

} // namespace

SKOROST::SKOROST(const std::vector<SpeedRow>& rows, const Operation& operation,
                 const CalcInputs& inputs, std::optional<Machine> machine, QWidget* parent)
    : QDialog(parent)
    , operation_(operation)
    , inputs_(inputs)
    , machine_(std::move(machine))
    , offers_(speedOffers(rows, operation, inputs, std::nullopt, userDecimalSeparator())) {
    setObjectName(QStringLiteral("SKOROST"));
    setWindowTitle(QStringLiteral("Скорость резания"));
    layOut();
    for (const SpeedOffer& offer : offers_) {
        rowChoice_->addItem(QString::fromStdString(offer.row.name));
    }
    // Several rows serve where a handbook splits a table by bands: the one the inputs fit first.
    const auto fits = std::find_if(offers_.begin(), offers_.end(),
                                   [](const SpeedOffer& offer) { return offer.misfit.empty(); });
    rowChoice_->setCurrentIndex(fits == offers_.end() ? 0
                                                      : static_cast<int>(fits - offers_.begin()));
    rowChoice_->setEnabled(offers_.size() > 1);
    connect(rowChoice_, &QComboBox::currentIndexChanged, this, &SKOROST::showRow);
    connect(toolLife_, &QLineEdit::textChanged, this, &SKOROST::recompute);
    showRow(rowChoice_->currentIndex());
    fitToScreen(this, sizeHint().expandedTo(QSize(640, 0)));
}

void SKOROST::layOut() {
    // The program's spindle speed takes π as 3,14, shown in the user's format.
    const QString pi = QStringLiteral("3") + QChar(userDecimalSeparator()) + QStringLiteral("14");
    auto* formula = new QLabel(QStringLiteral("v = Cv · D^q · i^k / (T^m · t^x · s^y · B^u · z^p) "
                                              "· Kv,   Kv = Kmv · Kpv · Kiv · K\n"
                                              "n = 1000 · v / (%1 · D)")
                                   .arg(pi),
                               this);
    formula->setWordWrap(true);
    rowChoice_ = new QComboBox(this);
    rowChoice_->setObjectName(QStringLiteral("ROW_CHOICE"));
    source_ = new QLabel(this);
    source_->setObjectName(QStringLiteral("SOURCE"));
    source_->setWordWrap(true);
    toolLife_ = new QLineEdit(this);
    toolLife_->setObjectName(QStringLiteral("T_EDIT"));
    toolLife_->setMaximumWidth(120);
    auto* choices = new QFormLayout;
    choices->addRow(QStringLiteral("Строка коэффициентов"), rowChoice_);
    choices->addRow(QStringLiteral("Источник"), source_);
    choices->addRow(QStringLiteral("Период стойкости T, мин"), toolLife_);

    message_ = new QLabel(this);
    message_->setObjectName(QStringLiteral("MESSAGE"));
    message_->setWordWrap(true);

    auto* buttons = new QDialogButtonBox(this);
    acceptButton_ = buttons->addButton(QStringLiteral("ПРИНЯТЬ"), QDialogButtonBox::AcceptRole);
    acceptButton_->setObjectName(QStringLiteral("ACCEPT"));
    buttons->addButton(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("CANCEL"));
    connect(buttons, &QDialogButtonBox::accepted, this, &SKOROST::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &SKOROST::reject);

    auto* page = new QVBoxLayout(this);
    page->addWidget(formula);
    page->addLayout(choices);
    page->addWidget(buildTerms());
    page->addWidget(buildSpeeds());
    page->addWidget(message_);
    page->addStretch();
    page->addWidget(buttons);
}

QWidget* SKOROST::buildTerms() {
    auto* frame = new QGroupBox(QStringLiteral("Множители формулы"), this);
    auto* grid = new QGridLayout(frame);
    int place = 0;
    for (const TermItem& term : termItems) {
        auto* value = new QLabel(frame);
        value->setObjectName(QStringLiteral("VALUE_") + QString::fromUtf8(term.name));
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        // Room for any value, so that nothing moves when another row or T is chosen.
        value->setMinimumWidth(value->fontMetrics().horizontalAdvance(QStringLiteral("0000,0000")));
        values_[QString::fromUtf8(term.name)] = value;
        const int row = place / termColumns;
        const int column = place % termColumns * 2;
        grid->addWidget(new QLabel(QString::fromUtf8(term.caption) + " =", frame), row, column,
                        Qt::AlignRight);
        grid->addWidget(value, row, column + 1);
        ++place;
    }
    return frame;
}

QWidget* SKOROST::buildSpeeds() {
    auto* frame = new QGroupBox(QStringLiteral("Скорость резания и частота вращения"), this);
    auto* grid = new QGridLayout(frame);
    const auto value = [this, frame](const char* name) {
        auto* label = new QLabel(frame);
        label->setObjectName(QStringLiteral("VALUE_") + QString::fromUtf8(name));
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        label->setMinimumWidth(80);
        values_[QString::fromUtf8(name)] = label;
        return label;
    };
    takeV_ = new QRadioButton(QStringLiteral("v, м/мин"), frame);
    takeV_->setObjectName(QStringLiteral("TAKE_V"));
    takeV_->setChecked(true);
    grid->addWidget(takeV_, 0, 0);
    grid->addWidget(value("v"), 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("n, об/мин"), frame), 0, 2);
    grid->addWidget(value("n"), 0, 3);
    takePassport_ = new QRadioButton(QStringLiteral("vф, м/мин"), frame);
    takePassport_->setObjectName(QStringLiteral("TAKE_VF"));
    grid->addWidget(takePassport_, 1, 0);
    grid->addWidget(value("vf"), 1, 1);
    auto* passportLabel = new QLabel(QStringLiteral("nф, об/мин"), frame);
    grid->addWidget(passportLabel, 1, 2);
    grid->addWidget(value("nf"), 1, 3);
    grid->setColumnStretch(4, 1);
    // Without a machine there is no passport to hold the speed to.
    const QList<QWidget*> passport{takePassport_, values_["vf"], passportLabel, values_["nf"]};
    for (QWidget* widget : passport) {
        widget->setVisible(machine_.has_value());
    }
    return frame;
}

void SKOROST::showRow(int index) {
    if (index < 0) {
        return;
    }
    const SpeedRow& row = offers_[static_cast<std::size_t>(index)].row;
    source_->setText(QString::fromStdString(row.source));
    const std::optional<double> T = row.given(SpeedField::T);
    // Setting the text recomputes, even where it stays the same.
    const QSignalBlocker quiet(toolLife_);
    toolLife_->setText(T ? QString::fromStdString(plainText(*T, userDecimalSeparator()))
                         : QString());
    recompute();
}

void SKOROST::recompute() {
    const SpeedOffer& chosen = offers_[static_cast<std::size_t>(rowChoice_->currentIndex())];
    speed_.reset();
    passport_.reset();
    const std::string typed = toolLife_->text().trimmed().toStdString();
    std::optional<double> T;
    if (!typed.empty()) {
        T = typedNumber(typed);
        if (!T) {
            message_->setText(QString::fromStdString(
                "НЕВЕРНЫЙ ПЕРИОД СТОЙКОСТИ T: " + quotedText(typed) + "!!!"));
            showTerms(nullptr);
            return;
        }
    }
    const SpeedOffer offer =
        speedOffers({chosen.row}, operation_, inputs_, T, userDecimalSeparator()).front();
    const SpeedTerms* terms = offer.result.terms ? &*offer.result.terms : nullptr;
    message_->setText(
        QString::fromStdString(!offer.misfit.empty() ? offer.misfit : offer.result.error));
    if (terms) {
        speed_ = terms->v;
        if (machine_) {
            passport_ = passportSpeed(*machine_, terms->n, inputs_[Key::D]);
            if (!passport_) {
                message_->setText(QString::fromStdString(
                    noPassportSpeedMessage(terms->n, userDecimalSeparator())));
            }
        }
    }
    showTerms(terms);
}

void SKOROST::showTerms(const SpeedTerms* terms) {
    for (const TermItem& term : termItems) {
        values_[QString::fromUtf8(term.name)]->setText(terms ? shownNumber(terms->*term.value, 4)
                                                             : QString());
    }
    values_["v"]->setText(terms ? shownNumber(terms->v, 3) : QString());
    values_["n"]->setText(terms ? shownNumber(terms->n, 2) : QString());
    values_["nf"]->setText(
        passport_ ? QString::fromStdString(plainText(passport_->n, userDecimalSeparator()))
                  : QString());
    values_["vf"]->setText(passport_ ? shownNumber(passport_->v, 3) : QString());
    takePassport_->setEnabled(passport_.has_value());
    if (!passport_) {
        takeV_->setChecked(true);
    }
    acceptButton_->setEnabled(speed_.has_value());
}

void SKOROST::accept() {
    if (!speed_) {
        return;
    }
    emit speedAccepted(takePassport_->isChecked() && passport_ ? passport_->v : *speed_);
    QDialog::accept();
}
