#include "calcframe/workpieceboxes.h"

std::vector<NumericBox> workpieceBoxes(const std::string& suffix, const WorkpieceBoxTexts& texts) {
    return {
        {"D_TEXT" + suffix, "Label1", texts.diameterLabel, &CalcState::WorkDiameter, 10,
         texts.diameterMessage},
        {"T_TEXT" + suffix, "Label3", "Глубина резания, мм", &CalcState::CutDepth, 20,
         "ВЫ НЕ ЗАДАЛИ ГЛУБИНУ РЕЗАНИЯ!!!"},
        {"H_TEXT" + suffix, "Label5", "Предел прочности (МПа)/ твёрдость (HB)",
         &CalcState::MaterialStrength, 30, texts.strengthMessage},
        {"S_TEXT" + suffix, "Label6", texts.feedLabel, &CalcState::Feed, 40,
         "ВЫ НЕ ЗАДАЛИ ПОДАЧУ!!!"},
        {"V_TEXT" + suffix, "Label7", "Скорость резания, м/мин", &CalcState::CutSpeed, 50,
         "ВЫ НЕ ЗАДАЛИ СКОРОСТЬ РЕЗАНИЯ!!!"},
    };
}
