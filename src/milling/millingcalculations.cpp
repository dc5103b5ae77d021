#include "milling/millingcalculations.h"

#include "milling/cylindricalmilling.h"
#include "milling/discmilling.h"
#include "milling/endmilling.h"
#include "milling/facemilling.h"
#include "milling/millingboxes.h"

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
    Calculation calculation;
    WindowDefinition& window = calculation.window;
    window.number = 1;
    window.caption = "ФРЕЗЕРОВАНИЕ ТОРЦОВЫМИ ФРЕЗАМИ";
    window.boxes = millingBoxes("", EmptyBoxes::Report);
    window.stubItem = "DATA0";
    calculation.compute = [](const CalcInputs& in) {
        return computed(faceMilling(in.tool, in.work, millingInputs(in)));
    };
    return calculation;
}

Calculation cylindricalMillingCalculation() {
    Calculation calculation;
    WindowDefinition& window = calculation.window;
    window.number = 2;
    window.caption = "ФРЕЗЕРОВАНИЕ ЦИЛИНДРИЧЕСКИМИ ФРЕЗАМИ";
    window.suffix = "2";
    window.boxes = millingBoxes("2", EmptyBoxes::Report);
    // A straight-tooth cutter has no axial force to compute, so the angle is required here.
    window.boxes.push_back(helixAngleBox("2", 80));
    window.stubItem = "FEED_V";
    calculation.compute = [](const CalcInputs& in) {
        return computed(cylindricalMilling(in.tool, in.work, millingInputs(in), in[Key::angle]));
    };
    return calculation;
}

Calculation endMillingCalculation() {
    Calculation calculation;
    WindowDefinition& window = calculation.window;
    window.number = 3;
    window.caption = "ФРЕЗЕРОВАНИЕ КОНЦЕВЫМИ ФРЕЗАМИ";
    window.suffix = "1";
    window.boxes = millingBoxes("1", EmptyBoxes::Report);
    window.boxes.push_back(helixAngleBox("1"));
    window.stubItem = "VELTA_K";
    window.choices =
        ChoiceGroup{"Frame5",
                    "Схема фрезерования",
                    {{{"SHT_TEXT", "как торцовое"}, {"SHC_TEXT", "как цилиндрическое"}}},
                    "ВЫ НЕ ВЫБРАЛИ СХЕМУ ФРЕЗЕРОВАНИЯ! ВЫБЕРИТЕ: 1 - СХЕМА ТОРЦ. "
                    "ФРЕЗЕРОВАНИЯ, 2 - СХЕМА ЦИЛ. ФРЕЗЕРОВАНИЯ "};
    window.toolTexts = {"Б/Р", "ТC", "МK"};
    calculation.compute = [](const CalcInputs& in) {
        return computed(endMilling(in.tool, in.work, static_cast<EndMillingScheme>(in.kind),
                                   millingInputs(in), in[Key::angle]));
    };
    return calculation;
}

Calculation discMillingCalculation() {
    Calculation calculation;
    WindowDefinition& window = calculation.window;
    window.number = 4;
    window.caption = "ФРЕЗЕРОВАНИЕ ДИСКОВЫМИ ФРЕЗАМИ";
    window.suffix = "4";
    window.boxes = millingBoxes("4", EmptyBoxes::Ask);
    window.boxes.push_back(helixAngleBox("4"));
    window.screenOrder = {"D_TEXT4", "Z_TEXT4", "B_TEXT4", "T_TEXT4",
                          "A_TEXT4", "S_TEXT4", "V_TEXT4"};
    window.toolTexts = {"Б/Р", "ТC", "МK"};
    calculation.compute = [](const CalcInputs& in) {
        return computed(discMilling(in.tool, in.work, millingInputs(in), in[Key::angle]));
    };
    return calculation;
}
