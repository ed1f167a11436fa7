#include "plots/section_drawing.h"

#include <algorithm>
#include <cmath>

#include <QBrush>
#include <QGraphicsScene>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>

namespace {

bool hasHeight(const SectionGeometry &g) {
    const double H = g.totalHeight();
    return std::isfinite(H) && H > 0.0;
}

}  // namespace

double plotSceneScale(const SectionGeometry &g) {
    return hasHeight(g) ? 250.0 / g.totalHeight() : 0.0;
}

double overviewSceneScale(const SectionGeometry &g) {
    if (!hasHeight(g)) return 0.0;
    const double byHeight = 142.0 / g.totalHeight();
    return g.b_e > 0.0 ? std::min(400.0 / g.b_e, byHeight) : byHeight;
}

std::vector<double> barCentres(double slabWidth, double spacing, double diameter) {
    std::vector<double> centres;
    if (!(spacing > 0.0) || !(diameter > 0.0) || !(slabWidth >= 0.0)) return centres;
    const double count = std::floor(slabWidth / spacing);
    // Bars thinner than a millimetre at a spacing to match pass the engine's
    // checks but would be billions of items; such a layer is not drawn.
    if (!(count <= maximumBarsPerLayer)) return centres;
    const int n = static_cast<int>(count);
    for (int i = 0; i <= n; ++i) centres.push_back(spacing * (i - n / 2.0));
    return centres;
}

namespace {

// Adds the items of one scene; every length in mm is multiplied by the scale.
class SectionPainter {
public:
    SectionPainter(QGraphicsScene *scene, double scale) : scene_(scene), s_(scale) {}

    QPointF at(double x, double y) const { return QPointF(s_ * x, s_ * y); }
    QRectF square(double xCentre, double yCentre, double diameter) const {
        return QRectF(at(xCentre - diameter / 2.0, yCentre - diameter / 2.0),
                      at(xCentre + diameter / 2.0, yCentre + diameter / 2.0));
    }

    void polygon(std::initializer_list<QPointF> mmPoints, const QPen &pen, const QBrush &brush) {
        QPolygonF scaled;
        for (const QPointF &p : mmPoints) scaled << at(p.x(), p.y());
        scene_->addPolygon(scaled, pen, brush);
    }
    void circle(double xCentre, double yCentre, double diameter, const QPen &pen, const QBrush &brush) {
        scene_->addEllipse(square(xCentre, yCentre, diameter), pen, brush);
    }
    void rectangle(double x1, double y1, double x2, double y2, const QPen &pen, const QBrush &brush) {
        scene_->addRect(QRectF(at(x1, y1), at(x2, y2)), pen, brush);
    }
    void line(double x1, double y1, double x2, double y2) {
        scene_->addLine(QLineF(at(x1, y1), at(x2, y2)));
    }
    // Quarter circle of radius r about the centre, from startDegrees
    // counter-clockwise over 90°.
    void quarterArc(double xCentre, double yCentre, double r, double startDegrees) {
        const QRectF box = square(xCentre, yCentre, 2.0 * r);
        QPainterPath path;
        path.arcMoveTo(box, startDegrees);
        path.arcTo(box, startDegrees, 90.0);
        scene_->addPath(path, QPen(), QBrush());
    }

private:
    QGraphicsScene *scene_;
    double s_;
};

void drawBarLayer(SectionPainter &paint, const SectionGeometry &g, double spacing, double diameter,
                  double centreDepth) {
    for (double x : barCentres(g.b_e, spacing, diameter))
        paint.circle(x, centreDepth, diameter, QPen(Qt::black), QBrush(Qt::darkGray));
}

}  // namespace

void drawSection(QGraphicsScene *scene, const SectionGeometry &g, double scale) {
    scene->clear();
    if (!(scale > 0.0) || !std::isfinite(scale)) {
        scene->update();
        return;
    }
    SectionPainter paint(scene, scale);
    const double B = g.b_e, hc = g.h_c, bp = g.b_p, hs = g.solidSlabDepth();
    const double H = g.totalHeight();
    const double tf1 = g.t_f1, bf1 = g.b_f1, tf2 = g.t_f2, bf2 = g.b_f2, r = g.r;
    const double w = g.t_w / 2.0;      // half web thickness
    const double wr = w + r;           // web face plus fillet
    const double yTop = hc + tf2;      // underside of the top flange
    const double yBottom = H - tf1;    // top of the bottom flange

    paint.polygon({{-B / 2, 0}, {-B / 2, hs}, {-bp / 2, hs}, {-bp / 2, hc}, {bp / 2, hc},
                   {bp / 2, hs}, {B / 2, hs}, {B / 2, 0}},
                  QPen(Qt::black), QBrush(Qt::lightGray));
    paint.polygon({{-bf2 / 2, hc}, {-bf2 / 2, yTop}, {-wr, yTop}, {-wr, yTop + r}, {-w, yTop + r},
                   {-w, yBottom - r}, {-wr, yBottom - r}, {-wr, yBottom}, {-bf1 / 2, yBottom},
                   {-bf1 / 2, H}, {bf1 / 2, H}, {bf1 / 2, yBottom}, {wr, yBottom}, {wr, yBottom - r},
                   {w, yBottom - r}, {w, yTop + r}, {wr, yTop + r}, {wr, yTop}, {bf2 / 2, yTop},
                   {bf2 / 2, hc}},
                  QPen(Qt::white), QBrush(Qt::darkGray));
    // The polygon holds an r × r square in each web–flange corner; a white
    // circle touching flange and web leaves the concave root fillet.
    for (const QPointF &centre : {QPointF(-wr, yTop + r), QPointF(wr, yTop + r),
                                  QPointF(-wr, yBottom - r), QPointF(wr, yBottom - r)})
        paint.circle(centre.x(), centre.y(), 2.0 * r, QPen(Qt::white), QBrush(Qt::white));

    // Bar centres where the engine integrates them: the cover is measured to
    // the bar surface, bottom layer from the underside of the solid slab,
    // top layer from the slab top.
    drawBarLayer(paint, g, g.AbstanduntereLage, g.d_u, hs - g.c_nom_u - g.d_u / 2.0);
    drawBarLayer(paint, g, g.AbstandobereLage, g.d_o, g.c_nom_o + g.d_o / 2.0);

    // White margins beside the slab widen the scene by h_c / 2 on each side.
    paint.rectangle(-(hc + B) / 2, 0, -B / 2, hs, QPen(Qt::white), QBrush(Qt::white));
    paint.rectangle(B / 2, 0, (hc + B) / 2, hs, QPen(Qt::white), QBrush(Qt::white));

    paint.line(-B / 2, 0, B / 2, 0);
    paint.line(-B / 2, 0, -B / 2, hc);
    paint.line(B / 2, 0, B / 2, hc);
    paint.line(-B / 2, hc, B / 2, hc);
    paint.line(-B / 2, hs, -bp / 2, hs);
    paint.line(B / 2, hs, bp / 2, hs);
    paint.line(-bp / 2, hc, -bp / 2, hs);
    paint.line(bp / 2, hc, bp / 2, hs);
    paint.line(-bf2 / 2, yTop, -wr, yTop);
    paint.line(wr, yTop, bf2 / 2, yTop);
    paint.line(-bf1 / 2, yBottom, -wr, yBottom);
    paint.line(wr, yBottom, bf1 / 2, yBottom);
    paint.line(-bf1 / 2, H, bf1 / 2, H);
    paint.line(-bf2 / 2, hc, -bf2 / 2, yTop);
    paint.line(bf2 / 2, hc, bf2 / 2, yTop);
    paint.line(-w, yTop + r, -w, yBottom - r);
    paint.line(w, yTop + r, w, yBottom - r);
    paint.line(-bf1 / 2, H, -bf1 / 2, yBottom);
    paint.line(bf1 / 2, H, bf1 / 2, yBottom);

    paint.quarterArc(-wr, yTop + r, r, 0.0);
    paint.quarterArc(wr, yTop + r, r, 90.0);
    paint.quarterArc(wr, yBottom - r, r, 180.0);
    paint.quarterArc(-wr, yBottom - r, r, 270.0);
    scene->update();
}
