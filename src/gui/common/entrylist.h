// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/common/userdialogs.h"

#include <QListWidget>
#include <QSignalBlocker>
#include <optional>
#include <string>
#include <vector>

// The list of a library editor (the machines, the coefficient rows): the entries' names in the
// catalog's order, so that a line is the catalog's index, kept selected across the catalog's
// changes, and the add, save and delete that go through the catalog.
class EntryList {
public:
    EntryList(QListWidget* list, UserDialogs& dialogs)
        : list_(list)
        , dialogs_(dialogs) {}

    // Lists the names again without a signal: the same entry stays selected, or the one just
    // added or renamed.
    template <typename Entry> void show(const std::vector<Entry>& entries) {
        const QString keep = selecting_.isEmpty() && list_->currentItem()
                                 ? list_->currentItem()->text()
                                 : selecting_;
        const QSignalBlocker quiet(list_);
        list_->clear();
        int line = -1;
        for (const Entry& entry : entries) {
            const QString name = QString::fromStdString(entry.name);
            if (name == keep) {
                line = list_->count();
            }
            list_->addItem(name);
        }
        list_->setCurrentRow(line);
    }

    // Hands the entry the fields describe (none once a field was reported) to `store`, which says
    // why it refuses it; then `shown` is called with the line selected.
    template <typename Entry, typename Store, typename Shown>
    void store(const std::optional<Entry>& entry, Store store, Shown shown) {
        if (!entry) {
            return;
        }
        selecting_ = QString::fromStdString(entry->name);
        const std::string error = store(*entry);
        selecting_.clear();
        if (!refused(error)) {
            shown(list_->currentRow());
        }
    }

    // The catalog's index of the entry selected; none when none is.
    std::optional<std::size_t> selected() const {
        const int line = list_->currentRow();
        return line < 0 ? std::nullopt : std::optional(static_cast<std::size_t>(line));
    }

    // Deletes the selected entry through `remove(index)` once the user agrees to `question`
    // (given the entry's name); true once it is gone.
    template <typename Entries, typename Remove>
    bool remove(const Entries& entries, const QString& question, Remove remove) {
        const std::optional<std::size_t> index = selected();
        if (!index) {
            return false;
        }
        const QString name = QString::fromStdString(entries.at(*index).name);
        return dialogs_.confirm(question.arg(name)) && !refused(remove(*index));
    }

    // Shows a refusal; false when there was none.
    bool refused(const std::string& error) {
        if (error.empty()) {
            return false;
        }
        dialogs_.message(QString::fromStdString(error));
        return true;
    }

private:
    QListWidget* list_;
    UserDialogs& dialogs_;
    QString selecting_; // the entry selected when the catalog changes under an add or a save
};
