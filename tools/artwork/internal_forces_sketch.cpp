#include "internal_forces_sketch.h"

#include <QPainterPath>
#include <cmath>

#include "sketch_painter.h"

namespace artwork {

namespace {

constexpr double kPi = 3.14159265358979323846;

// Moment arrow wrapped around the end face at `centre`: from below, round
// the outside, to above; `clockwise` as seen on screen.
void momentArrow(SketchPainter &sketch, QPointF centre, double radius, bool clockwise) {
    const double startDeg = clockwise ? 280.0 : -100.0;
    const double sweepDeg = clockwise ? -200.0 : 200.0;
    const QRectF box(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    QPainterPath arc;
    arc.arcMoveTo(box, startDeg);
    arc.arcTo(box, startDeg, sweepDeg);
    QPainter &p = sketch.painter();
    p.save();
    p.setPen(QPen(colours::design, 1.4));
    p.setBrush(Qt::NoBrush);
    p.drawPath(arc);
    // Head at the end of the arc along its direction of travel.
    const double end = (startDeg + sweepDeg) * kPi / 180.0;
    const QPointF tip(centre.x() + radius * std::cos(end), centre.y() - radius * std::sin(end));
    const double sense = clockwise ? -1.0 : 1.0;
    const QPointF along(-std::sin(end) * sense, -std::cos(end) * sense);
    const QPointF across(-along.y(), along.x());
    const double head = 5.0;
    p.setPen(Qt::NoPen);
    p.setBrush(colours::design);
    p.drawPolygon(QPolygonF(QVector<QPointF>{tip + along * 2.0, tip - along * head + across * 2.6,
                                             tip - along * head - across * 2.6}));
    p.restore();
}

}  // namespace

QImage internalForcesSketch() {
    QImage image(113, 30, QImage::Format_RGB32);
    SketchPainter sketch(image, 10.0);
    const double left = 33, right = 80;
    sketch.area(QPolygonF(QRectF(QPointF(left, 12), QPointF(right, 18))), colours::concrete);

    // Positive (sagging) moment: clockwise on the left face, anticlockwise on the right.
    momentArrow(sketch, QPointF(left, 15), 8.0, true);
    momentArrow(sketch, QPointF(right, 15), 8.0, false);
    // Positive shear: upwards on the left face, downwards on the right.
    sketch.arrow(QPointF(11, 28), QPointF(11, 2), colours::dimension, 1.4);
    sketch.arrow(QPointF(102, 2), QPointF(102, 28), colours::dimension, 1.4);

    sketch.text(QPointF(40, 1), QStringLiteral("M"), Qt::AlignLeft | Qt::AlignTop, colours::design);
    sketch.text(QPointF(73, 1), QStringLiteral("M"), Qt::AlignRight | Qt::AlignTop, colours::design);
    sketch.text(QPointF(14, 28), QStringLiteral("V"), Qt::AlignLeft | Qt::AlignBottom, colours::dimension);
    sketch.text(QPointF(99, 28), QStringLiteral("V"), Qt::AlignRight | Qt::AlignBottom, colours::dimension);
    return image;
}

}  // namespace artwork
