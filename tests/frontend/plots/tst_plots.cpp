// Stress and strain plots and the moment–shear interaction plot, drawn from
// hand-written result folders (tests/frontend/fixtures/plots). Expected values
// are worked out by hand from the fixture numbers.
#include <QTemporaryDir>
#include <QtTest>

#include "plots/interaction_plot.h"
#include "plots/label_layout.h"
#include "plots/plot_setup.h"
#include "qcustomplot.h"
#include "results/run_results.h"
#include "support/result_fixtures.h"
#include "plots/stress_plots.h"

namespace {

QString u(const char *text) { return QString::fromUtf8(text); }

QStringList graphNames(QCustomPlot *plot) {
    QStringList names;
    for (int i = 0; i < plot->graphCount(); ++i) names << plot->graph(i)->name();
    return names;
}

QVector<double> keys(QCPGraph *graph) {
    QVector<double> out;
    for (auto it = graph->data()->constBegin(); it != graph->data()->constEnd(); ++it) out << it->key;
    return out;
}

QVector<double> values(QCPGraph *graph) {
    QVector<double> out;
    for (auto it = graph->data()->constBegin(); it != graph->data()->constEnd(); ++it) out << it->value;
    return out;
}

// The value labels of a plot (text items other than the note of an empty plot).
QList<QCPItemText *> labels(QCustomPlot *plot) {
    QList<QCPItemText *> out;
    for (int i = 0; i < plot->itemCount(); ++i)
        if (auto *text = qobject_cast<QCPItemText *>(plot->item(i)))
            if (text->objectName() != "noDataNote") out << text;
    return out;
}

Qt::Alignment wantedAlignment(QCustomPlot *plot, QCPItemText *label) {
    return LabelLayout::of(plot).alignmentOf(label);
}

QStringList labelTexts(QCustomPlot *plot) {
    QStringList out;
    for (QCPItemText *label : labels(plot)) out << label->text();
    return out;
}

void compareVectors(const QVector<double> &actual, const QVector<double> &expected) {
    QCOMPARE(actual.size(), expected.size());
    for (int i = 0; i < expected.size(); ++i) {
        if (qAbs(actual[i] - expected[i]) > 1e-9 * qMax(1.0, qAbs(expected[i])))
            QFAIL(qPrintable(QString("entry %1: %2 instead of %3").arg(i).arg(actual[i], 0, 'g', 12)
                                 .arg(expected[i], 0, 'g', 12)));
    }
}

void compareRange(const QCPRange &range, double lower, double upper) {
    QVERIFY2(qAbs(range.lower - lower) < 1e-6, qPrintable(QString::number(range.lower, 'g', 10)));
    QVERIFY2(qAbs(range.upper - upper) < 1e-6, qPrintable(QString::number(range.upper, 'g', 10)));
}

Qt::Alignment legendCorner(QCustomPlot *plot) {
    return plot->axisRect()->insetLayout()->insetAlignment(0);
}

// Zone row Z_u, Z_o, Z_s, e_u, e_o, s_u, s_o (strain = stress / 100 here).
std::vector<double> zone(double zu, double zo, double su, double so) {
    return {zu, zo, (zu + zo) / 2, su / 100, so / 100, su, so};
}

const QString family = QStringLiteral("DejaVu Sans");
const QString noRun = QStringLiteral("nicht ermittelt (keine Berechnung)");

}  // namespace

Q_DECLARE_METATYPE(fixtures::Edits)

class PlotsTest : public QObject {
    Q_OBJECT

private:
    QFont windowFont{"DejaVu Sans", 9};
    QCustomPlot *sigmaPlot = nullptr;
    QCustomPlot *epsPlot = nullptr;
    QCustomPlot *mvPlot = nullptr;

    void drawState(const char *run, const char *stateFolder) {
        const StressDistribution d =
            readStressDistribution(fixtures::folder(QString("plots/%1/%2").arg(run, stateFolder)));
        drawStressPlot(sigmaPlot, d, family, noRun);
        drawStrainPlot(epsPlot, d, family, noRun);
    }

private slots:
    void init() {
        sigmaPlot = createResultPlot(u("σ [N/mm²]"), "Z [mm]", windowFont, LegendPlacement::RightCentre);
        epsPlot = createResultPlot(u("ε [‰]"), "Z [mm]", windowFont, LegendPlacement::RightCentre);
        mvPlot = createResultPlot("V [kN]", "M [kNm]", windowFont, LegendPlacement::ChosenPerRefresh);
    }
    void cleanup() {
        delete sigmaPlot;
        delete epsPlot;
        delete mvPlot;
    }

    void setUpServesAllPlots() {
        // Before the first results: an empty frame with its note, no legend, no ticks.
        QCOMPARE(noDataNote(sigmaPlot), QString("noch keine Berechnung"));
        QVERIFY(!sigmaPlot->legend->visible());
        QVERIFY(!sigmaPlot->xAxis->ticks());
        drawState("sagging", "Tragfaehigkeitkeit/spannung_ohne_ts");
        QCOMPARE(noDataNote(sigmaPlot), QString());
        QVERIFY(sigmaPlot->legend->visible());
        QVERIFY(sigmaPlot->xAxis->ticks() && sigmaPlot->xAxis->tickLabels());
        QCOMPARE(sigmaPlot->legend->font().pointSize(), 7);
        QCOMPARE(sigmaPlot->legend->brush().color(), QColor(255, 255, 255, 100));
        QCOMPARE(legendCorner(sigmaPlot), Qt::AlignRight | Qt::AlignVCenter);
        QCOMPARE(sigmaPlot->xAxis->label(), u("σ [N/mm²]"));
        QCOMPARE(epsPlot->xAxis->label(), u("ε [‰]"));
        QCOMPARE(epsPlot->yAxis->label(), QString("Z [mm]"));
        QCOMPARE(mvPlot->xAxis->label(), QString("V [kN]"));
        QCOMPARE(mvPlot->yAxis->label(), QString("M [kNm]"));
        QCOMPARE(int(mvPlot->interactions()), 0);
        QCOMPARE(int(sigmaPlot->interactions()), 0);
    }

    // The rules that turn zone rows into diagrams, one case per rule.
    void distributionRules_data() {
        QTest::addColumn<int>("part");  // 0 steel, 1 concrete
        QTest::addColumn<QVector<double>>("rows");  // flattened (Z_u, Z_o, s_u, s_o) quadruples
        QTest::addColumn<QVector<double>>("z");
        QTest::addColumn<QVector<double>>("sigma");
        QTest::addColumn<QVector<double>>("eps");
        QTest::newRow("steel: shared boundary raised by 0.0001 mm")
            << 0 << QVector<double>{0, 10, 300, 290, 10, 150, 290, 100}
            << QVector<double>{0, 10, 10.0001, 150} << QVector<double>{300, 290, 290, 100}
            << QVector<double>{3, 2.9, 2.9, 1};
        QTest::newRow("steel: weaker zone at the same heights ignored")
            << 0 << QVector<double>{0, 10, 355, 355, 0, 10, 310, 310}
            << QVector<double>{0, 10} << QVector<double>{355, 355} << QVector<double>{3.55, 3.55};
        QTest::newRow("steel: stronger zone at the same heights replaces the top point")
            << 0 << QVector<double>{0, 10, 310, 310, 0, 10, -355, -355}
            << QVector<double>{0, 0.0001, 10} << QVector<double>{310, -355, -355}
            << QVector<double>{3.1, -3.55, -3.55};
        QTest::newRow("concrete: stress jump lifts the new lower point by 0.001 mm")
            << 1 << QVector<double>{300, 330, 0, 0, 330, 350, 1.9, 0}
            << QVector<double>{300, 330, 330.001, 350} << QVector<double>{0, 0, 1.9, 0}
            << QVector<double>{0, 0, 0.019, 0};
        QTest::newRow("concrete: continuous boundary keeps its height twice")
            << 1 << QVector<double>{350, 400, 0, -5, 400, 460, -5, -12}
            << QVector<double>{350, 400, 400, 460} << QVector<double>{0, -5, -5, -12}
            << QVector<double>{0, -0.05, -0.05, -0.12};
    }
    void distributionRules() {
        QFETCH(int, part);
        QFETCH(QVector<double>, rows);
        QFETCH(QVector<double>, z);
        QFETCH(QVector<double>, sigma);
        QFETCH(QVector<double>, eps);
        ResultRows zoneRows;
        for (int i = 0; i + 3 < rows.size(); i += 4)
            zoneRows.push_back(zone(rows[i], rows[i + 1], rows[i + 2], rows[i + 3]));
        const StressDistribution d = part == 0 ? buildStressDistribution({}, zoneRows, {}, {})
                                               : buildStressDistribution({}, {}, zoneRows, {});
        const DistributionCurve &curve = part == 0 ? d.steel : d.concrete;
        compareVectors(curve.z, z);
        compareVectors(curve.sigma, sigma);
        compareVectors(curve.eps, eps);
    }

    void barsSplitIntoContinuingAndOtherRows() {
        const StressDistribution d = buildStressDistribution(
            {}, {}, {},
            {zone(330, 336, 40, 30), zone(336, 342, 30, 20), zone(420, 425, -120, -130),
             zone(425, 430, -130, -140)});
        compareVectors(d.barsFirst.z, {330, 336, 336, 342});
        compareVectors(d.barsSecond.z, {420, 425, 425, 430});
        compareVectors(d.barsSecond.sigma, {-120, -130, -130, -140});
    }

    void fydRedFollowsTheSignOfTheMoment() {
        const StressDistribution sagging =
            buildStressDistribution({{2.5e8, 1e5, 0.01, 350, 2.5e13, 310.5}}, {}, {}, {});
        compareVectors(sagging.fydRed, {310.5, 310.5001});
        const StressDistribution hogging =
            buildStressDistribution({{-2.5e8, 1e5, -0.01, 250, 2.5e13, 310.5}}, {}, {}, {});
        compareVectors(hogging.fydRed, {-310.5, -310.4999});
        const StressDistribution fiveNumbers =
            buildStressDistribution({{2.5e8, 1e5, 0.01, 350, 2.5e13}}, {}, {}, {});
        QVERIFY(fiveNumbers.fydRed.isEmpty());
    }

    void twoThirdsBalancing_data() {
        QTest::addColumn<double>("min");
        QTest::addColumn<double>("max");
        QTest::addColumn<double>("balancedMin");
        QTest::addColumn<double>("balancedMax");
        QTest::newRow("tension dominates") << -141.54 << 355.0 << -236.666666667 << 355.0;
        QTest::newRow("compression dominates") << -300.0 << 100.0 << -300.0 << 200.0;
        QTest::newRow("all positive") << 0.0 << 90.0 << -60.0 << 90.0;
        QTest::newRow("all negative") << -90.0 << -1.0 << -90.0 << 60.0;
        QTest::newRow("exactly two thirds stays") << -90.0 << 60.0 << -90.0 << 60.0;
        QTest::newRow("balanced enough stays") << -100.0 << 80.0 << -100.0 << 80.0;
    }
    void twoThirdsBalancing() {
        QFETCH(double, min);
        QFETCH(double, max);
        QFETCH(double, balancedMin);
        QFETCH(double, balancedMax);
        const AxisSpan span = balanceTwoThirds({min, max});
        QVERIFY2(qAbs(span.min - balancedMin) < 1e-6, qPrintable(QString::number(span.min)));
        QVERIFY2(qAbs(span.max - balancedMax) < 1e-6, qPrintable(QString::number(span.max)));
    }

    void ultimateStressPlotOfSaggingDesign() {
        drawState("sagging", "Tragfaehigkeitkeit/spannung_ohne_ts");
        QCOMPARE(graphNames(sigmaPlot),
                 QStringList({"f_yd,red", "Baustahl", "Beton", "Bewehrung", "Bewehrung"}));
        QCPGraph *fyd = sigmaPlot->graph(0);
        QCOMPARE(fyd->keyAxis(), sigmaPlot->yAxis);
        QCOMPARE(fyd->pen().style(), Qt::DotLine);
        compareVectors(keys(fyd), {0, 460});
        compareVectors(values(fyd), {310.5, 310.5001});
        // Steel: the weaker inner flange row is ignored, shared boundaries raised.
        compareVectors(keys(sigmaPlot->graph(1)),
                       {0, 10.7, 10.7001, 190.27, 190.2701, 289.3, 289.3001, 300});
        compareVectors(values(sigmaPlot->graph(1)),
                       {355, 355, 310.5, 310.5, 310.5, 120.86, 120.86, 100.36});
        compareVectors(keys(sigmaPlot->graph(2)), {300, 352.4, 352.4, 460});
        compareVectors(keys(sigmaPlot->graph(3)), {330, 336, 336, 342});
        compareVectors(keys(sigmaPlot->graph(4)), {420, 430});
        QCOMPARE(sigmaPlot->graph(2)->pen().color(), QColor(Qt::red));
        QCOMPARE(sigmaPlot->graph(2)->brush().color(), QColor(255, 0, 20, 40));
        QCOMPARE(sigmaPlot->graph(3)->brush().color(), QColor(0, 255, 0, 40));
        QCOMPARE(sigmaPlot->graph(1)->brush().color(), QColor(0, 0, 255, 40));
        // sMax 355, sMin -141.54 widened to -2/3 * 355; heights 0 ... 460.
        compareRange(sigmaPlot->xAxis->range(), 1.55 * -355.0 * 2 / 3, 1.75 * 355);
        compareRange(sigmaPlot->yAxis->range(), 0, 1.02 * 460);

        // Four significant digits; one label per bar layer with its upper and
        // lower edge (342: 18.96, 330: 40.84; 430: -141.54, 420: -123.3),
        // anchored at the edge with the larger stress.
        QCOMPARE(labelTexts(sigmaPlot),
                 QStringList({u("355 N/mm²"), u("100.4 N/mm²"), u("0 N/mm²"), u("-9.533 N/mm²"),
                              u("18.96 / 40.84 N/mm²"), u("-141.5 / -123.3 N/mm²")}));
        const QList<Qt::Alignment> alignments = {
            Qt::AlignBottom | Qt::AlignLeft,  Qt::AlignTop | Qt::AlignLeft,
            Qt::AlignBottom | Qt::AlignRight, Qt::AlignVCenter | Qt::AlignRight,
            Qt::AlignVCenter | Qt::AlignLeft, Qt::AlignVCenter | Qt::AlignRight};
        const QList<QCPItemText *> items = labels(sigmaPlot);
        for (int i = 0; i < items.size(); ++i)
            QCOMPARE(wantedAlignment(sigmaPlot, items[i]), alignments[i]);
        QCOMPARE(LabelLayout::of(sigmaPlot).anchorOf(items[1]), QPointF(100.36, 300));
        QCOMPARE(LabelLayout::of(sigmaPlot).anchorOf(items[4]), QPointF(40.84, 330));
        QCOMPARE(LabelLayout::of(sigmaPlot).anchorOf(items[5]), QPointF(-141.54, 430));
        QCOMPARE(items[0]->font().pointSize(), 7);
        QCOMPARE(items[0]->brush().color(), QColor(255, 255, 40, 50));
    }

    void ultimateStrainPlotOfSaggingDesign() {
        drawState("sagging", "Tragfaehigkeitkeit/spannung_ohne_ts");
        QCOMPARE(graphNames(epsPlot), QStringList({"Baustahl", "Beton", "Bewehrung", "Bewehrung"}));
        compareVectors(values(epsPlot->graph(2)), {0.2042, 0.1495, 0.1495, 0.0948});
        // eMax 3.214, eMin -0.9813 widened to -2/3 * 3.214; heights from 0, not scaled.
        compareRange(epsPlot->xAxis->range(), 1.4 * -3.214 * 2 / 3, 1.4 * 3.214);
        compareRange(epsPlot->yAxis->range(), 0, 1.02 * 460);
        // Three significant digits of 3.214, 0.4779, -0.9813, 0.2042 and
        // -0.7077. Bottom group: first strain larger, so labelled at its first
        // point; top group at its last.
        QCOMPARE(labelTexts(epsPlot), QStringList({u("3.21 ‰"), u("0.478 ‰"), u("-0.981 ‰"),
                                                   u("0.204 ‰"), u("-0.708 ‰")}));
        const QList<QCPItemText *> items = labels(epsPlot);
        QCOMPARE(wantedAlignment(epsPlot, items[0]), Qt::AlignLeft | Qt::AlignBottom);  // Z = 0
        QCOMPARE(wantedAlignment(epsPlot, items[1]), Qt::AlignLeft | Qt::AlignVCenter);
        QCOMPARE(wantedAlignment(epsPlot, items[2]), Qt::AlignRight | Qt::AlignVCenter);
        QCOMPARE(LabelLayout::of(epsPlot).anchorOf(items[3]), QPointF(0.2042, 330));
        QCOMPARE(LabelLayout::of(epsPlot).anchorOf(items[4]), QPointF(-0.7077, 430));
    }

    void serviceabilityPlots() {
        drawState("sagging", "Gebrauchstauglichkeit/spannung_ohne_ts");
        QCOMPARE(graphNames(sigmaPlot).first(), QString("f_yd,red"));
        compareVectors(values(sigmaPlot->graph(0)), {355, 355.0001});
        compareVectors(keys(sigmaPlot->graph(2)), {300, 330, 330.001, 372.1, 372.1, 460});
        // A data row with five numbers only: no f_yd,red line.
        drawState("sagging", "Gebrauchstauglichkeit/spannung_mit_ts");
        QCOMPARE(graphNames(sigmaPlot), QStringList({"Baustahl", "Beton", "Bewehrung", "Bewehrung"}));
    }

    void hoggingStressPlot() {
        drawState("hogging", "Tragfaehigkeitkeit/spannung_ohne_ts");
        compareVectors(values(sigmaPlot->graph(0)), {-298.2, -298.1999});
        // Bars at 374.86 dominate: sMin -355 stays, sMax 374.86.
        compareRange(sigmaPlot->xAxis->range(), 1.55 * -355, 1.75 * 374.86);
        QCOMPARE(labelTexts(sigmaPlot).first(), u("-355 N/mm²"));
        QCOMPARE(wantedAlignment(sigmaPlot, labels(sigmaPlot).first()), Qt::AlignBottom | Qt::AlignRight);
        // Strain label at the steel underside in compression: left of the point, above the axis.
        QCOMPARE(wantedAlignment(epsPlot, labels(epsPlot).first()), Qt::AlignRight | Qt::AlignBottom);
        QCOMPARE(labelTexts(epsPlot).first(), u("-2.64 ‰"));
    }

    void refreshReplacesGraphsAndLabels() {
        drawState("sagging", "Tragfaehigkeitkeit/spannung_ohne_ts");
        drawState("sagging", "Tragfaehigkeitkeit/spannung_ohne_ts");
        QCOMPARE(sigmaPlot->graphCount(), 5);
        QCOMPARE(labels(sigmaPlot).size(), 6);
        QCOMPARE(epsPlot->graphCount(), 4);
        QCOMPARE(labels(epsPlot).size(), 5);
        // Each label has its leader line, nothing else is left over.
        QCOMPARE(sigmaPlot->itemCount(), 12);
        drawState("missing", "Tragfaehigkeitkeit/spannung_ohne_ts");
        QCOMPARE(sigmaPlot->graphCount(), 0);
        QCOMPARE(labels(sigmaPlot).size(), 0);
        QCOMPARE(noDataNote(sigmaPlot), noRun);
        QCOMPARE(epsPlot->graphCount(), 0);
    }

    void interactionCurvesOfSaggingDesign() {
        const InteractionCurves c =
            readInteractionCurves(fixtures::folder("plots/sagging") + "V_M_beziehung.txt");
        drawInteractionCurves(mvPlot, c, noRun);
        QCOMPARE(graphNames(mvPlot), QStringList({"pl. Grenzmoment", "el. Grenzmoment"}));
        QCOMPARE(mvPlot->graph(0)->keyAxis(), mvPlot->xAxis);
        // The repeated 455995 N is stored 0.01 N further from zero.
        compareVectors(keys(mvPlot->graph(0)), {0, 228, 319.198, 410.396, 455.995, 455.99501});
        compareVectors(values(mvPlot->graph(0)), {521, 521, 507, 463, 412, 0});
        compareVectors(values(mvPlot->graph(1)), {362, 362, 355, 331, 305, 0});
        QCOMPARE(mvPlot->graph(0)->pen().color(), QColor(249, 237, 71));
        QCOMPARE(mvPlot->graph(1)->brush().color(), QColor(255, 165, 0, 50));
        compareRange(mvPlot->xAxis->range(), 0, 1.4 * 455.99501);
        compareRange(mvPlot->yAxis->range(), 0, 1.4 * 521);
        QCOMPARE(legendCorner(mvPlot), Qt::AlignRight | Qt::AlignTop);
        QCOMPARE(c.sumV(), 455.99501);
        QCOMPARE(c.sumM(), 521.0);
    }

    // The reduced sagging curve of a partial connection joins the limit curves in kN and kNm, its
    // repeated closing shear force kept as a step; a header-only file adds nothing.
    void reducedSaggingCurveOfAPartialConnection() {
        QTemporaryDir dir;
        fixtures::writeFile(dir.filePath("V_M_beziehung.txt"), "V\tM_pl\tM_el\n0\t5.21e+08\t3.62e+08\n455995\t0\t0\n");
        for (const QByteArray &rows : {QByteArray("0\t4.4e+08\n455995\t3.9e+08\n455995\t0\n"), QByteArray()}) {
            fixtures::writeFile(dir.filePath("V_M_Teilverduebelung.txt"), "V\tM_Rd_eta\n" + rows);
            const InteractionCurves c = readRunInteractionCurves(dir.path().toStdString() + "/");
            drawInteractionCurves(mvPlot, c, noRun);
            drawDesignPoint(mvPlot, 400, 300, c.sumV(), c.sumM(), "DejaVu Sans");
            QCOMPARE(graphNames(mvPlot).size(), rows.isEmpty() ? 3 : 4);
            if (rows.isEmpty()) continue;
            QCOMPARE(graphNames(mvPlot).at(2), QString::fromUtf8("M_Rd(η) Teilverdübelung"));
            compareVectors(keys(mvPlot->graph(2)), {0, 455.995, 455.99501});
            compareVectors(values(mvPlot->graph(2)), {440, 390, 0});
        }
    }

    void interactionLegendCorners_data() {
        QTest::addColumn<QString>("run");
        QTest::addColumn<int>("corner");
        QTest::newRow("sagging, positive shear") << "sagging" << int(Qt::AlignRight | Qt::AlignTop);
        QTest::newRow("hogging, positive shear") << "hogging" << int(Qt::AlignRight | Qt::AlignBottom);
    }
    void interactionLegendCorners() {
        QFETCH(QString, run);
        QFETCH(int, corner);
        mvPlot->axisRect()->insetLayout()->setInsetAlignment(0, Qt::AlignCenter);
        drawInteractionCurves(mvPlot,
                              readInteractionCurves(fixtures::folder("plots/" + run) + "V_M_beziehung.txt"),
                              noRun);
        QCOMPARE(int(legendCorner(mvPlot)), corner);
    }

    void legendCornerRules_data() {
        QTest::addColumn<QVector<double>>("v");  // kN
        QTest::addColumn<QVector<double>>("m");  // kNm
        QTest::addColumn<int>("corner");         // 0: keeps its previous corner
        QTest::newRow("sagging, negative shear") << QVector<double>{0, -400, -400}
                                                 << QVector<double>{500, 400, 0}
                                                 << int(Qt::AlignLeft | Qt::AlignTop);
        QTest::newRow("hogging, negative shear") << QVector<double>{0, -400, -400}
                                                 << QVector<double>{-500, -400, 0}
                                                 << int(Qt::AlignLeft | Qt::AlignBottom);
        QTest::newRow("hogging without a zero end") << QVector<double>{0, 400}
                                                    << QVector<double>{-500, -400} << 0;
        QTest::newRow("shear of both signs") << QVector<double>{-100, 400}
                                             << QVector<double>{500, 0} << 0;
    }
    void legendCornerRules() {
        QFETCH(QVector<double>, v);
        QFETCH(QVector<double>, m);
        QFETCH(int, corner);
        std::vector<std::vector<double>> rows;
        for (int i = 0; i < v.size(); ++i) rows.push_back({v[i] * 1000, m[i] * 1e6, m[i] * 0.7e6});
        mvPlot->axisRect()->insetLayout()->setInsetAlignment(0, Qt::AlignCenter);
        drawInteractionCurves(mvPlot, buildInteractionCurves(rows), noRun);
        QCOMPARE(int(legendCorner(mvPlot)), corner == 0 ? int(Qt::AlignCenter) : corner);
    }

    // The plastic curve may not be used for Class 3 and 4: dashed, grey and
    // noted above the axes; for Class 1 and 2 (or no class) as before. A
    // refresh removes the note again.
    void plasticCurveByClass_data() {
        QTest::addColumn<QString>("basis");  // the bending row's rule in Nachweise.txt
        QTest::addColumn<bool>("permitted");
        QTest::addColumn<QString>("noteStart");
        QTest::newRow("no verdicts") << "" << true << QString();
        QTest::newRow("class 2") << "Klasse2_M_pl,Rd(V_Ed)" << true << QString();
        QTest::newRow("class 3 elastic") << "Klasse3_M_el,Rd" << false << "Querschnittsklasse 3: pl. Grenzmoment nicht";
        QTest::newRow("class 3 effective web") << "Klasse2_Loch_im_Steg_M_pl,Rd(V_Ed)" << false << "Querschnittsklasse 3";
        QTest::newRow("class 4") << "Klasse4_nicht_abgedeckt" << false << "Querschnittsklasse 4: pl. Grenzmoment nicht";
        QTest::newRow("partial connection") << "Klasse1_Teilverduebelung_M_Rd(eta)" << false
                                            << QString::fromUtf8("Teilverdübelung: pl. Grenzmoment nur");
    }
    void plasticCurveByClass() {
        QFETCH(QString, basis);
        QFETCH(bool, permitted);
        QFETCH(QString, noteStart);
        const InteractionCurves c =
            readInteractionCurves(fixtures::folder("plots/hogging") + "V_M_beziehung.txt");
        const QString note = plasticCurveNote(basis.toStdString());
        QCOMPARE(note.startsWith(noteStart) && note.isEmpty() == noteStart.isEmpty(), true);
        drawInteractionCurves(mvPlot, c, noRun, note);
        QCOMPARE(graphNames(mvPlot), QStringList({"pl. Grenzmoment", "el. Grenzmoment"}));
        const QPen plastic = mvPlot->graph(0)->pen();
        QCOMPARE(plastic.style(), permitted ? Qt::SolidLine : Qt::DashLine);
        QCOMPARE(plastic.color(), permitted ? QColor(249, 237, 71) : QColor(150, 150, 150));
        QCOMPARE(mvPlot->graph(0)->brush().color().alpha(), permitted ? 50 : 25);
        // The elastic curve stays as it is.
        QCOMPARE(mvPlot->graph(1)->pen().style(), Qt::SolidLine);
        QCOMPARE(mvPlot->graph(1)->pen().color(), QColor(255, 165, 0));
        QCOMPARE(plasticNoteOf(mvPlot), note);
        // The note is no item: the design point's label stays the first item.
        QCOMPARE(mvPlot->itemCount(), 0);

        drawInteractionCurves(mvPlot, c, noRun, note);
        QCOMPARE(mvPlot->plotLayout()->rowCount(), permitted ? 1 : 2);
        drawInteractionCurves(mvPlot, c, noRun);
        QCOMPARE(plasticNoteOf(mvPlot), QString());
        QCOMPARE(mvPlot->plotLayout()->rowCount(), 1);
        QCOMPARE(mvPlot->graph(0)->pen().style(), Qt::SolidLine);
        // A plot without curves shows no note.
        drawInteractionCurves(mvPlot, InteractionCurves(), noRun, note);
        QCOMPARE(plasticNoteOf(mvPlot), QString());
        QCOMPARE(noDataNote(mvPlot), noRun);
    }

    // The note follows the engine's bending row, not the class file: the
    // fixture's hogging Class 3 took the effective web.
    void plasticCurveNoteOfARun() {
        const std::pair<const char *, const char *> runs[] = {
            {"results/class3_hogging", "Klasse2_Loch_im_Steg_M_pl,Rd(V_Ed)"}, {"results/worked_example", ""}};
        for (const auto &[fixture, basis] : runs)
            QCOMPARE(plasticCurveNote(results::RunResults::read(fixtures::folder(fixture))), plasticCurveNote(basis));
    }

    void negativeRepeatedShearMovesAwayFromZero() {
        const InteractionCurves c =
            buildInteractionCurves({{0, -3e8, -2e8}, {-400000, -2e8, -1e8}, {-400000, 0, 0}});
        compareVectors(c.v, {0, -400, -400.00001});
        QCOMPARE(c.vMin, -400.00001);
        QCOMPARE(c.vMax, 0.0);
        QCOMPARE(c.mMax, 0.0);
        QCOMPARE(c.mMin, -300.0);
    }

    void designPointText_data() {
        QTest::addColumn<double>("vEd");
        QTest::addColumn<double>("mEd");
        QTest::addColumn<QString>("text");
        // Four significant digits, a space before each unit.
        QTest::newRow("worked example") << 120.0 << 345.67 << "120 kN / 345.7 kNm";
        QTest::newRow("hogging, negative shear") << -80.04 << -250.05 << "-80.04 kN / -250.1 kNm";
        QTest::newRow("four digits") << 0.25 << 1234.45 << "0.25 kN / 1234 kNm";
    }
    void designPointText() {
        QFETCH(double, vEd);
        QFETCH(double, mEd);
        QFETCH(QString, text);
        QCOMPARE(::designPointText(vEd, mEd), text);
    }

    void designPointPlacement_data() {
        QTest::addColumn<double>("sumV");
        QTest::addColumn<double>("sumM");
        QTest::addColumn<int>("alignment");
        QTest::newRow("sagging, positive shear") << 456.0 << 521.0 << int(Qt::AlignLeft | Qt::AlignBottom);
        QTest::newRow("sagging, negative shear") << -456.0 << 521.0 << int(Qt::AlignRight | Qt::AlignBottom);
        QTest::newRow("hogging, negative shear") << -456.0 << -385.0 << int(Qt::AlignRight | Qt::AlignTop);
        QTest::newRow("hogging, positive shear") << 456.0 << -385.0 << int(Qt::AlignLeft | Qt::AlignTop);
        QTest::newRow("only negative shear spans") << -456.0 << 0.0 << int(Qt::AlignRight | Qt::AlignVCenter);
        QTest::newRow("only negative moments span") << 0.0 << -385.0 << int(Qt::AlignHCenter | Qt::AlignTop);
    }
    void designPointPlacement() {
        QFETCH(double, sumV);
        QFETCH(double, sumM);
        QFETCH(int, alignment);
        mvPlot->resize(600, 400);
        mvPlot->setViewport(QRect(0, 0, 600, 400));  // a hidden plot lays itself out in its viewport
        drawInteractionCurves(
            mvPlot, readInteractionCurves(fixtures::folder("plots/sagging") + "V_M_beziehung.txt"), noRun);
        // In the middle of the ranges (0 ... 638 kN, 0 ... 729 kNm): the label fits on every side.
        drawDesignPoint(mvPlot, 345.67, 300.0, sumV, sumM, family);
        QCOMPARE(mvPlot->graphCount(), 3);
        QCOMPARE(mvPlot->graph(2)->name(), QString("Belastung: GZT"));
        QCOMPARE(mvPlot->graph(2)->lineStyle(), QCPGraph::lsNone);
        compareVectors(keys(mvPlot->graph(2)), {300.0});
        compareVectors(values(mvPlot->graph(2)), {345.67});
        QCOMPARE(mvPlot->itemCount(), 2);
        auto *label = qobject_cast<QCPItemText *>(mvPlot->item(0));
        auto *arrow = qobject_cast<QCPItemLine *>(mvPlot->item(1));
        QVERIFY(label && arrow);
        QCOMPARE(label->text(), QString("300 kN / 345.7 kNm"));
        QCOMPARE(label->font().pointSize(), 8);
        QCOMPARE(int(wantedAlignment(mvPlot, label)), alignment);
        QCOMPARE(LabelLayout::of(mvPlot).lineOf(label), arrow);
        QCOMPARE(arrow->head().style(), QCPLineEnding::esSpikeArrow);
        // The arrow runs from the label's edge to the point.
        mvPlot->replot();
        const QPointF point(mvPlot->xAxis->coordToPixel(300.0), mvPlot->yAxis->coordToPixel(345.67));
        QVERIFY(QLineF(arrow->end->pixelPosition(), point).length() < 0.01);
        const QRectF box(label->topLeft->pixelPosition(), label->bottomRight->pixelPosition());
        QVERIFY(QLineF(arrow->start->pixelPosition(), nearestPointOnBox(box, point)).length() < 0.01);
        // The label lies on its wanted side of the point (it fits there).
        if (alignment & Qt::AlignLeft) QVERIFY(box.left() > point.x());
        if (alignment & Qt::AlignRight) QVERIFY(box.right() < point.x());
        if (alignment & Qt::AlignBottom) QVERIFY(box.bottom() < point.y());
        if (alignment & Qt::AlignTop) QVERIFY(box.top() > point.y());
    }
};

QTEST_MAIN(PlotsTest)
#include "tst_plots.moc"
