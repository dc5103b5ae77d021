// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/calcwindow/velta_03.h"

#include "core/operations/registry.h"

VELTA_03::VELTA_03(CalcState& state, UserDialogs& dialogs, QWidget* parent)
    : MillingWindow(calculation(3), state, dialogs, parent) {}
