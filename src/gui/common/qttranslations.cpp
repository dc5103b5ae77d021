// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/common/qttranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

void installQtTranslations(QCoreApplication& application) {
    auto* translator = new QTranslator(&application);
    // qtbase_ru.qm for a Russian user; a language Qt has no translation for keeps Qt's English.
    if (translator->load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(translator);
    } else {
        delete translator;
    }
}
