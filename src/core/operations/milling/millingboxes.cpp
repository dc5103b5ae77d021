// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/operations/milling/millingboxes.h"

namespace {

struct MillingBox {
    const char* name;
    Key key;
    const char* labelName;
    const char* label;
    double CalcState::*field;
    const char* message;
    const char* prompt;
};

const std::array<MillingBox, 7> boxes{{
    {"D_TEXT", Key::D, "Label1", "Диаметр фрезы, мм", &CalcState::CutterDiameter,
     "ВЫ НЕ ЗАДАЛИ ДИАМЕТР ФРЕЗЫ!!!", "ВЫ НЕ ЗАДАЛИ ДИАМЕТР ФРЕЗЫ, ВВЕДИТЕ ЗНАЧЕНИЕ: "},
    {"Z_TEXT", Key::z, "Label2", "Число зубьев фрезы", &CalcState::TeethCount,
     "ВЫ НЕ ЗАДАЛИ ЧИСЛО ЗУБЬЕВ ФРЕЗЫ!!!", "ВЫ НЕ ЗАДАЛИ ЧИСЛО ЗУБЬЕВ ФРЕЗЫ, ВВЕДИТЕ ЗНАЧЕНИЕ: "},
    {"B_TEXT", Key::B, "Label4", "Ширина фрезерования, мм", &CalcState::CutWidth,
     "ВЫ НЕ ЗАДАЛИ ШИРИНУ ФРЕЗЕРОВАНИЯ!!!", "ВЫ НЕ ЗАДАЛИ ШИРИНУ ФРЕЗЕРОВАНИЯ, ВВЕДИТЕ ЗНАЧЕНИЕ: "},
    {"T_TEXT", Key::t, "Label3", "Глубина резания, мм", &CalcState::CutDepth,
     "ВЫ НЕ ЗАДАЛИ ГЛУБИНУ ФРЕЗЕРОВАНИЯ!!!",
     "ВЫ НЕ ЗАДАЛИ ГЛУБИНУ ФРЕЗЕРОВАНИЯ, ВВЕДИТЕ ЗНАЧЕНИЕ: "},
    {"H_TEXT", Key::H, "Label5", "Предел прочности (МПа)/ твёрдость (HB)",
     &CalcState::MaterialStrength, "ВЫ НЕ ЗАДАЛИ ХАРАКТЕРИСТИКУ МАТЕРИАЛА!!!",
     "ВЫ НЕ ЗАДАЛИ ХАРАКТЕРИСТИКУ МАТЕРИАЛА, ВВЕДИТЕ ЗНАЧЕНИЕ: "},
    {"S_TEXT", Key::s, "Label6", "Подача, мм/зуб", &CalcState::Feed, "ВЫ НЕ ЗАДАЛИ ПОДАЧУ!!!",
     "ВЫ НЕ ЗАДАЛИ ПОДАЧУ, ВВЕДИТЕ ЗНАЧЕНИЕ: "},
    {"V_TEXT", Key::v, "Label7", "Скорость резания, м/мин", &CalcState::CutSpeed,
     "ВЫ НЕ ЗАДАЛИ СКОРОСТЬ РЕЗАНИЯ!!!", "ВЫ НЕ ЗАДАЛИ СКОРОСТЬ РЕЗАНИЯ, ВВЕДИТЕ ЗНАЧЕНИЕ: "},
}};

} // namespace

std::vector<NumericBox> millingBoxes(const std::string& suffix, EmptyBoxes empty,
                                     std::optional<int> angleCode) {
    std::vector<NumericBox> result;
    int code = 10;
    for (const MillingBox& row : boxes) {
        NumericBox box{row.name + suffix, row.key, row.labelName, row.label, row.field};
        box.missingMessage = row.message;
        if (empty == EmptyBoxes::Report) {
            box.missingCode = code;
        } else {
            box.askPrompt = row.prompt;
        }
        result.push_back(box);
        code += 10;
    }
    if (angleCode) {
        result.push_back({"A_TEXT" + suffix, Key::angle, "Label8", "Угол наклона зубьев"});
        NumericBox& angle = result.back();
        if (*angleCode != 0) {
            angle.missingCode = *angleCode;
            angle.missingMessage = "ВЫ НЕ ЗАДАЛИ УГОЛ НАКЛОНА ЗУБЬЕВ ФРЕЗЫ!!!";
        }
    }
    return result;
}
