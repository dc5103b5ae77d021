#pragma once

#include "calcframe/calcwindow.h"

// End milling: "ФРЕЗЕРОВАНИЕ КОНЦЕВЫМИ ФРЕЗАМИ", as a face or a cylindrical mill.
class VELTA_03 : public CalcWindow {
    Q_OBJECT
public:
    VELTA_03(CalcState& state, UserDialogs& dialogs, QWidget* parent = nullptr);
};
