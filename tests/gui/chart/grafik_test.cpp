// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/calc/numberformat.h"
#include "core/machine/machinecheck.h"
#include "core/operations/registry.h"
#include "gui/chart/grafik.h"
#include "gui/machine/machinecatalog.h"
#include "support/testmachines.h"
#include "support/windowdriver.h"
#include "support/workedexample.h"

#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGraphicsScene>
#include <QGraphicsSimpleTextItem>
#include <QImage>
#include <QLayout>
#include <QLegendMarker>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <QValueAxis>
#include <QXYSeries>
#include <set>

namespace {

// The face-milling example at the feed `s`.
CalcInputs faceMilling(double s) {
    CalcInputs in = faceMillingExample();
    in[Key::s] = s;
    return in;
}

QString number(double value, int decimals) {
    return shown(QString::fromStdString(fixedText(value, decimals, ',')));
}

class GrafikTest : public WindowTest {
protected:
    GrafikTest() { EXPECT_EQ(main.machines().add(mill6R12()), ""); }
    ~GrafikTest() override {
        for (std::size_t i = main.machines().machines().size(); i-- > 0;) {
            main.machines().remove(i);
        }
    }

    // Face milling of the example on the mill, and its chart.
    GRAFIK* faceMillingGraph() {
        CalcWindow* window = open("MAKE_0011", 1);
        auto* choice = control<QComboBox>(window, "MACHINE_01");
        choice->setCurrentIndex(choice->findText(QStringLiteral("6Р12")));
        fillFaceMillingExample(window);
        click(window, "TS_OPT");
        click(window, "ST_OPT");
        choose("GRAPH_01", window);
        return window->findChild<GRAFIK*>();
    }

    static std::vector<QXYSeries*> named(QChart* chart, const QString& name) {
        std::vector<QXYSeries*> found;
        for (QAbstractSeries* series : chart->series()) {
            if (series->name() == name) {
                found.push_back(static_cast<QXYSeries*>(series));
            }
        }
        return found;
    }

    // The line under the chart with the mouse over `x` of the input's axis.
    QString hoverAt(GRAFIK* graph, double x) {
        QChart* chart = graph->chart();
        auto* view = graph->findChild<QChartView*>();
        QApplication::processEvents(); // the chart lays itself out again for a new range
        const QPointF at(chart->mapToPosition({x, 0}, named(chart, "N")[0]).x(),
                         chart->plotArea().center().y());
        const QPoint pixel = view->mapFromScene(chart->mapToScene(at));
        QMouseEvent move(QEvent::MouseMove, pixel, view->viewport()->mapToGlobal(pixel),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(view->viewport(), &move);
        return control<QLabel>(graph, "GraphValues")->text();
    }

    // The input's value the line under the chart was computed at: "s = 0,300: …".
    static double hoveredInput(const QString& hover) {
        return QLocale().toDouble(hover.section(' ', 2, 2).chopped(1));
    }

    // The entries the legend shows once the event loop has laid it out.
    static QStringList legendEntries(QChart* chart) {
        QApplication::processEvents();
        QStringList entries;
        for (QLegendMarker* marker : chart->legend()->markers()) {
            if (marker->isVisible()) {
                entries << marker->label();
            }
        }
        return entries;
    }
};

TEST_F(GrafikTest, FeedAgainstTheSpindlePower) {
    GRAFIK* graph = faceMillingGraph();
    ASSERT_NE(graph, nullptr);
    EXPECT_EQ(control<QComboBox>(graph, "GraphVary")->currentText(), "Подача, мм/зуб");
    EXPECT_EQ(control<QLineEdit>(graph, "GraphFrom")->text(), shown("0,05"));
    EXPECT_EQ(control<QLineEdit>(graph, "GraphTo")->text(), shown("0,2"));
    type(graph, "GraphTo", shown("0,4"));
    QChart* chart = graph->chart();
    EXPECT_EQ(legendEntries(chart),
              (QStringList{"Pz", "Py", "Px", "M", "N", "N шпинделя", "Текущий режим"}));
    QStringList titles;
    for (QAbstractAxis* axis : chart->axes()) {
        if (axis->isVisible()) {
            titles << axis->titleText();
        }
    }
    EXPECT_EQ(titles, (QStringList{"Подача, мм/зуб", "Сила, Н", "Мощность, кВт", "Момент, Н·м"}));
    EXPECT_TRUE(dialogs.shown.isEmpty()) << dialogs.shown.join('\n').toStdString();

    // Every point of the power curve is the calculation at its feed.
    const std::vector<QXYSeries*> power = named(chart, "N");
    ASSERT_EQ(power.size(), 1u);
    const QList<QPointF> points = power[0]->points();
    ASSERT_EQ(points.size(), 200);
    EXPECT_EQ(points.front().x(), 0.05);
    EXPECT_EQ(points.back().x(), 0.4);
    for (const QPointF& point : points) {
        EXPECT_EQ(point.y(), *calculation(1).compute(faceMilling(point.x())).row.N) << point.x();
    }
    const double spindle = *spindlePower(mill6R12());
    const std::vector<QXYSeries*> line = named(chart, "N шпинделя");
    ASSERT_EQ(line.size(), 1u);
    EXPECT_EQ(line[0]->points(), (QList<QPointF>{{0.05, spindle}, {0.4, spindle}}));

    // The curve reaches the spindle's power at the largest feed the machine allows.
    const LargestValue largest = largestValue(calculation(1), faceMilling(0.1), mill6R12(), Key::s);
    ASSERT_TRUE(largest.value);
    EXPECT_EQ(largest.bound, Limit::power);
    EXPECT_NEAR(*largest.value, 0.274718, 1e-6);
    const std::vector<QXYSeries*> crossing = named(chart, "Предел мощности");
    ASSERT_EQ(crossing.size(), 1u);
    EXPECT_EQ(crossing[0]->points(), (QList<QPointF>{{*largest.value, spindle}}));
    QStringList labels;
    for (QGraphicsItem* item : chart->scene()->items()) {
        if (auto* text = dynamic_cast<QGraphicsSimpleTextItem*>(item); text && text->isVisible()) {
            labels << text->text();
        }
    }
    EXPECT_TRUE(labels.contains(shown("s = 0,274"))) << labels.join(" | ").toStdString();

    // The current feed is marked on the curves.
    std::set<std::pair<double, double>> current;
    for (QXYSeries* marks : named(chart, "Текущий режим")) {
        for (const QPointF& point : marks->points()) {
            current.insert({point.x(), point.y()});
        }
    }
    const RowResults now = calculation(1).compute(faceMilling(0.1)).row;
    EXPECT_EQ(current,
              (std::set<std::pair<double, double>>{
                  {0.1, *now.Pz}, {0.1, *now.Py}, {0.1, *now.Px}, {0.1, *now.M}, {0.1, *now.N}}));

    // Under the mouse: the calculation at the feed read off the axis.
    const QString hover = hoverAt(graph, 0.3);
    const double feed = hoveredInput(hover);
    EXPECT_NEAR(feed, 0.3, 0.002) << hover.toStdString();
    const RowResults there = calculation(1).compute(faceMilling(feed)).row;
    EXPECT_EQ(hover, QStringLiteral("s = %1: Pz = %2 Н, Py = %3 Н, Px = %4 Н, M = %5 Н·м, "
                                    "N = %6 кВт")
                         .arg(number(feed, 3), number(*there.Pz, 0), number(*there.Py, 0),
                              number(*there.Px, 0), number(*there.M, 1), number(*there.N, 2)));

    // Without the torque its curve and its axis go.
    control<QCheckBox>(graph, "GraphM")->click();
    EXPECT_FALSE(named(chart, "M")[0]->isVisible());
    EXPECT_FALSE(chart->axes(Qt::Vertical)[2]->isVisible());
    EXPECT_FALSE(legendEntries(chart).contains("M"));
}

// The face-milling example's minute feed at the feed `s`: n = 1000·100/(3,14·100) = 318,47 rev/min,
// Sм = s·z·n = 318,47 mm/min at 0,1 mm/tooth.
double minuteFeed(double s) {
    return s * 10 * 1000 * 100 / (3.14 * 100);
}

TEST_F(GrafikTest, RatesEachOnAnAxisOfTheirOwnWhenTicked) {
    GRAFIK* graph = faceMillingGraph();
    ASSERT_NE(graph, nullptr);
    QChart* chart = graph->chart();
    // The window gives no working travel: no main time to tick until one comes.
    auto* time = control<QCheckBox>(graph, "GraphTime");
    EXPECT_FALSE(time->isEnabled());
    EXPECT_EQ(time->toolTip(), "Основное время рассчитывается при заданной длине рабочего хода L");
    CalcInputs travelled = faceMilling(0.1);
    travelled[Key::L] = 200;
    graph->setInputs(travelled);
    EXPECT_TRUE(time->isEnabled());
    EXPECT_TRUE(time->toolTip().isEmpty());

    // L = 200: To = 200/Sм, 0,628 min at 0,1; Q = t·B·Sм/1000 = 2·50·Sм/1000, 31,847 cm³/min.
    struct Rate {
        const char* box;
        const char* name;
        const char* axis;
        double (*at)(double s);
    };
    const Rate rates[] = {
        {"GraphSm", "Sм", "Минутная подача, мм/мин", minuteFeed},
        {"GraphTime", "To", "Основное время, мин", [](double s) { return 200 / minuteFeed(s); }},
        {"GraphQ", "Q", "Съём, см³/мин", [](double s) { return 2 * 50 * minuteFeed(s) / 1000; }},
    };
    std::set<QAbstractAxis*> valueAxes;
    for (const char* quantity : {"Pz", "Py", "Px", "M", "N"}) {
        valueAxes.insert(named(chart, quantity)[0]->attachedAxes().last());
    }
    EXPECT_EQ(valueAxes.size(), 3u); // the forces share theirs
    for (const Rate& rate : rates) {
        SCOPED_TRACE(rate.name);
        auto* box = control<QCheckBox>(graph, rate.box);
        EXPECT_EQ(box->text(), rate.name);
        EXPECT_FALSE(box->isChecked());
        EXPECT_FALSE(named(chart, rate.name)[0]->isVisible());
        box->click();
        const std::vector<QXYSeries*> curve = named(chart, rate.name);
        ASSERT_EQ(curve.size(), 1u);
        EXPECT_TRUE(curve[0]->isVisible());
        const QList<QPointF> points = curve[0]->points();
        ASSERT_EQ(points.size(), 200);
        EXPECT_EQ(points.front().x(), 0.05);
        EXPECT_EQ(points.back().x(), 0.2);
        double top = 0;
        for (const QPointF& point : points) {
            EXPECT_NEAR(point.y(), rate.at(point.x()), 1e-9 * point.y()) << point.x();
            top = std::max(top, point.y());
        }
        // At the right, on an axis no other quantity has, high enough for the whole curve.
        auto* axis = static_cast<QValueAxis*>(curve[0]->attachedAxes().last());
        EXPECT_TRUE(valueAxes.insert(axis).second);
        EXPECT_EQ(axis->titleText(), rate.axis);
        EXPECT_EQ(axis->alignment(), Qt::AlignRight);
        EXPECT_TRUE(axis->isVisible());
        EXPECT_EQ(axis->min(), 0);
        EXPECT_GE(axis->max(), top);
        // The current feed is marked on the curve.
        std::vector<double> marked;
        for (QXYSeries* marks : named(chart, "Текущий режим")) {
            if (marks->attachedAxes().contains(axis)) {
                for (const QPointF& point : marks->points()) {
                    marked.push_back(point.y());
                }
            }
        }
        ASSERT_EQ(marked.size(), 1u);
        EXPECT_NEAR(marked[0], rate.at(0.1), 1e-9 * marked[0]);
    }
    EXPECT_EQ(legendEntries(chart), (QStringList{"Pz", "Py", "Px", "M", "N", "Sм", "To", "Q",
                                                 "N шпинделя", "Текущий режим"}));

    // Under the mouse after the power, as "Sм = 318 мм/мин, To = 0,63 мин, Q = 31,8 см³/мин" at
    // 0,1; in the narrowest window the line wraps rather than widens it.
    graph->resize(graph->minimumSizeHint().width(), graph->height());
    const int width = graph->width();
    const QString hover = hoverAt(graph, 0.1);
    graph->centralWidget()->layout()->activate(); // as the event loop settles the layouts
    graph->layout()->activate();
    EXPECT_EQ(graph->width(), width);
    const double feed = hoveredInput(hover);
    EXPECT_NEAR(feed, 0.1, 0.002) << hover.toStdString();
    EXPECT_TRUE(
        hover.endsWith(QStringLiteral(" кВт, Sм = %1 мм/мин, To = %2 мин, Q = %3 см³/мин")
                           .arg(number(minuteFeed(feed), 0), number(200 / minuteFeed(feed), 2),
                                number(minuteFeed(feed) / 10, 1))))
        << hover.toStdString();

    // Without the travel the main time goes, its box ticked for when the travel comes back.
    graph->setInputs(faceMilling(0.1));
    EXPECT_FALSE(time->isEnabled());
    EXPECT_TRUE(time->isChecked());
    EXPECT_FALSE(named(chart, "To")[0]->isVisible());
    EXPECT_FALSE(named(chart, "To")[0]->attachedAxes().last()->isVisible());
    EXPECT_FALSE(legendEntries(chart).contains("To"));
    const QString withoutTime = hoverAt(graph, 0.1);
    EXPECT_TRUE(withoutTime.contains("Sм = ")) << withoutTime.toStdString();
    EXPECT_FALSE(withoutTime.contains("To = ")) << withoutTime.toStdString();
    graph->setInputs(travelled);
    EXPECT_TRUE(named(chart, "To")[0]->isVisible());
}

TEST_F(GrafikTest, NoRemovalRateInThreading) {
    CalcWindow* window = open("MAKE_0007", 7);
    fill(window, {{"D_TEXT7", "20"},
                  {"T_TEXT7", "1,5"},
                  {"H_TEXT7", "750"},
                  {"S_TEXT7", "2,5"},
                  {"V_TEXT7", "20"},
                  {"P_TEXT7", "6"}});
    click(window, "BR_OPT7");
    click(window, "ST_OPT7");
    click(window, "REZ_TEXT7");
    choose("GRAPH_07", window);
    GRAFIK* graph = window->findChild<GRAFIK*>();
    ASSERT_NE(graph, nullptr);
    auto* removal = control<QCheckBox>(graph, "GraphQ");
    EXPECT_FALSE(removal->isEnabled());
    EXPECT_EQ(removal->toolTip(), "Съём при нарезании резьбы не рассчитывается");

    // The minute feed of a thread is its pitch at each turn: n = 1000·20/(3,14·20) = 318,47
    // rev/min, Sм = 2,5·318,47 = 796,2 mm/min at the current pitch.
    auto* vary = control<QComboBox>(graph, "GraphVary");
    ASSERT_EQ(vary->currentData().toInt(), static_cast<int>(Key::s));
    control<QCheckBox>(graph, "GraphSm")->click();
    const std::vector<QXYSeries*> curve = named(graph->chart(), "Sм");
    ASSERT_EQ(curve.size(), 1u);
    ASSERT_EQ(curve[0]->points().size(), 200);
    for (const QPointF& point : curve[0]->points()) {
        const double expected = point.x() * 1000 * 20 / (3.14 * 20);
        EXPECT_NEAR(point.y(), expected, 1e-9 * expected) << point.x();
    }
    EXPECT_EQ(curve[0]->points().front().x(), 1.25);
    EXPECT_EQ(curve[0]->points().back().x(), 5);

    // A tap works in no passes: its chart offers no axis of them, and keeps the feed.
    const auto offered = [vary] {
        std::set<int> keys;
        for (int i = 0; i < vary->count(); ++i) {
            keys.insert(vary->itemData(i).toInt());
        }
        return keys;
    };
    EXPECT_TRUE(offered().contains(static_cast<int>(Key::passes)));
    click(window, "MET_TEXT7");
    calculate(window);
    EXPECT_FALSE(offered().contains(static_cast<int>(Key::passes)));
    EXPECT_EQ(vary->currentData().toInt(), static_cast<int>(Key::s));
}

// A drill cuts half its diameter deep: the depth is no input of drilling, so no axis of it.
TEST_F(GrafikTest, DrillingOffersNoDepth) {
    CalcWindow* window = open("MAKE_0003", 6);
    fill(window, {{"D_TEXT6", "20"}, {"H_TEXT6", "750"}, {"S_TEXT6", "0,3"}, {"V_TEXT6", "25"}});
    click(window, "BR_OPT6");
    click(window, "ST_OPT6");
    choose("GRAPH_06", window);
    GRAFIK* graph = window->findChild<GRAFIK*>();
    ASSERT_NE(graph, nullptr);
    auto* vary = control<QComboBox>(graph, "GraphVary");
    EXPECT_EQ(vary->findData(static_cast<int>(Key::t)), -1);
    EXPECT_NE(vary->findData(static_cast<int>(Key::D)), -1);
}

TEST_F(GrafikTest, AluminiumBandEdgesBreakTheCurves) {
    CalcWindow* window = open("MAKE_0011", 1);
    fillFaceMillingExample(window);
    type(window, "H_TEXT", "300");
    click(window, "TS_OPT");
    click(window, "AL_OPT");
    choose("GRAPH_01", window);
    GRAFIK* graph = window->findChild<GRAFIK*>();
    ASSERT_NE(graph, nullptr);
    auto* vary = control<QComboBox>(graph, "GraphVary");
    vary->setCurrentIndex(vary->findData(static_cast<int>(Key::H)));
    EXPECT_EQ(control<QLineEdit>(graph, "GraphFrom")->text(), "150");
    EXPECT_EQ(control<QLineEdit>(graph, "GraphTo")->text(), "600");
    type(graph, "GraphFrom", "200");
    type(graph, "GraphTo", "400");
    EXPECT_EQ(graph->chart()->axes(Qt::Horizontal)[0]->titleText(),
              "Предел прочности (МПа)/ твёрдость (HB)");

    // Kmp jumps at 250 and 350 MPa: three pieces, each edge a step, one legend entry.
    const std::vector<QXYSeries*> power = named(graph->chart(), "N");
    ASSERT_EQ(power.size(), 3u);
    for (std::size_t i = 0; i < 2; ++i) {
        const QPointF end = power[i]->points().back();
        const QPointF next = power[i + 1]->points().front();
        const double edge = i == 0 ? 250 : 350;
        EXPECT_NEAR(end.x(), edge, 1e-9);
        EXPECT_NEAR(next.x(), edge, 1e-9);
        EXPECT_LT(end.x(), next.x());
        EXPECT_GT(std::abs(next.y() - end.y()), 0.01 * end.y()) << edge;
    }
    EXPECT_EQ(legendEntries(graph->chart()).count("N"), 1);
}

// A range narrower than the spacing of doubles, or at 1e20 where they lie 16384 apart, would give
// the axis a step that never gets past its first tick: refused under the chart, which keeps the
// last range it drew, a few ticks apart.
TEST_F(GrafikTest, RangesTheAxisCannotLayOutAreRefused) {
    GRAFIK* graph = faceMillingGraph();
    ASSERT_NE(graph, nullptr);
    auto* axis = static_cast<QValueAxis*>(graph->chart()->axes(Qt::Horizontal)[0]);
    const struct {
        const char* to;
        const char* from;
        QString refusal;
    } ranges[] = {
        {"0.10000000000000002", "0.1",
         "ДИАПАЗОН СЛИШКОМ УЗОК: КОНЕЦ ДОЛЖЕН БЫТЬ БОЛЬШЕ НАЧАЛА НЕ МЕНЕЕ ЧЕМ НА 0,000001!!!"},
        {"100000000000000016384", "100000000000000000000",
         "ДИАПАЗОН ГРАФИКА ДОЛЖЕН ЛЕЖАТЬ ОТ -1000000000 ДО 1000000000!!!"},
    };
    for (const auto& range : ranges) {
        SCOPED_TRACE(range.to);
        type(graph, "GraphTo", QString::fromUtf8(range.to));
        type(graph, "GraphFrom", QString::fromUtf8(range.from));
        QApplication::processEvents();
        EXPECT_EQ(control<QLabel>(graph, "GraphNotes")->text(), range.refusal);
        EXPECT_LT(axis->min(), axis->max());
        EXPECT_LE((axis->max() - axis->min()) / axis->tickInterval(), 8);
    }
    type(graph, "GraphFrom", "0.05");
    type(graph, "GraphTo", "0.4");
    EXPECT_EQ(control<QLabel>(graph, "GraphNotes")->text(), "");
    EXPECT_EQ(axis->min(), 0.05);
    EXPECT_EQ(axis->max(), 0.4);
}

TEST_F(GrafikTest, ExportsPngAndSvg) {
    GRAFIK* graph = faceMillingGraph();
    ASSERT_NE(graph, nullptr);
    type(graph, "GraphTo", shown("0,4"));
    QTemporaryDir folder;
    const QString png = folder.filePath("grafik.png");
    dialogs.chooseFile(png);
    control<QPushButton>(graph, "GraphPng")->click();
    const QImage image(png);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), graph->findChild<QChartView*>()->size());

    // The drawing has the removal rate's axis once it is ticked.
    const auto savedSvg = [&](const char* name) {
        const QString svg = folder.filePath(QString::fromUtf8(name));
        dialogs.chooseFile(svg);
        control<QPushButton>(graph, "GraphSvg")->click();
        QFile file(svg);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
        return file.readAll();
    };
    const QByteArray text = savedSvg("grafik.svg");
    EXPECT_TRUE(text.startsWith("<?xml"));
    EXPECT_TRUE(text.contains("<svg"));
    EXPECT_TRUE(text.contains("Мощность, кВт"));
    EXPECT_FALSE(text.contains("Съём, см³/мин"));
    control<QCheckBox>(graph, "GraphQ")->click();
    QApplication::processEvents(); // the chart lays out the axis, as before any click of the user
    EXPECT_TRUE(savedSvg("removal.svg").contains("Съём, см³/мин"));
    EXPECT_TRUE(dialogs.shown.filter("message").isEmpty())
        << dialogs.shown.join('\n').toStdString();

    const QString nowhere = folder.filePath("no/such/folder/grafik.png");
    dialogs.chooseFile(nowhere);
    control<QPushButton>(graph, "GraphPng")->click();
    EXPECT_EQ(dialogs.shown.last(), "message: НЕ УДАЛОСЬ ЗАПИСАТЬ ФАЙЛ " + nowhere + "!!!");
}

} // namespace
