// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/calc/calcstate.h"
#include "core/operations/registry.h"

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <memory>

class CalcWindow;
class FILE_0;
class MachineCatalog;
class SpeedCatalog;
class SpeedLibraryWindow;
class ReferenceWindow;
class STANKI;
class TITUL_;
enum class Reference;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class UserDialogs;
class WorkingReport;
struct OperationItem;

// The main window "Расчёт режимов резания": a picture of machining behind the calculation
// windows that its operation menu opens.
class VELTA_00 : public QMainWindow {
    Q_OBJECT
public:
    explicit VELTA_00(UserDialogs& dialogs, QWidget* parent = nullptr);
    ~VELTA_00() override;

    CalcState& state() { return state_; }
    // The user's machines, read at start from their library file.
    MachineCatalog& machines() { return *machines_; }
    // The user's coefficient rows of cutting speed, read at start from their library file.
    SpeedCatalog& speeds() { return *speeds_; }
    // A loaded calculation window, VELTA_01 to VELTA_07 by number; nullptr when not loaded.
    CalcWindow* calcWindow(int number) const;
    // The save dialog while it is open; nullptr otherwise.
    FILE_0* saveDialog() const;
    // The reference windows and the about box while they are open; nullptr otherwise.
    ReferenceWindow* referenceWindow(Reference which) const;
    TITUL_* aboutBox() const;

private:
    void createMenus();
    void EXIT_00_Click();
    void openOperation(const OperationItem& item);
    CalcWindow* loadWindow(int number);
    void showSaveDialog(std::shared_ptr<WorkingReport> report);
    void showReference(Reference which);
    void showAbout();
    void showMachines();
    void showSpeeds();
    QMdiSubWindow* addToArea(QMainWindow* window);
    void subWindowActivated(QMdiSubWindow* active);
    void bringForward(QWidget* window);

    CalcState state_;
    UserDialogs& dialogs_;
    MachineCatalog* machines_ = nullptr;
    SpeedCatalog* speeds_ = nullptr;
    QMdiArea* area_ = nullptr;
    std::array<QPointer<CalcWindow>, windowCount> windows_; // by window number
    QPointer<FILE_0> saveDialog_;
    std::array<QPointer<ReferenceWindow>, 2> references_;
    QPointer<TITUL_> aboutBox_;
    QPointer<STANKI> machinesDialog_;
    QPointer<SpeedLibraryWindow> speedsDialog_;
};
