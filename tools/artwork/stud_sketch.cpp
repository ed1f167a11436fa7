#include "stud_sketch.h"

#include "sketch_painter.h"

namespace artwork {

QImage studInRibSketch() {
    QImage image(190, 130, QImage::Format_RGB32);
    SketchPainter sketch(image, 11.0);

    const double left = 8, right = 150, slabTop = 10, ribTop = 52, ribBottom = 88;
    const double ribLeft = 52, ribRight = 108, flange = 8;
    const double centre = (ribLeft + ribRight) / 2.0;

    // The top flange, the concrete of the slab with one rib down to it.
    sketch.area(QPolygonF(QRectF(QPointF(left + 20, ribBottom), QPointF(right - 20, ribBottom + flange))),
                colours::steel);
    sketch.area(QPolygonF({QPointF(left, slabTop), QPointF(right, slabTop), QPointF(right, ribTop),
                           QPointF(ribRight + 6, ribTop), QPointF(ribRight, ribBottom), QPointF(ribLeft, ribBottom),
                           QPointF(ribLeft - 6, ribTop), QPointF(left, ribTop)}),
                colours::concrete);
    QPainter &p = sketch.painter();
    p.save();
    p.setPen(QPen(colours::ink, 2.0));
    p.drawPolyline(QPolygonF({QPointF(left, ribTop + 1), QPointF(ribLeft - 6, ribTop + 1), QPointF(ribLeft, ribBottom - 1),
                              QPointF(ribRight, ribBottom - 1), QPointF(ribRight + 6, ribTop + 1),
                              QPointF(right, ribTop + 1)}));
    p.restore();

    // The stud: shank d, head, height h_sc from the flange.
    const double shank = 7, head = 15, headHeight = 5, studTop = 26;
    sketch.area(QPolygonF(QRectF(QPointF(centre - shank / 2, studTop + headHeight), QPointF(centre + shank / 2, ribBottom))),
                colours::steel);
    sketch.area(QPolygonF(QRectF(QPointF(centre - head / 2, studTop), QPointF(centre + head / 2, studTop + headHeight))),
                colours::steel);

    sketch.extension(QPointF(centre + head / 2 + 2, studTop), QPointF(right + 6, studTop));
    sketch.extension(QPointF(ribRight + 2, ribBottom), QPointF(right + 6, ribBottom));
    sketch.dimension(QPointF(right + 2, studTop), QPointF(right + 2, ribBottom), QStringLiteral("h_sc"), true);
    sketch.extension(QPointF(right, ribTop), QPointF(left + 2, ribTop));
    sketch.dimension(QPointF(left + 12, ribTop), QPointF(left + 12, ribBottom), QStringLiteral("h_p"));
    sketch.dimensionOutside(QPointF(centre - shank / 2, 72), QPointF(centre + shank / 2, 72), QString());
    sketch.text(QPointF(centre + shank / 2 + 12, 72), QStringLiteral("d"), Qt::AlignLeft | Qt::AlignVCenter,
                colours::dimension);
    sketch.extension(QPointF(ribLeft, ribBottom + 1), QPointF(ribLeft, 112));
    sketch.extension(QPointF(ribRight, ribBottom + 1), QPointF(ribRight, 112));
    sketch.dimension(QPointF(ribLeft, 108), QPointF(ribRight, 108), QStringLiteral("b_0 = b_p"), true);
    return image;
}

}  // namespace artwork
