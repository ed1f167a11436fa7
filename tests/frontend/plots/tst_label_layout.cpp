// Readable plots: value labels that stay apart and inside the axes, the
// design point and its label inside the interaction plot, numbers with the
// decimal point, strains with three significant digits, and legends that
// list only what is visible.
#include <QLocale>
#include <QtTest>

#include "plots/interaction_plot.h"
#include "plots/label_layout.h"
#include "plots/plot_setup.h"
#include "plots/stress_plots.h"
#include "qcustomplot.h"
#include "support/plot_checks.h"
#include "support/result_fixtures.h"

namespace {

QString u(const char *text) { return QString::fromUtf8(text); }

const QString family = QStringLiteral("DejaVu Sans");
const QString noRun = QStringLiteral("nicht ermittelt (keine Berechnung)");

using Boxes = QVector<QRectF>;
using Requests = QVector<LabelRequest>;

const Qt::Alignment leftOfPoint = Qt::AlignRight | Qt::AlignVCenter;
const Qt::Alignment rightOfPoint = Qt::AlignLeft | Qt::AlignVCenter;

// A hidden plot lays itself out in its viewport, not in its widget size.
void setPlotSize(QCustomPlot *plot, const QSize &size) {
    plot->resize(size);
    plot->setViewport(QRect(QPoint(), size));
}

bool anyOverlap(const QVector<PlacedLabel> &placed, const Boxes &obstacles) {
    for (int i = 0; i < placed.size(); ++i) {
        for (int j = i + 1; j < placed.size(); ++j)
            if (placed[i].box.intersects(placed[j].box)) return true;
        for (const QRectF &obstacle : obstacles)
            if (placed[i].box.intersects(obstacle)) return true;
    }
    return false;
}

}  // namespace

Q_DECLARE_METATYPE(Requests)
Q_DECLARE_METATYPE(Boxes)

class LabelLayoutTest : public QObject {
    Q_OBJECT

private:
    QFont windowFont{"DejaVu Sans", 9};

    QCustomPlot *stressPlot() {
        return createResultPlot(u("σ [N/mm²]"), "Z [mm]", windowFont, LegendPlacement::RightCentre);
    }

private slots:
    void wantedBoxFollowsTheAlignment_data() {
        QTest::addColumn<int>("alignment");
        QTest::addColumn<QRectF>("box");
        // Anchor (100, 100), box 40 x 10, gap 3.
        QTest::newRow("right of and above") << int(Qt::AlignLeft | Qt::AlignBottom) << QRectF(103, 87, 40, 10);
        QTest::newRow("left of and below") << int(Qt::AlignRight | Qt::AlignTop) << QRectF(57, 103, 40, 10);
        QTest::newRow("left, centred") << int(leftOfPoint) << QRectF(57, 95, 40, 10);
        QTest::newRow("centred on the point") << int(Qt::AlignCenter) << QRectF(80, 95, 40, 10);
    }
    void wantedBoxFollowsTheAlignment() {
        QFETCH(int, alignment);
        QFETCH(QRectF, box);
        QCOMPARE(wantedBox({QPointF(100, 100), QSizeF(40, 10), Qt::Alignment(alignment), 3.0}), box);
    }

    // Bounds 0 ... 200 x 0 ... 100; boxes 40 x 10, gap 0 unless noted.
    void placement_data() {
        QTest::addColumn<Requests>("labels");
        QTest::addColumn<Boxes>("obstacles");
        QTest::addColumn<Boxes>("expected");
        QTest::addColumn<QVector<bool>>("displaced");  // hidden: none unless noted
        const QSizeF size(40, 10);
        QTest::newRow("apart: kept where wanted")
            << Requests{{{100, 20}, size, leftOfPoint, 0}, {{100, 60}, size, leftOfPoint, 0}} << Boxes()
            << Boxes{{60, 15, 40, 10}, {60, 55, 40, 10}} << QVector<bool>{false, false};
        // "-11.02" 4 px below "-0.15": the lower one moves down by 10 - 4 + 1 px.
        QTest::newRow("overlap: the lower box moves down")
            << Requests{{{100, 50}, size, leftOfPoint, 0}, {{98, 54}, size, leftOfPoint, 0}} << Boxes()
            << Boxes{{60, 45, 40, 10}, {58, 56, 40, 10}} << QVector<bool>{false, true};
        QTest::newRow("side by side: no move")
            << Requests{{{100, 50}, size, leftOfPoint, 0}, {{100, 50}, size, rightOfPoint, 0}} << Boxes()
            << Boxes{{60, 45, 40, 10}, {100, 45, 40, 10}} << QVector<bool>{false, false};
        QTest::newRow("at the left edge: mirrored to the right")
            << Requests{{{20, 50}, size, leftOfPoint, 2}} << Boxes() << Boxes{{22, 45, 40, 10}}
            << QVector<bool>{true};
        QTest::newRow("at the bottom edge: mirrored upwards")
            << Requests{{{100, 95}, size, Qt::AlignLeft | Qt::AlignTop, 0}} << Boxes()
            << Boxes{{100, 85, 40, 10}} << QVector<bool>{true};
        QTest::newRow("wider than its room either side: moved inside")
            << Requests{{{100, 50}, QSizeF(120, 10), leftOfPoint, 0}} << Boxes()
            << Boxes{{0, 45, 120, 10}} << QVector<bool>{true};
        QTest::newRow("pushed below the bounds: moved back up")
            << Requests{{{100, 88}, size, leftOfPoint, 0}, {{100, 90}, size, leftOfPoint, 0}} << Boxes()
            << Boxes{{60, 79, 40, 10}, {60, 90, 40, 10}} << QVector<bool>{true, true};
        QTest::newRow("legend in the way")
            << Requests{{{150, 50}, size, rightOfPoint, 0}} << Boxes{{140, 40, 60, 20}}
            << Boxes{{150, 61, 40, 10}} << QVector<bool>{true};
    }
    void placement() {
        QFETCH(Requests, labels);
        QFETCH(Boxes, obstacles);
        QFETCH(Boxes, expected);
        QFETCH(QVector<bool>, displaced);
        const QVector<PlacedLabel> placed = placeLabels(labels, QRectF(0, 0, 200, 100), obstacles);
        QCOMPARE(placed.size(), expected.size());
        for (int i = 0; i < placed.size(); ++i) {
            QCOMPARE(placed[i].box, expected[i]);
            QCOMPARE(placed[i].displaced, displaced[i]);
        }
        for (const PlacedLabel &label : placed) QVERIFY(!label.hidden);
        QVERIFY(!anyOverlap(placed, obstacles));
    }

    // More labels than the height holds (30 x 10 px in 100 px): every box
    // stays inside, the first nine fit, and the rest are hidden rather than
    // drawn over the others.
    void tooManyLabelsAreHidden() {
        Requests labels;
        for (int i = 0; i < 30; ++i) labels.append({{100, 50}, QSizeF(40, 10), leftOfPoint, 0});
        const QRectF bounds(0, 0, 200, 100);
        const QVector<PlacedLabel> placed = placeLabels(labels, bounds, {});
        QVector<PlacedLabel> shown;
        for (const PlacedLabel &label : placed) {
            QVERIFY(bounds.contains(label.box));
            if (!label.hidden) shown << label;
        }
        // 100 px hold nine boxes of 10 px with 1 px between them.
        QCOMPARE(shown.size(), 9);
        QVERIFY(!placed.first().hidden);
        QVERIFY(!anyOverlap(shown, {}));
    }

    // Key labels are never hidden. Boxes of 40 x 10 px with 1 px between
    // them fit a 200 x 100 px plot in four columns of nine rows: 30 key
    // labels at one point are all led out, apart from each other. Of 60, 36
    // find a place and 24 are shown crowded; none is hidden, and the
    // secondary label gives way to them.
    void keyLabelsAreLedOutNotHidden() {
        for (const int keys : {30, 60}) {
            const int crowded = std::max(0, keys - 4 * 9);
            Requests labels{{{100, 50}, QSizeF(40, 10), leftOfPoint, 0, false}};
            for (int i = 0; i < keys; ++i) labels.append({{100, 50}, QSizeF(40, 10), leftOfPoint, 0, true});
            const QVector<PlacedLabel> placed = placeLabels(labels, QRectF(0, 0, 200, 100), {});
            QVector<PlacedLabel> free;
            for (int i = 1; i < placed.size(); ++i) {
                QVERIFY(!placed[i].hidden && QRectF(0, 0, 200, 100).contains(placed[i].box));
                if (!placed[i].crowded) free << placed[i];
            }
            QCOMPARE(free.size(), keys - crowded);
            QVERIFY(!anyOverlap(free, {}));
            QVERIFY(crowded == 0 || placed.first().hidden);
        }
    }

    void nearestPointOnTheBox() {
        const QRectF box(10, 10, 40, 10);
        QCOMPARE(nearestPointOnBox(box, QPointF(0, 15)), QPointF(10, 15));
        QCOMPARE(nearestPointOnBox(box, QPointF(60, 30)), QPointF(50, 20));
        QCOMPARE(nearestPointOnBox(box, QPointF(20, 12)), QPointF(20, 12));
    }

    // The designs on which labels were seen on top of each other: the
    // example ("-11.02" on "-0.15 N/mm²") and a design with sheeting
    // ("-35.83" on "-28.64"), serviceability without tension stiffening.
    void crowdedLabelsStayApart_data() {
        QTest::addColumn<QString>("fixture");
        QTest::addColumn<QSize>("size");
        for (const char *fixture : {"crowded_example", "crowded_sheeting"})
            for (const QSize &size : {QSize(600, 300), QSize(450, 260), QSize(800, 420)})
                QTest::newRow(qPrintable(QString("%1 %2x%3").arg(fixture).arg(size.width()).arg(size.height())))
                    << QString(fixture) << size;
    }
    void crowdedLabelsStayApart() {
        QFETCH(QString, fixture);
        QFETCH(QSize, size);
        const StressDistribution d = readStressDistribution(fixtures::folder("plots/" + fixture));
        QScopedPointer<QCustomPlot> sigma(stressPlot());
        QScopedPointer<QCustomPlot> eps(
            createResultPlot(u("ε [‰]"), "Z [mm]", windowFont, LegendPlacement::RightCentre));
        for (QCustomPlot *plot : {sigma.data(), eps.data()}) setPlotSize(plot, size);
        drawStressPlot(sigma.data(), d, family, noRun);
        drawStrainPlot(eps.data(), d, family, noRun);
        // The fixture is crowded: at their wanted places two stress labels overlap.
        if (size.width() < 500) QVERIFY(plotchecks::wantedPlacesOverlap(sigma.data()));
        for (QCustomPlot *plot : {sigma.data(), eps.data()}) {
            QCOMPARE(plotchecks::overlappingLabels(plot), QStringList());
            QCOMPARE(plotchecks::labelsOutsideAxisRect(plot), QStringList());
            // A moved label is tied to its point by a leader line.
            for (QCPItemText *label : plotchecks::valueLabels(plot)) {
                QCPItemLine *line = LabelLayout::of(plot).lineOf(label);
                QVERIFY(line);
                const QPointF shift = LabelLayout::of(plot).wantedBoxOf(label).topLeft() -
                                      plotchecks::boxOf(label).topLeft();
                QCOMPARE(line->visible(), shift.manhattanLength() > 0.5);
            }
        }
        QCOMPARE(plotchecks::hiddenLabels(sigma.data()), QStringList());
        // A resize re-places the labels.
        setPlotSize(sigma.data(), size - QSize(60, 40));
        sigma->replot();
        QCOMPARE(plotchecks::overlappingLabels(sigma.data()), QStringList());
        QCOMPARE(plotchecks::labelsOutsideAxisRect(sigma.data()), QStringList());
        // A plot too small for all its labels hides secondary ones only.
        setPlotSize(sigma.data(), QSize(220, 120));
        sigma->replot();
        for (QCPItemText *label : plotchecks::valueLabels(sigma.data()))
            if (LabelLayout::of(sigma.data()).isKey(label)) QVERIFY2(label->visible(), qPrintable(label->text()));
    }

    // The example's serviceability stresses stay below 1.75 * 108.64 N/mm²,
    // so the f_yd,red line at 355 N/mm² is off the scale and not listed.
    void legendListsOnlyVisibleGraphs() {
        QScopedPointer<QCustomPlot> sigma(stressPlot());
        drawStressPlot(sigma.data(), readStressDistribution(fixtures::folder("plots/crowded_example")),
                       family, noRun);
        QCOMPARE(sigma->graph(0)->name(), QString("f_yd,red"));
        QCOMPARE(plotchecks::legendNames(sigma.data()),
                 QStringList({"Baustahl", "Beton", "Bewehrung"}));
        // The ultimate state of the sagging fixture reaches f_yd,red = 310.5 N/mm².
        drawStressPlot(sigma.data(),
                       readStressDistribution(fixtures::folder("plots/sagging/Tragfaehigkeitkeit/spannung_ohne_ts")),
                       family, noRun);
        QCOMPARE(plotchecks::legendNames(sigma.data()).first(), QString("f_yd,red"));
    }

    void axisNumbersUseTheDecimalPoint() {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QScopedPointer<QCustomPlot> sigma(stressPlot());
        drawStressPlot(sigma.data(), readStressDistribution(fixtures::folder("plots/crowded_example")),
                       family, noRun);
        sigma->xAxis->setRange(-0.5, 0.75);  // ticks with decimals
        sigma->replot();
        QLocale::setDefault(QLocale::c());
        const QVector<QString> ticks = sigma->xAxis->tickVectorLabels();
        QVERIFY(!ticks.isEmpty());
        bool anyDecimal = false;
        for (const QString &tick : ticks) {
            QVERIFY2(!tick.contains(','), qPrintable(tick));
            anyDecimal = anyDecimal || tick.contains('.');
        }
        QVERIFY(anyDecimal);
    }

    void strainsKeepThreeSignificantDigits_data() {
        QTest::addColumn<double>("strain");
        QTest::addColumn<QString>("text");
        QTest::newRow("small strain is no zero") << 0.0013312 << "0.00133";
        QTest::newRow("0.0550872") << -0.0550872 << "-0.0551";
        QTest::newRow("3.214") << 3.214 << "3.21";
        QTest::newRow("strain limit 45") << 45.0 << "45";
        QTest::newRow("-3.5") << -3.5 << "-3.5";
        QTest::newRow("negative zero") << -0.0 << "0";
    }
    void strainsKeepThreeSignificantDigits() {
        QFETCH(double, strain);
        QFETCH(QString, text);
        QCOMPARE(strainNumber(strain), text);
    }

    void spanWithThePoint_data() {
        QTest::addColumn<double>("min");
        QTest::addColumn<double>("max");
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("newMin");
        QTest::addColumn<double>("newMax");
        // 1500 > 1375: max = 1500 + 0.1/0.9 * 1500, so 1500 lies a tenth below the top.
        QTest::newRow("beyond the top") << 0.0 << 1375.0 << 1500.0 << 0.0 << 1666.6666667;
        QTest::newRow("inside: unchanged") << 0.0 << 1225.0 << 1000.0 << 0.0 << 1225.0;
        // -400 below 0: min = -400 - 0.1/0.9 * (1375 + 400).
        QTest::newRow("below the bottom") << 0.0 << 1375.0 << -400.0 << -597.2222222 << 1375.0;
        QTest::newRow("on the edge") << 0.0 << 100.0 << 100.0 << 0.0 << 111.1111111;
    }
    void spanWithThePoint() {
        QFETCH(double, min);
        QFETCH(double, max);
        QFETCH(double, value);
        QFETCH(double, newMin);
        QFETCH(double, newMax);
        const AxisSpan span = spanWithPoint({min, max}, value);
        QVERIFY2(qAbs(span.min - newMin) < 1e-6, qPrintable(QString::number(span.min, 'g', 10)));
        QVERIFY2(qAbs(span.max - newMax) < 1e-6, qPrintable(QString::number(span.max, 'g', 10)));
    }

    // The design point and its label lie inside the interaction plot: a
    // moment beyond M_pl,Rd (1500 > 982 kNm) and a shear force beyond V_pl,Rd
    // (1000 > 875 kN), the two cases where they were lost.
    void designPointAndLabelInsideThePlot_data() {
        QTest::addColumn<QString>("fixture");
        QTest::addColumn<double>("vEd");
        QTest::addColumn<double>("mEd");
        QTest::addColumn<QSize>("size");
        for (const QSize &size : {QSize(600, 350), QSize(380, 260)}) {
            const QString s = QString(" %1x%2").arg(size.width()).arg(size.height());
            QTest::newRow(qPrintable("beyond M_pl" + s)) << "results/section_failure" << 300.0 << 1500.0 << size;
            QTest::newRow(qPrintable("beyond V_pl" + s)) << "results/shear_failure" << 1000.0 << 400.0 << size;
            QTest::newRow(qPrintable("hogging beyond M_pl" + s))
                << "results/section_failure" << 300.0 << -800.0 << size;
        }
    }
    void designPointAndLabelInsideThePlot() {
        QFETCH(QString, fixture);
        QFETCH(double, vEd);
        QFETCH(double, mEd);
        QFETCH(QSize, size);
        QScopedPointer<QCustomPlot> plot(
            createResultPlot("V [kN]", "M [kNm]", windowFont, LegendPlacement::ChosenPerRefresh));
        setPlotSize(plot.data(), size);
        const InteractionCurves curves =
            readInteractionCurves(fixtures::folder(fixture) + "V_M_beziehung.txt");
        drawInteractionCurves(plot.data(), curves, noRun);
        drawDesignPoint(plot.data(), mEd, vEd, curves.sumV(), curves.sumM(), family);
        QVERIFY(plot->xAxis->range().contains(vEd));
        QVERIFY(plot->yAxis->range().contains(mEd));
        const QRectF rect = plot->axisRect()->rect();
        const QPointF point(plot->xAxis->coordToPixel(vEd), plot->yAxis->coordToPixel(mEd));
        QVERIFY(rect.contains(point));
        QCOMPARE(plotchecks::labelsOutsideAxisRect(plot.data()), QStringList());
        const QList<QCPItemText *> labels = plotchecks::valueLabels(plot.data());
        QCOMPARE(labels.size(), 1);
        // The label does not hide the point, and the legend does not hide the label.
        QVERIFY(!plotchecks::boxOf(labels[0]).contains(point));
        QVERIFY(!plotchecks::boxOf(labels[0]).intersects(plot->legend->outerRect()));
        QCOMPARE(plotchecks::legendNames(plot.data()),
                 QStringList({"pl. Grenzmoment", "el. Grenzmoment", "Belastung: GZT"}));
    }

    // Without data a plot is an empty frame with its note: no ticks, no
    // legend, no design point.
    void plotWithoutDataShowsItsNote() {
        QScopedPointer<QCustomPlot> plot(
            createResultPlot("V [kN]", "M [kNm]", windowFont, LegendPlacement::ChosenPerRefresh));
        drawInteractionCurves(plot.data(), InteractionCurves(), noRun);
        drawDesignPoint(plot.data(), 400.0, 300.0, -1.0, -1.0, family);
        QCOMPARE(noDataNote(plot.data()), noRun);
        QCOMPARE(plot->graphCount(), 0);
        QVERIFY(!plot->legend->visible());
        QVERIFY(!plot->xAxis->ticks() && !plot->xAxis->tickLabels() && !plot->yAxis->tickLabels());
        QVERIFY(plotchecks::valueLabels(plot.data()).isEmpty());
    }
};

QTEST_MAIN(LabelLayoutTest)
#include "tst_label_layout.moc"
