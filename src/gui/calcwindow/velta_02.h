// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/calcwindow/millingwindow.h"

// Cylindrical milling: "ФРЕЗЕРОВАНИЕ ЦИЛИНДРИЧЕСКИМИ ФРЕЗАМИ".
class VELTA_02 : public MillingWindow {
    Q_OBJECT
public:
    VELTA_02(CalcState& state, UserDialogs& dialogs, QWidget* parent = nullptr);
};
