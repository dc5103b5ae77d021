// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/machine/machine.h"

#include <QComboBox>

class MachineCatalog;

// A calculation window's machine: "(станок не выбран)" or one of the library's, following the
// library as it changes.
class MachineChoice : public QComboBox {
    Q_OBJECT
public:
    explicit MachineChoice(QWidget* parent = nullptr);

    void follow(MachineCatalog& catalog);
    // The chosen machine; nullptr when none is.
    const Machine* machine() const;

private:
    void refill();

    MachineCatalog* catalog_ = nullptr;
};
