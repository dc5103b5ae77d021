// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QAction;

// SIGTERM (a session that ends, `kill`) and SIGINT (Ctrl+C in the terminal) trigger `quit`, the
// main window's "ВЫХОД": the program ends as the user ends it, not cut off where it stands.
void quitOnSignals(QAction& quit);
