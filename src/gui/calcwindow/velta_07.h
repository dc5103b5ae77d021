// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/calcwindow/calcwindow.h"

// Thread cutting with a cutter, a tap or a die ("НАРЕЗАНИЕ РЕЗЬБЫ"); the tool chosen here sets
// the sub-operation that titles the report.
class VELTA_07 : public CalcWindow {
    Q_OBJECT
public:
    VELTA_07(CalcState& state, UserDialogs& dialogs, QWidget* parent = nullptr);
};
