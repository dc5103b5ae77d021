// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/calc/windowdefinition.h"

#include <QWidget>
#include <optional>
#include <string>
#include <vector>

class QButtonGroup;
class QLabel;
class QLineEdit;
class MachineChoice;
struct CalcOutcome;
struct CalcRequest;

// The inputs of a calculation window, built from its declaration: the numeric boxes with their
// labels, the row-number box, the work material with its strength box, the tool material, the
// further choice and the machine. It reads them as "РАСЧЁТ" takes them and shows what the
// calculation's questions answered.
class CalcForm : public QWidget {
    Q_OBJECT
public:
    CalcForm(const WindowDefinition& definition, QWidget* parent);

    // The boxes and options as read now, for a table of `rowCount` rows.
    CalcRequest request(int rowCount) const;
    // What the questions gave stays in the window, whatever came of the calculation.
    void showAnswers(const CalcRequest& request);
    // The cursor goes to what a refusal is about.
    void focusRefused(const CalcOutcome& outcome);
    void focusFirstBox();

    void setValueText(Key key, const QString& text);
    void setRowNumberText(const QString& text);
    MachineChoice* machineChoice() const { return machineChoice_; }

signals:
    // Enter in any box.
    void submitted();
    // A box, an option or the machine changed.
    void changed();

private:
    QLayout* buildInputs();
    QWidget* buildWorkFrame();
    QLayout* buildToolColumn();
    void setTabOrder();
    void workMaterialSelected(WorkMaterial work);

    std::vector<std::string> screenOrder() const;
    QLineEdit* strengthBox() const;
    QLineEdit* box(const std::string& name) const;

    const WindowDefinition& definition_;
    std::vector<QLineEdit*> boxes_; // as in the declaration's boxes
    QLineEdit* rowNumberBox_ = nullptr;
    QLineEdit* travelBox_ = nullptr; // the working travel L, which only times the cut
    QLabel* strengthLabel_ = nullptr;
    QButtonGroup* workOptions_ = nullptr;
    QButtonGroup* toolOptions_ = nullptr;
    QButtonGroup* choiceOptions_ = nullptr;
    MachineChoice* machineChoice_ = nullptr;
};
