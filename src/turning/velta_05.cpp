#include "turning/velta_05.h"

#include "calcframe/workpieceboxes.h"

namespace {
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
} // namespace

VELTA_05::VELTA_05(CalcState& state, UserDialogs& dialogs, QWidget* parent)
    : CalcWindow(turningWindow(), state, dialogs, parent) {}

RowResults VELTA_05::compute(ToolMaterial tool, WorkMaterial work) {
    const TurningResult result =
        turning(tool, work, state().OperationKind, workpieceInputs(state()));
    Kmp = result.Kmp;
    ForceCoefficients = result.coefficients;
    return {result.Pz, result.Py, result.Px, result.M, result.N, result.n};
}
