// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/calcwindow/velta_04.h"

#include "core/operations/registry.h"

VELTA_04::VELTA_04(CalcState& state, UserDialogs& dialogs, QWidget* parent)
    : MillingWindow(calculation(4), state, dialogs, parent) {}
