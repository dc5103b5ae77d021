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
#include <QLegendMarker>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>
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
        titles << axis->titleText();
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
    auto* view = graph->findChild<QChartView*>();
    QApplication::processEvents(); // the chart lays itself out again for the new range
    const QPointF at = chart->mapToPosition({0.3, 6.4}, power[0]);
    const QPoint pixel = view->mapFromScene(chart->mapToScene(at));
    QMouseEvent move(QEvent::MouseMove, pixel, view->viewport()->mapToGlobal(pixel), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(view->viewport(), &move);
    const QString hover = control<QLabel>(graph, "GraphValues")->text();
    const QString feedText = hover.section(' ', 2, 2).chopped(1);
    const double feed = QLocale().toDouble(feedText);
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

    const QString svg = folder.filePath("grafik.svg");
    dialogs.chooseFile(svg);
    control<QPushButton>(graph, "GraphSvg")->click();
    QFile file(svg);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    EXPECT_TRUE(text.startsWith("<?xml"));
    EXPECT_TRUE(text.contains("<svg"));
    EXPECT_TRUE(dialogs.shown.filter("message").isEmpty())
        << dialogs.shown.join('\n').toStdString();

    const QString nowhere = folder.filePath("no/such/folder/grafik.png");
    dialogs.chooseFile(nowhere);
    control<QPushButton>(graph, "GraphPng")->click();
    EXPECT_EQ(dialogs.shown.last(), "message: НЕ УДАЛОСЬ ЗАПИСАТЬ ФАЙЛ " + nowhere + "!!!");
}

} // namespace
