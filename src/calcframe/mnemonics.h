#pragma once

class QWidget;

// Gives every item of a menu bar or menu, and of its submenus, an Alt mnemonic: the first letter
// of its caption not yet taken in the same menu. The caption reads the same; the letter is only
// underlined.
void assignMnemonics(QWidget* menu);
