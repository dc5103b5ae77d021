// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/export/file_0.h"
#include "support/faultyfolder.h"
#include "support/windowdriver.h"

#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <filesystem>
#include <sys/stat.h>

namespace {

// Saving runs in a temporary current folder, where the working file noname.txt is written.
class SaveTest : public WindowTest {
protected:
    SaveTest()
        : previousFolder(QDir::currentPath()) {
        QDir::setCurrent(folder.path());
    }
    ~SaveTest() override { QDir::setCurrent(previousFolder); }

    CalcWindow* faceMillingWithRows(int rows) {
        CalcWindow* window = open("MAKE_0011", 1);
        fillFaceMillingExample(window);
        click(window, "TS_OPT");
        click(window, "ST_OPT");
        for (int row = 0; row < rows; ++row) {
            choose("MAKE_01", window);
        }
        return window;
    }

    FILE_0* save(CalcWindow* window) {
        choose(QStringLiteral("SAVE_0%1").arg(window->definition().number).toUtf8(), window);
        return main.saveDialog();
    }

    void saveAs(FILE_0* dialog, const QString& name) {
        type(dialog, "Text1", name);
        control<QPushButton>(dialog, "Command1")->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    QString path(const QString& name) const { return folder.filePath(name); }

    // Every name in a folder, hidden ones too.
    static QStringList entries(const QString& in) {
        return QDir(in).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                  QDir::NoDotAndDotDot);
    }

    static QByteArray bytes(const QString& file) {
        QFile in(file);
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
    }
    // The report's lines decoded from windows-1251.
    static QStringList lines(const QString& file) {
        QStringDecoder decode("windows-1251");
        QString text = decode(bytes(file));
        return text.split("\r\n");
    }

    QTemporaryDir folder;
    QString previousFolder;
};

const QString threeRowReport =
    "Фрезерование торцовыми фрезами\r\n"
    "номеринстр-тзаг-каs, мм/зубv, м/минt, ммD фр, ммВ фр, ммZ фрPz, HPy, HPx, HM, HмN, кВтn, "
    "об/мин\r\n"
    "1ТCсталь0,1100210050101720,8688,3860,486,0412,812318\r\n"
    "2ТCсталь0,1100210050101720,8688,3860,486,0412,812318\r\n"
    "3ТCсталь0,1100210050101720,8688,3860,486,0412,812318\r\n";

// The report of three face-milling rows as saved in this locale.
QByteArray threeRowReportBytes() {
    return QStringEncoder("windows-1251")(shown(threeRowReport));
}

} // namespace

TEST_F(SaveTest, ThreeRowsSavedUnderANewName) {
    FILE_0* dialog = save(faceMillingWithRows(3));
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->windowTitle(), "ФАЙЛ");
    EXPECT_TRUE(QFile::exists(path("noname.txt")));
    dialog->setFolder(folder.path());

    saveAs(dialog, "отчёт.txt");
    EXPECT_TRUE(dialogs.shown.isEmpty());
    EXPECT_EQ(main.saveDialog(), nullptr);
    EXPECT_FALSE(QFile::exists(path("noname.txt")));
    EXPECT_EQ(bytes(path("отчёт.txt")), threeRowReportBytes());
    EXPECT_EQ(main.state().SaveName, "отчёт.txt");
    EXPECT_EQ(main.state().SavePath, QDir::toNativeSeparators(path("отчёт.txt")).toStdString());
}

TEST_F(SaveTest, FreshWindowReportsTitleAndHeadingsOnly) {
    CalcWindow* window = open("MAKE_0013", 2);
    save(window);
    EXPECT_EQ(lines(path("noname.txt")),
              QStringList({"Фрезерование цилиндрическими фрезами",
                           "номеринстр-тзаг-каs, мм/зубv, м/минt, ммD фр, ммВ фр, ммZ фрPz, "
                           "HPy, HPx, HM, HмN, кВтn, об/мин",
                           ""}));
}

TEST_F(SaveTest, NameIsUsedAsTypedAndOnlyTextFilesAreListed) {
    QFile(path("earlier.txt")).open(QIODevice::WriteOnly);
    QFile(path("data.csv")).open(QIODevice::WriteOnly);
    FILE_0* dialog = save(faceMillingWithRows(1));
    dialog->setFolder(folder.path());
    auto* files = control<QListWidget>(dialog, "File1");
    QStringList listed;
    for (int i = 0; i < files->count(); ++i) {
        listed << files->item(i)->text();
    }
    EXPECT_EQ(listed, QStringList({"earlier.txt", "noname.txt"}));
    emit files->itemClicked(files->item(0));
    EXPECT_EQ(control<QLineEdit>(dialog, "Text1")->text(), "earlier.txt");

    saveAs(dialog, "report*?");
    EXPECT_TRUE(QFile::exists(path("report*?")));
    EXPECT_FALSE(QFile::exists(path("report*?.txt")));
}

TEST_F(SaveTest, ReplaceQuestionOkAndCancel) {
    QFile old(path("old.txt"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("earlier results");
    old.close();
    FILE_0* dialog = save(faceMillingWithRows(3));
    dialog->setFolder(folder.path());
    const QString question = "confirm: Файл " + QDir::toNativeSeparators(path("old.txt")) +
                             " уже существует, хотите его заменить?";

    dialogs.confirmWith(false);
    saveAs(dialog, "old.txt");
    EXPECT_EQ(dialogs.shown, QStringList{question});
    EXPECT_EQ(bytes(path("old.txt")), "earlier results");
    EXPECT_TRUE(QFile::exists(path("noname.txt")));
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(focusedBox(dialog), "Text1");

    dialogs.confirmWith(true);
    saveAs(dialog, "old.txt");
    EXPECT_EQ(bytes(path("old.txt")), threeRowReportBytes());
    EXPECT_FALSE(QFile::exists(path("noname.txt")));
}

TEST_F(SaveTest, RefusalsKeepTheDialogAndTheWorkingFile) {
    QDir(folder.path()).mkdir("taken");
    FILE_0* dialog = save(faceMillingWithRows(1));
    dialog->setFolder(folder.path());
    const auto failed = [this](const QString& name) {
        return "message: НЕ УДАЛОСЬ СОХРАНИТЬ ФАЙЛ " + QDir::toNativeSeparators(path(name)) + "!!!";
    };
    struct Case {
        QString name;
        QString message;
    };
    const Case cases[] = {
        {"", "message: ВЫ НЕ ЗАДАЛИ ИМЯ ФАЙЛА!!!"},
        {"   ", "message: ВЫ НЕ ЗАДАЛИ ИМЯ ФАЙЛА!!!"},
        {"taken", failed("taken")},
        {"sub/report.txt", failed("sub/report.txt")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        dialogs.shown.clear();
        saveAs(dialog, c.name);
        EXPECT_EQ(dialogs.shown, QStringList{c.message});
        EXPECT_EQ(main.saveDialog(), dialog);
        EXPECT_EQ(focusedBox(dialog), "Text1");
        EXPECT_TRUE(QFile::exists(path("noname.txt")));
    }
}

// A folder on a disk that cannot take the report, read-only or full, refuses even root: the
// dialog stays, nothing is left in that folder, and the working file keeps the report for a
// folder that can take it.
TEST_F(SaveTest, UnwritableFolderKeepsTheReport) {
    struct Case {
        const char* folder;
        FaultyFolder::Fault fault;
    };
    const Case cases[] = {{"locked", FaultyFolder::Fault::ReadOnly},
                          {"full", FaultyFolder::Fault::Full}};
    FILE_0* dialog = save(faceMillingWithRows(3));
    ASSERT_NE(dialog, nullptr);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.folder);
        ASSERT_TRUE(QDir(folder.path()).mkdir(c.folder));
        const FaultyFolder disk(path(c.folder).toStdString(), c.fault);
        ASSERT_EQ(disk.failure(), "");
        dialogs.shown.clear();
        dialog->setFolder(path(c.folder));
        saveAs(dialog, "report.txt");
        const QString target = QDir::toNativeSeparators(path(c.folder) + "/report.txt");
        EXPECT_EQ(dialogs.shown,
                  QStringList{"message: НЕ УДАЛОСЬ СОХРАНИТЬ ФАЙЛ " + target + "!!!"});
        EXPECT_EQ(main.saveDialog(), dialog);
        EXPECT_EQ(focusedBox(dialog), "Text1");
        EXPECT_EQ(QDir(path(c.folder)).entryList({"report*"}, QDir::Files | QDir::Hidden),
                  QStringList());
        EXPECT_EQ(bytes(path("noname.txt")), threeRowReportBytes());
    }
    dialog->setFolder(folder.path());
    saveAs(dialog, "report.txt");
    EXPECT_EQ(bytes(path("report.txt")), threeRowReportBytes());
}

TEST_F(SaveTest, VanishedOrReplacedWorkingFileIsNeverMoved) {
    FILE_0* dialog = save(faceMillingWithRows(1));
    dialog->setFolder(folder.path());
    QFile::remove(path("noname.txt"));
    saveAs(dialog, "report.txt");
    const QString failed = "message: НЕ УДАЛОСЬ СОХРАНИТЬ ФАЙЛ " +
                           QDir::toNativeSeparators(path("report.txt")) + "!!!";
    EXPECT_EQ(dialogs.shown, QStringList{failed});

    QFile stale(path("noname.txt"));
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.write("another program's file");
    stale.close();
    saveAs(dialog, "report.txt");
    EXPECT_FALSE(QFile::exists(path("report.txt")));
    EXPECT_EQ(bytes(path("noname.txt")), "another program's file");
}

// A folder in the way of the working file, or a full disk where it is created but the report does
// not fit: "СОХРАНИТЬ" says so and opens no dialog.
TEST_F(SaveTest, WorkingFileThatCannotBeWrittenOpensNoDialog) {
    const QStringList cannotWrite{"message: НЕ УДАЛОСЬ ЗАПИСАТЬ ФАЙЛ noname.txt!!!"};
    CalcWindow* window = faceMillingWithRows(1);
    QDir(folder.path()).mkdir("noname.txt");
    save(window);
    EXPECT_EQ(dialogs.shown, cannotWrite);
    EXPECT_EQ(main.saveDialog(), nullptr);

    ASSERT_TRUE(QDir(folder.path()).mkdir("full"));
    const FaultyFolder disk(path("full").toStdString(), FaultyFolder::Fault::Full);
    ASSERT_EQ(disk.failure(), "");
    ASSERT_TRUE(QDir::setCurrent(path("full")));
    dialogs.shown.clear();
    save(window);
    EXPECT_EQ(dialogs.shown, cannotWrite);
    EXPECT_EQ(main.saveDialog(), nullptr);
    EXPECT_EQ(entries(path("full")), QStringList{"filler"}); // not even an empty working file
    QDir::setCurrent(folder.path());
}

// The working file is replaced in one step: a second report that does not fit on the disk, full
// by now, leaves the first report as it was, and the open dialog still moves that one.
TEST_F(SaveTest, SecondSaveOnADiskFullByNowKeepsTheFirstReport) {
    ASSERT_TRUE(QDir(folder.path()).mkdir("disk"));
    const FaultyFolder disk(path("disk").toStdString(), FaultyFolder::Fault::None);
    ASSERT_EQ(disk.failure(), "");
    ASSERT_TRUE(QDir::setCurrent(path("disk")));
    CalcWindow* window = faceMillingWithRows(3);
    FILE_0* dialog = save(window);
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(disk.fill());

    choose("MAKE_01", window);
    save(window);
    EXPECT_EQ(dialogs.shown, QStringList{"message: НЕ УДАЛОСЬ ЗАПИСАТЬ ФАЙЛ noname.txt!!!"});
    EXPECT_EQ(main.saveDialog(), dialog);
    EXPECT_EQ(bytes(path("disk/noname.txt")), threeRowReportBytes());
    EXPECT_EQ(entries(path("disk")), QStringList({"filler", "noname.txt"}));

    dialogs.shown.clear();
    dialog->setFolder(folder.path());
    saveAs(dialog, "report.txt");
    EXPECT_TRUE(dialogs.shown.isEmpty());
    EXPECT_EQ(main.saveDialog(), nullptr);
    EXPECT_EQ(bytes(path("report.txt")), threeRowReportBytes());
    EXPECT_EQ(entries(path("disk")), QStringList{"filler"});
    QDir::setCurrent(folder.path());
}

// The selection moved in the file list by the keyboard puts the file's name into the name box, as
// a click does, and "СОХРАНИТЬ" then saves under that name.
TEST_F(SaveTest, ArrowKeysInTheFileListChooseTheName) {
    for (const char* name : {"a.txt", "b.txt"}) {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("earlier results");
    }
    FILE_0* dialog = save(faceMillingWithRows(3));
    dialog->setFolder(folder.path());
    type(dialog, "Text1", "typed.txt");
    auto* files = control<QListWidget>(dialog, "File1");
    auto* name = control<QLineEdit>(dialog, "Text1");
    files->setFocus();
    QCoreApplication::processEvents(); // the list is laid out, as on the screen before a key
    struct Case {
        Qt::Key key;
        QString name;
    };
    const Case cases[] = {
        {Qt::Key_End, "noname.txt"}, {Qt::Key_Up, "b.txt"},   {Qt::Key_Up, "a.txt"},
        {Qt::Key_Up, "a.txt"},       {Qt::Key_Down, "b.txt"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        QTest::keyClick(files, c.key);
        EXPECT_EQ(name->text(), c.name);
    }
    EXPECT_TRUE(dialogs.shown.isEmpty());

    dialogs.confirmWith(true);
    control<QPushButton>(dialog, "Command1")->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(dialogs.shown,
              QStringList{"confirm: Файл " + QDir::toNativeSeparators(path("b.txt")) +
                          " уже существует, хотите его заменить?"});
    EXPECT_EQ(main.saveDialog(), nullptr);
    EXPECT_EQ(bytes(path("b.txt")), threeRowReportBytes());
    EXPECT_EQ(bytes(path("a.txt")), "earlier results");
}

// No name in the folder is replaced without the question, even a link to nothing or a pipe. What
// cannot become the report is then refused and left as it was; a link to a file is written
// through, the link staying a link.
TEST_F(SaveTest, AnythingUnderTheNameIsAskedAbout) {
    namespace fs = std::filesystem;
    QFile real(path("real.txt"));
    ASSERT_TRUE(real.open(QIODevice::WriteOnly));
    real.write("earlier results");
    real.close();
    fs::create_symlink("nowhere.txt", path("dangling.txt").toStdString());
    fs::create_symlink("real.txt", path("link.txt").toStdString());
    ASSERT_EQ(mkfifo(path("pipe.txt").toLocal8Bit().constData(), 0644), 0);
    FILE_0* dialog = save(faceMillingWithRows(3));
    dialog->setFolder(folder.path());
    struct Case {
        QString name;
        bool refused;
    };
    const Case cases[] = {{"dangling.txt", true}, {"pipe.txt", true}, {"link.txt", false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        const QString target = QDir::toNativeSeparators(path(c.name));
        const fs::path entry = path(c.name).toStdString();
        const fs::file_type before = fs::symlink_status(entry).type();
        const fs::path link = fs::is_symlink(entry) ? fs::read_symlink(entry) : fs::path();
        QStringList expected{"confirm: Файл " + target + " уже существует, хотите его заменить?"};
        if (c.refused) {
            expected << "message: НЕ УДАЛОСЬ СОХРАНИТЬ ФАЙЛ " + target + "!!!";
        }
        dialogs.shown.clear();
        dialogs.confirmWith(true);
        saveAs(dialog, c.name);
        EXPECT_EQ(dialogs.shown, expected);
        EXPECT_EQ(fs::symlink_status(entry).type(), before);
        if (!link.empty()) {
            EXPECT_EQ(fs::read_symlink(entry), link);
        }
        if (c.refused) {
            EXPECT_EQ(main.saveDialog(), dialog);
            EXPECT_EQ(focusedBox(dialog), "Text1");
            EXPECT_EQ(bytes(path("noname.txt")), threeRowReportBytes());
        }
    }
    EXPECT_EQ(main.saveDialog(), nullptr);
    EXPECT_EQ(bytes(path("real.txt")), threeRowReportBytes());
    EXPECT_FALSE(QFile::exists(path("nowhere.txt")));
    EXPECT_FALSE(QFile::exists(path("noname.txt")));
}

TEST_F(SaveTest, SecondSaveRewritesTheWorkingFileForTheOpenDialog) {
    CalcWindow* window = faceMillingWithRows(1);
    FILE_0* dialog = save(window);
    choose("MAKE_01", window);
    EXPECT_EQ(save(window), dialog);
    EXPECT_EQ(lines(path("noname.txt")).size(), 5);
    dialog->setFolder(folder.path());
    saveAs(dialog, "two rows.txt");
    EXPECT_EQ(lines(path("two rows.txt")).size(), 5);
}

TEST_F(SaveTest, FolderChosenInTheListIsWhereTheReportGoes) {
    QDir(folder.path()).mkdir("reports");
    FILE_0* dialog = save(faceMillingWithRows(1));
    dialog->setFolder(folder.path());
    auto* folders = control<QListWidget>(dialog, "Dir1");
    const auto found = folders->findItems("reports", Qt::MatchEndsWith);
    ASSERT_EQ(found.size(), 1);
    emit folders->itemActivated(found.front());
    EXPECT_EQ(main.state().SaveFolder, QDir::toNativeSeparators(path("reports")).toStdString());
    saveAs(dialog, "r.txt");
    EXPECT_TRUE(QFile::exists(path("reports/r.txt")));
}

TEST_F(SaveTest, TitleFollowsTheWindowAndItsSubOperation) {
    struct Case {
        const char* menuItem;
        int window;
        int operationKind; // set after opening, as a later calculation elsewhere would
        const char* title;
    };
    const Case cases[] = {
        {"MAKE_0011", 1, 0, "Фрезерование торцовыми фрезами"},
        {"MAKE_0012", 3, 0, "Фрезерование концевыми фрезами"},
        {"MAKE_0014", 4, 0, "Фрезерование дисковыми фрезами"},
        {"MAKE_0021", 5, 1, "Точение продольное"},
        {"MAKE_0022", 5, 2, "Подрезка торца"},
        {"MAKE_0023", 5, 3, "Проточка канавок и отрезка"},
        {"MAKE_0024", 5, 4, "Растачивание"},
        {"MAKE_0003", 6, 1, "Сверление"},
        {"MAKE_0004", 6, 2, "Рассверливание"},
        {"MAKE_0005", 6, 3, "Зенкерование"},
        {"MAKE0005", 6, 4, "Развёртывание"},
        {"MAKE_0007", 7, 1, "Нарезание резьбы резцом"},
        {"MAKE_0007", 7, 2, "Нарезание резьбы метчиком"},
        {"MAKE_0007", 7, 3, "Нарезание резьбы плашкой"},
        {"MAKE_0007", 7, 4, "Нарезание резьбы"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        CalcWindow* window = open(c.menuItem, c.window);
        main.state().OperationKind = static_cast<std::int16_t>(c.operationKind);
        save(window);
        EXPECT_EQ(lines(path("noname.txt")).front(), QString::fromUtf8(c.title));
        EXPECT_EQ(lines(path("noname.txt")).size(), 3);
    }
}
