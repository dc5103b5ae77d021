// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/reference/referencetable.h"

// "ХАРАКТЕРИСТИКА ОБРАБАТЫВАЕМОГО МАТЕРИАЛА": strength and hardness of common work materials, to
// fill in a calculation window's strength or hardness box.
class HELP_M : public ReferenceWindow {
    Q_OBJECT
public:
    explicit HELP_M(QWidget* parent = nullptr);
};
