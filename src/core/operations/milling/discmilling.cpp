// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/operations/milling/discmilling.h"

MillingResult discMilling(ToolMaterial tool, WorkMaterial work, const MillingInputs& in,
                          double helixAngle) {
    return millingResult(discMillingTable, {0.4, 0.2, true}, tool, work, in, helixAngle);
}
