// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/common/entrylist.h"

#include <QDialog>
#include <initializer_list>
#include <optional>

class QLayout;
class QLineEdit;
class QListWidget;
class QPushButton;
class UserDialogs;

// The frame of a library editor (the machines, the coefficient rows): the list of the entries
// beside the fields of the one selected, "ДОБАВИТЬ" and "СОХРАНИТЬ" (this one and "УДАЛИТЬ" only
// while an entry is selected) and "ЗАКРЫТЬ". Numbers are shown in the user's format, a comma on a
// Russian desktop; either is read back. An editor makes its own fields and buttons and says how
// its catalog lists, shows, adds, saves and deletes an entry.
class LibraryEditor : public QDialog {
    Q_OBJECT
protected:
    LibraryEditor(UserDialogs& dialogs, const QString& name, const QString& title, QWidget* parent);

    // Makes the window once the editor's own members exist, and lists the entries.
    void build();

    // Makes list_ and name_ among the editor's fields, in the order Tab walks them.
    virtual void createFields() = 0;
    // Makes add_, save_, delete_ and close_ among the editor's buttons.
    virtual void createButtons() = 0;
    virtual void layOut() = 0;
    // Lists the catalog's entries again, the fields left as they are.
    virtual void listEntries() = 0;
    // The entry of the list's line in the fields; an empty one for no line.
    virtual void showEntry(int line) = 0;
    virtual void addEntry() = 0;
    virtual void saveEntry() = 0;
    virtual void deleteEntry() = 0;

    void updateButtons();
    QPushButton* button(const char* name, const QString& caption);
    // The page: `top` (the list and the fields) above a line of `actions`, then "ЗАКРЫТЬ" on
    // the right.
    void layOutPage(QLayout* top, std::initializer_list<QPushButton*> actions);

    UserDialogs& dialogs_;
    const char decimalSeparator_;
    std::optional<EntryList> entries_; // the list's lines, once the list is made
    QListWidget* list_ = nullptr;
    QLineEdit* name_ = nullptr;
    QPushButton* add_ = nullptr;
    QPushButton* save_ = nullptr;
    QPushButton* delete_ = nullptr;
    QPushButton* close_ = nullptr;
};
