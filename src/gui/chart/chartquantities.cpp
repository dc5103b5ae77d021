// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/chart/chartquantities.h"

#include "core/calc/numberformat.h"
#include "gui/common/userlocale.h"

QString fixed(double value, int decimals) {
    return QString::fromStdString(fixedText(value, decimals, userDecimalSeparator()));
}

QString symbol(Key key) {
    switch (key) {
    case Key::angle:
        return QStringLiteral("ω");
    case Key::passes:
        return QStringLiteral("i");
    default:
        return QString::fromStdString(std::string(keyNames[static_cast<std::size_t>(key)]));
    }
}
