// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/machine/machine.h"
#include "gui/common/libraryeditor.h"

#include <optional>
#include <string>
#include <string_view>

class MachineCatalog;
class QComboBox;
class QLineEdit;
class QPushButton;
class UserDialogs;

// "Станки": the user's machine library, listed beside the passport data of the machine selected.
// "ДОБАВИТЬ" takes the fields as a new machine, "СОХРАНИТЬ" puts them in place of the selected
// one, "УДАЛИТЬ" removes it after a question; every change is written to the library file by the
// catalog, which refuses bad data with a message naming the field.
class STANKI : public LibraryEditor {
    Q_OBJECT
public:
    STANKI(MachineCatalog& catalog, UserDialogs& dialogs, QWidget* parent = nullptr);

private:
    void createFields() override;
    void createButtons() override;
    void layOut() override;
    void listEntries() override;
    void showEntry(int line) override;
    void addEntry() override;
    void saveEntry() override;
    void deleteEntry() override;
    void showRangeOfList();
    void generateSpeeds();
    void generateFeeds();
    // The numbers of the series `ratio` names from `low` to `high` into `list`, or `noneMessage`
    // said when none lies between them.
    void fillSeries(QLineEdit* list, const QComboBox* ratio, double low, double high,
                    const QString& noneMessage);

    // The machine the fields describe, or nothing once a field that is not a number is reported.
    std::optional<Machine> typedMachine();
    // The passport's list into `machine.speeds`, or else the stepless range; false once a speed
    // that is not a number has been reported.
    bool readSpeeds(Machine& machine);
    // The passport's feeds and their unit; false once a feed that is not a number is reported.
    bool readFeeds(Machine& machine);
    // Reads a ";" list of numbers, sorted; false once an item that is not a number is reported.
    bool readList(QLineEdit* edit, std::string_view field, std::vector<double>& values);
    // Reads a field's number into `value`, none for an empty field; false once text that is not a
    // number has been reported.
    bool readNumber(QLineEdit* edit, std::string_view field, std::optional<double>& value);
    // Shows a refusal; false when there was none.
    bool refused(const std::string& error);

    MachineCatalog& catalog_;
    QLineEdit* power_ = nullptr;
    QLineEdit* efficiency_ = nullptr;
    QLineEdit* speeds_ = nullptr;
    QLineEdit* speedMin_ = nullptr;
    QLineEdit* speedMax_ = nullptr;
    QLineEdit* torque_ = nullptr;
    QLineEdit* force_ = nullptr;
    QComboBox* ratio_ = nullptr;
    QPushButton* generate_ = nullptr;
    QLineEdit* feeds_ = nullptr;
    QComboBox* feedUnit_ = nullptr;
    // The ends a series of feeds is filled between, and its ratio.
    QLineEdit* feedMin_ = nullptr;
    QLineEdit* feedMax_ = nullptr;
    QComboBox* feedRatio_ = nullptr;
    QPushButton* generateFeeds_ = nullptr;
};
