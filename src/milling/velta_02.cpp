#include "milling/velta_02.h"

#include "calcframe/windowdefinitions.h"
#include "milling/cylindricalmilling.h"

VELTA_02::VELTA_02(CalcState& state, UserDialogs& dialogs, QWidget* parent)
    : MillingWindow(windowDefinition(2), state, dialogs, parent) {}

RowResults VELTA_02::compute(ToolMaterial tool, WorkMaterial work) {
    return keep(cylindricalMilling(tool, work, inputs(), readHelixAngle()));
}
