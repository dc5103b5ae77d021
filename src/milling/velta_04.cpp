#include "milling/velta_04.h"

#include "milling/discmilling.h"
#include "milling/millingboxes.h"

namespace {
WindowDefinition discMillingWindow() {
    WindowDefinition window;
    window.number = 4;
    window.caption = "ФРЕЗЕРОВАНИЕ ДИСКОВЫМИ ФРЕЗАМИ";
    window.suffix = "4";
    window.boxes = millingBoxes("4", EmptyBoxes::Ask);
    window.boxes.push_back(helixAngleBox("4"));
    window.screenOrder = {"D_TEXT4", "Z_TEXT4", "B_TEXT4", "T_TEXT4",
                          "A_TEXT4", "S_TEXT4", "V_TEXT4"};
    window.toolTexts = {"Б/Р", "ТC", "МK"};
    return window;
}
} // namespace

VELTA_04::VELTA_04(CalcState& state, UserDialogs& dialogs, QWidget* parent)
    : MillingWindow(discMillingWindow(), state, dialogs, parent) {}

RowResults VELTA_04::compute(ToolMaterial tool, WorkMaterial work) {
    return keep(discMilling(tool, work, inputs(), readHelixAngle()));
}
