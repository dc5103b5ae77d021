// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/speed/speedrow.h"
#include "gui/common/libraryeditor.h"

#include <array>
#include <optional>

class QComboBox;
class QLineEdit;
class QPushButton;
class SpeedCatalog;
class UserDialogs;

// "Коэффициенты скорости": the user's coefficient rows of cutting speed, listed beside the fields
// of the row selected. "ДОБАВИТЬ" takes the fields as a new row, "СОХРАНИТЬ" puts them in place
// of the selected one, "УДАЛИТЬ" removes it after a question; "ИМПОРТ CSV" brings a spreadsheet's
// table in at once and says which of its rows it left out, "ЭКСПОРТ CSV" writes the library as
// one. Every change goes through the catalog, which refuses bad data naming the row and the field.
class SpeedLibraryWindow : public LibraryEditor {
    Q_OBJECT
public:
    SpeedLibraryWindow(SpeedCatalog& catalog, UserDialogs& dialogs, QWidget* parent = nullptr);

private:
    void createFields() override;
    void createButtons() override;
    void layOut() override;
    void listEntries() override;
    void showEntry(int line) override;
    void addEntry() override;
    void saveEntry() override;
    void deleteEntry() override;
    void importRows();
    void exportRows();
    // The row the fields describe, or nothing once a field that is not a number is reported.
    std::optional<SpeedRow> typedRow();

    SpeedCatalog& catalog_;
    QComboBox* tool_ = nullptr;
    QComboBox* work_ = nullptr;
    QListWidget* operations_ = nullptr; // the registry's operations, checked where the row serves
    QLineEdit* source_ = nullptr;
    std::array<QLineEdit*, speedFieldCount> numbers_{};
    QPushButton* import_ = nullptr;
    QPushButton* export_ = nullptr;
};
