// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/common/menubartips.h"

#include <QAction>
#include <QHelpEvent>
#include <QMenuBar>
#include <QToolTip>

namespace {

class ItemTips : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::ToolTip) {
            return false;
        }
        auto* bar = static_cast<QMenuBar*>(watched);
        const auto* help = static_cast<const QHelpEvent*>(event);
        QAction* item = bar->actionAt(help->pos());
        // An item without a tip of its own has its caption for one.
        if (!item || item->toolTip() == QString(item->text()).remove('&')) {
            QToolTip::hideText();
            return false;
        }
        QToolTip::showText(help->globalPos(), item->toolTip(), bar, bar->actionGeometry(item));
        return true;
    }
};

} // namespace

void showItemTips(QMenuBar* bar) {
    bar->installEventFilter(new ItemTips(bar));
}
