#pragma once

#include "calcframe/calcwindow.h"
#include "turning/turning.h"

// Turning: longitudinal, facing, grooving and parting, boring ("ТОКАРНАЯ ОБРАБОТКА"), by the
// sub-operation the main menu chose last.
class VELTA_05 : public CalcWindow {
    Q_OBJECT
public:
    VELTA_05(CalcState& state, UserDialogs& dialogs, QWidget* parent = nullptr);

    // The coefficients the last calculation used.
    double Kmp = 0;
    TurningCoefficients ForceCoefficients{};

protected:
    RowResults compute(ToolMaterial tool, WorkMaterial work) override;
};
