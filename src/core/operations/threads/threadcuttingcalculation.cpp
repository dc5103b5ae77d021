// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/operations/threads/threadcuttingcalculation.h"

#include "core/calc/workpieceboxes.h"
#include "core/operations/threads/threadcutting.h"

namespace {

// Only a thread cutter works in passes; its force divides by their number.
constexpr FollowUpQuestion passesQuestion{Key::passes, static_cast<int>(ThreadTool::Cutter),
                                          "ВЫ НЕ ЗАДАЛИ ЧИСЛО ПРОХОДОВ РЕЗЦА, ВВЕДИТЕ ЗНАЧЕНИЕ: "};

} // namespace

Calculation threadCuttingCalculation() {
    std::vector<NumericBox> boxes =
        workpieceBoxes("7", {"Диаметр резьбы, мм", "ВЫ НЕ ЗАДАЛИ ДИАМЕТР РЕЗЬБЫ!!!",
                             "Шаг резьбы, мм/об", "ВЫ НЕ ЗАДАЛИ ХАРАКТЕРИСТИКУ МАТЕРИАЛА!!!"});
    boxes.push_back({"P_TEXT7", Key::passes, "Label2", "Число проходов (резца)",
                     &CalcState::PassCount, 0, "ВЫ НЕ ЗАДАЛИ ЧИСЛО ПРОХОДОВ РЕЗЦА!!!"});
    return {
        .window = {.number = 7,
                   .caption = "НАРЕЗАНИЕ РЕЗЬБЫ",
                   .suffix = "7",
                   .layout = GridLayout::Turning,
                   .boxes = std::move(boxes),
                   .screenOrder = {"D_TEXT7", "T_TEXT7", "P_TEXT7", "S_TEXT7", "V_TEXT7"},
                   .rowLabelName = "Label4",
                   .stubItem = "VELTA7",
                   .stubCaption = "СКОРОСТЬ",
                   .threadHelpItems = true,
                   .choices = ChoiceGroup{"Frame5",
                                          "Обработка инструментом",
                                          {{{"REZ_TEXT7", "резцом"},
                                            {"MET_TEXT7", "метчиком"},
                                            {"PLA_TEXT7", "плашкой"}}},
                                          "ВЫ НЕ ВЫБРАЛИ ТИП ИНСТРУМЕНТА! ВЫБЕРИТЕ: 1 - РЕЗЕЦ, 2 "
                                          "- МЕТЧИК, 3 - ПЛАШКА "},
                   .missingInputFirst = true},
        .followUp = &passesQuestion,
        .choiceIsOperationKind = true,
        .compute =
            [](const CalcInputs& in) {
                const ThreadResult r = threadCutting(static_cast<ThreadTool>(in.kind), in.tool,
                                                     in.work, workpieceInputs(in), in[Key::passes]);
                return Computed{{r.Pz, 0.0, 0.0, r.M, r.N, r.n}, r.Kmp, {}};
            },
        .feedForce = std::nullopt,
        .feedIsChosen = false};
}
