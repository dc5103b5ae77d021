// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/operations/holes/holemakingcalculation.h"

#include "core/calc/workpieceboxes.h"
#include "core/operations/holes/holemaking.h"

Calculation holeMakingCalculation() {
    return {
        .window = {.number = 6,
                   .caption = "СВЕРЛЕНИЕ, РАССВЕРЛИВАНИЕ, ЗЕНКЕРОВАНИЕ, РАЗВЁРТЫВАНИЕ",
                   .suffix = "6",
                   .layout = GridLayout::Turning,
                   .boxes = workpieceBoxes(
                       "6", {"Диаметр обработки, мм", "ВЫ НЕ ЗАДАЛИ ДИАМЕТР ОБРАБОТКИ!!!",
                             "Подача, мм/об",
                             "ВЫ НЕ ЗАДАЛИ ХАРАКТЕРИСТИКУ МАТЕРИАЛА, ВВЕДИТЕ ЗНАЧЕНИЕ!!!"}),
                   .rowLabelName = "Label2",
                   .stubItem = "VELTA6",
                   .stubCaption = "СКОРОСТЬ"},
        // A drill cuts half its diameter; the depth box is ignored but keeps its text.
        .derived = {{Key::t, drilling,
                     [](const CalcInputs& in) { return holeDepth(in.kind, workpieceInputs(in)); }}},
        .compute =
            [](const CalcInputs& in) {
                const HoleResult r = holeMaking(in.tool, in.work, in.kind, workpieceInputs(in));
                Computed result{{r.P0, 0.0, 0.0, r.M, r.N, r.n}, r.Kmp, {}};
                if (const auto& c = r.coefficients) {
                    result.coefficients = {c->Cp, c->xP, c->yP, c->qP, c->Cm, c->xM, c->yM, c->qM};
                } else {
                    result.row.notice =
                        "НЕТ ДАННЫХ ДЛЯ РАСЧЁТА УСИЛИЙ ПРИ РАЗВЁРТЫВАНИИ ЭТИМ ИНСТРУМЕНТОМ!!!";
                }
                return result;
            },
        .feedForce = Result::Pz};
}
