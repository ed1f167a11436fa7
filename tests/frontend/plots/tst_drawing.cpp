// Cross-section drawing: bar layout, slab and steel outline, scales of the two
// scenes, and a run folder without geometry.
#include <QGraphicsEllipseItem>
#include <QGraphicsLineItem>
#include <QGraphicsPathItem>
#include <QGraphicsPolygonItem>
#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QTemporaryDir>
#include <QtTest>

#include "support/result_fixtures.h"
#include "plots/section_drawing.h"

namespace {

// Geometry of the sagging fixture: IPE 300 under a 160 mm slab, 1000 mm wide.
SectionGeometry fixtureGeometry() {
    return readSectionGeometry(fixtures::folder("plots/sagging") + "output.txt");
}

template <typename Item>
QList<Item *> itemsOf(QGraphicsScene &scene) {
    QList<Item *> out;
    const QList<QGraphicsItem *> all = scene.items(Qt::AscendingOrder);
    for (QGraphicsItem *item : all)
        if (item->type() == Item::Type) out << static_cast<Item *>(item);
    return out;
}

QList<QGraphicsEllipseItem *> bars(QGraphicsScene &scene) {
    QList<QGraphicsEllipseItem *> out;
    for (QGraphicsEllipseItem *e : itemsOf<QGraphicsEllipseItem>(scene))
        if (e->brush().color() == QColor(Qt::darkGray)) out << e;
    return out;
}

bool near(double a, double b) { return qAbs(a - b) < 1e-9 * qMax(1.0, qAbs(b)); }

}  // namespace

class DrawingTest : public QObject {
    Q_OBJECT

private slots:
    void barCentres_data() {
        QTest::addColumn<double>("width");
        QTest::addColumn<double>("spacing");
        QTest::addColumn<double>("diameter");
        QTest::addColumn<QVector<double>>("centres");
        QTest::newRow("B 1000, e 150") << 1000.0 << 150.0 << 12.0
                                       << QVector<double>{-450, -300, -150, 0, 150, 300, 450};
        QTest::newRow("B 1000, e 200") << 1000.0 << 200.0 << 12.0
                                       << QVector<double>{-500, -300, -100, 100, 300, 500};
        QTest::newRow("spacing wider than the slab") << 1000.0 << 1500.0 << 12.0 << QVector<double>{0};
        QTest::newRow("spacing 0") << 1000.0 << 0.0 << 12.0 << QVector<double>{};
        QTest::newRow("diameter 0") << 1000.0 << 150.0 << 0.0 << QVector<double>{};
        // Thin bars at a spacing to match pass the engine's checks (spacing at
        // least the diameter): 10000 / 0.00001 would be 10^9 bars.
        QTest::newRow("10^9 bars are not drawn") << 10000.0 << 1e-5 << 1e-5 << QVector<double>{};
        QTest::newRow("10^13 bars are not drawn") << 10000.0 << 1e-9 << 1e-9 << QVector<double>{};
    }
    void barCentres() {
        QFETCH(double, width);
        QFETCH(double, spacing);
        QFETCH(double, diameter);
        QFETCH(QVector<double>, centres);
        const std::vector<double> actual = ::barCentres(width, spacing, diameter);
        QCOMPARE(int(actual.size()), centres.size());
        QVERIFY(actual.size() <= maximumBarsPerLayer + 1);
        for (int i = 0; i < centres.size(); ++i) QVERIFY(near(actual[i], centres[i]));
    }

    void geometryIsReadFromTheRunFolder() {
        const SectionGeometry g = fixtureGeometry();
        QCOMPARE(g.totalHeight(), 460.0);
        QCOMPARE(g.b_e, 1000.0);
        QCOMPARE(g.t_w, 7.1);
        QCOMPARE(g.r, 15.0);
        QCOMPARE(g.AbstanduntereLage, 200.0);
        QCOMPARE(g.AbstandobereLage, 150.0);
    }

    void scalesOfBothScenes() {
        const SectionGeometry g = fixtureGeometry();
        QVERIFY(near(plotSceneScale(g), 250.0 / 460));
        // Limited by the height: 142 / 460 < 400 / 1000.
        QVERIFY(near(overviewSceneScale(g), 142.0 / 460));
        SectionGeometry wide = g;
        wide.b_e = 3000;  // 400 / 3000 < 142 / 460
        QVERIFY(near(overviewSceneScale(wide), 400.0 / 3000));
    }

    void barsOfBothLayersToScale() {
        const SectionGeometry g = fixtureGeometry();
        const double s = plotSceneScale(g);
        QGraphicsScene scene;
        drawSection(&scene, g, s);
        const QList<QGraphicsEllipseItem *> circles = bars(scene);
        // Bottom: B / 200 + 1 = 6 bars of 12 mm; top: floor(1000 / 150) + 1 = 7 bars of 10 mm.
        QCOMPARE(circles.size(), 13);
        // Bar centres where the engine has them: bottom 30 + 6 = 36 mm above the slab
        // underside (depth 124), top 30 + 5 = 35 mm below the slab top.
        for (int i = 0; i < 6; ++i) {
            const QRectF r = circles[i]->rect();
            QVERIFY(near(r.width(), 12 * s));
            QVERIFY(near(r.center().x(), (-500 + 200 * i) * s));
            QVERIFY(near(r.center().y(), 124 * s));
        }
        for (int i = 0; i < 7; ++i) {
            const QRectF r = circles[6 + i]->rect();
            QVERIFY(near(r.width(), 10 * s));
            QVERIFY(near(r.center().x(), (-450 + 150 * i) * s));
            QVERIFY(near(r.center().y(), 35 * s));
        }
    }

    void noBarsForSpacingOrDiameterZero() {
        SectionGeometry g = fixtureGeometry();
        g.AbstanduntereLage = 0;
        g.d_o = 0;
        QGraphicsScene scene;
        drawSection(&scene, g, plotSceneScale(g));
        QCOMPARE(bars(scene).size(), 0);
    }

    void slabWithoutSheetingIsARectangle() {
        const SectionGeometry g = fixtureGeometry();
        const double s = plotSceneScale(g);
        QGraphicsScene scene;
        drawSection(&scene, g, s);
        const QList<QGraphicsPolygonItem *> polygons = itemsOf<QGraphicsPolygonItem>(scene);
        QCOMPARE(polygons.size(), 2);
        const QPolygonF slab = polygons[0]->polygon();
        QCOMPARE(slab.size(), 8);
        QCOMPARE(polygons[0]->brush().color(), QColor(Qt::lightGray));
        const QRectF box = slab.boundingRect();
        QVERIFY(near(box.left(), -500 * s) && near(box.right(), 500 * s));
        QVERIFY(near(box.top(), 0) && near(box.bottom(), 160 * s));
        for (const QPointF &p : slab)  // every point on the rectangle's outline
            QVERIFY(near(p.x(), box.left()) || near(p.x(), box.right()) || near(p.y(), box.top()) ||
                    near(p.y(), box.bottom()));
    }

    void slabWithSheetingHasItsRib() {
        SectionGeometry g = fixtureGeometry();
        g.h_profilblech = 50;
        g.b_p = 100;
        QGraphicsScene scene;
        drawSection(&scene, g, 1.0);
        const QPolygonF slab = itemsOf<QGraphicsPolygonItem>(scene)[0]->polygon();
        const QPolygonF expected(QVector<QPointF>{{-500, 0}, {-500, 110}, {-50, 110}, {-50, 160},
                                                  {50, 160}, {50, 110}, {500, 110}, {500, 0}});
        QCOMPARE(slab, expected);
    }

    void steelSectionWithFillets() {
        const SectionGeometry g = fixtureGeometry();
        QGraphicsScene scene;
        drawSection(&scene, g, 1.0);
        const QPolygonF steel = itemsOf<QGraphicsPolygonItem>(scene)[1]->polygon();
        QCOMPARE(steel.size(), 20);
        QCOMPARE(steel.boundingRect(), QRectF(QPointF(-75, 160), QPointF(75, 460)));
        // Web faces at ±3.55, fillet squares reaching 15 mm beside them.
        QVERIFY(steel.containsPoint(QPointF(-3.5, 300), Qt::OddEvenFill));
        QVERIFY(!steel.containsPoint(QPointF(-3.6, 300), Qt::OddEvenFill));
        QVERIFY(steel.containsPoint(QPointF(-18.5, 170.8), Qt::OddEvenFill));
        QVERIFY(!steel.containsPoint(QPointF(-18.6, 170.8), Qt::OddEvenFill));
        // Four white cut-outs of diameter 2r centred r beside the web and r off the flanges.
        QList<QPointF> centres;
        for (QGraphicsEllipseItem *e : itemsOf<QGraphicsEllipseItem>(scene))
            if (e->brush().color() == QColor(Qt::white)) {
                QCOMPARE(e->rect().width(), 30.0);
                centres << e->rect().center();
            }
        QCOMPARE(centres, QList<QPointF>({{-18.55, 185.7}, {18.55, 185.7}, {-18.55, 434.3},
                                          {18.55, 434.3}}));
        QCOMPARE(itemsOf<QGraphicsLineItem>(scene).size(), 19);
        QCOMPARE(itemsOf<QGraphicsPathItem>(scene).size(), 4);
        // Each arc joins a web face and a flange: upper left from (−3.55, 185.7) to (−18.55, 170.7).
        const QPainterPath arc = itemsOf<QGraphicsPathItem>(scene)[0]->path();
        QVERIFY((arc.pointAtPercent(0) - QPointF(-3.55, 185.7)).manhattanLength() < 1e-9);
        QVERIFY((arc.pointAtPercent(1) - QPointF(-18.55, 170.7)).manhattanLength() < 1e-9);
        // The whole section lies between the slab top and the bottom flange.
        const QLineF bottom = itemsOf<QGraphicsLineItem>(scene)[12]->line();
        QCOMPARE(bottom, QLineF(-75, 460, 75, 460));
    }

    void overviewSceneIs142UnitsHigh() {
        const SectionGeometry g = fixtureGeometry();
        QGraphicsScene scene;
        drawSection(&scene, g, overviewSceneScale(g));
        const QLineF bottom = itemsOf<QGraphicsLineItem>(scene)[12]->line();
        QVERIFY(near(bottom.y1(), 142.0));
    }

    // A run folder whose output.txt holds no geometry (for example a run
    // stopped by a validation error) has H = 0: both scales are 0, the scene
    // is cleared and nothing is drawn instead of dividing by zero.
    void withoutGeometryNothingIsDrawn() {
        QTemporaryDir dir;
        fixtures::writeFile(dir.filePath("output.txt"), "\n*Querkrafttragf\xE4higkeit\nV_pl_Rd\t455995\n");
        const SectionGeometry empty = readSectionGeometry(dir.filePath("output.txt").toStdString());
        QCOMPARE(plotSceneScale(empty), 0.0);
        QCOMPARE(overviewSceneScale(empty), 0.0);
        QGraphicsScene scene;
        drawSection(&scene, fixtureGeometry(), 1.0);
        QVERIFY(!scene.items().isEmpty());
        drawSection(&scene, empty, overviewSceneScale(empty));
        QVERIFY(scene.items().isEmpty());
        const SectionGeometry missing = readSectionGeometry(dir.filePath("nothing.txt").toStdString());
        QCOMPARE(plotSceneScale(missing), 0.0);
    }
};

QTEST_MAIN(DrawingTest)
#include "tst_drawing.moc"
