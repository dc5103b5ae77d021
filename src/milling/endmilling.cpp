#include "milling/endmilling.h"

MillingResult endMilling(ToolMaterial tool, WorkMaterial work, EndMillingScheme scheme,
                         const MillingInputs& in, double helixAngle) {
    MillingResult out;
    out.forces = millingForces(endMillingTable, tool, work, in);
    if (scheme == EndMillingScheme::Face) {
        out.Py = 0.3 * out.forces.Pz;
        out.Px = 0.5 * out.forces.Pz;
    } else {
        out.Py = 0.5 * out.forces.Pz;
        out.Px = helixAxialForce(0.3, out.forces.Pz, helixAngle);
    }
    return out;
}
