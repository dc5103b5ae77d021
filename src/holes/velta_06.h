#pragma once

#include "calcframe/calcwindow.h"
#include "holes/holemaking.h"

// Hole-making: drilling, enlarging, core drilling, reaming, by the sub-operation the main menu
// chose last.
class VELTA_06 : public CalcWindow {
    Q_OBJECT
public:
    VELTA_06(CalcState& state, UserDialogs& dialogs, QWidget* parent = nullptr);

    // The coefficients the last calculation used; none for a steel or carbide reamer.
    double Kmp = 0;
    std::optional<HoleCoefficients> ForceCoefficients;

protected:
    void deriveInputs() override;
    RowResults compute(ToolMaterial tool, WorkMaterial work) override;
};
