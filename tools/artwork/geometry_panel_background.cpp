#include "geometry_panel_background.h"

#include "section_outline.h"
#include "sketch_painter.h"

namespace artwork {

namespace {

// Centre of an input field in panel coordinates and its symbol. The
// panel's fixed row spacings put the 30 × 17 px fields there (b_e is
// 40 px wide); the sketch is drawn so that each one covers its dimension.
struct Field {
    double x;
    double y;
    double width;
    const char *symbol;
};

const Field bE{428, 17, 40, "b_e"};
const Field cNomO{775, 17, 30, "c_nom,o"};
const Field hC{90, 61, 30, "h_c"};
const Field eO{200, 61, 30, "e_o"};
const Field eU{316, 61, 30, "e_u"};
const Field bFo{430, 61, 30, "b_fo"};
const Field dU{556, 61, 30, "d_u"};
const Field dO{653, 61, 30, "d_o"};
const Field cNomU{783, 61, 30, "c_nom,u"};
const Field bP{436, 83, 30, "b_p"};
const Field hP{303, 124, 30, "h_p"};
const Field h{381, 124, 30, "h"};
const Field tW{469, 124, 30, "t_w"};
const Field tFo{611, 124, 30, "t_fo"};
const Field bFu{495, 167, 30, "b_fu"};
const Field tFu{598, 167, 30, "t_fu"};
const Field fields[] = {bE, cNomO, hC, eO, eU, bFo, dU, dO, cNomU, bP, hP, h, tW, tFo, bFu, tFu};

// Section geometry in panel pixels (schematic, not to scale).
constexpr double slabLeft = 130, slabRight = 712, slabTop = 33, slabBottom = 78;
constexpr double ribLeft = 404, ribRight = 476, ribBottom = 96;
constexpr double webAxis = 440, webThickness = 8;
constexpr double flangeLeft = 392, flangeRight = 488;
constexpr double topFlangeBottom = 103, bottomFlangeTop = 150, steelBottom = 157;
constexpr double topBarY = 40, bottomBarY = 73, barRadius = 3;
constexpr double firstBar = 148, barSpacing = 36;

void line(SketchPainter &sketch, QPointF a, QPointF b) { sketch.extension(a, b); }

// Vertical dimension of a small distance: a continuous line at x with
// arrow heads pointing at `from` from above and at `to` from below.
void smallVertical(SketchPainter &sketch, double x, double from, double to, double lineTop, double lineBottom) {
    line(sketch, QPointF(x, lineTop), QPointF(x, lineBottom));
    sketch.arrow(QPointF(x, from - 9), QPointF(x, from), colours::dimension, 0.9);
    sketch.arrow(QPointF(x, to + 9), QPointF(x, to), colours::dimension, 0.9);
}

void smallHorizontal(SketchPainter &sketch, double y, double from, double to, double lineLeft, double lineRight) {
    line(sketch, QPointF(lineLeft, y), QPointF(lineRight, y));
    sketch.arrow(QPointF(from - 9, y), QPointF(from, y), colours::dimension, 0.9);
    sketch.arrow(QPointF(to + 9, y), QPointF(to, y), colours::dimension, 0.9);
}

void drawSection(SketchPainter &sketch) {
    QPainter &p = sketch.painter();
    IProfileShape shape;
    shape.centre = webAxis;
    shape.top = ribBottom;
    shape.bottom = steelBottom;
    shape.topFlangeWidth = shape.bottomFlangeWidth = flangeRight - flangeLeft;
    shape.topFlangeThickness = topFlangeBottom - ribBottom;
    shape.bottomFlangeThickness = steelBottom - bottomFlangeTop;
    shape.webThickness = webThickness;
    shape.rootRadius = 4;
    p.save();
    p.setPen(QPen(colours::ink, 1.0));
    p.setBrush(colours::steel);
    p.drawPath(iProfileOutline(shape));
    p.restore();

    sketch.area(QPolygonF(QVector<QPointF>{{slabLeft, slabTop}, {slabRight, slabTop}, {slabRight, slabBottom},
                                           {ribRight, slabBottom}, {ribRight, ribBottom}, {ribLeft, ribBottom},
                                           {ribLeft, slabBottom}, {slabLeft, slabBottom}}),
                colours::concrete);
    // Profiled sheeting under the slab and along the rib.
    p.save();
    p.setPen(QPen(colours::ink, 2.0));
    p.drawPolyline(QPolygonF(QVector<QPointF>{{slabLeft, slabBottom + 1}, {ribLeft - 1, slabBottom + 1},
                                              {ribLeft - 1, ribBottom}}));
    p.drawPolyline(QPolygonF(QVector<QPointF>{{slabRight, slabBottom + 1}, {ribRight + 1, slabBottom + 1},
                                              {ribRight + 1, ribBottom}}));
    p.restore();
    for (double x = firstBar; x < slabRight - 10; x += barSpacing) {
        sketch.bar(QPointF(x, topBarY), barRadius);
        sketch.bar(QPointF(x, bottomBarY), barRadius);
    }
}

void drawSlabDimensions(SketchPainter &sketch) {
    // b_e over the whole slab.
    line(sketch, QPointF(slabLeft, slabTop - 2), QPointF(slabLeft, 11));
    line(sketch, QPointF(slabRight, slabTop - 2), QPointF(slabRight, 11));
    sketch.dimension(QPointF(slabLeft, bE.y), QPointF(slabRight, bE.y), QString());

    // h_c from the slab top to the underside of the rib.
    line(sketch, QPointF(slabLeft - 2, slabTop), QPointF(hC.x - 5, slabTop));
    line(sketch, QPointF(flangeLeft - 2, ribBottom), QPointF(hC.x - 5, ribBottom));
    sketch.dimension(QPointF(hC.x, slabTop), QPointF(hC.x, ribBottom), QString());

    // Bar spacings: e_o between two top bars, e_u between two bottom bars.
    const double o1 = firstBar + barSpacing, o2 = o1 + barSpacing;
    line(sketch, QPointF(o1, topBarY + barRadius), QPointF(o1, eO.y + 4));
    line(sketch, QPointF(o2, topBarY + barRadius), QPointF(o2, eO.y + 4));
    smallHorizontal(sketch, eO.y, o1, o2, o1 - 9, o2 + 9);
    const double u1 = firstBar + 4 * barSpacing, u2 = u1 + barSpacing;
    line(sketch, QPointF(u1, bottomBarY - barRadius), QPointF(u1, eU.y - 4));
    line(sketch, QPointF(u2, bottomBarY - barRadius), QPointF(u2, eU.y - 4));
    smallHorizontal(sketch, eU.y, u1, u2, u1 - 9, u2 + 9);

    // Bar diameters: leaders from the fields to a bottom and a top bar.
    const double barU = firstBar + 12 * barSpacing, barO = firstBar + 15 * barSpacing;
    line(sketch, QPointF(dU.x - 22, dU.y), QPointF(barU - 8, dU.y));
    line(sketch, QPointF(barU - 8, dU.y), QPointF(barU - 2, bottomBarY - 2));
    line(sketch, QPointF(dO.x - 22, dO.y), QPointF(barO - 8, dO.y));
    line(sketch, QPointF(barO - 8, dO.y), QPointF(barO - 2, topBarY + 2));

    // Covers at the last bar of each layer, dimensioned right of the slab.
    const double lastBar = firstBar + 15 * barSpacing;
    line(sketch, QPointF(slabRight + 2, slabTop), QPointF(cNomO.x + 6, slabTop));
    line(sketch, QPointF(lastBar + 2, topBarY - barRadius), QPointF(cNomO.x + 6, topBarY - barRadius));
    smallVertical(sketch, cNomO.x, slabTop, topBarY - barRadius, cNomO.y - 8, topBarY + 9);
    line(sketch, QPointF(lastBar + 2, bottomBarY + barRadius), QPointF(cNomU.x + 13, bottomBarY + barRadius));
    line(sketch, QPointF(slabRight + 2, slabBottom), QPointF(cNomU.x + 13, slabBottom));
    smallVertical(sketch, cNomU.x + 7, bottomBarY + barRadius, slabBottom, cNomU.y - 8, slabBottom + 9);

    // b_p across the rib, h_p beside it.
    sketch.dimension(QPointF(ribLeft, bP.y + 3), QPointF(ribRight, bP.y + 3), QString());
    line(sketch, QPointF(flangeLeft - 2, ribBottom), QPointF(hP.x - 5, ribBottom));
    smallVertical(sketch, hP.x, slabBottom, ribBottom, slabBottom - 9, hP.y + 10);
}

void drawSteelDimensions(SketchPainter &sketch) {
    // b_fo: extension lines from the top flange up to the dimension in the slab.
    line(sketch, QPointF(flangeLeft, ribBottom - 2), QPointF(flangeLeft, bFo.y - 5));
    line(sketch, QPointF(flangeRight, ribBottom - 2), QPointF(flangeRight, bFo.y - 5));
    sketch.dimension(QPointF(flangeLeft, bFo.y), QPointF(flangeRight, bFo.y), QString());

    // h on the left of the section.
    line(sketch, QPointF(flangeLeft - 2, steelBottom), QPointF(h.x - 5, steelBottom));
    sketch.dimension(QPointF(h.x, ribBottom), QPointF(h.x, steelBottom), QString());

    // t_w across the web, t_fo and t_fu right of the flanges.
    smallHorizontal(sketch, tW.y, webAxis - webThickness / 2, webAxis + webThickness / 2,
                    webAxis - webThickness / 2 - 9, tW.x + 21);
    line(sketch, QPointF(flangeRight + 2, ribBottom), QPointF(tFo.x + 6, ribBottom));
    line(sketch, QPointF(flangeRight + 2, topFlangeBottom), QPointF(tFo.x + 6, topFlangeBottom));
    smallVertical(sketch, tFo.x, ribBottom, topFlangeBottom, ribBottom - 9, tFo.y + 10);
    line(sketch, QPointF(flangeRight + 2, bottomFlangeTop), QPointF(tFu.x + 6, bottomFlangeTop));
    line(sketch, QPointF(flangeRight + 2, steelBottom), QPointF(tFu.x + 6, steelBottom));
    smallVertical(sketch, tFu.x, bottomFlangeTop, steelBottom, bottomFlangeTop - 9, tFu.y + 10);

    // b_fu below the section, its line carried on under the field.
    line(sketch, QPointF(flangeLeft, steelBottom + 2), QPointF(flangeLeft, bFu.y + 5));
    line(sketch, QPointF(flangeRight, steelBottom + 2), QPointF(flangeRight, bFu.y + 5));
    sketch.dimension(QPointF(flangeLeft, bFu.y), QPointF(flangeRight, bFu.y), QString());
    line(sketch, QPointF(flangeRight, bFu.y), QPointF(bFu.x + 18, bFu.y));
}

// Keeps the places of the symbol labels (left of each field) free of lines:
// plain concrete inside the slab, the panel's own background elsewhere.
void clearLabelPlaces(SketchPainter &sketch) {
    QPainter &p = sketch.painter();
    const QRectF slab(QPointF(slabLeft, slabTop), QPointF(slabRight, slabBottom));
    p.save();
    p.setCompositionMode(QPainter::CompositionMode_Source);
    for (const Field &f : fields) {
        const double width = sketch.textWidth(QString::fromUtf8(f.symbol)) + 4;
        const QRectF place(f.x - f.width / 2 - 6 - width, f.y - 8, width + 4, 16);
        p.fillRect(place, slab.contains(place) ? colours::concrete : QColor(Qt::transparent));
    }
    p.restore();
}

}  // namespace

QImage geometryPanelBackground() {
    // Wide enough that the panel does not repeat the sketch on large screens.
    QImage image(2560, 188, QImage::Format_ARGB32);
    SketchPainter sketch(image, 13.3, Qt::transparent);
    drawSection(sketch);
    drawSlabDimensions(sketch);
    drawSteelDimensions(sketch);
    clearLabelPlaces(sketch);
    return image;
}

}  // namespace artwork
