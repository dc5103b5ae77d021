#include "holes/velta_06.h"

#include "calcframe/windowdefinitions.h"

VELTA_06::VELTA_06(CalcState& state, UserDialogs& dialogs, QWidget* parent)
    : CalcWindow(windowDefinition(6), state, dialogs, parent) {}

void VELTA_06::deriveInputs() {
    // A drill cuts half its diameter; the depth box is ignored but keeps its text.
    setValue("T_TEXT6", holeDepth(state().OperationKind, workpieceInputs(state())));
}

RowResults VELTA_06::compute(ToolMaterial tool, WorkMaterial work) {
    const HoleResult result =
        holeMaking(tool, work, state().OperationKind, workpieceInputs(state()));
    Kmp = result.Kmp;
    ForceCoefficients = result.coefficients;
    RowResults row{result.P0, 0.0, 0.0, result.M, result.N, result.n};
    if (!result.coefficients) {
        row.notice = "НЕТ ДАННЫХ ДЛЯ РАСЧЁТА УСИЛИЙ ПРИ РАЗВЁРТЫВАНИИ ЭТИМ ИНСТРУМЕНТОМ!!!";
    }
    return row;
}
