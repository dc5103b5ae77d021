#pragma once

#include <QDialog>

// "О ПРОГРАММЕ": what the program is and its version; Enter or Esc closes it.
class TITUL_ : public QDialog {
    Q_OBJECT
public:
    explicit TITUL_(QWidget* parent = nullptr);
};
