// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

// "О ПРОГРАММЕ": what the program is, its version and licence; Enter or Esc closes it.
class TITUL_ : public QDialog {
    Q_OBJECT
public:
    explicit TITUL_(QWidget* parent = nullptr);
};
