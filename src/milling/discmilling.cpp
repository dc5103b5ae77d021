#include "milling/discmilling.h"

MillingResult discMilling(ToolMaterial tool, WorkMaterial work, const MillingInputs& in,
                          double helixAngle) {
    MillingResult out;
    out.forces = millingForces(discMillingTable, tool, work, in);
    out.Py = 0.4 * out.forces.Pz;
    out.Px = helixAxialForce(0.2, out.forces.Pz, helixAngle);
    return out;
}
