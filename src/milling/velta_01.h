#pragma once

#include "calcframe/calcwindow.h"
#include "milling/millingforce.h"

// Face milling: "ФРЕЗЕРОВАНИЕ ТОРЦОВЫМИ ФРЕЗАМИ".
class VELTA_01 : public CalcWindow {
    Q_OBJECT
public:
    VELTA_01(CalcState& state, UserDialogs& dialogs, QWidget* parent = nullptr);

    // The coefficients the last calculation used.
    double Kmp = 0;
    MillingCoefficients ForceCoefficients{};

protected:
    RowResults compute(ToolMaterial tool, WorkMaterial work) override;
};
