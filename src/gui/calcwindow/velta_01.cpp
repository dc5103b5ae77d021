// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/calcwindow/velta_01.h"

#include "core/operations/registry.h"

VELTA_01::VELTA_01(CalcState& state, UserDialogs& dialogs, QWidget* parent)
    : MillingWindow(calculation(1), state, dialogs, parent) {}
