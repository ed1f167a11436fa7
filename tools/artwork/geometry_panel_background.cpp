#include "geometry_panel_background.h"

#include <QPainterPath>
#include <cmath>

#include "section_outline.h"
#include "sketch_painter.h"

namespace artwork {

namespace {

// Centre of an input field in panel coordinates, its width and its symbol.
// The panel's row spacings put the fields there; each field is wide enough
// for a seven-character number in its 10 pt font (67 px with DejaVu Sans)
// and its symbol label stands 6 px left of it. The sketch is drawn so that
// each field covers its dimension line or the line carried on beside it.
struct Field {
    double x;
    double y;
    double width;
    const char *symbol;

    double left() const { return x - width / 2; }
    double right() const { return x + width / 2; }
};

constexpr double fieldWidth = 67;
constexpr double symbolGap = 6;  // between a symbol label and its field

const Field bE{485, 17, fieldWidth, "b_e"};
const Field cNomO{927, 17, fieldWidth, "c_nom,o"};
const Field hC{83, 61, fieldWidth, "h_c"};
const Field eO{246, 61, fieldWidth, "e_o"};
const Field eU{398, 61, fieldWidth, "e_u"};
const Field bFo{519, 61, fieldWidth, "b_fo"};
const Field dU{639, 61, fieldWidth, "d_u"};
const Field dO{773, 61, fieldWidth, "d_o"};
const Field cNomU{927, 61, fieldWidth, "c_nom,u"};
const Field bP{524, 83, fieldWidth, "b_p"};
const Field hP{309, 124, fieldWidth, "h_p"};
const Field h{409, 124, fieldWidth, "h"};
const Field tW{587, 124, fieldWidth, "t_w"};
const Field tFo{697, 124, fieldWidth, "t_fo"};
const Field bFu{519, 167, fieldWidth, "b_fu"};
const Field tFu{640, 167, fieldWidth, "t_fu"};
const Field fields[] = {bE, cNomO, hC, eO, eU, bFo, dU, dO, cNomU, bP, hP, h, tW, tFo, bFu, tFu};

// Section geometry in panel pixels (schematic, not to scale). The flanges
// are wide enough to hold b_fo and b_fu with their symbols between the
// arrow heads, the rib likewise b_p.
constexpr double slabLeft = 130, slabRight = 840, slabTop = 33, slabBottom = 78;
constexpr double ribLeft = 460, ribRight = 570, ribBottom = 96;
constexpr double webAxis = 515, webThickness = 8;
constexpr double flangeLeft = 450, flangeRight = 580;
constexpr double topFlangeBottom = 103, bottomFlangeTop = 150, steelBottom = 157;
constexpr double topBarY = 40, bottomBarY = 73, barRadius = 3;
constexpr double firstBar = 140, barSpacing = 38;
constexpr double smallArrow = 9;  // length of the arrows of a small dimension

double lastBar() { return firstBar + std::floor((slabRight - 10 - firstBar) / barSpacing) * barSpacing; }

// First bar at or right of x.
double barFrom(double x) { return firstBar + std::ceil((x - firstBar) / barSpacing) * barSpacing; }

// Left bar of the last pair whose outer arrow ends before x.
double barPairBefore(double x) {
    return firstBar + std::floor((x - smallArrow - barSpacing - firstBar) / barSpacing) * barSpacing;
}

double symbolWidth(const SketchPainter &sketch, const Field &f) {
    return sketch.textWidth(QString::fromUtf8(f.symbol));
}

void line(SketchPainter &sketch, QPointF a, QPointF b) { sketch.extension(a, b); }

// Vertical dimension of a small distance: a continuous line at x with
// arrow heads pointing at `from` from above and at `to` from below.
void smallVertical(SketchPainter &sketch, double x, double from, double to, double lineTop, double lineBottom) {
    line(sketch, QPointF(x, lineTop), QPointF(x, lineBottom));
    sketch.arrow(QPointF(x, from - smallArrow), QPointF(x, from), colours::dimension, 0.9);
    sketch.arrow(QPointF(x, to + smallArrow), QPointF(x, to), colours::dimension, 0.9);
}

void smallHorizontal(SketchPainter &sketch, double y, double from, double to, double lineLeft, double lineRight) {
    line(sketch, QPointF(lineLeft, y), QPointF(lineRight, y));
    sketch.arrow(QPointF(from - smallArrow, y), QPointF(from, y), colours::dimension, 0.9);
    sketch.arrow(QPointF(to + smallArrow, y), QPointF(to, y), colours::dimension, 0.9);
}

QPolygonF concreteOutline() {
    return QPolygonF(QVector<QPointF>{{slabLeft, slabTop}, {slabRight, slabTop}, {slabRight, slabBottom},
                                      {ribRight, slabBottom}, {ribRight, ribBottom}, {ribLeft, ribBottom},
                                      {ribLeft, slabBottom}, {slabLeft, slabBottom}});
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

    sketch.area(concreteOutline(), colours::concrete);
    // Profiled sheeting under the slab and along the rib.
    p.save();
    p.setPen(QPen(colours::ink, 2.0));
    p.drawPolyline(QPolygonF(QVector<QPointF>{{slabLeft, slabBottom + 1}, {ribLeft - 1, slabBottom + 1},
                                              {ribLeft - 1, ribBottom}}));
    p.drawPolyline(QPolygonF(QVector<QPointF>{{slabRight, slabBottom + 1}, {ribRight + 1, slabBottom + 1},
                                              {ribRight + 1, ribBottom}}));
    p.restore();
    for (double x = firstBar; x <= lastBar(); x += barSpacing) {
        sketch.bar(QPointF(x, topBarY), barRadius);
        sketch.bar(QPointF(x, bottomBarY), barRadius);
    }
}

// Spacing of two bars of one layer, its line carried on to the field on
// the right; the bar pair is the last one whose arrows end before the symbol.
void barSpacingDimension(SketchPainter &sketch, const Field &f, double barY, double symbolLeft) {
    const double b1 = barPairBefore(symbolLeft), b2 = b1 + barSpacing;
    const double towardsLine = f.y > barY ? 1.0 : -1.0;
    const double barEdge = barY + towardsLine * barRadius;
    const double lineEnd = f.y + towardsLine * 4;
    line(sketch, QPointF(b1, barEdge), QPointF(b1, lineEnd));
    line(sketch, QPointF(b2, barEdge), QPointF(b2, lineEnd));
    smallHorizontal(sketch, f.y, b1, b2, b1 - smallArrow, f.x);
}

// Leader from a field to the first bar of a layer right of it.
void barLeader(SketchPainter &sketch, const Field &f, double barY) {
    const double bar = barFrom(f.right() + 8);
    const double towardsBar = barY > f.y ? 1.0 : -1.0;
    line(sketch, QPointF(f.x, f.y), QPointF(bar - 8, f.y));
    line(sketch, QPointF(bar - 8, f.y), QPointF(bar - 2, barY - towardsBar * 2));
}

void drawSlabDimensions(SketchPainter &sketch) {
    // b_e over the whole slab.
    line(sketch, QPointF(slabLeft, slabTop - 2), QPointF(slabLeft, bE.y - 6));
    line(sketch, QPointF(slabRight, slabTop - 2), QPointF(slabRight, bE.y - 6));
    sketch.dimension(QPointF(slabLeft, bE.y), QPointF(slabRight, bE.y), QString());

    // h_c from the slab top to the underside of the rib.
    line(sketch, QPointF(slabLeft - 2, slabTop), QPointF(hC.x - 5, slabTop));
    line(sketch, QPointF(flangeLeft - 2, ribBottom), QPointF(hC.x - 5, ribBottom));
    sketch.dimension(QPointF(hC.x, slabTop), QPointF(hC.x, ribBottom), QString());

    // Bar spacings: e_o between two top bars, e_u between two bottom bars.
    barSpacingDimension(sketch, eO, topBarY, eO.left() - symbolGap - symbolWidth(sketch, eO));
    barSpacingDimension(sketch, eU, bottomBarY, eU.left() - symbolGap - symbolWidth(sketch, eU));

    // Bar diameters: leaders from the fields to a bottom and a top bar.
    barLeader(sketch, dU, bottomBarY);
    barLeader(sketch, dO, topBarY);

    // Covers at the last bar of each layer, dimensioned right of the slab.
    line(sketch, QPointF(slabRight + 2, slabTop), QPointF(cNomO.x + 6, slabTop));
    line(sketch, QPointF(lastBar() + 2, topBarY - barRadius), QPointF(cNomO.x + 6, topBarY - barRadius));
    smallVertical(sketch, cNomO.x, slabTop, topBarY - barRadius, cNomO.y - 8, topBarY + smallArrow);
    line(sketch, QPointF(lastBar() + 2, bottomBarY + barRadius), QPointF(cNomU.x + 13, bottomBarY + barRadius));
    line(sketch, QPointF(slabRight + 2, slabBottom), QPointF(cNomU.x + 13, slabBottom));
    smallVertical(sketch, cNomU.x + 7, bottomBarY + barRadius, slabBottom, cNomU.y - 8, slabBottom + smallArrow);

    // b_p across the rib, h_p beside it.
    sketch.dimension(QPointF(ribLeft, bP.y + 3), QPointF(ribRight, bP.y + 3), QString());
    line(sketch, QPointF(flangeLeft - 2, ribBottom), QPointF(hP.x - 5, ribBottom));
    smallVertical(sketch, hP.x, slabBottom, ribBottom, slabBottom - smallArrow, hP.y + 10);
}

void drawSteelDimensions(SketchPainter &sketch) {
    // b_fo: extension lines from the top flange up to the dimension in the slab.
    line(sketch, QPointF(flangeLeft, ribBottom - 2), QPointF(flangeLeft, bFo.y - 5));
    line(sketch, QPointF(flangeRight, ribBottom - 2), QPointF(flangeRight, bFo.y - 5));
    sketch.dimension(QPointF(flangeLeft, bFo.y), QPointF(flangeRight, bFo.y), QString());

    // h on the left of the section.
    line(sketch, QPointF(flangeLeft - 2, steelBottom), QPointF(h.x - 5, steelBottom));
    sketch.dimension(QPointF(h.x, ribBottom), QPointF(h.x, steelBottom), QString());

    // t_w across the web, its line carried on to the field; t_fo and t_fu
    // right of the flanges.
    smallHorizontal(sketch, tW.y, webAxis - webThickness / 2, webAxis + webThickness / 2,
                    webAxis - webThickness / 2 - smallArrow, tW.x);
    line(sketch, QPointF(flangeRight + 2, ribBottom), QPointF(tFo.x + 6, ribBottom));
    line(sketch, QPointF(flangeRight + 2, topFlangeBottom), QPointF(tFo.x + 6, topFlangeBottom));
    smallVertical(sketch, tFo.x, ribBottom, topFlangeBottom, ribBottom - smallArrow, tFo.y + 10);
    line(sketch, QPointF(flangeRight + 2, bottomFlangeTop), QPointF(tFu.x + 6, bottomFlangeTop));
    line(sketch, QPointF(flangeRight + 2, steelBottom), QPointF(tFu.x + 6, steelBottom));
    smallVertical(sketch, tFu.x, bottomFlangeTop, steelBottom, bottomFlangeTop - smallArrow, tFu.y + 10);

    // b_fu below the section.
    line(sketch, QPointF(flangeLeft, steelBottom + 2), QPointF(flangeLeft, bFu.y + 5));
    line(sketch, QPointF(flangeRight, steelBottom + 2), QPointF(flangeRight, bFu.y + 5));
    sketch.dimension(QPointF(flangeLeft, bFu.y), QPointF(flangeRight, bFu.y), QString());
}

// Keeps the places of the symbol labels (left of each field) free of lines:
// plain concrete where the place lies on the concrete, the panel's own
// background elsewhere.
void clearLabelPlaces(SketchPainter &sketch) {
    QPainter &p = sketch.painter();
    QPainterPath concrete;
    concrete.addPolygon(concreteOutline());
    p.save();
    p.setCompositionMode(QPainter::CompositionMode_Source);
    for (const Field &f : fields) {
        const double width = symbolWidth(sketch, f);
        QPainterPath place;
        place.addRect(QRectF(f.left() - symbolGap - width - 2, f.y - 8, width + 4, 16));
        p.fillPath(place.intersected(concrete), colours::concrete);
        p.fillPath(place.subtracted(concrete), QColor(Qt::transparent));
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
