// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/operations/milling/endmilling.h"

MillingResult endMilling(ToolMaterial tool, WorkMaterial work, EndMillingScheme scheme,
                         const MillingInputs& in, double helixAngle) {
    // Cutting with its face an end mill loads like a face mill, with its side like a
    // cylindrical one.
    const ForceShares shares =
        scheme == EndMillingScheme::Face ? ForceShares{0.3, 0.5} : ForceShares{0.5, 0.3, true};
    return millingResult(endMillingTable, shares, tool, work, in, helixAngle);
}
