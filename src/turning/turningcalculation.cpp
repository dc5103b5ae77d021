#include "turning/turningcalculation.h"

#include "calcframe/workpieceboxes.h"
#include "turning/turning.h"

Calculation turningCalculation() {
    Calculation calculation;
    WindowDefinition& window = calculation.window;
    window.number = 5;
    window.caption = "ТОКАРНАЯ ОБРАБОТКА";
    window.suffix = "5";
    window.layout = GridLayout::Turning;
    window.boxes =
        workpieceBoxes("5", {"Диаметр заготовки, мм", "ВЫ НЕ ЗАДАЛИ ДИАМЕТР ОБРАБОТКИ!!!",
                             "Подача, мм/об", "ВЫ НЕ ЗАДАЛИ ХАРАКТЕРИСТИКУ МАТЕРИАЛА!!!"});
    window.rowLabelName = "Label2";
    window.stubItem = "VELTA0";
    window.stubCaption = "СКОРОСТЬ";
    // A lathe operator reads the torque in whole newton-metres and the speed to 0.01 rev/min.
    window.patterns = {0, 2};
    calculation.compute = [](const CalcInputs& in) {
        const TurningResult r = turning(in.tool, in.work, in.kind, workpieceInputs(in));
        Computed result{{r.Pz, r.Py, r.Px, r.M, r.N, r.n}, r.Kmp, {}};
        for (const ForceLaw& law : {r.coefficients.Pz, r.coefficients.Py, r.coefficients.Px}) {
            result.coefficients.insert(result.coefficients.end(), {law.Cp, law.x, law.y, law.n});
        }
        return result;
    };
    return calculation;
}
