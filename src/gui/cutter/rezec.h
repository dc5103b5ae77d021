// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/cutter/cutter.h"

#include <QDialog>
#include <array>
#include <optional>

class QLineEdit;
class QRadioButton;
class UserDialogs;

// "Резец": the turning window's cutter. A rectangular shank b × h or a round bar d, its overhang,
// the nose radius, the allowed stress, deflection and modulus (the core's defaults filled in) and
// the required Rz. "ПРИНЯТЬ" hands back the cutter the boxes describe once the core accepts it,
// "УБРАТЬ РЕЗЕЦ" hands back none; a refused or cancelled dialog hands back nothing.
class REZEC : public QDialog {
    Q_OBJECT
public:
    REZEC(const std::optional<Cutter>& cutter, UserDialogs& dialogs, QWidget* parent = nullptr);

signals:
    // The window's cutter from now on; none for a window without one.
    void cutterChosen(const std::optional<Cutter>& cutter);

private:
    // The boxes in the order Tab walks them.
    enum Box { width, height, diameter, overhang, radius, stress, deflection, modulus, Rz };
    static constexpr std::size_t boxCount = 9;

    void layOut();
    void showCutter(const std::optional<Cutter>& cutter);
    // The other shape's boxes are greyed: they are neither read nor kept.
    void showShape();
    void accept() override;
    void remove();
    // The cutter the boxes describe, or nothing once a box that is not a number is reported.
    std::optional<Cutter> typedCutter();
    // A box's number into `value`, none for an empty box; false once text that is not a number
    // has been reported.
    bool readNumber(Box box, std::optional<double>& value);

    UserDialogs& dialogs_;
    std::array<QLineEdit*, boxCount> boxes_{};
    QRadioButton* rectangular_ = nullptr;
    QRadioButton* round_ = nullptr;
};
