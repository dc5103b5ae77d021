#include "calcframe/windowdefinitions.h"

#include "calcframe/workpieceboxes.h"
#include "milling/millingboxes.h"

#include <stdexcept>

namespace {

WindowDefinition faceMillingWindow() {
    WindowDefinition window;
    window.number = 1;
    window.caption = "ФРЕЗЕРОВАНИЕ ТОРЦОВЫМИ ФРЕЗАМИ";
    window.boxes = millingBoxes("", EmptyBoxes::Report);
    window.stubItem = "DATA0";
    return window;
}

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

WindowDefinition endMillingWindow() {
    WindowDefinition window;
    window.number = 3;
    window.caption = "ФРЕЗЕРОВАНИЕ КОНЦЕВЫМИ ФРЕЗАМИ";
    window.suffix = "1";
    window.boxes = millingBoxes("1", EmptyBoxes::Report);
    window.boxes.push_back(helixAngleBox("1"));
    window.stubItem = "VELTA_K";
    window.choices =
        ChoiceGroup{"Frame5",
                    "Схема фрезерования",
                    {{{"SHT_TEXT", "как торцовое"}, {"SHC_TEXT", "как цилиндрическое"}}},
                    "ВЫ НЕ ВЫБРАЛИ СХЕМУ ФРЕЗЕРОВАНИЯ! ВЫБЕРИТЕ: 1 - СХЕМА ТОРЦ. "
                    "ФРЕЗЕРОВАНИЯ, 2 - СХЕМА ЦИЛ. ФРЕЗЕРОВАНИЯ "};
    window.toolTexts = {"Б/Р", "ТC", "МK"};
    return window;
}

WindowDefinition discMillingWindow() {
    WindowDefinition window;
    window.number = 4;
    window.caption = "ФРЕЗЕРОВАНИЕ ДИСКОВЫМИ ФРЕЗАМИ";
    window.suffix = "4";
    window.boxes = millingBoxes("4", EmptyBoxes::Ask);
    window.boxes.push_back(helixAngleBox("4"));
    window.screenOrder = {"D_TEXT4", "Z_TEXT4", "B_TEXT4", "T_TEXT4",
                          "A_TEXT4", "S_TEXT4", "V_TEXT4"};
    window.toolTexts = {"Б/Р", "ТC", "МK"};
    return window;
}

WindowDefinition turningWindow() {
    WindowDefinition window;
    window.number = 5;
    window.caption = "ТОКАРНАЯ ОБРАБОТКА";
    window.suffix = "5";
    window.layout = GridLayout::Turning;
    window.boxes =
        workpieceBoxes("5", {"Диаметр заготовки, мм", "ВЫ НЕ ЗАДАЛИ ДИАМЕТР ОБРАБОТКИ!!!",
                             "Подача, мм/об", "ВЫ НЕ ЗАДАЛИ ХАРАКТЕРИСТИКУ МАТЕРИАЛА!!!"});
    window.rowLabelName = "Label2";
    window.stubItem = "VELTA0";
    window.stubCaption = "СКОРОСТЬ";
    // A lathe operator reads the torque in whole newton-metres and the speed to 0.01 rev/min.
    window.patterns = {0, 2};
    return window;
}

WindowDefinition holeMakingWindow() {
    WindowDefinition window;
    window.number = 6;
    window.caption = "СВЕРЛЕНИЕ, РАССВЕРЛИВАНИЕ, ЗЕНКЕРОВАНИЕ, РАЗВЁРТЫВАНИЕ";
    window.suffix = "6";
    window.layout = GridLayout::Turning;
    window.boxes = workpieceBoxes(
        "6", {"Диаметр обработки, мм", "ВЫ НЕ ЗАДАЛИ ДИАМЕТР ОБРАБОТКИ!!!", "Подача, мм/об",
              "ВЫ НЕ ЗАДАЛИ ХАРАКТЕРИСТИКУ МАТЕРИАЛА, ВВЕДИТЕ ЗНАЧЕНИЕ!!!"});
    window.rowLabelName = "Label2";
    return window;
}

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
    window.boxes.push_back({"P_TEXT7", "Label2", "Число проходов (резца)", &CalcState::PassCount, 0,
                            "ВЫ НЕ ЗАДАЛИ ЧИСЛО ПРОХОДОВ РЕЗЦА!!!"});
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

WindowDefinition windowDefinition(int number) {
    switch (number) {
    case 1:
        return faceMillingWindow();
    case 2:
        return cylindricalMillingWindow();
    case 3:
        return endMillingWindow();
    case 4:
        return discMillingWindow();
    case 5:
        return turningWindow();
    case 6:
        return holeMakingWindow();
    case 7:
        return threadCuttingWindow();
    }
    throw std::out_of_range("no calculation window " + std::to_string(number));
}

RowValues rowValues(const WindowDefinition& window, const CalcState& state, int row,
                    ToolMaterial tool, WorkMaterial work, const RowResults& results) {
    RowValues values;
    values.row = row;
    values.tool = window.toolTexts[index(tool)];
    values.work = workMaterialTexts[index(work)];
    values.feed = state.Feed;
    values.speed = state.CutSpeed;
    values.depth = state.CutDepth;
    values.diameter =
        window.layout == GridLayout::Milling ? state.CutterDiameter : state.WorkDiameter;
    values.width = state.CutWidth;
    values.teeth = state.TeethCount;
    values.results = results;
    return values;
}
