// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/common/libraryeditor.h"

#include "gui/common/screenfit.h"
#include "gui/common/userlocale.h"

#include <QBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

LibraryEditor::LibraryEditor(UserDialogs& dialogs, const QString& name, const QString& title,
                             QWidget* parent)
    : QDialog(parent)
    , dialogs_(dialogs)
    , decimalSeparator_(userDecimalSeparator()) {
    setObjectName(name);
    setWindowTitle(title);
    setModal(false);
}

void LibraryEditor::build() {
    createFields();
    entries_.emplace(list_, dialogs_);
    createButtons();
    // Enter in a field adds: it never overwrites an entry, and a repeated name is refused.
    add_->setDefault(true);
    layOut();
    fitToScreen(this, sizeHint());

    connect(list_, &QListWidget::currentRowChanged, this, [this](int line) {
        showEntry(line);
        updateButtons();
    });
    connect(add_, &QPushButton::clicked, this, &LibraryEditor::addEntry);
    connect(save_, &QPushButton::clicked, this, &LibraryEditor::saveEntry);
    connect(delete_, &QPushButton::clicked, this, &LibraryEditor::deleteEntry);
    connect(close_, &QPushButton::clicked, this, &QDialog::close);
    listEntries();
    name_->setFocus();
}

void LibraryEditor::updateButtons() {
    const bool selected = list_->currentRow() >= 0;
    save_->setEnabled(selected);
    delete_->setEnabled(selected);
}

QPushButton* LibraryEditor::button(const char* name, const QString& caption) {
    auto* result = new QPushButton(caption, this);
    result->setObjectName(QString::fromUtf8(name));
    return result;
}

void LibraryEditor::layOutPage(QLayout* top, std::initializer_list<QPushButton*> actions) {
    auto* buttons = new QHBoxLayout;
    for (QPushButton* action : actions) {
        buttons->addWidget(action);
    }
    buttons->addStretch(1);
    buttons->addWidget(close_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(buttons);
}
