// The moment–curvature tab, drawn from hand-written result folders
// (tests/frontend/fixtures/moment_curvature): both branches in ‰/m and kNm,
// the limit markers of "*Grenzmomente", the design points, the secant
// stiffness line, the hover text, the empty frame, and the tab of the window.
// Expected values are the fixture numbers converted by hand.
#include <QDir>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolTip>
#include <QtTest>

#include "plots/moment_curvature_plot.h"
#include "plots/plot_export.h"
#include "qcustomplot.h"
#include "results/moment_curvature_data.h"
#include "support/result_fixtures.h"
#include "support/window_probe.h"
#include "window/mainwindow.h"

namespace {

QString u(const char *text) { return QString::fromUtf8(text); }

QCPGraph *graphNamed(QCustomPlot *plot, const QString &name) {
    for (int i = 0; i < plot->graphCount(); ++i)
        if (plot->graph(i)->name() == name) return plot->graph(i);
    return nullptr;
}

// The graph's points in their drawing order.
QVector<QPointF> points(QCPGraph *graph) {
    QVector<QPointF> out;
    for (auto it = graph->data()->constBegin(); it != graph->data()->constEnd(); ++it)
        out << QPointF(it->key, it->value);
    return out;
}

void comparePoints(QCPGraph *graph, const QVector<QPointF> &expected) {
    QVERIFY(graph);
    const QVector<QPointF> actual = points(graph);
    QCOMPARE(actual.size(), expected.size());
    for (int i = 0; i < expected.size(); ++i)
        QVERIFY2(qAbs(actual[i].x() - expected[i].x()) < 1e-9 &&
                     qAbs(actual[i].y() - expected[i].y()) < 1e-9,
                 qPrintable(QString("point %1: (%2, %3) instead of (%4, %5)")
                                .arg(i).arg(actual[i].x()).arg(actual[i].y())
                                .arg(expected[i].x()).arg(expected[i].y())));
}

QStringList itemTexts(QCustomPlot *plot) {
    QStringList out;
    for (int i = 0; i < plot->itemCount(); ++i)
        if (auto *text = qobject_cast<QCPItemText *>(plot->item(i))) out << text->text();
    return out;
}

const QFont windowFont("DejaVu Sans", 9);

}  // namespace

class MomentCurvaturePlotTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { MainWindow::setQuietMessages(true); }

    // Units on reading: kappa per mille per mm * 1000 = per mille per m,
    // Nmm / 1e6 = kNm, N / 1000 = kN, EI_i Nmm² / 1e9 = kNm².
    void readerConvertsUnitsAndKeepsMissingValuesMissing() {
        const results::MomentCurvatureData d =
            results::readMomentCurvature(fixtures::folder("moment_curvature/complete"));
        QCOMPARE(int(d.points.size()), 8);
        QCOMPARE(d.points[0].kappa, -300.0);
        QCOMPARE(d.points[0].moment, -700.0);
        QCOMPARE(d.points[0].zNa, 380.0);
        QCOMPARE(d.points[0].axialForce, 0.01);
        QCOMPARE(QString::fromStdString(d.points[0].state), QString("nel"));
        QVERIFY(d.elastic[1].present);
        QCOMPARE(d.elastic[1].kappa, 4.0);
        QCOMPARE(d.elastic[1].moment, 600.0);
        QCOMPARE(d.plastic[0].kappa, -300.0);
        QVERIFY(d.designSls.present);
        QCOMPARE(d.designSls.kappa, 1.0);
        QCOMPARE(d.designSls.moment, 150.0);
        QVERIFY(d.eiUlsPresent);
        QCOMPARE(d.eiUls, 150000.0);
        // After an ultimate shear failure: no rows, no limits, no GZT state.
        const results::MomentCurvatureData f =
            results::readMomentCurvature(fixtures::folder("moment_curvature/shear_failure"));
        QVERIFY(f.empty());
        QVERIFY(!f.elastic[0].present && !f.plastic[1].present);
        QVERIFY(!f.designUls.present && !f.eiUlsPresent);
    }

    void drawsBothBranchesTheLimitsAndTheDesignPoints() {
        MomentCurvaturePlot view(windowFont);
        view.refresh(fixtures::folder("moment_curvature/complete"));
        QCustomPlot *plot = view.customPlot();
        QCOMPARE(plot->xAxis->label(), u("Krümmung κ [‰/m]"));
        QCOMPARE(plot->yAxis->label(), QString("Moment M [kNm]"));
        QVERIFY(plot->legend->visible());
        // Each branch from kappa = 0 outward.
        comparePoints(graphNamed(plot, u(MomentCurvaturePlot::saggingName)),
                      {{0, 0}, {2, 300}, {4, 600}, {20, 900}, {35, 980}});
        comparePoints(graphNamed(plot, u(MomentCurvaturePlot::hoggingName)),
                      {{0, 0}, {-5, -500}, {-10, -600}, {-300, -700}});
        // The limits of both directions, their moments in the legend.
        comparePoints(graphNamed(plot, u("elastisches Grenzmoment M_el: -500 / 600 kNm")),
                      {{-5, -500}, {4, 600}});
        comparePoints(graphNamed(plot, u("plastisches Grenzmoment M_pl: -700 / 980 kNm")),
                      {{-300, -700}, {35, 980}});
        comparePoints(graphNamed(plot, u(MomentCurvaturePlot::ultimateName)), {{2, 300}});
        comparePoints(graphNamed(plot, u(MomentCurvaturePlot::serviceName)), {{1, 150}});
        QCOMPARE(plot->itemCount(), 0);  // no value labels in the plot area
        // Secant EI_i = 150000 kNm² through the origin and (2, 300), ended at
        // the largest moment: 980 kNm / 150000 kNm² = 6.5333 per mille per m.
        QCPGraph *secant = graphNamed(plot, u("Sekantensteifigkeit GZT: EI_i = 150000 kNm²"));
        comparePoints(secant, {{0, 0}, {980.0 / 150.0, 980}});
        // All of it is in sight.
        QVERIFY(plot->xAxis->range().contains(-300) && plot->xAxis->range().contains(35));
        QVERIFY(plot->yAxis->range().contains(-700) && plot->yAxis->range().contains(980));
        // The tab fits the narrow column of a laptop screen: its caption wraps.
        QVERIFY2(view.minimumSizeHint().width() <= 640, qPrintable(QString::number(view.minimumSizeHint().width())));
        view.resize(1000, 650);
        QVERIFY(view.grab().save(QDir(NORVEL_BUILD_DIR).filePath("screen_moment_curvature.png")));
    }

    void hoverShowsCurvatureMomentAxisAndState_data() {
        QTest::addColumn<double>("kappa");
        QTest::addColumn<double>("moment");
        QTest::addColumn<QString>("text");
        QTest::newRow("design row") << 2.0 << 300.0
            << u("κ = 2 ‰/m\nM = 300 kNm\nNulllinie z_na = 388.6 mm\nZustand: el (elastisch)");
        QTest::newRow("sagging end") << 35.0 << 980.0
            << u("κ = 35 ‰/m\nM = 980 kNm\nNulllinie z_na = 460 mm\nZustand: nel (nicht elastisch)");
        QTest::newRow("hogging end") << -300.0 << -700.0
            << u("κ = -300 ‰/m\nM = -700 kNm\nNulllinie z_na = 380 mm\nZustand: nel (nicht elastisch)");
    }
    void hoverShowsCurvatureMomentAxisAndState() {
        QFETCH(double, kappa);
        QFETCH(double, moment);
        QFETCH(QString, text);
        MomentCurvaturePlot view(windowFont);
        view.resize(1000, 650);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        view.refresh(fixtures::folder("moment_curvature/complete"));
        QCustomPlot *plot = view.customPlot();
        const QPoint at(qRound(plot->xAxis->coordToPixel(kappa)),
                        qRound(plot->yAxis->coordToPixel(moment)));
        QCOMPARE(view.hoverText(at + QPoint(3, -2)), text);
        // Far from every row: nothing.
        QCOMPARE(view.hoverText(at + QPoint(0, 60)), QString());
        // The real mouse movement shows it as the tooltip.
        QTest::mouseMove(plot, at);
        QTRY_COMPARE(QToolTip::text(), text);
    }

    void withoutRelationTheFrameShowsANote_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("note");
        QTest::newRow("shear failure: header only")
            << "moment_curvature/shear_failure" << "nicht ermittelt (Querkraftversagen)";
        QTest::newRow("no run folder")
            << "moment_curvature/missing" << "nicht ermittelt (keine Berechnung)";
    }
    void withoutRelationTheFrameShowsANote() {
        QFETCH(QString, folder);
        QFETCH(QString, note);
        MomentCurvaturePlot view(windowFont);
        view.refresh(fixtures::folder("moment_curvature/complete"));
        view.refresh(fixtures::folder(folder));  // nothing of the previous run survives
        QCustomPlot *plot = view.customPlot();
        QCOMPARE(plot->graphCount(), 0);
        QCOMPARE(itemTexts(plot), QStringList{note});
        QVERIFY(!plot->legend->visible());
        QVERIFY(view.hoverText(QPoint(100, 100)).isEmpty());
    }

    // A relation without "*Grenzmomente" and design states: the curves only,
    // no marker drawn at 0 for what was not computed.
    void missingLimitsAndStatesAreNotDrawn() {
        results::MomentCurvatureData d =
            results::readMomentCurvature(fixtures::folder("moment_curvature/complete"));
        for (results::CurvatureMarker *m :
             {&d.elastic[0], &d.elastic[1], &d.plastic[0], &d.plastic[1], &d.designUls, &d.designSls})
            m->present = false;
        d.eiUlsPresent = false;
        MomentCurvaturePlot view(windowFont);
        view.draw(d);
        QCustomPlot *plot = view.customPlot();
        QCOMPARE(plot->graphCount(), 2);
        QVERIFY(graphNamed(plot, u(MomentCurvaturePlot::saggingName)));
        QVERIFY(graphNamed(plot, u(MomentCurvaturePlot::hoggingName)));
        QCOMPARE(plot->itemCount(), 0);
        // One direction's limits present: only they are drawn and named.
        d.elastic[1].present = true;
        view.draw(d);
        comparePoints(graphNamed(plot, u("elastisches Grenzmoment M_el: 600 kNm")), {{4, 600}});
        QCOMPARE(plot->graphCount(), 3);
    }

    void valuesForCopyingCarryNamesAndUnits() {
        MomentCurvaturePlot view(windowFont);
        view.refresh(fixtures::folder("moment_curvature/complete"));
        const QStringList lines = view.valuesText().split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 9);
        QCOMPARE(lines[0], u("κ [‰/m]\tM [kNm]\tz_na [mm]\tN [kN]\tZustand"));
        QCOMPARE(lines[1], QString("-300\t-700\t380\t0.01\tnel"));
        QCOMPARE(lines[4], QString("0\t0\t388.6\t0\tel"));
        // "Werte kopieren" of the plot's context menu gives the same table.
        QVERIFY(PlotExport::of(view.customPlot()));
        QCOMPARE(PlotExport::of(view.customPlot())->valuesText(), view.valuesText());
    }

    // The window's tab "Momenten-Krümmung" is refreshed with the other views
    // from the run folder ("letzte Berechnung" on a copy of the fixture).
    void windowTabIsRefreshedWithTheResults() {
        QTemporaryDir work;
        QVERIFY(work.isValid());
        const QString run = QDir(work.path()).filePath("1");
        QVERIFY(fixtures::copyFolder(QString::fromStdString(fixtures::folder("moment_curvature/complete")), run));
        QVERIFY(QFile::copy(QDir(NORVEL_BUILD_DIR).filePath("inputstart.txt"), QDir(run).filePath("input.txt")));
        qputenv("STALVORA_WORK_DIR", work.path().toLocal8Bit() + "/");
        MainWindow window;
        auto *tabs = window.findChild<QTabWidget *>();
        QVERIFY(tabs);
        MomentCurvaturePlot *view = nullptr;
        for (int i = 0; i < tabs->count(); ++i)
            if (tabs->tabText(i) == u("Momenten-Krümmung"))
                view = qobject_cast<MomentCurvaturePlot *>(tabs->widget(i));
        QVERIFY(view);
        QCOMPARE(view->customPlot()->graphCount(), 0);
        MainWindowProbe(window).openLastCalculation();
        QVERIFY(graphNamed(view->customPlot(), u(MomentCurvaturePlot::saggingName)));
        QCOMPARE(int(view->data().points.size()), 8);
    }
};

QTEST_MAIN(MomentCurvaturePlotTest)
#include "tst_moment_curvature_plot.moc"
