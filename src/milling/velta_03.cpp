#include "milling/velta_03.h"

#include "calcframe/windowdefinitions.h"
#include "milling/endmilling.h"

VELTA_03::VELTA_03(CalcState& state, UserDialogs& dialogs, QWidget* parent)
    : MillingWindow(windowDefinition(3), state, dialogs, parent) {}

RowResults VELTA_03::compute(ToolMaterial tool, WorkMaterial work) {
    return keep(endMilling(tool, work, static_cast<EndMillingScheme>(*selectedChoice()), inputs(),
                           readHelixAngle()));
}
