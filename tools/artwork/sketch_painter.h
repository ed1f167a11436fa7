#pragma once
// Drawing vocabulary of the technical sketches: symbols with indices,
// dimension lines, arrows and hatched cuts, painted onto a QImage.
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPointF>
#include <QPolygonF>
#include <QString>

namespace artwork {

namespace colours {
const QColor ink(20, 20, 20);
const QColor dimension(0, 70, 160);
const QColor concrete(200, 200, 196);
const QColor steel(120, 135, 150);
const QColor reinforcement(170, 40, 30);
const QColor design(200, 30, 30);
const QColor characteristic(90, 90, 90);
}  // namespace colours

// Symbol text in a small markup: "f_{cd}" or "f_cd" writes cd as index,
// "^{2}" as exponent; everything else is plain text.
class SketchPainter {
public:
    // Fills the image with `background` and paints with antialiasing in DejaVu Sans.
    explicit SketchPainter(QImage &image, double fontPixels = 13.0, const QColor &background = Qt::white);

    QPainter &painter() { return m_painter; }
    void setFontPixels(double pixels) { m_fontPixels = pixels; }
    double fontPixels() const { return m_fontPixels; }

    // Width of a symbol text in the current font size.
    double textWidth(const QString &markup) const;
    // Draws a symbol text; the alignment refers to the anchor point
    // (Qt::AlignLeft/HCenter/Right combined with AlignTop/VCenter/Bottom).
    void text(QPointF anchor, const QString &markup, Qt::Alignment alignment,
              const QColor &colour = colours::ink);

    // Straight arrow with a filled head at `to`.
    void arrow(QPointF from, QPointF to, const QColor &colour, double width = 1.2);
    // Dimension line between two points with arrow heads at both ends and
    // the symbol centred beside it (above a horizontal, left of a vertical
    // line unless `otherSide`).
    void dimension(QPointF a, QPointF b, const QString &markup, bool otherSide = false);
    // Dimension for a short distance: arrows pointing inwards from outside.
    void dimensionOutside(QPointF a, QPointF b, const QString &markup, bool otherSide = false);
    // Thin extension line in the dimension colour.
    void extension(QPointF a, QPointF b);
    // Filled polygon with outline.
    void area(const QPolygonF &outline, const QColor &fill, const QColor &edge = colours::ink);
    // Diagonal hatching clipped to the polygon (cut surfaces).
    void hatch(const QPolygonF &outline, const QColor &colour, double spacing = 7.0);
    // Circle of a reinforcing bar.
    void bar(QPointF centre, double radius);

private:
    QFont fontFor(double pixels) const;

    QPainter m_painter;
    double m_fontPixels;
};

}  // namespace artwork
