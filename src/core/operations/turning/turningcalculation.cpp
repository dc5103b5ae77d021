// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/operations/turning/turningcalculation.h"

#include "core/calc/workpieceboxes.h"
#include "core/operations/turning/turning.h"

Calculation turningCalculation() {
    return {
        .window = {.number = 5,
                   .caption = "ТОКАРНАЯ ОБРАБОТКА",
                   .suffix = "5",
                   .layout = GridLayout::Turning,
                   .boxes = workpieceBoxes(
                       "5", {"Диаметр заготовки, мм", "ВЫ НЕ ЗАДАЛИ ДИАМЕТР ОБРАБОТКИ!!!",
                             "Подача, мм/об", "ВЫ НЕ ЗАДАЛИ ХАРАКТЕРИСТИКУ МАТЕРИАЛА!!!"}),
                   .rowLabelName = "Label2",
                   .stubItem = "VELTA0",
                   .stubCaption = "СКОРОСТЬ",
                   .checksCutter = true,
                   // A lathe operator reads the torque in whole newton-metres and the speed to
                   // 0.01 rev/min.
                   .patterns = {0, 2}},
        .compute = [](const CalcInputs& in) {
            const TurningResult r = turning(in.tool, in.work, in.kind, workpieceInputs(in));
            Computed result{{r.Pz, r.Py, r.Px, r.M, r.N, r.n}, r.Kmp, {}};
            for (const ForceLaw& law : {r.coefficients.Pz, r.coefficients.Py, r.coefficients.Px}) {
                result.coefficients.insert(result.coefficients.end(),
                                           {law.Cp, law.x, law.y, law.n});
            }
            return result;
        }};
}
