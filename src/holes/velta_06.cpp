#include "holes/velta_06.h"

#include "calcframe/workpieceboxes.h"

namespace {
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
} // namespace

VELTA_06::VELTA_06(CalcState& state, UserDialogs& dialogs, QWidget* parent)
    : CalcWindow(holeMakingWindow(), state, dialogs, parent) {}
