// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/calcwindow/velta_07.h"

#include "core/operations/registry.h"

VELTA_07::VELTA_07(CalcState& state, UserDialogs& dialogs, QWidget* parent)
    : CalcWindow(calculation(7), state, dialogs, parent) {}
