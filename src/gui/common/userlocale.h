// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>

// The decimal separator of the user's locale, a comma on a Russian desktop: the one the windows
// show numbers with (they read either). A point where the locale's is not a single ASCII sign.
inline char userDecimalSeparator() {
    const QString point = QLocale().decimalPoint();
    return point.size() == 1 && point[0].unicode() < 128 ? static_cast<char>(point[0].unicode())
                                                         : '.';
}
