#include "holes/velta_06.h"

#include "calcframe/calculation.h"

VELTA_06::VELTA_06(CalcState& state, UserDialogs& dialogs, QWidget* parent)
    : CalcWindow(calculation(6), state, dialogs, parent) {}
