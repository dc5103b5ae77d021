// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QMenuBar;

// A menu bar shows no tips of its own items, as a menu does once asked: from now on the pointer
// resting on an item of `bar` shows the item's tip, where it says more than the caption.
void showItemTips(QMenuBar* bar);
