// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/calc/calcstate.h"

#include <QDialog>
#include <memory>

class QComboBox;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class UserDialogs;
class WorkingReport;

// "ФАЙЛ": where the report written to the working file goes. The user picks a volume, a folder
// and a name; "СОХРАНИТЬ" moves the report there, asking before it replaces a file.
class FILE_0 : public QDialog {
    Q_OBJECT
public:
    FILE_0(CalcState& state, UserDialogs& dialogs, QWidget* parent = nullptr);

    // The report that "СОХРАНИТЬ" moves. It replaces the one before, whose working file goes, as
    // the dialog's own goes when the dialog does.
    void setReport(std::shared_ptr<WorkingReport> report);

    // The folder shown, as the user would reach it through the volume and folder lists.
    void setFolder(const QString& folder);

private:
    void createControls();
    void layOut();
    void connectControls();
    void Drive1_Change();
    void Dir1_Change(const QString& folder);
    void File1_Click(QListWidgetItem* item);
    void Command1_Click();

    void listFolders();
    void listFiles();

    CalcState& state_;
    UserDialogs& dialogs_;
    QComboBox* drives_ = nullptr;
    QListWidget* folders_ = nullptr;
    QListWidget* files_ = nullptr;
    QLineEdit* name_ = nullptr;
    QPushButton* save_ = nullptr;
    QPushButton* cancel_ = nullptr;
    std::shared_ptr<WorkingReport> report_;
};
