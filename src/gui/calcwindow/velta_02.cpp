#include "gui/calcwindow/velta_02.h"

#include "core/calc/calculation.h"

VELTA_02::VELTA_02(CalcState& state, UserDialogs& dialogs, QWidget* parent)
    : MillingWindow(calculation(2), state, dialogs, parent) {}
