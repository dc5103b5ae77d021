// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/export/file_0.h"

#include "core/files/reportfile.h"
#include "gui/common/screenfit.h"
#include "gui/common/userdialogs.h"

#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStorageInfo>
#include <QSvgWidget>
#include <filesystem>

namespace {

QString pathJoin(const QString& folder, const QString& name) {
    return folder.endsWith(QDir::separator()) ? folder + name : folder + QDir::separator() + name;
}

// A name the file system can take as one entry of the folder.
bool isPlainFileName(const QString& name) {
    return !name.contains(QDir::separator()) && !name.contains(QLatin1Char('/')) &&
           !name.contains(QChar(0));
}

} // namespace

FILE_0::FILE_0(CalcState& state, UserDialogs& dialogs, QWidget* parent)
    : QDialog(parent)
    , state_(state)
    , dialogs_(dialogs) {
    setObjectName(QStringLiteral("FILE_0"));
    setWindowTitle(QStringLiteral("ФАЙЛ"));
    setModal(false);
    createControls();
    layOut();
    fitToScreen(this, QSize(560, 360));
    name_->setFocus();
    connectControls();

    // The folder last chosen in this run, or the program's current folder.
    const QString start = QString::fromStdString(state_.SaveFolder);
    Dir1_Change(!start.isEmpty() && QDir(start).exists() ? start : QDir::currentPath());
}

// Created in the order Tab walks them.
void FILE_0::createControls() {
    drives_ = new QComboBox(this);
    drives_->setObjectName(QStringLiteral("Drive1"));
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (volume.isValid() && volume.isReady()) {
            drives_->addItem(QDir::toNativeSeparators(volume.rootPath()), volume.rootPath());
        }
    }
    folders_ = new QListWidget(this);
    folders_->setObjectName(QStringLiteral("Dir1"));
    files_ = new QListWidget(this);
    files_->setObjectName(QStringLiteral("File1"));
    name_ = new QLineEdit(this);
    name_->setObjectName(QStringLiteral("Text1"));
    save_ = new QPushButton(QStringLiteral("СОХРАНИТЬ"), this);
    save_->setObjectName(QStringLiteral("Command1"));
    save_->setDefault(true);
    cancel_ = new QPushButton(QStringLiteral("ОТМЕНА"), this);
    cancel_->setObjectName(QStringLiteral("Command2"));
}

void FILE_0::layOut() {
    auto* folderLabel = new QLabel(QStringLiteral("Папка"), this);
    folderLabel->setObjectName(QStringLiteral("Label1"));
    folderLabel->setBuddy(folders_);
    auto* nameLabel = new QLabel(QStringLiteral("Имя файла"), this);
    nameLabel->setObjectName(QStringLiteral("Label2"));
    nameLabel->setBuddy(name_);
    auto* picture = new QSvgWidget(QStringLiteral(":/gui/export/pointinghand.svg"), this);
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setFixedSize(40, 36);

    auto* layout = new QGridLayout(this);
    // The name and the files of the folder on the left, the folder and its volume on the right.
    layout->addWidget(nameLabel, 0, 0);
    layout->addWidget(folderLabel, 0, 1);
    layout->addWidget(name_, 1, 0);
    layout->addWidget(files_, 2, 0, 2, 1);
    layout->addWidget(folders_, 1, 1, 2, 1);
    layout->addWidget(drives_, 3, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(picture);
    buttons->addStretch(1);
    buttons->addWidget(save_);
    buttons->addWidget(cancel_);
    layout->addLayout(buttons, 4, 0, 1, 2);
    layout->setRowStretch(2, 1);
}

void FILE_0::connectControls() {
    connect(drives_, &QComboBox::activated, this, &FILE_0::Drive1_Change);
    connect(folders_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { Dir1_Change(item->data(Qt::UserRole).toString()); });
    connect(files_, &QListWidget::itemClicked, this, &FILE_0::File1_Click);
    // The arrow keys move the selection: its file's name goes to the name box as by a click.
    connect(files_, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem*> selected = files_->selectedItems();
        if (!selected.isEmpty()) {
            File1_Click(selected.front());
        }
    });
    connect(save_, &QPushButton::clicked, this, &FILE_0::Command1_Click);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::close);
}

void FILE_0::setReport(std::shared_ptr<WorkingReport> report) {
    report_ = std::move(report);
}

void FILE_0::setFolder(const QString& folder) {
    Dir1_Change(folder);
}

void FILE_0::Drive1_Change() {
    Dir1_Change(drives_->currentData().toString());
}

void FILE_0::Dir1_Change(const QString& folder) {
    const QString path = QDir(folder).absolutePath();
    state_.SaveFolder = QDir::toNativeSeparators(path).toStdString();
    // The volume list follows the folder: the volume that holds it.
    const int drive = drives_->findData(QStorageInfo(path).rootPath());
    if (drive >= 0) {
        drives_->setCurrentIndex(drive);
    }
    listFolders();
    listFiles();
}

void FILE_0::listFolders() {
    // The path from the volume root down to the folder, then the folders inside it.
    folders_->clear();
    const QString current = QString::fromStdString(state_.SaveFolder);
    QStringList path;
    for (QDir dir(current);;) {
        path.prepend(dir.absolutePath());
        if (!dir.cdUp()) {
            break;
        }
    }
    int depth = 0;
    for (const QString& folder : path) {
        const QString name = QDir(folder).dirName();
        auto* item =
            new QListWidgetItem(QString(depth * 2, QLatin1Char(' ')) +
                                    (name.isEmpty() ? QDir::toNativeSeparators(folder) : name),
                                folders_);
        item->setData(Qt::UserRole, folder);
        ++depth;
    }
    folders_->setCurrentRow(folders_->count() - 1);
    const auto children =
        QDir(current).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo& child : children) {
        auto* item =
            new QListWidgetItem(QString(depth * 2, QLatin1Char(' ')) + child.fileName(), folders_);
        item->setData(Qt::UserRole, child.absoluteFilePath());
    }
}

void FILE_0::listFiles() {
    files_->clear();
    const QDir folder(QString::fromStdString(state_.SaveFolder));
    files_->addItems(folder.entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name));
}

void FILE_0::File1_Click(QListWidgetItem* item) {
    name_->setText(item->text());
}

void FILE_0::Command1_Click() {
    state_.SaveName = name_->text().toStdString();
    if (name_->text().trimmed().isEmpty()) {
        dialogs_.message(QStringLiteral("ВЫ НЕ ЗАДАЛИ ИМЯ ФАЙЛА!!!"));
        name_->setFocus();
        return;
    }
    const QString target = pathJoin(QString::fromStdString(state_.SaveFolder), name_->text());
    state_.SavePath = target.toStdString();
    const std::filesystem::path targetPath(target.toStdString());
    const auto refuse = [this, &target] {
        dialogs_.message(QStringLiteral("НЕ УДАЛОСЬ СОХРАНИТЬ ФАЙЛ %1!!!").arg(target));
        name_->setFocus();
    };
    if (!isPlainFileName(name_->text())) {
        refuse();
        return;
    }
    // Whatever is there under that name, a link even to nothing, a pipe or a device, is not
    // replaced without the question; moving then refuses what cannot become the report.
    std::error_code error;
    const std::filesystem::file_status entry = std::filesystem::symlink_status(targetPath, error);
    if (std::filesystem::exists(entry) && !std::filesystem::is_directory(entry) &&
        !dialogs_.confirm(
            QStringLiteral("Файл %1 уже существует, хотите его заменить?").arg(target))) {
        name_->setFocus();
        return;
    }
    if (!report_ || report_->moveTo(targetPath) != MoveResult::Moved) {
        refuse();
        return;
    }
    close();
}
