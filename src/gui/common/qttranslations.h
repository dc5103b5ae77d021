// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QCoreApplication;

// Qt's own texts (the standard buttons, the input box's "Отмена") in the user's language, from
// the translations Qt ships (Debian's qt6-translations-l10n). The program's own texts are Russian
// in any case; without this, Qt's would stay English on a Russian desktop.
void installQtTranslations(QCoreApplication& application);
