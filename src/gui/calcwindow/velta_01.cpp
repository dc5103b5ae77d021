#include "gui/calcwindow/velta_01.h"

#include "core/calc/calculation.h"

VELTA_01::VELTA_01(CalcState& state, UserDialogs& dialogs, QWidget* parent)
    : MillingWindow(calculation(1), state, dialogs, parent) {}
