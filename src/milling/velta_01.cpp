#include "milling/velta_01.h"

#include "calcframe/windowdefinitions.h"
#include "milling/facemilling.h"

VELTA_01::VELTA_01(CalcState& state, UserDialogs& dialogs, QWidget* parent)
    : MillingWindow(windowDefinition(1), state, dialogs, parent) {}

RowResults VELTA_01::compute(ToolMaterial tool, WorkMaterial work) {
    return keep(faceMilling(tool, work, inputs()));
}
