#include "milling/velta_04.h"

#include "calcframe/windowdefinitions.h"
#include "milling/discmilling.h"

VELTA_04::VELTA_04(CalcState& state, UserDialogs& dialogs, QWidget* parent)
    : MillingWindow(windowDefinition(4), state, dialogs, parent) {}

RowResults VELTA_04::compute(ToolMaterial tool, WorkMaterial work) {
    return keep(discMilling(tool, work, inputs(), readHelixAngle()));
}
