// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSettings>

// The user's settings, $XDG_CONFIG_HOME/rezhim/rezhim.conf beside the machine library: the main
// window's placement, the folder of the last export and the kept cutter.
inline QSettings userSettings() {
    return QSettings(QStringLiteral("rezhim"), QStringLiteral("rezhim"));
}
