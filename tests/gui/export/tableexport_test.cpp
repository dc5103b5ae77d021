// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/machine/machinecatalog.h"
#include "support/faultyfolder.h"
#include "support/pdftext.h"
#include "support/testmachines.h"
#include "support/windowdriver.h"

#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

namespace {

class ExportTest : public WindowTest {
protected:
    ExportTest() {
        fillFaceMillingExample(window);
        click(window, "TS_OPT");
        click(window, "ST_OPT");
        calculate(window);
        type(window, "S_TEXT", "0,2");
        calculate(window);
    }

    QString path(const QString& name) const { return folder.filePath(name); }
    static QByteArray bytes(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
    }
    void exportCsv(const QString& target) {
        dialogs.chooseFile(target);
        choose("EXPORT_CSV_01", window);
    }

    CalcWindow* window = open("MAKE_0011", 1);
    QTemporaryDir folder;
};

// What a spreadsheet opens in columns: ";" with decimal commas on a Russian desktop, "," with
// points elsewhere, where the headings holding a comma are quoted.
TEST_F(ExportTest, CsvOfTheWorkedExampleInTheUsersFormat) {
    exportCsv(path("face.csv"));
    EXPECT_EQ(dialogs.shown, QStringList{"file: CSV CSV (*.csv)"});
    const bool comma = QLocale().decimalPoint() == ",";
    const QByteArray expected =
        comma
            ? "\xEF\xBB\xBFномер;инстр-т;заг-ка;s, мм/зуб;v, м/мин;t, мм;D фр, мм;В фр, мм;Z фр;"
              "Pz, H;Py, H;Px, H;M, Hм;N, кВт;n, об/мин;Sм, мм/мин;To, мин;Q, см³/мин;H, МПа/HB\r\n"
              "1;ТC;сталь;0,1;100;2;100;50;10;1720,8;688,3;860,4;86,041;2,812;318;318,47;;31,847;"
              "750\r\n"
              "2;ТC;сталь;0,2;100;2;100;50;10;2894,1;1157,6;1447,0;144,704;4,729;318;636,94;;63,"
              "694;"
              "750\r\n"
            : "\xEF\xBB\xBFномер,инстр-т,заг-ка,\"s, мм/зуб\",\"v, м/мин\",\"t, мм\",\"D фр, мм\","
              "\"В фр, мм\",Z фр,\"Pz, H\",\"Py, H\",\"Px, H\",\"M, Hм\",\"N, кВт\","
              "\"n, об/мин\",\"Sм, мм/мин\",\"To, мин\",\"Q, см³/мин\",\"H, МПа/HB\"\r\n"
              "1,ТC,сталь,0.1,100,2,100,50,10,1720.8,688.3,860.4,86.041,2.812,318,318.47,,31.847,"
              "750\r\n"
              "2,ТC,сталь,0.2,100,2,100,50,10,2894.1,1157.6,1447.0,144.704,4.729,318,636.94,,63."
              "694,"
              "750\r\n";
    EXPECT_EQ(bytes(path("face.csv")).toStdString(), expected.toStdString());

    // With a machine, three columns more; the next dialog opens in the folder used last, and so
    // does a program started later.
    ASSERT_EQ(main.machines().add(mill6R12()), "");
    auto* choice = control<QComboBox>(window, "MACHINE_01");
    choice->setCurrentIndex(choice->findText("6Р12"));
    dialogs.shown.clear();
    exportCsv(path("machine.csv"));
    EXPECT_EQ(dialogs.lastFileStart,
              QDir(folder.path()).filePath("Фрезерование торцовыми фрезами.csv"));
    const QList<QByteArray> lines = bytes(path("machine.csv")).split('\n');
    ASSERT_EQ(lines.size(), 4);
    EXPECT_TRUE(lines[0].endsWith(comma ? ";N шп, кВт;загрузка, %;превышено\r"
                                        : ",\"N шп, кВт\",\"загрузка, %\",превышено\r"))
        << lines[0].toStdString();
    EXPECT_TRUE(lines[1].endsWith(comma ? ";6,00;47;\r" : ",6.00,47,\r")) << lines[1].toStdString();
    EXPECT_TRUE(lines[2].endsWith(comma ? ";6,00;79;\r" : ",6.00,79,\r")) << lines[2].toStdString();
    EXPECT_EQ(QSettings("rezhim", "rezhim").value("export/folder").toString(), folder.path());
    main.machines().remove(0);
}

TEST_F(ExportTest, CopiesTheSelectionOrTheWholeTable) {
    ResultsGrid* grid = window->grid();
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier);
    const QString whole = QGuiApplication::clipboard()->text();
    EXPECT_EQ(whole.count('\n'), 3) << "headings and two rows, not the empty next row";
    EXPECT_TRUE(whole.startsWith("номер\tинстр-т\tзаг-ка\ts, мм/зуб\t")) << whole.toStdString();
    EXPECT_TRUE(whole.contains(shown("\n2\tТC\tсталь\t0,2\t100\t2\t100\t50\t10\t2894,1\t")));

    // Pz to Px of both rows, as a block of a spreadsheet, through the grid's context menu item.
    grid->setRangeSelected(QTableWidgetSelectionRange(0, 9, 1, 11), true);
    control<QAction>(grid, "COPY")->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(),
              shown("1720,8\t688,3\t860,4\n2894,1\t1157,6\t1447,0\n"));
}

// A folder that cannot take the file: the message names it, and the file already there stays
// as it was.
TEST_F(ExportTest, UnwritableFolderLeavesTheExistingFile) {
    ASSERT_TRUE(QDir(folder.path()).mkdir("locked"));
    ASSERT_TRUE(QDir(folder.path()).mkdir("full"));
    {
        const FaultyFolder disk(path("locked").toStdString(), FaultyFolder::Fault::ReadOnly);
        ASSERT_EQ(disk.failure(), "");
        exportCsv(path("locked/face.csv"));
        EXPECT_EQ(dialogs.shown.last(),
                  "message: НЕ УДАЛОСЬ ЗАПИСАТЬ ФАЙЛ " + path("locked/face.csv") + "!!!");
        EXPECT_TRUE(
            QDir(path("locked")).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
    }
    const FaultyFolder disk(path("full").toStdString(), FaultyFolder::Fault::None);
    ASSERT_EQ(disk.failure(), "");
    QFile earlier(path("full/face.pdf"));
    ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
    earlier.write("earlier results");
    earlier.close();
    ASSERT_TRUE(disk.fill());
    dialogs.chooseFile(path("full/face.pdf"));
    choose("EXPORT_PDF_01", window);
    EXPECT_EQ(dialogs.shown.last(),
              "message: НЕ УДАЛОСЬ ЗАПИСАТЬ ФАЙЛ " + path("full/face.pdf") + "!!!");
    EXPECT_EQ(bytes(path("full/face.pdf")), "earlier results");
}

// The PDF and the printout hold the table as text: a searchable page of a process sheet.
TEST_F(ExportTest, PdfAndPrintoutHoldTheTableAsText) {
    dialogs.chooseFile(path("face.pdf"));
    choose("EXPORT_PDF_01", window);
    dialogs.printTo(path("printed.pdf"));
    choose("PRINT_01", window);
    EXPECT_EQ(dialogs.shown.filter("message"), QStringList());
    for (const char* name : {"face.pdf", "printed.pdf"}) {
        SCOPED_TRACE(name);
        const QString text = pdfText(path(name));
        EXPECT_TRUE(text.contains("Фрезерование торцовыми фрезами")) << text.toStdString();
        EXPECT_TRUE(text.contains(shown("1720,8")));
        EXPECT_TRUE(text.contains(shown("2894,1")));
        for (const char* heading : {"номер", "инстр-т", "мм/зуб", "Pz, H", "об/мин"}) {
            EXPECT_TRUE(text.contains(heading)) << heading;
        }
    }
}

} // namespace
