#include "milling/millingwindow.h"

double MillingWindow::readHelixAngle() {
    HelixAngle = value("A_TEXT" + std::string(definition().suffix));
    return HelixAngle;
}

RowResults MillingWindow::keep(const MillingResult& result) {
    Kmp = result.forces.Kmp;
    ForceCoefficients = result.forces.coefficients;
    const MillingForces& f = result.forces;
    return {f.Pz, result.Py, result.Px, f.M, f.N, f.n};
}
