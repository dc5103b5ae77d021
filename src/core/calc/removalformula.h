// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// How an operation's minute feed and removal rate follow from the row: each operation of the
// registry names its formula.
enum class RemovalFormula {
    milling,         // Sм = sz·z·n; Q = t·B·Sм/1000
    turning,         // Sм = s·n; Q = v·s·t (turning, facing, grooving and parting, boring)
    drilling,        // Sм = s·n; Q = π·D²/4·Sм/1000
    enlarging,       // Sм = s·n; Q = π·(D² − d²)/4·Sм/1000, d = D − 2t the hole before
    threading,       // Sм = P·n, the pitch in the feed box; no removal rate
    threadingPasses, // as threading, the travel made once a pass
};
