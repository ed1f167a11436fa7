#include "section_sketches.h"

#include <QPainterPath>

#include "section_outline.h"
#include "sketch_painter.h"

namespace artwork {

QImage slabGeometrySketch() {
    QImage image(470, 190, QImage::Format_RGB32);
    SketchPainter sketch(image, 13.0);

    const double left = 52, right = 408, top = 34, slabBottom = 120, ribBottom = 146;
    const double ribLeft = 190, ribRight = 270;
    const double centre = (ribLeft + ribRight) / 2.0;

    // Steel top flange and a piece of the web below the rib.
    sketch.area(QPolygonF(QRectF(QPointF(centre - 62, ribBottom), QPointF(centre + 62, ribBottom + 8))),
                colours::steel);
    sketch.area(QPolygonF(QRectF(QPointF(centre - 4, ribBottom + 8), QPointF(centre + 4, ribBottom + 14))),
                colours::steel);

    const QPolygonF concrete({QPointF(left, top), QPointF(right, top), QPointF(right, slabBottom),
                              QPointF(ribRight, slabBottom), QPointF(ribRight, ribBottom),
                              QPointF(ribLeft, ribBottom), QPointF(ribLeft, slabBottom),
                              QPointF(left, slabBottom)});
    sketch.area(concrete, colours::concrete);

    // Profiled sheeting under the slab and along the rib.
    QPainter &p = sketch.painter();
    p.save();
    p.setPen(QPen(colours::ink, 2.4));
    p.drawPolyline(QPolygonF(QVector<QPointF>{QPointF(left, slabBottom + 1), QPointF(ribLeft - 1, slabBottom + 1),
                              QPointF(ribLeft - 1, ribBottom)}));
    p.drawPolyline(QPolygonF(QVector<QPointF>{QPointF(right, slabBottom + 1), QPointF(ribRight + 1, slabBottom + 1),
                              QPointF(ribRight + 1, ribBottom)}));
    p.restore();

    // Bars: top layer d_o, bottom layer d_u.
    const double rTop = 4, rBottom = 5, cover = 14, spacing = 36;
    const double yTop = top + cover + rTop, yBottom = slabBottom - cover - rBottom;
    for (double x = left + 16; x < right - 10; x += spacing) {
        sketch.bar(QPointF(x, yTop), rTop);
        sketch.bar(QPointF(x, yBottom), rBottom);
    }
    const double x1 = left + 16, x2 = x1 + spacing, x4 = x1 + 3 * spacing;
    const double x6 = x1 + 5 * spacing, x7 = x1 + 6 * spacing;
    const double xLast = x1 + 9 * spacing;

    sketch.extension(QPointF(left, top - 2), QPointF(left, 10));
    sketch.extension(QPointF(right, top - 2), QPointF(right, 10));
    sketch.dimension(QPointF(left, 15), QPointF(right, 15), QStringLiteral("b_e"));

    sketch.extension(QPointF(left - 2, top), QPointF(28, top));
    sketch.extension(QPointF(ribLeft - 4, ribBottom), QPointF(28, ribBottom));
    sketch.dimension(QPointF(33, top), QPointF(33, ribBottom), QStringLiteral("h_c"));

    sketch.extension(QPointF(ribRight + 4, slabBottom), QPointF(ribRight + 38, slabBottom));
    sketch.extension(QPointF(ribRight + 4, ribBottom), QPointF(ribRight + 38, ribBottom));
    sketch.dimension(QPointF(ribRight + 32, slabBottom), QPointF(ribRight + 32, ribBottom), QStringLiteral("h_p"),
                     true);

    sketch.extension(QPointF(ribLeft, ribBottom), QPointF(ribLeft, 184));
    sketch.extension(QPointF(ribRight, ribBottom), QPointF(ribRight, 184));
    sketch.dimension(QPointF(ribLeft, 178), QPointF(ribRight, 178), QStringLiteral("b_p"));

    sketch.extension(QPointF(x1, yTop), QPointF(x1, yTop + 15));
    sketch.extension(QPointF(x2, yTop), QPointF(x2, yTop + 15));
    sketch.dimension(QPointF(x1, yTop + 12), QPointF(x2, yTop + 12), QStringLiteral("e_o"), true);
    sketch.extension(QPointF(x6, yBottom), QPointF(x6, yBottom - 15));
    sketch.extension(QPointF(x7, yBottom), QPointF(x7, yBottom - 15));
    sketch.dimension(QPointF(x6, yBottom - 12), QPointF(x7, yBottom - 12), QStringLiteral("e_u"));

    sketch.dimensionOutside(QPointF(xLast, top), QPointF(xLast, yTop - rTop), QString());
    sketch.dimensionOutside(QPointF(xLast, yBottom + rBottom), QPointF(xLast, slabBottom), QString());
    sketch.text(QPointF(right + 3, (top + yTop - rTop) / 2), QStringLiteral("c_nom,o"),
                Qt::AlignLeft | Qt::AlignVCenter, colours::dimension);
    sketch.text(QPointF(right + 3, (yBottom + rBottom + slabBottom) / 2), QStringLiteral("c_nom,u"),
                Qt::AlignLeft | Qt::AlignVCenter, colours::dimension);

    p.save();
    p.setPen(QPen(colours::dimension, 0.8));
    p.drawLine(QPointF(x4 + 3, yTop + 3), QPointF(x4 + 14, yTop + 14));
    p.drawLine(QPointF(x4 + 4, yBottom - 4), QPointF(x4 + 14, yBottom - 14));
    p.restore();
    sketch.text(QPointF(x4 + 15, yTop + 14), QStringLiteral("d_o"), Qt::AlignLeft | Qt::AlignVCenter,
                colours::dimension);
    sketch.text(QPointF(x4 + 15, yBottom - 14), QStringLiteral("d_u"), Qt::AlignLeft | Qt::AlignVCenter,
                colours::dimension);
    return image;
}

QImage steelGeometrySketch() {
    QImage image(434, 404, QImage::Format_RGB32);
    SketchPainter sketch(image, 14.0);

    IProfileShape shape;
    shape.centre = 200;
    shape.top = 44;
    shape.bottom = 352;
    shape.topFlangeWidth = 180;
    shape.topFlangeThickness = 22;
    shape.bottomFlangeWidth = 220;
    shape.bottomFlangeThickness = 26;
    shape.webThickness = 18;
    shape.rootRadius = 16;
    const QPainterPath outline = iProfileOutline(shape);
    QPainter &p = sketch.painter();
    p.save();
    p.setPen(QPen(colours::ink, 1.4));
    p.setBrush(colours::steel);
    p.drawPath(outline);
    p.restore();

    const double topLeft = shape.centre - shape.topFlangeWidth / 2, topRight = shape.centre + shape.topFlangeWidth / 2;
    const double botLeft = shape.centre - shape.bottomFlangeWidth / 2;
    const double botRight = shape.centre + shape.bottomFlangeWidth / 2;
    const double topInner = shape.top + shape.topFlangeThickness;
    const double botInner = shape.bottom - shape.bottomFlangeThickness;
    const double webLeft = shape.centre - shape.webThickness / 2, webRight = shape.centre + shape.webThickness / 2;

    sketch.extension(QPointF(topLeft, shape.top - 3), QPointF(topLeft, 16));
    sketch.extension(QPointF(topRight, shape.top - 3), QPointF(topRight, 16));
    sketch.dimension(QPointF(topLeft, 22), QPointF(topRight, 22), QStringLiteral("b_fo"));

    sketch.extension(QPointF(botLeft, shape.bottom + 3), QPointF(botLeft, 384));
    sketch.extension(QPointF(botRight, shape.bottom + 3), QPointF(botRight, 384));
    sketch.dimension(QPointF(botLeft, 378), QPointF(botRight, 378), QStringLiteral("b_fu"), true);

    sketch.extension(QPointF(topLeft - 3, shape.top), QPointF(44, shape.top));
    sketch.extension(QPointF(botLeft - 3, shape.bottom), QPointF(44, shape.bottom));
    sketch.dimension(QPointF(50, shape.top), QPointF(50, shape.bottom), QStringLiteral("h"));

    sketch.extension(QPointF(topRight + 3, shape.top), QPointF(336, shape.top));
    sketch.extension(QPointF(topRight + 3, topInner), QPointF(336, topInner));
    sketch.dimensionOutside(QPointF(330, shape.top), QPointF(330, topInner), QStringLiteral("t_fo"), true);

    sketch.extension(QPointF(botRight + 3, botInner), QPointF(336, botInner));
    sketch.extension(QPointF(botRight + 3, shape.bottom), QPointF(336, shape.bottom));
    sketch.dimensionOutside(QPointF(330, botInner), QPointF(330, shape.bottom), QStringLiteral("t_fu"), true);

    const double yWeb = (topInner + botInner) / 2;
    sketch.dimensionOutside(QPointF(webLeft, yWeb), QPointF(webRight, yWeb), QString());
    sketch.text(QPointF(webRight + 16, yWeb), QStringLiteral("t_w"), Qt::AlignLeft | Qt::AlignVCenter,
                colours::dimension);

    // Root radius: leader from the fillet of the lower right corner.
    const QPointF fillet(webRight + shape.rootRadius * 0.3, botInner - shape.rootRadius * 0.3);
    p.save();
    p.setPen(QPen(colours::dimension, 0.8));
    p.drawLine(fillet, QPointF(262, 290));
    p.restore();
    sketch.text(QPointF(265, 290), QStringLiteral("r"), Qt::AlignLeft | Qt::AlignBottom, colours::dimension);

    sketch.setFontPixels(11.5);
    sketch.text(QPointF(topRight + 46, shape.top + 35), QStringLiteral("Obergurt"), Qt::AlignLeft | Qt::AlignTop);
    sketch.text(QPointF(botRight + 26, botInner - 20), QStringLiteral("Untergurt"), Qt::AlignLeft | Qt::AlignBottom);
    sketch.text(QPointF(230, 130), QStringLiteral("Walzprofil: alle Maße und r"), Qt::AlignLeft | Qt::AlignTop);
    sketch.text(QPointF(230, 146), QStringLiteral("aus IProfile.txt"), Qt::AlignLeft | Qt::AlignTop);
    sketch.text(QPointF(230, 168), QStringLiteral("Schweissprofil: r = 0"), Qt::AlignLeft | Qt::AlignTop);
    return image;
}

}  // namespace artwork
