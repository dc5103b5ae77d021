// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/calc/workpieceboxes.h"

std::vector<NumericBox> workpieceBoxes(const std::string& suffix, const WorkpieceBoxTexts& texts) {
    return {
        {"D_TEXT" + suffix, Key::D, "Label1", texts.diameterLabel, &CalcState::WorkDiameter, 10,
         texts.diameterMessage},
        {"T_TEXT" + suffix, Key::t, "Label3", "Глубина резания, мм", &CalcState::CutDepth, 20,
         "ВЫ НЕ ЗАДАЛИ ГЛУБИНУ РЕЗАНИЯ!!!"},
        {"H_TEXT" + suffix, Key::H, "Label5", "Предел прочности (МПа)/ твёрдость (HB)",
         &CalcState::MaterialStrength, 30, texts.strengthMessage},
        {"S_TEXT" + suffix, Key::s, "Label6", texts.feedLabel, &CalcState::Feed, 40,
         "ВЫ НЕ ЗАДАЛИ ПОДАЧУ!!!"},
        {"V_TEXT" + suffix, Key::v, "Label7", "Скорость резания, м/мин", &CalcState::CutSpeed, 50,
         "ВЫ НЕ ЗАДАЛИ СКОРОСТЬ РЕЗАНИЯ!!!"},
    };
}
