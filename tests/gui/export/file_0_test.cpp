// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/export/file_0.h"
#include "support/faultyfolder.h"
#include "support/windowdriver.h"
#include "support/workingfolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QPushButton>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <filesystem>
#include <functional>
#include <sys/stat.h>

namespace {

// Saving runs in a temporary current folder, the working files going to a temporary $TMPDIR.
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
    WorkingFolder working;
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
    EXPECT_EQ(bytes(working.onlyFile()), threeRowReportBytes());
    dialog->setFolder(folder.path());

    saveAs(dialog, "отчёт.txt");
    EXPECT_TRUE(dialogs.shown.isEmpty());
    EXPECT_EQ(main.saveDialog(), nullptr);
    EXPECT_EQ(working.files(), QStringList());
    EXPECT_EQ(entries(folder.path()), QStringList{"отчёт.txt"});
    EXPECT_EQ(bytes(path("отчёт.txt")), threeRowReportBytes());
    // Made as any new file is, not private to its owner as the working file was.
    const mode_t mask = umask(0);
    umask(mask);
    struct stat made {};
    ASSERT_EQ(stat(path("отчёт.txt").toLocal8Bit().constData(), &made), 0);
    EXPECT_EQ(made.st_mode & 07777, 0666 & ~mask);
    EXPECT_EQ(main.state().SaveName, "отчёт.txt");
    EXPECT_EQ(main.state().SavePath, QDir::toNativeSeparators(path("отчёт.txt")).toStdString());
}

TEST_F(SaveTest, FreshWindowReportsTitleAndHeadingsOnly) {
    CalcWindow* window = open("MAKE_0013", 2);
    save(window);
    EXPECT_EQ(lines(working.onlyFile()),
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
    EXPECT_EQ(listed, QStringList({"earlier.txt"}));
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
    EXPECT_EQ(bytes(working.onlyFile()), threeRowReportBytes());
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(focusedBox(dialog), "Text1");

    dialogs.confirmWith(true);
    saveAs(dialog, "old.txt");
    EXPECT_EQ(bytes(path("old.txt")), threeRowReportBytes());
    EXPECT_EQ(working.files(), QStringList());
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
        EXPECT_NE(working.onlyFile(), "");
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
        EXPECT_EQ(bytes(working.onlyFile()), threeRowReportBytes());
    }
    dialog->setFolder(folder.path());
    saveAs(dialog, "report.txt");
    EXPECT_EQ(bytes(path("report.txt")), threeRowReportBytes());
}

TEST_F(SaveTest, VanishedOrReplacedWorkingFileIsNeverMoved) {
    FILE_0* dialog = save(faceMillingWithRows(1));
    dialog->setFolder(folder.path());
    const QString workingFile = working.onlyFile();
    ASSERT_TRUE(QFile::remove(workingFile));
    saveAs(dialog, "report.txt");
    const QString failed = "message: НЕ УДАЛОСЬ СОХРАНИТЬ ФАЙЛ " +
                           QDir::toNativeSeparators(path("report.txt")) + "!!!";
    EXPECT_EQ(dialogs.shown, QStringList{failed});

    QFile stale(workingFile);
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.write("another program's file");
    stale.close();
    saveAs(dialog, "report.txt");
    EXPECT_FALSE(QFile::exists(path("report.txt")));
    EXPECT_EQ(bytes(workingFile), "another program's file");
}

// A $TMPDIR that cannot take the working file, read-only, or full so that the report does not fit:
// "СОХРАНИТЬ" says so and opens no dialog, and nothing is left there, not even an empty file.
TEST_F(SaveTest, WorkingFileThatCannotBeWrittenOpensNoDialog) {
    const QStringList cannotWrite{"message: НЕ УДАЛОСЬ ЗАПИСАТЬ ВРЕМЕННЫЙ ФАЙЛ ОТЧЁТА В ПАПКУ " +
                                  working.path() + "!!!"};
    CalcWindow* window = faceMillingWithRows(1);
    struct Case {
        const char* name;
        FaultyFolder::Fault fault;
        QStringList left;
    };
    const Case cases[] = {{"read-only", FaultyFolder::Fault::ReadOnly, {}},
                          {"full", FaultyFolder::Fault::Full, {"filler"}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const FaultyFolder disk(working.path().toStdString(), c.fault);
        ASSERT_EQ(disk.failure(), "");
        dialogs.shown.clear();
        save(window);
        EXPECT_EQ(dialogs.shown, cannotWrite);
        EXPECT_EQ(main.saveDialog(), nullptr);
        EXPECT_EQ(working.files(), c.left);
    }
}

// A second report that does not fit where the working files go, full by now, leaves the first
// report as it was, and the open dialog still moves that one.
TEST_F(SaveTest, SecondSaveOnADiskFullByNowKeepsTheFirstReport) {
    const FaultyFolder disk(working.path().toStdString(), FaultyFolder::Fault::None);
    ASSERT_EQ(disk.failure(), "");
    CalcWindow* window = faceMillingWithRows(3);
    FILE_0* dialog = save(window);
    ASSERT_NE(dialog, nullptr);
    const QString first = working.onlyFile();
    ASSERT_TRUE(disk.fill());

    choose("MAKE_01", window);
    save(window);
    EXPECT_EQ(dialogs.shown,
              QStringList{"message: НЕ УДАЛОСЬ ЗАПИСАТЬ ВРЕМЕННЫЙ ФАЙЛ ОТЧЁТА В ПАПКУ " +
                          working.path() + "!!!"});
    EXPECT_EQ(main.saveDialog(), dialog);
    EXPECT_EQ(bytes(first), threeRowReportBytes());
    EXPECT_EQ(working.files(), QStringList({"filler", QFileInfo(first).fileName()}));

    dialogs.shown.clear();
    dialog->setFolder(folder.path());
    saveAs(dialog, "report.txt");
    EXPECT_TRUE(dialogs.shown.isEmpty());
    EXPECT_EQ(main.saveDialog(), nullptr);
    EXPECT_EQ(bytes(path("report.txt")), threeRowReportBytes());
    EXPECT_EQ(working.files(), QStringList{"filler"});
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
        {Qt::Key_End, "b.txt"},
        {Qt::Key_Up, "a.txt"},
        {Qt::Key_Up, "a.txt"},
        {Qt::Key_Down, "b.txt"},
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
            EXPECT_EQ(bytes(working.onlyFile()), threeRowReportBytes());
        }
    }
    EXPECT_EQ(main.saveDialog(), nullptr);
    EXPECT_EQ(bytes(path("real.txt")), threeRowReportBytes());
    EXPECT_FALSE(QFile::exists(path("nowhere.txt")));
    EXPECT_EQ(working.files(), QStringList());
}

TEST_F(SaveTest, SecondSaveRewritesTheWorkingFileForTheOpenDialog) {
    CalcWindow* window = faceMillingWithRows(1);
    FILE_0* dialog = save(window);
    choose("MAKE_01", window);
    EXPECT_EQ(save(window), dialog);
    EXPECT_EQ(lines(working.onlyFile()).size(), 5); // the first report's file is gone
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
        EXPECT_EQ(lines(working.onlyFile()).front(), QString::fromUtf8(c.title));
        EXPECT_EQ(lines(working.onlyFile()).size(), 3);
    }
}

// The working file is kept out of the folder the program was started in: a file of the user's
// named as the working file once was is not touched, and a program started in a folder nobody can
// write, as a menu launcher may start it, saves as any other.
TEST_F(SaveTest, WorkingFileStaysOutOfTheStartingFolder) {
    QFile usersFile(path("noname.txt"));
    ASSERT_TRUE(usersFile.open(QIODevice::WriteOnly));
    usersFile.write("the user's notes");
    usersFile.close();
    CalcWindow* window = faceMillingWithRows(3);
    FILE_0* dialog = save(window);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(bytes(path("noname.txt")), "the user's notes");
    control<QPushButton>(dialog, "Command2")->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(main.saveDialog(), nullptr);
    EXPECT_EQ(bytes(path("noname.txt")), "the user's notes");
    EXPECT_EQ(entries(folder.path()), QStringList{"noname.txt"});

    ASSERT_TRUE(QDir(folder.path()).mkdir("locked"));
    const FaultyFolder disk(path("locked").toStdString(), FaultyFolder::Fault::ReadOnly);
    ASSERT_EQ(disk.failure(), "");
    ASSERT_TRUE(QDir::setCurrent(path("locked")));
    dialog = save(window);
    QDir::setCurrent(folder.path());
    EXPECT_TRUE(dialogs.shown.isEmpty());
    ASSERT_NE(dialog, nullptr);
    dialog->setFolder(folder.path());
    saveAs(dialog, "report.txt");
    EXPECT_TRUE(dialogs.shown.isEmpty());
    EXPECT_EQ(bytes(path("report.txt")), threeRowReportBytes());
}

// The working file goes with the dialog, however the dialog goes, and with the program.
TEST_F(SaveTest, NothingIsLeftOfTheWorkingFileWhenTheDialogGoes) {
    CalcWindow* window = faceMillingWithRows(1);
    const std::pair<const char*, std::function<void(FILE_0*)>> ways[] = {
        {"ОТМЕНА", [this](FILE_0* dialog) { control<QPushButton>(dialog, "Command2")->click(); }},
        {"closed", [](FILE_0* dialog) { dialog->close(); }},
        {"Esc", [](FILE_0* dialog) { QTest::keyClick(dialog, Qt::Key_Escape); }},
    };
    for (const auto& [way, leave] : ways) {
        SCOPED_TRACE(way);
        FILE_0* dialog = save(window);
        ASSERT_NE(dialog, nullptr);
        EXPECT_NE(working.onlyFile(), "");
        leave(dialog);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(main.saveDialog(), nullptr);
        EXPECT_EQ(working.files(), QStringList());
    }

    // A program that ends with the dialog open.
    auto* program = new VELTA_00(dialogs);
    choose("MAKE_0011", program);
    choose("SAVE_01", program->calcWindow(1));
    ASSERT_NE(program->saveDialog(), nullptr);
    EXPECT_NE(working.onlyFile(), "");
    delete program;
    EXPECT_EQ(working.files(), QStringList());
}

// A file replaced after the question keeps its permissions, a read-only one staying read-only,
// and a link to it stays a link.
TEST_F(SaveTest, ReplacedFileKeepsItsModeAndALinkStaysALink) {
    namespace fs = std::filesystem;
    for (const char* name : {"read-only.txt", "shared.txt"}) {
        QFile old(path(name));
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("earlier results");
        old.close();
        ASSERT_EQ(chmod(path(name).toLocal8Bit().constData(), 0444), 0);
    }
    fs::create_symlink("shared.txt", path("link.txt").toStdString());
    struct Case {
        const char* typed;
        const char* file;
    };
    const Case cases[] = {{"read-only.txt", "read-only.txt"}, {"link.txt", "shared.txt"}};
    CalcWindow* window = faceMillingWithRows(3);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        FILE_0* dialog = save(window);
        dialog->setFolder(folder.path());
        dialogs.confirmWith(true);
        saveAs(dialog, c.typed);
        EXPECT_EQ(main.saveDialog(), nullptr);
        EXPECT_EQ(bytes(path(c.file)), threeRowReportBytes());
        struct stat replaced {};
        ASSERT_EQ(stat(path(c.file).toLocal8Bit().constData(), &replaced), 0);
        EXPECT_EQ(replaced.st_mode & 07777, 0444);
    }
    EXPECT_EQ(fs::read_symlink(path("link.txt").toStdString()), "shared.txt");
    EXPECT_EQ(working.files(), QStringList());
}
