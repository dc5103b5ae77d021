// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/operations/milling/cylindricalmilling.h"

MillingResult cylindricalMilling(ToolMaterial tool, WorkMaterial work, const MillingInputs& in,
                                 double helixAngle) {
    return millingResult(cylindricalMillingTable, {0.5, 0.3, true}, tool, work, in, helixAngle);
}
