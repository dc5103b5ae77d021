// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/calcwindow/millingwindow.h"

// End milling: "ФРЕЗЕРОВАНИЕ КОНЦЕВЫМИ ФРЕЗАМИ", as a face or a cylindrical mill.
class VELTA_03 : public MillingWindow {
    Q_OBJECT
public:
    VELTA_03(CalcState& state, UserDialogs& dialogs, QWidget* parent = nullptr);
};
