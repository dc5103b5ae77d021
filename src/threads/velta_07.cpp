#include "threads/velta_07.h"

#include "calcframe/workpieceboxes.h"
#include "threads/threadcutting.h"

namespace {
WindowDefinition threadCuttingWindow() {
    WindowDefinition window;
    window.number = 7;
    window.caption = "НАРЕЗАНИЕ РЕЗЬБЫ";
    window.suffix = "7";
    window.layout = GridLayout::Turning;
    window.boxes =
        workpieceBoxes("7", {"Диаметр резьбы, мм", "ВЫ НЕ ЗАДАЛИ ДИАМЕТР РЕЗЬБЫ!!!",
                             "Шаг резьбы, мм/об", "ВЫ НЕ ЗАДАЛИ ХАРАКТЕРИСТИКУ МАТЕРИАЛА!!!"});
    // Passes matter to the thread cutter only; it is asked for when the cutter needs it.
    window.boxes.push_back({"P_TEXT7", "Label2", "Число проходов (резца)", &CalcState::PassCount});
    window.screenOrder = {"D_TEXT7", "T_TEXT7", "P_TEXT7", "S_TEXT7", "V_TEXT7"};
    window.rowLabelName = "Label4";
    window.threadHelpItems = true;
    window.missingInputFirst = true;
    window.choices = ChoiceGroup{
        "Frame5",
        "Обработка инструментом",
        {{{"REZ_TEXT7", "резцом"}, {"MET_TEXT7", "метчиком"}, {"PLA_TEXT7", "плашкой"}}},
        "ВЫ НЕ ВЫБРАЛИ ТИП ИНСТРУМЕНТА! ВЫБЕРИТЕ: 1 - РЕЗЕЦ, 2 - МЕТЧИК, 3 - ПЛАШКА "};
    return window;
}
} // namespace

VELTA_07::VELTA_07(CalcState& state, UserDialogs& dialogs, QWidget* parent)
    : CalcWindow(threadCuttingWindow(), state, dialogs, parent) {}

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
