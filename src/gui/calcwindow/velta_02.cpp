// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/calcwindow/velta_02.h"

#include "core/operations/registry.h"

VELTA_02::VELTA_02(CalcState& state, UserDialogs& dialogs, QWidget* parent)
    : MillingWindow(calculation(2), state, dialogs, parent) {}
