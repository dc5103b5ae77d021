#include "milling/cylindricalmilling.h"

MillingResult cylindricalMilling(ToolMaterial tool, WorkMaterial work, const MillingInputs& in,
                                 double helixAngle) {
    MillingResult out;
    out.forces = millingForces(cylindricalMillingTable, tool, work, in);
    out.Py = 0.5 * out.forces.Pz;
    out.Px = helixAxialForce(0.3, out.forces.Pz, helixAngle);
    return out;
}
