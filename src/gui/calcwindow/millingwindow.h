// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/calcwindow/calcwindow.h"

// What the four milling windows keep beyond the frame: the helix angle of the cutter teeth.
class MillingWindow : public CalcWindow {
    Q_OBJECT
public:
    using CalcWindow::CalcWindow;

    double HelixAngle = 0; // degrees, as read from the window's A_TEXT box

protected:
    void keep(const CalcInputs& inputs) override { HelixAngle = inputs[Key::angle]; }
};
