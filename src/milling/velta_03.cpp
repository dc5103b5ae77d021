#include "milling/velta_03.h"

#include "milling/endmilling.h"
#include "milling/millingboxes.h"

namespace {
WindowDefinition endMillingWindow() {
    WindowDefinition window;
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
    return window;
}
} // namespace

VELTA_03::VELTA_03(CalcState& state, UserDialogs& dialogs, QWidget* parent)
    : MillingWindow(endMillingWindow(), state, dialogs, parent) {}

RowResults VELTA_03::compute(ToolMaterial tool, WorkMaterial work) {
    return keep(endMilling(tool, work, static_cast<EndMillingScheme>(*selectedChoice()), inputs(),
                           readHelixAngle()));
}
