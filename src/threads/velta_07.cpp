#include "threads/velta_07.h"

#include "calcframe/windowdefinitions.h"
#include "threads/threadcutting.h"

VELTA_07::VELTA_07(CalcState& state, UserDialogs& dialogs, QWidget* parent)
    : CalcWindow(windowDefinition(7), state, dialogs, parent) {}

bool VELTA_07::askFurtherQuestions() {
    // Only a thread cutter works in passes; the force divides by their number.
    return selectedChoice() != static_cast<int>(ThreadTool::Cutter) ||
           askValue("P_TEXT7", "ВЫ НЕ ЗАДАЛИ ЧИСЛО ПРОХОДОВ РЕЗЦА, ВВЕДИТЕ ЗНАЧЕНИЕ: ");
}

RowResults VELTA_07::compute(ToolMaterial tool, WorkMaterial work) {
    const auto kind = static_cast<ThreadTool>(*selectedChoice());
    state().OperationKind = static_cast<std::int16_t>(kind);
    const ThreadResult result =
        threadCutting(kind, tool, work, workpieceInputs(state()), state().PassCount);
    Kmp = result.Kmp;
    return {result.Pz, 0.0, 0.0, result.M, result.N, result.n};
}
