#include "milling/velta_04.h"

#include "calcframe/calculation.h"

VELTA_04::VELTA_04(CalcState& state, UserDialogs& dialogs, QWidget* parent)
    : MillingWindow(calculation(4), state, dialogs, parent) {}
