// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/main/titul_.h"
#include "gui/reference/referencetable.h"
#include "support/windowdriver.h"

#include <QLayout>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>

namespace {

class ReferenceTest : public WindowTest {
protected:
    ReferenceWindow* materials() { return main.referenceWindow(Reference::WorkMaterials); }
    ReferenceWindow* threads() { return main.referenceWindow(Reference::MetricThreads); }
    static void unloaded() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    static QStringList row(QTableWidget* table, int row) {
        QStringList texts;
        for (int column = 0; column < table->columnCount(); ++column) {
            texts << table->item(row, column)->text();
        }
        return texts;
    }
    static QStringList headings(QTableWidget* table) {
        QStringList texts;
        for (int column = 0; column < table->columnCount(); ++column) {
            texts << table->horizontalHeaderItem(column)->text();
        }
        return texts;
    }
};

// The pitch table of metric threads as printed: pitch, profile height.
const std::map<QString, QString> printedHeights{
    {"0,5", "0,27"},   {"0,75", "0,406"}, {"1", "0,541"},   {"1,25", "0,676"}, {"1,5", "0,812"},
    {"1,75", "0,947"}, {"2", "1,082"},    {"2,5", "1,353"}, {"3", "1,624"},    {"3,5", "1,894"},
    {"4", "2,165"},    {"4,5", "2,435"},  {"5", "2,706"},   {"5,5", "2,977"},  {"6", "3,247"}};

} // namespace

TEST_F(ReferenceTest, EveryHelpItemOpensTheOneMaterialWindow) {
    const std::pair<const char*, int> windows[] = {{"MAKE_0011", 1}, {"MAKE_0013", 2},
                                                   {"MAKE_0012", 3}, {"MAKE_0014", 4},
                                                   {"MAKE_0021", 5}, {"MAKE_0003", 6}};
    for (const auto& [item, number] : windows) {
        choose("HELP_0", open(item, number));
        ASSERT_NE(materials(), nullptr) << item;
        EXPECT_EQ(main.findChildren<ReferenceWindow*>().size(), 1) << item;
    }
    ReferenceWindow* first = materials();
    choose("HELP_1", open("MAKE_0007", 7));
    EXPECT_EQ(materials(), first);
    EXPECT_EQ(first->windowTitle(), "ХАРАКТЕРИСТИКА ОБРАБАТЫВАЕМОГО МАТЕРИАЛА");
    EXPECT_EQ(caption(control<QAction>(first, "EXIT_M")), "ЗАКРЫТЬ");

    choose("EXIT_M", first);
    unloaded();
    EXPECT_EQ(materials(), nullptr);
    choose("HELP_1", main.calcWindow(7));
    EXPECT_EQ(control<QTableWidget>(materials(), "SteelTable")->rowCount(), 16);
}

TEST_F(ReferenceTest, MaterialTablesHoldTheHandbookValues) {
    choose("HELP_0", open("MAKE_0011", 1));
    auto* steel = control<QTableWidget>(materials(), "SteelTable");
    auto* castIron = control<QTableWidget>(materials(), "CastIronTable");
    auto* aluminium = control<QTableWidget>(materials(), "AluminiumTable");
    auto* bronze = control<QTableWidget>(materials(), "BronzeTable");

    EXPECT_EQ(headings(steel),
              QStringList({"Марка стали", "Предел прочности, МПа", "Твёрдость, не более (НВ)"}));
    EXPECT_EQ(row(steel, 7), QStringList({"45", "640...760", "229"}));
    EXPECT_EQ(row(steel, 15), QStringList({"85", "1150", "302"}));
    EXPECT_EQ(castIron->rowCount(), 9);
    EXPECT_EQ(row(castIron, 3), QStringList({"СЧ21-40", "210", "170...241"}));
    EXPECT_EQ(headings(castIron).last(), "Твёрдость, НВ");
    EXPECT_EQ(aluminium->rowCount(), 12);
    EXPECT_EQ(row(aluminium, 8), QStringList({"АЛ9", "160...210", "50...60"}));
    EXPECT_EQ(row(aluminium, 9), QStringList({"АЛ11", "200...250", "80...90"}));
    EXPECT_EQ(bronze->rowCount(), 5);
    EXPECT_EQ(row(bronze, 2), QStringList({"Бр. АЖМц", "500", "120"}));
    EXPECT_EQ(row(bronze, 3), QStringList({"10-3-1,5", "500", "120"}));
    EXPECT_EQ(headings(bronze).last(), "Твёрдость НВ");

    const QStringList labels = [this] {
        QStringList texts;
        for (const QLabel* label : materials()->findChildren<QLabel*>()) {
            texts << label->text();
        }
        return texts;
    }();
    EXPECT_TRUE(labels.contains("Характеристики алюминиевых сплавов"));
    EXPECT_TRUE(labels.contains("Механические свойства бронзового и латунного литья"));

    // Steel above bronze on the left, cast iron above aluminium on the right.
    const auto left = [](QWidget* w) { return w->mapTo(w->window(), QPoint()).x(); };
    const auto top = [](QWidget* w) { return w->mapTo(w->window(), QPoint()).y(); };
    materials()->adjustSize();
    EXPECT_LT(left(steel), left(castIron));
    EXPECT_EQ(left(steel), left(bronze));
    EXPECT_LT(top(steel), top(bronze));
    EXPECT_LT(top(castIron), top(aluminium));
}

TEST_F(ReferenceTest, ThreadWindowShowsEachPitchWithItsProfileHeight) {
    choose("HELP_2", open("MAKE_0007", 7));
    ASSERT_NE(threads(), nullptr);
    EXPECT_EQ(threads()->windowTitle(), "ПАРАМЕТРЫ МЕТРИЧЕСКИХ РЕЗЬБ");
    const int rows[] = {26, 26, 24};
    int pitches = 0;
    for (int group = 1; group <= 3; ++group) {
        auto* table =
            control<QTableWidget>(threads(), QStringLiteral("ThreadGroup%1").arg(group).toUtf8());
        EXPECT_EQ(headings(table),
                  QStringList({"Диаметр резьбы, мм", "Шаг резьбы, мм", "Высота профиля, мм"}));
        EXPECT_EQ(table->rowCount(), rows[group - 1]) << group;
        for (int line = 0; line < table->rowCount(); ++line) {
            const QString pitch = table->item(line, 1)->text();
            if (!pitch.isEmpty()) {
                ++pitches;
                EXPECT_EQ(table->item(line, 2)->text(), printedHeights.at(pitch))
                    << pitch.toStdString();
            }
        }
    }
    EXPECT_EQ(pitches, 75);
    auto* last = control<QTableWidget>(threads(), "ThreadGroup3");
    EXPECT_EQ(row(last, 11), QStringList({"72", "1", "0,541"}));
    EXPECT_EQ(row(last, 12), QStringList({"80", "1,5", "0,812"}));
    EXPECT_EQ(row(last, 20), QStringList({"140", "", ""}));

    QTest::keyClick(threads(), Qt::Key_Escape);
    unloaded();
    EXPECT_EQ(threads(), nullptr);
}

// Opens both reference windows, as from the threading window, and checks what the user can see
// of them: each lies wholly inside the main window's area, and whatever of its contents does not
// fit is reachable by scrolling, the tables never squeezed. Returns whether anything scrolls.
static bool referenceWindowsFitTheArea(VELTA_00& main, CalcWindow* threading) {
    QMdiArea* area = main.findChild<QMdiArea*>();
    bool scrolls = false;
    for (const auto& [item, which] : {std::pair{"HELP_1", Reference::WorkMaterials},
                                      std::pair{"HELP_2", Reference::MetricThreads}}) {
        threading->findChild<QAction*>(QString::fromUtf8(item))->trigger();
        QCoreApplication::processEvents();
        ReferenceWindow* window = main.referenceWindow(which);
        auto* frame = qobject_cast<QMdiSubWindow*>(window->parentWidget());
        const QRect room = area->viewport()->rect();
        EXPECT_TRUE(room.contains(frame->geometry()))
            << window->objectName().toStdString() << " at " << frame->x() << ',' << frame->y()
            << ' ' << frame->width() << 'x' << frame->height() << " in " << room.width() << 'x'
            << room.height();
        auto* scroll = window->findChild<QScrollArea*>();
        if (!scroll) {
            ADD_FAILURE() << window->objectName().toStdString() << " does not scroll";
            continue;
        }
        const QSize contents = scroll->widget()->size();
        const QSize visible = scroll->viewport()->size();
        // All of the contents: nothing squeezed below its natural size, and every pixel of it
        // brought into view by the scroll bars.
        EXPECT_TRUE(contents.expandedTo(scroll->widget()->sizeHint()) == contents)
            << window->objectName().toStdString();
        for (QTableWidget* table : window->findChildren<QTableWidget*>()) {
            EXPECT_EQ(table->size(), table->sizeHint()) << table->objectName().toStdString();
        }
        EXPECT_EQ(scroll->horizontalScrollBar()->maximum(),
                  std::max(0, contents.width() - visible.width()));
        EXPECT_EQ(scroll->verticalScrollBar()->maximum(),
                  std::max(0, contents.height() - visible.height()));
        scrolls = scrolls || scroll->horizontalScrollBar()->maximum() > 0 ||
                  scroll->verticalScrollBar()->maximum() > 0;
    }
    return scrolls;
}

TEST_F(ReferenceTest, ReferenceWindowsOpenInsideTheMainWindowAndScrollWhatDoesNotFit) {
    // At the default size and font everything is in view at once, the thread groups side by side.
    EXPECT_FALSE(referenceWindowsFitTheArea(main, open("MAKE_0007", 7)));
    const auto top = [](QWidget* w) { return w->mapTo(w->window(), QPoint()).y(); };
    const auto left = [](QWidget* w) { return w->mapTo(w->window(), QPoint()).x(); };
    auto* first = control<QTableWidget>(threads(), "ThreadGroup1");
    auto* third = control<QTableWidget>(threads(), "ThreadGroup3");
    EXPECT_EQ(top(first), top(third));
    EXPECT_LT(left(first), left(third));
    choose("EXIT_0", threads());
    choose("EXIT_M", materials());
    unloaded();

    // A large font: the windows still open inside the area, and scroll.
    const QFont font = QApplication::font();
    QFont large = font;
    large.setPointSize(14);
    QApplication::setFont(large);
    // The main menu grows with the font, and the area shrinks.
    QCoreApplication::processEvents();
    main.layout()->activate();
    const bool scrolls = referenceWindowsFitTheArea(main, main.calcWindow(7));
    QApplication::setFont(font);
    EXPECT_TRUE(scrolls);
}

TEST_F(ReferenceTest, AboutBoxClosesWithEnterOrEsc) {
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        choose("TITUL1");
        TITUL_* about = main.aboutBox();
        ASSERT_NE(about, nullptr);
        choose("TITUL1");
        EXPECT_EQ(main.findChildren<TITUL_*>().size(), 1);
        EXPECT_EQ(about->windowTitle(), "О ПРОГРАММЕ");
        EXPECT_EQ(control<QLabel>(about, "lblTitle")->text(), "Режимы резания");
        EXPECT_EQ(control<QLabel>(about, "lblDescription")->text(),
                  "Программа по расчёту режимов резания.");
        EXPECT_EQ(control<QLabel>(about, "lblVersion")->text(), "Версия от 3 ДЕКАБРЯ, 2001 г.");
        EXPECT_TRUE(control<QLabel>(about, "lblLicence")
                        ->text()
                        .contains("Лицензия GPL-3.0-or-later: GNU GPL версии 3"));
        EXPECT_EQ(about->findChildren<QFrame*>("Line1").size(), 2);
        EXPECT_EQ(control<QPushButton>(about, "cmdOK")->text(), "OK");
        QTest::keyClick(about, key);
        unloaded();
        EXPECT_EQ(main.aboutBox(), nullptr) << key;
    }
}
