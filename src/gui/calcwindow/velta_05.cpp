// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/calcwindow/velta_05.h"

#include "core/operations/registry.h"

VELTA_05::VELTA_05(CalcState& state, UserDialogs& dialogs, QWidget* parent)
    : CalcWindow(calculation(5), state, dialogs, parent) {}
