// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/calcwindow/velta_06.h"

#include "core/operations/registry.h"

VELTA_06::VELTA_06(CalcState& state, UserDialogs& dialogs, QWidget* parent)
    : CalcWindow(calculation(6), state, dialogs, parent) {}
