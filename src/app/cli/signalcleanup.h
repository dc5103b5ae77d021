// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// SIGTERM, SIGINT and SIGHUP end the program as they always do, with 128 + the signal's number as
// the shell sees it, but first remove the hidden file of an output being written (-o), which
// would otherwise stay beside the earlier file, as large as what was written. A signal the
// program was started to ignore (nohup) stays ignored.
void removeStagedOutputsOnSignals();
