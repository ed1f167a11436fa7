#include "material_diagrams.h"

#include <QPen>

#include "sketch_painter.h"

namespace artwork {

namespace {

// The panels are a little narrower than the 500 px pictures: everything is
// drawn left of this edge so nothing is cut off.
constexpr double kRight = 474;

// Axes through `origin`: the strain axis from `left` to `right`, the
// stress axis from `bottom` up to `top`, both with arrow heads.
void axes(SketchPainter &sketch, QPointF origin, double left, double right, double bottom, double top,
          const QString &strain, const QString &stress) {
    sketch.arrow(QPointF(left, origin.y()), QPointF(right, origin.y()), colours::ink, 1.2);
    sketch.arrow(QPointF(origin.x(), bottom), QPointF(origin.x(), top), colours::ink, 1.2);
    sketch.text(QPointF(right, origin.y() + 6), strain, Qt::AlignRight | Qt::AlignTop);
    sketch.text(QPointF(origin.x() + 7, top + 2), stress, Qt::AlignLeft | Qt::AlignTop);
}

void guide(SketchPainter &sketch, QPointF a, QPointF b) {
    QPainter &p = sketch.painter();
    p.save();
    p.setPen(QPen(colours::characteristic, 0.8, Qt::DotLine));
    p.drawLine(a, b);
    p.restore();
}

void polyline(SketchPainter &sketch, const QPolygonF &points, const QColor &colour, Qt::PenStyle style,
              double width = 2.0) {
    QPainter &p = sketch.painter();
    p.save();
    p.setPen(QPen(colour, width, style, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(points);
    p.restore();
}

// Short legend entry: a line sample followed by its text.
void legend(SketchPainter &sketch, QPointF at, const QColor &colour, Qt::PenStyle style, const QString &text) {
    polyline(sketch, QPolygonF(QVector<QPointF>{at, at + QPointF(22, 0)}), colour, style);
    sketch.text(at + QPointF(28, 0), text, Qt::AlignLeft | Qt::AlignVCenter);
}

}  // namespace

QImage concreteDiagram() {
    QImage image(500, 243, QImage::Format_RGB32);
    SketchPainter sketch(image, 13.0);
    const QPointF o(118, 178);
    axes(sketch, o, 18, kRight, 232, 14, QStringLiteral("ε_c"), QStringLiteral("σ_c"));

    const double scaleStrain = 86.0;  // px per per mille
    const double xC3 = o.x() + 1.75 * scaleStrain;
    const double xCu3 = o.x() + 3.5 * scaleStrain;
    const double yFck = o.y() - 118.0;
    const double yFcd = o.y() - 74.0;

    // Characteristic law for orientation, then the design law.
    polyline(sketch, QPolygonF(QVector<QPointF>{o, QPointF(xC3, yFck), QPointF(xCu3, yFck)}), colours::characteristic,
             Qt::DashLine, 1.4);
    polyline(sketch, QPolygonF(QVector<QPointF>{o, QPointF(xC3, yFcd), QPointF(xCu3, yFcd)}), colours::design, Qt::SolidLine);
    guide(sketch, QPointF(xCu3, yFcd), QPointF(xCu3, o.y()));
    guide(sketch, QPointF(xC3, yFck), QPointF(xC3, o.y()));
    guide(sketch, QPointF(o.x(), yFck), QPointF(xC3, yFck));
    guide(sketch, QPointF(o.x(), yFcd), QPointF(xC3, yFcd));

    sketch.text(QPointF(o.x() - 6, yFck), QStringLiteral("f_ck"), Qt::AlignRight | Qt::AlignVCenter);
    sketch.text(QPointF(o.x() - 6, yFcd), QStringLiteral("f_cd"), Qt::AlignRight | Qt::AlignVCenter);
    sketch.text(QPointF(xC3, o.y() + 6), QStringLiteral("ε_c3"), Qt::AlignHCenter | Qt::AlignTop);
    sketch.text(QPointF(xCu3, o.y() + 6), QStringLiteral("ε_cu3"), Qt::AlignHCenter | Qt::AlignTop);
    sketch.text(QPointF((o.x() + xC3) / 2 + 14, (o.y() + yFcd) / 2 + 6), QStringLiteral("E_c"),
                Qt::AlignLeft | Qt::AlignTop, colours::design);

    // Tensile branch, active only with tension stiffening in the serviceability check.
    const QPointF ct(o.x() - 52, o.y() + 30);
    polyline(sketch, QPolygonF(QVector<QPointF>{o, ct, QPointF(ct.x(), o.y())}), colours::design, Qt::DashLine, 1.6);
    sketch.text(QPointF(ct.x() - 4, ct.y()), QStringLiteral("f_ctm"), Qt::AlignRight | Qt::AlignVCenter);
    sketch.text(QPointF(ct.x(), o.y() - 5), QStringLiteral("ε_ct"), Qt::AlignHCenter | Qt::AlignBottom);

    sketch.setFontPixels(11.5);
    sketch.text(QPointF(kRight, 8), QStringLiteral("f_cd = f_cd,RedFak · f_ck / γ_c"), Qt::AlignRight | Qt::AlignTop);
    sketch.text(QPointF(kRight, 27), QStringLiteral("E_c = f_cd / ε_c3"), Qt::AlignRight | Qt::AlignTop);
    sketch.text(QPointF(330, o.y() - 6), QStringLiteral("Druck"), Qt::AlignLeft | Qt::AlignBottom);
    sketch.text(QPointF(22, o.y() - 6), QStringLiteral("Zug"), Qt::AlignLeft | Qt::AlignBottom);
    sketch.text(QPointF(18, 238), QStringLiteral("Zugast nur im GZG mit Tension Stiffening"), Qt::AlignLeft | Qt::AlignBottom);
    legend(sketch, QPointF(320, 206), colours::design, Qt::SolidLine, QStringLiteral("Bemessung"));
    legend(sketch, QPointF(320, 224), colours::characteristic, Qt::DashLine, QStringLiteral("charakteristisch"));
    return image;
}

QImage reinforcementDiagram() {
    QImage image(500, 220, QImage::Format_RGB32);
    SketchPainter sketch(image, 13.0);
    const QPointF o(70, 178);
    axes(sketch, o, 40, kRight, 208, 10, QStringLiteral("ε_s"), QStringLiteral("σ_s"));

    // Strains are not to scale: the yield strain is stretched so the
    // elastic branch stays visible next to e_uk.
    const double xSk = o.x() + 46;
    const double xSd = o.x() + 40;
    const double xUd = o.x() + 292;
    const double xUk = o.x() + 332;
    const double yFsk = o.y() - 118;
    const double yKfsk = o.y() - 146;
    const double yFsd = o.y() - 103;
    const double yFt = o.y() - 127;
    const double yFud = yFsd + (yFt - yFsd) * (xUd - xSd) / (xUk - xSd);

    polyline(sketch, QPolygonF(QVector<QPointF>{o, QPointF(xSk, yFsk), QPointF(xUk, yKfsk)}), colours::characteristic,
             Qt::DashLine, 1.4);
    polyline(sketch, QPolygonF(QVector<QPointF>{o, QPointF(xSd, yFsd), QPointF(xUd, yFud)}), colours::design, Qt::SolidLine);
    polyline(sketch, QPolygonF(QVector<QPointF>{QPointF(xSd, yFsd), QPointF(xUk + 20, yFsd)}), QColor(30, 110, 40),
             Qt::SolidLine, 1.6);
    guide(sketch, QPointF(xSd, yFsd), QPointF(xSd, o.y()));
    guide(sketch, QPointF(xUd, yFud), QPointF(xUd, o.y()));
    guide(sketch, QPointF(xUk, yKfsk), QPointF(xUk, o.y()));
    guide(sketch, QPointF(o.x(), yKfsk), QPointF(xUk, yKfsk));
    guide(sketch, QPointF(xUd, yFud), QPointF(xUk, yFt));
    sketch.arrow(QPointF(xUk + 10, yFsd), QPointF(kRight - 8, yFsd), QColor(30, 110, 40), 1.6);

    sketch.setFontPixels(12.0);
    sketch.text(QPointF(o.x() - 5, yKfsk), QStringLiteral("k·f_sk"), Qt::AlignRight | Qt::AlignVCenter);
    sketch.text(QPointF(o.x() - 5, yFsk + 2), QStringLiteral("f_sk"), Qt::AlignRight | Qt::AlignVCenter);
    sketch.text(QPointF(o.x() - 5, yFsd + 6), QStringLiteral("f_sd"), Qt::AlignRight | Qt::AlignVCenter);
    sketch.text(QPointF(xUk + 4, yFt), QStringLiteral("k·f_sk/γ_s"), Qt::AlignLeft | Qt::AlignVCenter);
    sketch.text(QPointF(xUd - 4, yFud - 4), QStringLiteral("f_ud"), Qt::AlignRight | Qt::AlignBottom,
                colours::design);
    sketch.text(QPointF(xSd, o.y() + 5), QStringLiteral("ε_sd"), Qt::AlignHCenter | Qt::AlignTop);
    sketch.text(QPointF(xUd, o.y() + 5), QStringLiteral("ε_ud"), Qt::AlignHCenter | Qt::AlignTop);
    sketch.text(QPointF(xUk, o.y() + 5), QStringLiteral("ε_uk"), Qt::AlignHCenter | Qt::AlignTop);
    sketch.text(QPointF(o.x() + 20, o.y() - 40), QStringLiteral("E_s"), Qt::AlignLeft | Qt::AlignVCenter);

    sketch.setFontPixels(11.0);
    sketch.text(QPointF(130, 12), QStringLiteral("f_sd = f_sk / γ_s     ε_sd = f_sd / E_s     ε_ud = 0,9 ε_uk"),
                Qt::AlignLeft | Qt::AlignTop);
    legend(sketch, QPointF(150, 150), colours::design, Qt::SolidLine, QStringLiteral("Bemessung, Verfestigung ein"));
    legend(sketch, QPointF(150, 134), QColor(30, 110, 40), Qt::SolidLine,
           QStringLiteral("Bemessung, Verfestigung aus (ohne Dehnungsgrenze)"));
    legend(sketch, QPointF(150, 166), colours::characteristic, Qt::DashLine, QStringLiteral("charakteristisch"));
    return image;
}

QImage steelDiagram() {
    QImage image(500, 214, QImage::Format_RGB32);
    SketchPainter sketch(image, 13.0);
    const QPointF o(70, 172);
    axes(sketch, o, 40, kRight, 204, 10, QStringLiteral("ε_a"), QStringLiteral("σ_a"));

    const double xY = o.x() + 80;
    const double yFyk = o.y() - 128;
    const double yFyd = o.y() - 108;
    polyline(sketch, QPolygonF(QVector<QPointF>{o, QPointF(xY * 1.0 + 15, yFyk), QPointF(kRight - 16, yFyk)}), colours::characteristic,
             Qt::DashLine, 1.4);
    polyline(sketch, QPolygonF(QVector<QPointF>{o, QPointF(xY, yFyd), QPointF(kRight - 16, yFyd)}), colours::design, Qt::SolidLine);
    sketch.arrow(QPointF(kRight - 30, yFyd), QPointF(kRight - 8, yFyd), colours::design, 2.0);
    guide(sketch, QPointF(xY, yFyd), QPointF(xY, o.y()));
    guide(sketch, QPointF(o.x(), yFyd), QPointF(xY, yFyd));
    guide(sketch, QPointF(o.x(), yFyk), QPointF(xY + 15, yFyk));

    sketch.text(QPointF(o.x() - 5, yFyk), QStringLiteral("f_yk"), Qt::AlignRight | Qt::AlignVCenter);
    sketch.text(QPointF(o.x() - 5, yFyd + 3), QStringLiteral("f_yd"), Qt::AlignRight | Qt::AlignVCenter);
    sketch.text(QPointF(xY, o.y() + 5), QStringLiteral("ε_y"), Qt::AlignHCenter | Qt::AlignTop);
    sketch.text(QPointF(o.x() + 44, o.y() - 40), QStringLiteral("E_a"), Qt::AlignLeft | Qt::AlignVCenter,
                colours::design);

    sketch.setFontPixels(11.5);
    sketch.text(QPointF(185, 100), QStringLiteral("f_yd = f_yk / γ_M"), Qt::AlignLeft | Qt::AlignTop);
    sketch.text(QPointF(185, 118), QStringLiteral("ε_y = f_yd / E_a"), Qt::AlignLeft | Qt::AlignTop);
    sketch.text(QPointF(185, 136), QStringLiteral("Zug und Druck gleich, keine Dehnungsgrenze"),
                Qt::AlignLeft | Qt::AlignTop);
    legend(sketch, QPointF(185, 184), colours::design, Qt::SolidLine, QStringLiteral("Bemessung"));
    legend(sketch, QPointF(315, 184), colours::characteristic, Qt::DashLine, QStringLiteral("charakteristisch"));
    return image;
}

}  // namespace artwork
