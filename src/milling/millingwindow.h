#pragma once

#include "calcframe/calcwindow.h"
#include "milling/millingforce.h"

// What the four milling windows share beyond the frame: the coefficients of their last
// calculation and the helix angle of the cutter teeth.
class MillingWindow : public CalcWindow {
    Q_OBJECT
public:
    using CalcWindow::CalcWindow;

    double Kmp = 0;
    MillingCoefficients ForceCoefficients{};
    double HelixAngle = 0; // degrees, as read from the window's A_TEXT box

protected:
    MillingInputs inputs() const { return millingInputs(state()); }
    // Reads the helix angle the last "РАСЧЁТ" took from the window's box.
    double readHelixAngle();
    // Keeps the coefficients of a calculation and gives its row.
    RowResults keep(const MillingResult& result);
};
