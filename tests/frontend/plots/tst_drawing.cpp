// Cross-section drawing: bar layout, slab and steel outline, scales of the two
// scenes, and a run folder without geometry.
#include <QGraphicsEllipseItem>
#include <QGraphicsLineItem>
#include <QGraphicsPathItem>
#include <QGraphicsPolygonItem>
#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QLocale>
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

// A welded section under a slab on profiled sheeting: slab 1000 × 160 mm with
// a rib 50 mm deep and 100 mm wide, steel 300 mm high, bottom flange
// 200 × 12 mm, top flange 150 × 10 mm, web 8 mm; H = 460 mm, h_s = 110 mm.
SectionGeometry sheetedSection() {
    SectionGeometry g;
    g.b_e = 1000;
    g.h_c = 160;
    g.h_profilblech = 50;
    g.b_p = 100;
    g.h = 300;
    g.t_f1 = 12;
    g.b_f1 = 200;
    g.t_f2 = 10;
    g.b_f2 = 150;
    g.t_w = 8;
    return g;
}

// Items of the scene tagged as the given part of the dimension `symbol`.
QList<QGraphicsItem *> dimensionParts(QGraphicsScene &scene, const QString &symbol, const QString &part) {
    QList<QGraphicsItem *> found;
    for (QGraphicsItem *item : scene.items(Qt::AscendingOrder))
        if (item->data(dimensionSymbolKey).toString() == symbol && item->data(dimensionPartKey).toString() == part)
            found << item;
    return found;
}

}  // namespace

Q_DECLARE_METATYPE(SectionDimension::Side)

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

    // The measured points of every dimension, worked out from the section
    // (origin in the middle of the slab top, y downwards, mm).
    void dimensionsMeasureTheSection_data() {
        using Side = SectionDimension::Side;
        QTest::addColumn<bool>("sheeting");
        QTest::addColumn<QString>("symbol");
        QTest::addColumn<double>("value");
        QTest::addColumn<QPointF>("from");
        QTest::addColumn<QPointF>("to");
        QTest::addColumn<Side>("side");
        QTest::newRow("b_e over the slab") << true << "b_e" << 1000.0 << QPointF(-500, 0) << QPointF(500, 0) << Side::Above;
        // To the underside of the rib; the top flange (150 mm) is wider than the rib.
        QTest::newRow("h_c to the rib") << true << "h_c" << 160.0 << QPointF(-500, 0) << QPointF(-75, 160) << Side::Left;
        QTest::newRow("h from the top flange") << true << "h" << 300.0 << QPointF(-75, 160) << QPointF(-100, 460)
                                               << Side::Left;
        QTest::newRow("h_p beside the rib") << true << "h_p" << 50.0 << QPointF(500, 110) << QPointF(75, 160)
                                            << Side::Right;
        QTest::newRow("b_fo under the top flange") << true << "b_fo" << 150.0 << QPointF(-75, 170) << QPointF(75, 170)
                                                   << Side::Below;
        QTest::newRow("b_fu under the section") << true << "b_fu" << 200.0 << QPointF(-100, 460) << QPointF(100, 460)
                                                << Side::Below;
        QTest::newRow("h_c of a flat slab") << false << "h_c" << 160.0 << QPointF(-500, 0) << QPointF(-500, 160)
                                            << Side::Left;
    }
    void dimensionsMeasureTheSection() {
        QFETCH(bool, sheeting);
        QFETCH(QString, symbol);
        QFETCH(double, value);
        QFETCH(QPointF, from);
        QFETCH(QPointF, to);
        QFETCH(SectionDimension::Side, side);
        SectionGeometry g = sheetedSection();
        if (!sheeting) g.h_profilblech = g.b_p = 0;
        int found = 0;
        for (const SectionDimension &d : sectionDimensions(g)) {
            if (symbol != QLatin1String(d.symbol)) continue;
            ++found;
            QCOMPARE(d.value, value);
            QCOMPARE(d.from, from);
            QCOMPARE(d.to, to);
            QVERIFY(d.side == side);
        }
        QCOMPARE(found, 1);
    }

    // Only a slab on sheeting has h_p; a value of 0 is not dimensioned.
    void dimensionsOfAFlatSlab() {
        SectionGeometry g = sheetedSection();
        g.h_profilblech = g.b_p = 0;
        QStringList symbols;
        for (const SectionDimension &d : sectionDimensions(g)) symbols << d.symbol;
        QCOMPARE(symbols, QStringList({"b_e", "h_c", "h", "b_fo", "b_fu"}));
        g.b_e = 0;  // bare steel beam
        symbols.clear();
        for (const SectionDimension &d : sectionDimensions(g)) symbols << d.symbol;
        QCOMPARE(symbols, QStringList({"h_c", "h", "b_fo", "b_fu"}));
    }

    // Values in mm with the decimal point, whatever the user's locale.
    void dimensionTextHasValueAndUnit_data() {
        QTest::addColumn<QString>("symbol");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        QTest::newRow("index") << "b_e" << 2000.0 << "C" << "b<sub>e</sub> = 2000 mm";
        QTest::newRow("no index") << "h" << 400.0 << "C" << "h = 400 mm";
        QTest::newRow("decimals") << "b_fo" << 13.5 << "C" << "b<sub>fo</sub> = 13.5 mm";
        QTest::newRow("German locale") << "h_p" << 51.25 << "de_DE" << "h<sub>p</sub> = 51.25 mm";
    }
    void dimensionTextHasValueAndUnit() {
        QFETCH(QString, symbol);
        QFETCH(double, value);
        QFETCH(QString, locale);
        QFETCH(QString, text);
        const QByteArray name = symbol.toLatin1();
        QLocale::setDefault(QLocale(locale));
        const QString actual = dimensionText({name.constData(), value, {}, {}, SectionDimension::Side::Above, 1});
        QLocale::setDefault(QLocale::c());
        QCOMPARE(actual, text);
    }

    // Drawn at the scale of the "Plot" tab: each dimension shows its value,
    // its arrow heads touch the measured edges (projected onto the line), and
    // line and value stand outside the section. h_p = 10 mm is 5.4 units at
    // this scale, too short for arrow heads inside.
    void dimensionLinesCarryTheirValues_data() {
        QTest::addColumn<double>("h_p");
        QTest::newRow("h_p 50 mm") << 50.0;
        QTest::newRow("h_p 10 mm, arrow heads outside") << 10.0;
    }
    void dimensionLinesCarryTheirValues() {
        QFETCH(double, h_p);
        SectionGeometry g = sheetedSection();
        g.h_profilblech = h_p;
        const double s = plotSceneScale(g);
        QVERIFY(near(s, 250.0 / 460));
        QGraphicsScene scene;
        drawSection(&scene, g, s);
        drawSectionDimensions(&scene, g, s);

        const double hs = 160 - h_p;
        const struct {
            const char *symbol;
            const char *text;
            bool horizontal;
            double end1, end2;  // measured coordinates along the line, mm
        } expected[] = {
            {"b_e", "be = 1000 mm", true, -500, 500},
            {"h_c", "hc = 160 mm", false, 0, 160},
            {"h", "h = 300 mm", false, 160, 460},
            {"h_p", "", false, hs, 160},
            {"b_fo", "bfo = 150 mm", true, -75, 75},
            {"b_fu", "bfu = 200 mm", true, -100, 100},
        };
        const QRectF section(QPointF(-500 * s, 0), QPointF(500 * s, 460 * s));
        for (const auto &e : expected) {
            const QString symbol = e.symbol;
            const QList<QGraphicsItem *> texts = dimensionParts(scene, symbol, "text");
            QCOMPARE(texts.size(), 1);
            const QString shown = static_cast<QGraphicsTextItem *>(texts[0])->toPlainText();
            QCOMPARE(shown, e.text[0] ? QString(e.text) : QString("hp = %1 mm").arg(h_p));

            const QList<QGraphicsItem *> arrows = dimensionParts(scene, symbol, "arrow");
            QCOMPARE(arrows.size(), 2);
            QList<double> tips;
            for (QGraphicsItem *arrow : arrows) {
                const QPointF tip = static_cast<QGraphicsPolygonItem *>(arrow)->polygon().at(0);
                tips << (e.horizontal ? tip.x() : tip.y());
            }
            std::sort(tips.begin(), tips.end());
            QVERIFY2(qAbs(tips[0] - e.end1 * s) < 1e-9 && qAbs(tips[1] - e.end2 * s) < 1e-9, e.symbol);

            const QList<QGraphicsItem *> lines = dimensionParts(scene, symbol, "line");
            QCOMPARE(lines.size(), 1);
            const QLineF line = static_cast<QGraphicsLineItem *>(lines[0])->line();
            QVERIFY2(line.length() >= (e.end2 - e.end1) * s - 1e-9, e.symbol);
            const QRectF label = texts[0]->sceneBoundingRect();
            if (symbol == "b_e") {
                QVERIFY(line.y1() < 0 && label.bottom() <= 0);
            } else if (symbol == "h_c" || symbol == "h") {
                QVERIFY(line.x1() < section.left() && label.right() < section.left());
            } else if (symbol == "h_p") {
                QVERIFY(line.x1() > section.right() && label.left() > section.right());
            } else if (symbol == "b_fu") {
                QVERIFY(line.y1() > section.bottom() && label.top() > section.bottom());
            } else {  // b_fo: right under the top flange, its value beside the flange end
                QVERIFY(line.y1() > 170 * s && line.y1() < 170 * s + 15);
                QVERIFY(label.left() > 75 * s);
            }
        }
        QVERIFY(scene.sceneRect().contains(scene.itemsBoundingRect()));
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
