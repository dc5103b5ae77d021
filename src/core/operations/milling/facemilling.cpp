// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/operations/milling/facemilling.h"

MillingResult faceMilling(ToolMaterial tool, WorkMaterial work, const MillingInputs& in) {
    // A face mill pushes the work away at 0.4 Pz and along the feed at 0.5 Pz.
    return millingResult(faceMillingTable, {0.4, 0.5}, tool, work, in);
}
