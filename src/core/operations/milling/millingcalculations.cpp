// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/operations/milling/millingcalculations.h"

#include "core/operations/milling/cylindricalmilling.h"
#include "core/operations/milling/discmilling.h"
#include "core/operations/milling/endmilling.h"
#include "core/operations/milling/facemilling.h"
#include "core/operations/milling/millingboxes.h"

namespace {

MillingInputs millingInputs(const CalcInputs& in) {
    return {in[Key::D], in[Key::z], in[Key::B], in[Key::t], in[Key::H], in[Key::s], in[Key::v]};
}

Computed computed(const MillingResult& result) {
    const MillingForces& f = result.forces;
    const MillingCoefficients& c = f.coefficients;
    return {{f.Pz, result.Py, result.Px, f.M, f.N, f.n}, f.Kmp, {c.Cp, c.x, c.y, c.u, c.q, c.w}};
}

} // namespace

Calculation faceMillingCalculation() {
    return {.window = {.number = 1,
                       .caption = "ФРЕЗЕРОВАНИЕ ТОРЦОВЫМИ ФРЕЗАМИ",
                       .boxes = millingBoxes("", EmptyBoxes::Report),
                       .stubItem = "DATA0"},
            .compute = [](const CalcInputs& in) {
                return computed(faceMilling(in.tool, in.work, millingInputs(in)));
            }};
}

Calculation cylindricalMillingCalculation() {
    // A straight-tooth cutter has no axial force to compute, so the angle is required here.
    return {.window = {.number = 2,
                       .caption = "ФРЕЗЕРОВАНИЕ ЦИЛИНДРИЧЕСКИМИ ФРЕЗАМИ",
                       .suffix = "2",
                       .boxes = millingBoxes("2", EmptyBoxes::Report, 80),
                       .stubItem = "FEED_V"},
            .compute = [](const CalcInputs& in) {
                return computed(
                    cylindricalMilling(in.tool, in.work, millingInputs(in), in[Key::angle]));
            }};
}

Calculation endMillingCalculation() {
    return {.window = {.number = 3,
                       .caption = "ФРЕЗЕРОВАНИЕ КОНЦЕВЫМИ ФРЕЗАМИ",
                       .suffix = "1",
                       .boxes = millingBoxes("1", EmptyBoxes::Report, 0),
                       .stubItem = "VELTA_K",
                       .choices = ChoiceGroup{"Frame5",
                                              "Схема фрезерования",
                                              {{{"SHT_TEXT", "как торцовое"},
                                                {"SHC_TEXT", "как цилиндрическое"}}},
                                              "ВЫ НЕ ВЫБРАЛИ СХЕМУ ФРЕЗЕРОВАНИЯ! ВЫБЕРИТЕ: 1 - "
                                              "СХЕМА ТОРЦ. ФРЕЗЕРОВАНИЯ, 2 - СХЕМА ЦИЛ. "
                                              "ФРЕЗЕРОВАНИЯ "},
                       .toolTexts = {"Б/Р", "ТC", "МK"}},
            .compute = [](const CalcInputs& in) {
                return computed(endMilling(in.tool, in.work, static_cast<EndMillingScheme>(in.kind),
                                           millingInputs(in), in[Key::angle]));
            }};
}

Calculation discMillingCalculation() {
    return {.window = {.number = 4,
                       .caption = "ФРЕЗЕРОВАНИЕ ДИСКОВЫМИ ФРЕЗАМИ",
                       .suffix = "4",
                       .boxes = millingBoxes("4", EmptyBoxes::Ask, 0),
                       .screenOrder = {"D_TEXT4", "Z_TEXT4", "B_TEXT4", "T_TEXT4", "A_TEXT4",
                                       "S_TEXT4", "V_TEXT4"},
                       .stubItem = "VELTA4",
                       .stubCaption = "СКОРОСТЬ",
                       .toolTexts = {"Б/Р", "ТC", "МK"}},
            .compute = [](const CalcInputs& in) {
                return computed(discMilling(in.tool, in.work, millingInputs(in), in[Key::angle]));
            }};
}
