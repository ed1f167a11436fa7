#include "plots/section_drawing.h"

#include <algorithm>
#include <cmath>

#include <QBrush>
#include <QFont>
#include <QGraphicsLineItem>
#include <QGraphicsPolygonItem>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>
#include <QTextDocument>
#include <QTextOption>

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
    // The view can scroll to every part of the section, however wide.
    scene->setSceneRect(scene->itemsBoundingRect());
    scene->update();
}

std::vector<SectionDimension> sectionDimensions(const SectionGeometry &g) {
    using Side = SectionDimension::Side;
    const double B = g.b_e, hc = g.h_c, hs = g.solidSlabDepth(), H = g.totalHeight();
    const double bf1 = g.b_f1, bf2 = g.b_f2;
    // Outermost edge at the underside of the slab: the rib, or the top
    // flange where it is wider; without sheeting the slab itself.
    const double slabFoot = g.h_profilblech > 0.0 ? std::max(g.b_p, bf2) / 2.0 : B / 2.0;
    std::vector<SectionDimension> all{
        {"b_e", B, {-B / 2, 0}, {B / 2, 0}, Side::Above, 1},
        {"h_c", hc, {-B / 2, 0}, {-slabFoot, hc}, Side::Left, 1},
        {"h", g.h, {-bf2 / 2, hc}, {-bf1 / 2, H}, Side::Left, 1},
        {"h_p", g.h_profilblech, {B / 2, hs}, {std::max(g.b_p, bf2) / 2, hc}, Side::Right, 1},
        {"b_fo", bf2, {-bf2 / 2, hc + g.t_f2}, {bf2 / 2, hc + g.t_f2}, Side::Below, 0},
        {"b_fu", bf1, {-bf1 / 2, H}, {bf1 / 2, H}, Side::Below, 1},
    };
    std::vector<SectionDimension> drawn;
    for (const SectionDimension &d : all)
        if (d.value > 0.0 && std::isfinite(d.value)) drawn.push_back(d);
    return drawn;
}

QString dimensionText(const SectionDimension &d) {
    const QString symbol = QString::fromLatin1(d.symbol);
    const int underscore = symbol.indexOf('_');
    const QString shown =
        underscore < 0 ? symbol : symbol.left(underscore) + "<sub>" + symbol.mid(underscore + 1) + "</sub>";
    return shown + " = " + QString::number(d.value, 'g', 6) + " mm";
}

namespace {

// Sizes of the dimensions in scene units, independent of the section's scale.
constexpr double tierStep = 26.0;      // distance of a dimension line from the section, per tier
constexpr double besideEdge = 7.0;     // distance of a tier-0 line from its edge
constexpr double extensionGap = 3.0;   // between the section and an extension line
constexpr double overshoot = 4.0;      // of an extension line beyond the dimension line
constexpr double arrowLength = 7.0;
constexpr double arrowHalfWidth = 2.5;
constexpr double textGap = 3.0;
constexpr int textPixelSize = 12;

const QColor dimensionColour(25, 75, 170);

// A note wraps its words within this width; a preview narrower than that
// shows it scaled down.
constexpr double noteWidth = 200.0;
constexpr double noteMargin = 4.0;

class DimensionPainter {
public:
    DimensionPainter(QGraphicsScene *scene, const SectionDimension &d) : scene_(scene), d_(d) {}

    void line(const QPointF &a, const QPointF &b, const char *part) {
        QGraphicsLineItem *item = scene_->addLine(QLineF(a, b), QPen(dimensionColour, 0));
        tag(item, part);
    }
    // Filled arrow head with its tip at `tip`, pointing along `direction`.
    void arrow(const QPointF &tip, const QPointF &direction) {
        const double length = std::hypot(direction.x(), direction.y());
        if (!(length > 0.0)) return;
        const QPointF u = direction / length, n(-u.y(), u.x());
        const QPointF base = tip - u * arrowLength;
        QGraphicsPolygonItem *item =
            scene_->addPolygon(QPolygonF({tip, base + n * arrowHalfWidth, base - n * arrowHalfWidth}),
                               QPen(Qt::NoPen), QBrush(dimensionColour));
        tag(item, "arrow");
    }
    QGraphicsTextItem *text(const QString &html) {
        auto *item = new QGraphicsTextItem;
        QFont font;
        font.setPixelSize(textPixelSize);
        item->setFont(font);
        item->document()->setDocumentMargin(0);
        item->setDefaultTextColor(dimensionColour);
        item->setHtml(html);
        scene_->addItem(item);
        tag(item, "text");
        return item;
    }

private:
    void tag(QGraphicsItem *item, const char *part) {
        item->setData(dimensionSymbolKey, QString::fromLatin1(d_.symbol));
        item->setData(dimensionPartKey, QString::fromLatin1(part));
    }

    QGraphicsScene *scene_;
    const SectionDimension &d_;
};

// A dimension line between a and b (scene units) with arrow heads at both
// ends; a distance too short for two heads gets them outside, pointing in.
void dimensionLine(DimensionPainter &paint, const QPointF &a, const QPointF &b) {
    const QPointF along = b - a;
    const double length = std::hypot(along.x(), along.y());
    if (length >= 2.5 * arrowLength) {
        paint.line(a, b, "line");
        paint.arrow(a, -along);
        paint.arrow(b, along);
    } else {
        const QPointF u = length > 0.0 ? along / length : QPointF(1, 0);
        paint.line(a - u * 2.0 * arrowLength, b + u * 2.0 * arrowLength, "line");
        paint.arrow(a, u);
        paint.arrow(b, -u);
    }
}

// The bar layers named beside the slab on the right, each with a leader
// from its outermost bar: "obere Lage: Ø12 / 150 mm, c<sub>nom</sub> = 30 mm".
// The note of the top layer stands above its leader, that of the bottom
// layer below, so the two never meet. Tagged "d_o"/"d_u", part "bars".
void drawBarLayerNotes(QGraphicsScene *scene, const SectionGeometry &g, double s, double halfWidth) {
    const double right = halfWidth + tierStep * (g.h_profilblech > 0.0 ? 2.0 : 1.0);
    const struct {
        const char *symbol, *name;
        double d, e, c, depth;
        bool above;
    } layers[] = {
        {"d_o", "obere Lage", g.d_o, g.AbstandobereLage, g.c_nom_o, g.c_nom_o + g.d_o / 2.0, true},
        {"d_u", "untere Lage", g.d_u, g.AbstanduntereLage, g.c_nom_u,
         g.solidSlabDepth() - g.c_nom_u - g.d_u / 2.0, false},
    };
    for (const auto &layer : layers) {
        const std::vector<double> bars = barCentres(g.b_e, layer.e, layer.d);
        if (bars.empty()) continue;
        const SectionDimension tag{layer.symbol, layer.d, {}, {}, SectionDimension::Side::Right, 0};
        DimensionPainter paint(scene, tag);
        const QPointF bar(bars.back() * s, layer.depth * s);
        const QPointF end(right, bar.y());
        paint.line(bar, end, "bars");
        QGraphicsTextItem *note = paint.text(QString::fromUtf8("%1: Ø%2 / %3 mm, c<sub>nom</sub> = %4 mm")
                                                 .arg(QString::fromLatin1(layer.name), QString::number(layer.d, 'g', 6),
                                                      QString::number(layer.e, 'g', 6), QString::number(layer.c, 'g', 6)));
        note->setData(dimensionPartKey, QStringLiteral("bars"));
        const QRectF box = note->boundingRect();
        note->setPos(end.x() + textGap, layer.above ? end.y() - box.height() : end.y());
    }
}

}  // namespace

void drawSectionDimensions(QGraphicsScene *scene, const SectionGeometry &g, double scale) {
    if (!(scale > 0.0) || !std::isfinite(scale)) return;
    using Side = SectionDimension::Side;
    const double s = scale;
    // Outline of the section in scene units: dimension lines of tier 1 and
    // more stand outside it.
    const double halfWidth = s * std::max({g.b_e, g.b_f1, g.b_f2}) / 2.0;
    const double top = 0.0, bottom = s * g.totalHeight();

    for (const SectionDimension &d : sectionDimensions(g)) {
        DimensionPainter paint(scene, d);
        const QPointF p1 = d.from * s, p2 = d.to * s;
        const bool horizontal = d.side == Side::Above || d.side == Side::Below;
        const double outward = (d.side == Side::Above || d.side == Side::Left) ? -1.0 : 1.0;
        double at = 0.0;  // y of a horizontal, x of a vertical dimension line
        if (d.tier == 0) {
            const double edge = horizontal ? (outward < 0 ? std::min(p1.y(), p2.y()) : std::max(p1.y(), p2.y()))
                                           : (outward < 0 ? std::min(p1.x(), p2.x()) : std::max(p1.x(), p2.x()));
            at = edge + outward * besideEdge;
        } else {
            const double extent = horizontal ? (outward < 0 ? top : bottom) : outward * halfWidth;
            at = extent + outward * tierStep * d.tier;
        }
        const QPointF a = horizontal ? QPointF(p1.x(), at) : QPointF(at, p1.y());
        const QPointF b = horizontal ? QPointF(p2.x(), at) : QPointF(at, p2.y());
        if (d.tier > 0)
            for (const QPointF &p : {p1, p2}) {
                const QPointF end = horizontal ? QPointF(p.x(), at) : QPointF(at, p.y());
                const QPointF dir = horizontal ? QPointF(0, outward) : QPointF(outward, 0);
                paint.line(p + dir * extensionGap, end + dir * overshoot, "extension");
            }
        dimensionLine(paint, a, b);

        QGraphicsTextItem *label = paint.text(dimensionText(d));
        const QRectF box = label->boundingRect();
        const QPointF mid = (a + b) / 2.0;
        QPointF topLeft;
        if (d.tier == 0)  // beside the measured edge: the text follows the line's end
            topLeft = horizontal ? QPointF(std::max(a.x(), b.x()) + textGap, at - box.height() / 2)
                                 : QPointF(at - box.width() / 2, std::max(a.y(), b.y()) + textGap);
        else if (horizontal)
            topLeft = QPointF(mid.x() - box.width() / 2,
                              outward < 0 ? at - textGap - box.height() : at + textGap);
        else
            topLeft = QPointF(outward < 0 ? at - textGap - box.width() : at + textGap,
                              mid.y() - box.height() / 2);
        label->setPos(topLeft);
    }
    drawBarLayerNotes(scene, g, scale, halfWidth);
    const double margin = tierStep;
    scene->setSceneRect(scene->itemsBoundingRect().adjusted(-margin, -margin, margin, margin));
}

void drawWebHole(QGraphicsScene *scene, const SectionGeometry &g, double scale, double z_u,
                 double z_o) {
    if (!(scale > 0.0) || !std::isfinite(scale) || !std::isfinite(z_u) || !std::isfinite(z_o) ||
        !(z_o > z_u))
        return;
    const double H = g.totalHeight(), w = g.t_w / 2.0;
    QPen dashed(Qt::black);
    dashed.setStyle(Qt::DashLine);
    dashed.setCosmetic(true);
    const QRectF hole(QPointF(-w * scale, (H - z_o) * scale), QPointF(w * scale, (H - z_u) * scale));
    QGraphicsItem *rectangle = scene->addRect(hole, dashed, QBrush(Qt::white));
    auto *label = scene->addText(QString::fromUtf8("Loch im Steg"));
    QFont font = label->font();
    font.setPointSizeF(7.0);
    label->setFont(font);
    label->setPos(hole.right() + 4.0, hole.center().y() - label->boundingRect().height() / 2.0);
    for (QGraphicsItem *item : {rectangle, static_cast<QGraphicsItem *>(label)})
        item->setData(dimensionPartKey, QStringLiteral("hole"));
    scene->setSceneRect(scene->itemsBoundingRect());
}

void drawSectionNote(QGraphicsScene *scene, const QString &text) {
    scene->clear();
    auto *note = new QGraphicsTextItem;
    note->document()->setDocumentMargin(0);
    QTextOption centred(Qt::AlignHCenter);
    centred.setWrapMode(QTextOption::WordWrap);
    note->document()->setDefaultTextOption(centred);
    note->setTextWidth(noteWidth);
    note->setPlainText(text);
    scene->addItem(note);
    const QRectF box = note->boundingRect();
    note->setPos(-box.width() / 2, -box.height() / 2);
    scene->setSceneRect(note->sceneBoundingRect().adjusted(-noteMargin, -noteMargin, noteMargin, noteMargin));
}
