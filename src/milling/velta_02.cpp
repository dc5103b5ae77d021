#include "milling/velta_02.h"

#include "milling/cylindricalmilling.h"
#include "milling/millingboxes.h"

namespace {
WindowDefinition cylindricalMillingWindow() {
    WindowDefinition window;
    window.number = 2;
    window.caption = "ФРЕЗЕРОВАНИЕ ЦИЛИНДРИЧЕСКИМИ ФРЕЗАМИ";
    window.suffix = "2";
    window.boxes = millingBoxes("2", EmptyBoxes::Report);
    // A straight-tooth cutter has no axial force to compute, so the angle is required here.
    window.boxes.push_back(helixAngleBox("2", 80));
    window.stubItem = "FEED_V";
    return window;
}
} // namespace

VELTA_02::VELTA_02(CalcState& state, UserDialogs& dialogs, QWidget* parent)
    : MillingWindow(cylindricalMillingWindow(), state, dialogs, parent) {}

RowResults VELTA_02::compute(ToolMaterial tool, WorkMaterial work) {
    return keep(cylindricalMilling(tool, work, inputs(), readHelixAngle()));
}
