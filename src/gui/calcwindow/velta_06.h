// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/calcwindow/calcwindow.h"

// Hole-making: drilling, enlarging, core drilling, reaming, by the sub-operation the main menu
// chose last.
class VELTA_06 : public CalcWindow {
    Q_OBJECT
public:
    VELTA_06(CalcState& state, UserDialogs& dialogs, QWidget* parent = nullptr);
};
