#include "milling/facemilling.h"

MillingResult faceMilling(ToolMaterial tool, WorkMaterial work, const MillingInputs& in) {
    MillingResult out;
    out.forces = millingForces(faceMillingTable, tool, work, in);
    // A face mill pushes the work away at 0.4 Pz and along the feed at 0.5 Pz.
    out.Py = 0.4 * out.forces.Pz;
    out.Px = 0.5 * out.forces.Pz;
    return out;
}
