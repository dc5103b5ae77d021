// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/machine/machine.h"
#include "core/operations/registry.h"
#include "core/speed/speedservice.h"

#include <QDialog>
#include <QString>
#include <map>
#include <optional>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// "Скорость резания": the speed of each coefficient row that serves the calculation window's
// operation and materials, for the inputs "РАСЧЁТ" read. The user picks the row (where several
// serve), may change its tool life T, and reads every term of the formula, v and n, and with a
// machine the passport speed nф not above n with its speed vф. "ПРИНЯТЬ" hands back the speed
// chosen; "Отмена" hands back nothing.
class SKOROST : public QDialog {
    Q_OBJECT
public:
    SKOROST(const std::vector<SpeedRow>& rows, const Operation& operation, const CalcInputs& inputs,
            std::optional<Machine> machine, QWidget* parent = nullptr);

signals:
    // "ПРИНЯТЬ": the cutting speed chosen, m/min, unrounded.
    void speedAccepted(double v);

private:
    void layOut();
    QWidget* buildTerms();
    QWidget* buildSpeeds();
    // The row chosen, at its own tool life.
    void showRow(int index);
    // The chosen row at the tool life typed.
    void recompute();
    void showTerms(const SpeedTerms* terms);
    void accept() override;

    const Operation& operation_;
    const CalcInputs inputs_;
    const std::optional<Machine> machine_;
    std::vector<SpeedOffer> offers_; // the rows serving the calculation, at their own T
    std::optional<double> speed_;    // v of the row shown; none where it gives none
    std::optional<PassportSpeed> passport_;

    QComboBox* rowChoice_ = nullptr;
    QLabel* source_ = nullptr;
    QLineEdit* toolLife_ = nullptr;
    std::map<QString, QLabel*> values_; // by term: "Cv", "Dq" … "v", "n", "nf", "vf"
    QRadioButton* takeV_ = nullptr;
    QRadioButton* takePassport_ = nullptr;
    QLabel* message_ = nullptr; // why a row gives no speed, or has no passport speed
    QPushButton* acceptButton_ = nullptr;
};
