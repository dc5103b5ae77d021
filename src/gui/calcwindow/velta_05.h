// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/calcwindow/calcwindow.h"

// Turning: longitudinal, facing, grooving and parting, boring ("ТОКАРНАЯ ОБРАБОТКА"), by the
// sub-operation the main menu chose last.
class VELTA_05 : public CalcWindow {
    Q_OBJECT
public:
    VELTA_05(CalcState& state, UserDialogs& dialogs, QWidget* parent = nullptr);
};
