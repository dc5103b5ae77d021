// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/calcwindow/millingwindow.h"

// Disc milling: "ФРЕЗЕРОВАНИЕ ДИСКОВЫМИ ФРЕЗАМИ"; an empty box is asked for, not reported.
class VELTA_04 : public MillingWindow {
    Q_OBJECT
public:
    VELTA_04(CalcState& state, UserDialogs& dialogs, QWidget* parent = nullptr);
};
