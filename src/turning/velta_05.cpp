#include "turning/velta_05.h"

#include "calcframe/windowdefinitions.h"

VELTA_05::VELTA_05(CalcState& state, UserDialogs& dialogs, QWidget* parent)
    : CalcWindow(windowDefinition(5), state, dialogs, parent) {}

RowResults VELTA_05::compute(ToolMaterial tool, WorkMaterial work) {
    const TurningResult result =
        turning(tool, work, state().OperationKind, workpieceInputs(state()));
    Kmp = result.Kmp;
    ForceCoefficients = result.coefficients;
    return {result.Pz, result.Py, result.Px, result.M, result.N, result.n};
}
