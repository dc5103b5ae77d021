#include "gui/calcwindow/velta_06.h"

#include "core/calc/calculation.h"

VELTA_06::VELTA_06(CalcState& state, UserDialogs& dialogs, QWidget* parent)
    : CalcWindow(calculation(6), state, dialogs, parent) {}
