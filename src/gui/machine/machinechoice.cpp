// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/machine/machinechoice.h"

#include "gui/machine/machinecatalog.h"

namespace {
const QString noMachine = QStringLiteral("(станок не выбран)");
}

MachineChoice::MachineChoice(QWidget* parent)
    : QComboBox(parent) {
    addItem(noMachine);
}

void MachineChoice::follow(MachineCatalog& catalog) {
    catalog_ = &catalog;
    connect(catalog_, &MachineCatalog::changed, this, &MachineChoice::refill);
    refill();
}

const Machine* MachineChoice::machine() const {
    if (!catalog_ || currentIndex() <= 0) {
        return nullptr;
    }
    return catalog_->find(currentText().toStdString());
}

void MachineChoice::refill() {
    // The chosen machine stays chosen while it is in the library, edited or not.
    const QString chosen = currentText();
    QSignalBlocker quiet(this);
    clear();
    addItem(noMachine);
    for (const Machine& machine : catalog_->machines()) {
        addItem(QString::fromStdString(machine.name));
    }
    setCurrentIndex(std::max(findText(chosen), 0));
    quiet.unblock();
    emit currentIndexChanged(currentIndex());
}
