#pragma once

#include "calcframe/windowdefinition.h"

#include <QMainWindow>
#include <optional>
#include <string>
#include <vector>

class QAbstractButton;
class QButtonGroup;
class QLabel;
class QLineEdit;
class ResultsGrid;
class UserDialogs;

// The reference windows a calculation window's "СПРАВКА" opens.
enum class Reference { WorkMaterials, MetricThreads };

// The frame shared by the seven calculation windows: material and tool options, the numeric
// boxes, the row-number box, the results grid and the menu, and the common part of "РАСЧЁТ"
// (reading, missing-input check, questions, refusals, writing the row, row bookkeeping).
class CalcWindow : public QMainWindow {
    Q_OBJECT
public:
    CalcWindow(WindowDefinition definition, CalcState& state, UserDialogs& dialogs,
               QWidget* parent = nullptr);

    const WindowDefinition& definition() const { return definition_; }
    ResultsGrid* grid() const { return grid_; }
    int RowCount() const { return rowCount_; }
    int ErrorCode() const { return errorCode_; }

    // The row-number box, set by the main menu when it opens the window.
    void setRowNumberText(const QString& text);

public slots:
    // "РАСЧЁТ" of every window.
    void MAKE_Click();
    // "СОХРАНИТЬ": the report of the grid into the working file in the current folder.
    void SAVE_Click();

signals:
    // The working file now holds these report bytes; the save dialog takes it from here.
    void reportWritten(const QString& workingFile, const QByteArray& bytes);
    // "СПРАВКА" asks for a reference window.
    void referenceRequested(Reference which);

protected:
    // The window's own formulas for the selected tool and work material, on the values just read
    // into CalcState (and value() for a box without a field); the frame keeps the results in
    // CalcState and writes them into the grid. Without formulas of its own a window writes the
    // echoed inputs and materials only.
    virtual RowResults compute(ToolMaterial tool, WorkMaterial work);

    // After the boxes are read, before anything is checked: a window may derive a value from the
    // others (a drill's depth of cut is half its diameter).
    virtual void deriveInputs() {}
    // After the material questions and the window's further choice: questions of the window's
    // own. False when the user cancelled one.
    virtual bool askFurtherQuestions() { return true; }

    CalcState& state() const { return state_; }
    // The value last read from a box, by its object name.
    double value(const std::string& boxName) const;
    // Replaces the value read from a box, as if it had been typed, without touching the box.
    void setValue(const std::string& boxName, double value);
    // Asks for a box's value until a non-zero number is given and writes it into the box; false
    // when the user cancels.
    bool askValue(const std::string& boxName, const char* prompt);
    // The code of the selected option of the window's further choice.
    std::optional<int> selectedChoice() const;

private:
    void buildControls();
    void buildMenu();
    void setTabOrder();
    void workMaterialSelected(WorkMaterial work);
    void EXIT_Click();

    void readBoxes();
    std::size_t boxIndex(const std::string& name) const;
    void storeValue(std::size_t box, double value);
    bool askForEmptyValues();
    bool askMaterials();
    std::optional<int> askCode(const char* prompt, int highest);
    bool refuseMissingInput();
    bool refuseNegativeInput();
    void writeRow(int row, ToolMaterial tool, WorkMaterial work, const RowResults& results);

    std::vector<std::string> screenOrder() const;
    QLineEdit* strengthBox() const;
    QLineEdit* box(const std::string& name) const;
    std::optional<WorkMaterial> selectedWorkMaterial() const;
    std::optional<ToolMaterial> selectedToolMaterial() const;
    char decimalSeparator() const;

    WindowDefinition definition_;
    CalcState& state_;
    UserDialogs& dialogs_;

    std::vector<QLineEdit*> boxes_; // as in definition_.boxes
    std::vector<double> values_;
    QLineEdit* rowNumberBox_ = nullptr;
    QLabel* strengthLabel_ = nullptr;
    QButtonGroup* workOptions_ = nullptr;
    QButtonGroup* toolOptions_ = nullptr;
    QButtonGroup* choiceOptions_ = nullptr;
    ResultsGrid* grid_ = nullptr;

    int rowCount_ = 2;
    int errorCode_ = 0;
};
