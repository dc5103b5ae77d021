// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/common/mnemonics.h"

#include <QAction>
#include <QMenu>
#include <QSet>

void assignMnemonics(QWidget* menu, const QSet<QChar>& reserved) {
    QSet<QChar> taken = reserved;
    for (QAction* action : menu->actions()) {
        QString caption = action->text();
        if (caption.contains(QLatin1Char('&'))) {
            continue;
        }
        for (qsizetype i = 0; i < caption.size(); ++i) {
            const QChar letter = caption[i].toUpper();
            if (caption[i].isLetter() && !taken.contains(letter)) {
                taken.insert(letter);
                caption.insert(i, QLatin1Char('&'));
                action->setText(caption);
                break;
            }
        }
        if (QMenu* submenu = action->menu()) {
            assignMnemonics(submenu);
        }
    }
}

QSet<QChar> mnemonicsOf(const QWidget* menu) {
    QSet<QChar> letters;
    for (const QAction* action : menu->actions()) {
        const QString caption = action->text();
        const qsizetype mark = caption.indexOf(QLatin1Char('&'));
        if (mark >= 0 && mark + 1 < caption.size()) {
            letters.insert(caption[mark + 1].toUpper());
        }
    }
    return letters;
}
