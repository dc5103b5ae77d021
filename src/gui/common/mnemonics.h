// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;
class QChar;

#include <QSet>

// Gives every item of a menu bar or menu, and of its submenus, an Alt mnemonic: the first letter
// of its caption not yet taken in the same menu nor reserved (by another menu bar of the same
// window). The caption reads the same; the letter is only underlined.
void assignMnemonics(QWidget* menu, const QSet<QChar>& reserved = {});

// The mnemonic letters of a menu's own items, upper-case.
QSet<QChar> mnemonicsOf(const QWidget* menu);
