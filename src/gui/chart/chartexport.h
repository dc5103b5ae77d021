// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QChartView;
class UserDialogs;

// What `view` shows saved as a "PNG" picture or an "SVG" drawing titled `title`, to the file the
// user chooses.
void saveChartView(QChartView* view, const QString& type, const QString& title,
                   UserDialogs& dialogs);
