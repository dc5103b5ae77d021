#pragma once

#include "calcframe/calcwindow.h"

// Cylindrical milling: "ФРЕЗЕРОВАНИЕ ЦИЛИНДРИЧЕСКИМИ ФРЕЗАМИ".
class VELTA_02 : public CalcWindow {
    Q_OBJECT
public:
    VELTA_02(CalcState& state, UserDialogs& dialogs, QWidget* parent = nullptr);
};
