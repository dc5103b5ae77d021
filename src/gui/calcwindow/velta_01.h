// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/calcwindow/millingwindow.h"

// Face milling: "ФРЕЗЕРОВАНИЕ ТОРЦОВЫМИ ФРЕЗАМИ".
class VELTA_01 : public MillingWindow {
    Q_OBJECT
public:
    VELTA_01(CalcState& state, UserDialogs& dialogs, QWidget* parent = nullptr);
};
