// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/reference/referencetable.h"

// "ПАРАМЕТРЫ МЕТРИЧЕСКИХ РЕЗЬБ": diameters, pitches and profile heights of metric threads, to fill
// in the threading window.
class HELP_R : public ReferenceWindow {
    Q_OBJECT
public:
    explicit HELP_R(QWidget* parent = nullptr);
};
