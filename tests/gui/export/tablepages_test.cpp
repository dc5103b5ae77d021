// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/calc/resultrow.h"
#include "gui/export/tablepages.h"

#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

const char* const machineLine = "Станок 6Р12: N = 7,5 кВт, загрузка 38 %";

// Face-milling rows as the grid shows them under a Russian locale; the tool cell carries the row
// number ("ТC17"), so that every row can be found again in the text of the PDF.
TableDocument faceMilling(int rows) {
    TableDocument document;
    document.title = "Фрезерование торцовыми фрезами";
    document.date = "09.12.2026";
    document.machineLines = {machineLine};
    document.headings = headings(GridLayout::Milling);
    for (int row = 1; row <= rows; ++row) {
        const std::string number = std::to_string(row);
        document.rows.push_back({number, "ТC" + number, "сталь", "0,1", "100", "2", "100", "50",
                                 "10", "1720,8", "688,3", "860,4", "86,041", "2,812", "318"});
    }
    document.numeric.assign(document.headings.size(), true);
    document.numeric[1] = document.numeric[2] = false;
    return document;
}

// The standard output of a poppler tool; a tool that is missing or fails fails the test.
QString popplerOutput(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        ADD_FAILURE() << program.toStdString() << " failed: " << process.errorString().toStdString()
                      << process.readAllStandardError().toStdString();
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The text of every page, laid out as on the page.
QStringList pageTexts(const QString& pdf) {
    QStringList pages =
        popplerOutput("pdftotext", {"-layout", "-enc", "UTF-8", pdf, "-"}).split(QChar('\f'));
    pages.removeLast(); // after the form feed that ends the last page
    return pages;
}

// A heading too long for its column wraps onto two lines of the page: each word is looked for.
void expectHeadingRow(const QString& page) {
    for (const std::string& heading : headings(GridLayout::Milling)) {
        for (const QString& word : QString::fromStdString(heading).split(' ')) {
            EXPECT_TRUE(page.contains(word)) << word.toStdString() << " missing in\n"
                                             << page.toStdString();
        }
    }
}

// The two-row sheet as a reader finds it: one A4 landscape page with text that can be searched.
void expectTwoRowSheet(const QString& pdf) {
    const QString info = popplerOutput("pdfinfo", {"-enc", "UTF-8", pdf});
    EXPECT_TRUE(info.contains(QRegularExpression("Page size: +842 x 595 pts \\(A4\\)")))
        << info.toStdString();
    const QStringList pages = pageTexts(pdf);
    ASSERT_EQ(pages.size(), 1);
    const QString& page = pages[0];
    for (const QString expected : {"Фрезерование торцовыми фрезами", "09.12.2026", machineLine,
                                   "ТC1", "ТC2", "сталь", "1720,8", "86,041", "Страница 1 из 1"}) {
        EXPECT_TRUE(page.contains(expected)) << expected.toStdString() << " missing in\n"
                                             << page.toStdString();
    }
    expectHeadingRow(page);
}

class TablePagesTest : public ::testing::Test {
protected:
    QString writePdf(const TableDocument& document, const QString& name) {
        const QString path = folder.filePath(name);
        QSaveFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        EXPECT_TRUE(writeTablePdf(file, document));
        EXPECT_TRUE(file.commit());
        return path;
    }

    QTemporaryDir folder;
};

} // namespace

TEST_F(TablePagesTest, PdfHoldsTheTableAsSearchableText) {
    const QString pdf = writePdf(faceMilling(2), "table.pdf");
    expectTwoRowSheet(pdf);
    const QString info = popplerOutput("pdfinfo", {"-enc", "UTF-8", pdf});
    EXPECT_TRUE(info.contains(QRegularExpression("Title: +Фрезерование торцовыми фрезами\n")));
    EXPECT_TRUE(info.contains(QRegularExpression("Creator: +rezhim\n"))) << info.toStdString();
}

// Every row is printed once and in order over the pages, each of which repeats the heading row
// and is numbered out of their count.
TEST_F(TablePagesTest, LongTableContinuesOverNumberedPages) {
    const int rows = 80;
    const QStringList pages = pageTexts(writePdf(faceMilling(rows), "long.pdf"));
    ASSERT_GE(pages.size(), 2);
    std::vector<int> printed;
    for (qsizetype page = 0; page < pages.size(); ++page) {
        SCOPED_TRACE(page + 1);
        const QString footer = QStringLiteral("Страница %1 из %2").arg(page + 1).arg(pages.size());
        EXPECT_TRUE(pages[page].contains(footer)) << pages[page].toStdString();
        expectHeadingRow(pages[page]);
        auto tools = QRegularExpression("ТC(\\d+)").globalMatch(pages[page]);
        int onThisPage = 0;
        while (tools.hasNext()) {
            printed.push_back(tools.next().captured(1).toInt());
            ++onThisPage;
        }
        EXPECT_GT(onThisPage, 0);
    }
    std::vector<int> expected(rows);
    for (int row = 0; row < rows; ++row) {
        expected[static_cast<std::size_t>(row)] = row + 1;
    }
    EXPECT_EQ(printed, expected);
}

// The print preview paints onto a QPrinter, whose own page setup is A4 portrait; a printer writing
// a PDF file shows what the printout holds.
TEST_F(TablePagesTest, PrinterGetsTheSameLandscapePage) {
    const QString pdf = folder.filePath("printed.pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    paintTablePages(printer, faceMilling(2));
    expectTwoRowSheet(pdf);
}
