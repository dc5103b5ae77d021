// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/speed/speedlibrarywindow.h"

#include "core/calc/numberformat.h"
#include "core/calc/parsenumber.h"
#include "core/machine/machine.h"
#include "core/operations/registry.h"
#include "core/speed/speedrowscsv.h"
#include "gui/common/userdialogs.h"
#include "gui/export/exportfiles.h"
#include "gui/speed/speedcatalog.h"

#include <QComboBox>
#include <QFile>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace {

QString text(std::string_view view) {
    return QString::fromUtf8(view.data(), static_cast<qsizetype>(view.size()));
}

QComboBox* choice(const char* name, std::initializer_list<const char*> captions, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromUtf8(name));
    for (const char* caption : captions) {
        box->addItem(QString::fromUtf8(caption));
    }
    return box;
}

// What each number of a row is, for its tooltip.
QString fieldTip(SpeedField field) {
    switch (field) {
    case SpeedField::Cv:
        return QStringLiteral("Коэффициент Cv формулы скорости резания");
    case SpeedField::q:
        return QStringLiteral("Показатель степени при диаметре D");
    case SpeedField::x:
        return QStringLiteral("Показатель степени при глубине t");
    case SpeedField::y:
        return QStringLiteral("Показатель степени при подаче s (Sz при фрезеровании, шаг резьбы)");
    case SpeedField::u:
        return QStringLiteral("Показатель степени при ширине B");
    case SpeedField::p:
        return QStringLiteral("Показатель степени при числе зубьев z");
    case SpeedField::m:
        return QStringLiteral("Показатель степени при стойкости T");
    case SpeedField::k:
        return QStringLiteral("Показатель степени при числе проходов i резьбового резца");
    case SpeedField::T:
        return QStringLiteral("Период стойкости, мин, для которого дана строка");
    case SpeedField::Kg:
    case SpeedField::nv:
        return QStringLiteral("Kmv = Kg·(750/σв)^nv для стали, (190/HB)^nv для чугуна");
    case SpeedField::Kmv:
        return QStringLiteral("Kmv вместо Kg и nv: постоянный для медных и алюминиевых сплавов");
    case SpeedField::Kpv:
        return QStringLiteral("Поправочный коэффициент на состояние поверхности");
    case SpeedField::Kiv:
        return QStringLiteral("Поправочный коэффициент на материал инструмента");
    case SpeedField::K:
        return QStringLiteral("Произведение прочих поправочных коэффициентов");
    default:
        return QStringLiteral("Строка годится свыше «св.» до «до» включительно; пусто — без "
                              "границы");
    }
}

// The numbers of the formula in lines of three; the bands follow, one to a line.
constexpr SpeedField formulaLines[][3] = {
    {SpeedField::Cv, SpeedField::q, SpeedField::x},
    {SpeedField::y, SpeedField::u, SpeedField::p},
    {SpeedField::m, SpeedField::k, SpeedField::T},
    {SpeedField::Kg, SpeedField::nv, SpeedField::Kmv},
    {SpeedField::Kpv, SpeedField::Kiv, SpeedField::K},
};

} // namespace

SpeedLibraryWindow::SpeedLibraryWindow(SpeedCatalog& catalog, UserDialogs& dialogs, QWidget* parent)
    : LibraryEditor(dialogs, QStringLiteral("SpeedLibraryWindow"),
                    QStringLiteral("Коэффициенты скорости"), parent)
    , catalog_(catalog) {
    build();
    showEntry(-1);
    connect(import_, &QPushButton::clicked, this, &SpeedLibraryWindow::importRows);
    connect(export_, &QPushButton::clicked, this, &SpeedLibraryWindow::exportRows);
    connect(&catalog_, &SpeedCatalog::changed, this, &SpeedLibraryWindow::listEntries);
}

// Created in the order Tab walks them.
void SpeedLibraryWindow::createFields() {
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("SpeedRowList"));
    list_->setMinimumWidth(150);
    name_ = new QLineEdit(this);
    name_->setObjectName(QStringLiteral("SpeedRowName"));
    tool_ =
        choice("SpeedRowTool", {"Быстрорежущая сталь", "Твёрдый сплав", "Минералокерамика"}, this);
    work_ = choice("SpeedRowWork", {"Сталь", "Чугун", "Алюминиевые сплавы", "Медные сплавы"}, this);
    operations_ = new QListWidget(this);
    operations_->setObjectName(QStringLiteral("SpeedRowOperations"));
    for (const Operation& operation : operations) {
        auto* item = new QListWidgetItem(text(operation.title), operations_);
        item->setData(Qt::UserRole, text(operation.name));
        item->setToolTip(text(operation.name));
        item->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled);
        item->setCheckState(Qt::Unchecked);
    }
    for (std::size_t i = 0; i < speedFieldCount; ++i) {
        const auto field = static_cast<SpeedField>(i);
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QStringLiteral("Speed_") + text(speedFieldInfo(field).name));
        edit->setToolTip(fieldTip(field));
        edit->setMaximumWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("0,000000")));
        numbers_[i] = edit;
    }
    source_ = new QLineEdit(this);
    source_->setObjectName(QStringLiteral("SpeedRowSource"));
    source_->setToolTip(QStringLiteral("Справочник, таблица, страница"));
}

void SpeedLibraryWindow::createButtons() {
    add_ = button("SpeedRowAdd", QStringLiteral("ДОБАВИТЬ"));
    save_ = button("SpeedRowSave", QStringLiteral("СОХРАНИТЬ"));
    delete_ = button("SpeedRowDelete", QStringLiteral("УДАЛИТЬ"));
    import_ = button("SpeedImport", QStringLiteral("ИМПОРТ CSV"));
    import_->setToolTip(QStringLiteral("Строки таблицы с заголовком из имён полей, через ; или ,"));
    export_ = button("SpeedExport", QStringLiteral("ЭКСПОРТ CSV"));
    close_ = button("SpeedClose", QStringLiteral("ЗАКРЫТЬ"));
}

void SpeedLibraryWindow::layOut() {
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Имя строки"), name_);
    form->addRow(QStringLiteral("Инструмент"), tool_);
    form->addRow(QStringLiteral("Материал"), work_);
    form->addRow(QStringLiteral("Операции"), operations_);
    form->addRow(QStringLiteral("Источник"), source_);

    const auto label = [this](const QString& caption, QLineEdit* buddy) {
        auto* result = new QLabel(caption, this);
        result->setBuddy(buddy);
        return result;
    };
    const auto edit = [this](SpeedField field) {
        return numbers_[static_cast<std::size_t>(field)];
    };
    auto* grid = new QGridLayout;
    int line = 0;
    for (const auto& fields : formulaLines) {
        int column = 0;
        for (const SpeedField field : fields) {
            grid->addWidget(label(text(speedFieldInfo(field).name), edit(field)), line, column++);
            grid->addWidget(edit(field), line, column++);
        }
        ++line;
    }
    for (std::size_t band = 0; band < bandValueNames.size(); ++band) {
        const auto from =
            static_cast<SpeedField>(static_cast<std::size_t>(SpeedField::sFrom) + 2 * band);
        const auto to = static_cast<SpeedField>(static_cast<std::size_t>(from) + 1);
        grid->addWidget(label(text(bandValueNames[band]) + QStringLiteral(" св."), edit(from)),
                        line, 0);
        grid->addWidget(edit(from), line, 1);
        grid->addWidget(label(QStringLiteral("до"), edit(to)), line, 2);
        grid->addWidget(edit(to), line, 3);
        ++line;
    }
    grid->setRowStretch(line, 1);

    auto* top = new QHBoxLayout;
    top->addWidget(list_);
    top->addLayout(form, 1);
    top->addLayout(grid);
    layOutPage(top, {add_, save_, delete_, import_, export_});
}

void SpeedLibraryWindow::listEntries() {
    // The fields are left as they are.
    entries_->show(catalog_.rows());
    updateButtons();
}

void SpeedLibraryWindow::showEntry(int line) {
    const SpeedRow row = line >= 0 && static_cast<std::size_t>(line) < catalog_.rows().size()
                             ? catalog_.rows()[static_cast<std::size_t>(line)]
                             : SpeedRow{};
    name_->setText(QString::fromStdString(row.name));
    tool_->setCurrentIndex(static_cast<int>(index(row.tool)));
    work_->setCurrentIndex(static_cast<int>(index(row.work)));
    for (int i = 0; i < operations_->count(); ++i) {
        QListWidgetItem* item = operations_->item(i);
        const std::string name = item->data(Qt::UserRole).toString().toStdString();
        const bool served =
            std::find(row.operations.begin(), row.operations.end(), name) != row.operations.end();
        item->setCheckState(served ? Qt::Checked : Qt::Unchecked);
    }
    for (std::size_t i = 0; i < speedFieldCount; ++i) {
        const std::optional<double> value = row.values[i];
        numbers_[i]->setText(value ? QString::fromStdString(plainText(*value, decimalSeparator_))
                                   : QString());
    }
    source_->setText(QString::fromStdString(row.source));
    source_->setCursorPosition(0);
}

std::optional<SpeedRow> SpeedLibraryWindow::typedRow() {
    SpeedRow row;
    row.name = name_->text().trimmed().toStdString();
    row.tool = static_cast<ToolMaterial>(tool_->currentIndex() + 1);
    row.work = static_cast<WorkMaterial>(work_->currentIndex() + 1);
    for (int i = 0; i < operations_->count(); ++i) {
        const QListWidgetItem* item = operations_->item(i);
        if (item->checkState() == Qt::Checked) {
            row.operations.push_back(item->data(Qt::UserRole).toString().toStdString());
        }
    }
    for (std::size_t i = 0; i < speedFieldCount; ++i) {
        const std::string typed = numbers_[i]->text().trimmed().toStdString();
        if (typed.empty()) {
            continue;
        }
        const std::optional<double> value = typedNumber(typed);
        if (!value) {
            dialogs_.message(QString::fromStdString(
                notANumberMessage(speedFieldInfo(static_cast<SpeedField>(i)).name, typed)));
            numbers_[i]->setFocus();
            return std::nullopt;
        }
        row.values[i] = value;
    }
    row.source = source_->text().trimmed().toStdString();
    return row;
}

void SpeedLibraryWindow::addEntry() {
    // What was saved is shown as the list will show it again, in the user's decimal format.
    entries_->store(
        typedRow(), [this](const SpeedRow& row) { return catalog_.add(row); },
        [this](int line) { showEntry(line); });
}

void SpeedLibraryWindow::saveEntry() {
    if (const std::optional<std::size_t> index = entries_->selected()) {
        entries_->store(
            typedRow(),
            [this, index](const SpeedRow& row) { return catalog_.replace(*index, row); },
            [this](int line) { showEntry(line); });
    }
}

void SpeedLibraryWindow::deleteEntry() {
    if (entries_->remove(catalog_.rows(), QStringLiteral("Удалить строку коэффициентов %1?"),
                         [this](std::size_t index) { return catalog_.remove(index); })) {
        showEntry(-1);
    }
}

void SpeedLibraryWindow::importRows() {
    ExportFiles files(dialogs_);
    const std::optional<QString> path = files.chooseFileToRead(QStringLiteral("CSV"));
    if (!path) {
        return;
    }
    const ImportedSpeedRows imported =
        readSpeedRowsCsv(std::filesystem::path(QFile::encodeName(*path).toStdString()));
    // The rows taken are written in one change, or none of them.
    if (!imported.rows.empty() && entries_->refused(catalog_.import(imported.rows))) {
        return;
    }
    dialogs_.message(QString::fromStdString(importReport(imported)));
}

void SpeedLibraryWindow::exportRows() {
    ExportFiles(dialogs_).saveCsv(speedRowsCsv(catalog_.rows(), decimalSeparator_),
                                  QStringLiteral("speeds"));
}
