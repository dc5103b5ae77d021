#include "calcframe/mnemonics.h"

#include <QAction>
#include <QMenu>
#include <QSet>

void assignMnemonics(QWidget* menu) {
    QSet<QChar> taken;
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
