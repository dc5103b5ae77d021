#include "milling/velta_01.h"

#include "milling/facemilling.h"
#include "milling/millingboxes.h"

namespace {
WindowDefinition faceMillingWindow() {
    WindowDefinition window;
    window.number = 1;
    window.caption = "ФРЕЗЕРОВАНИЕ ТОРЦОВЫМИ ФРЕЗАМИ";
    window.boxes = millingBoxes("", EmptyBoxes::Report);
    window.stubItem = "DATA0";
    return window;
}
} // namespace

VELTA_01::VELTA_01(CalcState& state, UserDialogs& dialogs, QWidget* parent)
    : MillingWindow(faceMillingWindow(), state, dialogs, parent) {}

RowResults VELTA_01::compute(ToolMaterial tool, WorkMaterial work) {
    return keep(faceMilling(tool, work, inputs()));
}
