// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/calc/fieldrange.h"

std::string fieldRangeError(const std::optional<double>& value, const FieldRange& range,
                            std::string_view whose) {
    if (!value || (*value >= range.low && *value <= range.high)) {
        return {};
    }
    return "ЗНАЧЕНИЕ В ПОЛЕ «" + std::string(range.field) + "» ВНЕ ПРЕДЕЛОВ РЕАЛЬНОГО " +
           std::string(whose) + ": " + std::string(range.text) + "!!!";
}
