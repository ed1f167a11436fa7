#include "sketch_painter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainterPath>
#include <QVector>
#include <algorithm>
#include <cmath>

namespace artwork {

namespace {

enum class Run { Normal, Index, Exponent };

struct TextRun {
    QString text;
    Run kind;
};

bool isIndexCharacter(QChar c) { return c.isLetterOrNumber() || c == ',' || c == '.'; }

// Splits "f_{cd}", "f_cd" and "mm^{2}" into plain, index and exponent runs.
QVector<TextRun> parseMarkup(const QString &markup) {
    QVector<TextRun> runs;
    QString plain;
    int i = 0;
    while (i < markup.size()) {
        const QChar c = markup.at(i);
        if ((c == '_' || c == '^') && i + 1 < markup.size()) {
            if (!plain.isEmpty()) runs.push_back({plain, Run::Normal});
            plain.clear();
            const Run kind = c == '_' ? Run::Index : Run::Exponent;
            QString part;
            ++i;
            if (markup.at(i) == '{') {
                ++i;
                while (i < markup.size() && markup.at(i) != '}') part += markup.at(i++);
                ++i;
            } else {
                while (i < markup.size() && isIndexCharacter(markup.at(i))) part += markup.at(i++);
            }
            runs.push_back({part, kind});
            continue;
        }
        plain += c;
        ++i;
    }
    if (!plain.isEmpty()) runs.push_back({plain, Run::Normal});
    return runs;
}

constexpr double kIndexScale = 0.72;

}  // namespace

SketchPainter::SketchPainter(QImage &image, double fontPixels, const QColor &background)
    : m_painter(&image), m_fontPixels(fontPixels) {
    m_painter.setCompositionMode(QPainter::CompositionMode_Source);
    m_painter.fillRect(image.rect(), background);
    m_painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    m_painter.setRenderHint(QPainter::Antialiasing);
    m_painter.setRenderHint(QPainter::TextAntialiasing);
}

QFont SketchPainter::fontFor(double pixels) const {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixels))));
    return font;
}

double SketchPainter::textWidth(const QString &markup) const {
    double width = 0.0;
    for (const TextRun &run : parseMarkup(markup)) {
        const double pixels = run.kind == Run::Normal ? m_fontPixels : m_fontPixels * kIndexScale;
        width += QFontMetricsF(fontFor(pixels)).horizontalAdvance(run.text);
    }
    return width;
}

void SketchPainter::text(QPointF anchor, const QString &markup, Qt::Alignment alignment,
                         const QColor &colour) {
    const QFontMetricsF main(fontFor(m_fontPixels));
    const double width = textWidth(markup);
    double x = anchor.x();
    if (alignment & Qt::AlignHCenter) x -= width / 2.0;
    else if (alignment & Qt::AlignRight) x -= width;
    // Baseline so that the cap height sits on the requested edge.
    double baseline = anchor.y();
    const double capHeight = main.capHeight();
    if (alignment & Qt::AlignTop) baseline += capHeight;
    else if (alignment & Qt::AlignVCenter) baseline += capHeight / 2.0;

    m_painter.save();
    m_painter.setPen(colour);
    for (const TextRun &run : parseMarkup(markup)) {
        const bool small = run.kind != Run::Normal;
        const QFont font = fontFor(small ? m_fontPixels * kIndexScale : m_fontPixels);
        double y = baseline;
        if (run.kind == Run::Index) y += capHeight * 0.35;
        if (run.kind == Run::Exponent) y -= capHeight * 0.55;
        m_painter.setFont(font);
        m_painter.drawText(QPointF(x, y), run.text);
        x += QFontMetricsF(font).horizontalAdvance(run.text);
    }
    m_painter.restore();
}

void SketchPainter::arrow(QPointF from, QPointF to, const QColor &colour, double width) {
    const QPointF d = to - from;
    const double length = std::hypot(d.x(), d.y());
    if (length <= 0.0) return;
    const QPointF u = d / length;
    const QPointF n(-u.y(), u.x());
    const double head = std::min(7.0, length * 0.6);
    m_painter.save();
    m_painter.setPen(QPen(colour, width));
    m_painter.drawLine(from, to - u * head * 0.5);
    m_painter.setPen(Qt::NoPen);
    m_painter.setBrush(colour);
    m_painter.drawPolygon(QPolygonF(QVector<QPointF>{to, to - u * head + n * head * 0.35, to - u * head - n * head * 0.35}));
    m_painter.restore();
}

void SketchPainter::extension(QPointF a, QPointF b) {
    m_painter.save();
    m_painter.setPen(QPen(colours::dimension, 0.8));
    m_painter.drawLine(a, b);
    m_painter.restore();
}

namespace {

// Anchor and alignment of a dimension's symbol beside the middle of its line.
void labelPlacement(QPointF a, QPointF b, bool otherSide, QPointF &anchor, Qt::Alignment &alignment) {
    const QPointF middle = (a + b) / 2.0;
    const bool horizontal = std::abs(b.x() - a.x()) >= std::abs(b.y() - a.y());
    if (horizontal) {
        anchor = middle + QPointF(0.0, otherSide ? 4.0 : -4.0);
        alignment = Qt::AlignHCenter | (otherSide ? Qt::AlignTop : Qt::AlignBottom);
    } else {
        anchor = middle + QPointF(otherSide ? 5.0 : -5.0, 0.0);
        alignment = (otherSide ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter;
    }
}

}  // namespace

void SketchPainter::dimension(QPointF a, QPointF b, const QString &markup, bool otherSide) {
    const QPointF middle = (a + b) / 2.0;
    arrow(middle, a, colours::dimension, 0.9);
    arrow(middle, b, colours::dimension, 0.9);
    if (markup.isEmpty()) return;
    QPointF anchor;
    Qt::Alignment alignment;
    labelPlacement(a, b, otherSide, anchor, alignment);
    text(anchor, markup, alignment, colours::dimension);
}

void SketchPainter::dimensionOutside(QPointF a, QPointF b, const QString &markup, bool otherSide) {
    const QPointF d = b - a;
    const double length = std::hypot(d.x(), d.y());
    if (length <= 0.0) return;
    const QPointF u = d / length;
    arrow(a - u * 12.0, a, colours::dimension, 0.9);
    arrow(b + u * 12.0, b, colours::dimension, 0.9);
    extension(a, b);
    if (markup.isEmpty()) return;
    QPointF anchor;
    Qt::Alignment alignment;
    labelPlacement(a, b, otherSide, anchor, alignment);
    text(anchor, markup, alignment, colours::dimension);
}

void SketchPainter::area(const QPolygonF &outline, const QColor &fill, const QColor &edge) {
    m_painter.save();
    m_painter.setPen(QPen(edge, 1.2));
    m_painter.setBrush(fill);
    m_painter.drawPolygon(outline);
    m_painter.restore();
}

void SketchPainter::hatch(const QPolygonF &outline, const QColor &colour, double spacing) {
    const QRectF box = outline.boundingRect();
    QPainterPath clip;
    clip.addPolygon(outline);
    m_painter.save();
    m_painter.setClipPath(clip);
    m_painter.setPen(QPen(colour, 0.7));
    for (double x = box.left() - box.height(); x < box.right(); x += spacing)
        m_painter.drawLine(QPointF(x, box.bottom()), QPointF(x + box.height(), box.top()));
    m_painter.restore();
}

void SketchPainter::bar(QPointF centre, double radius) {
    m_painter.save();
    m_painter.setPen(QPen(colours::ink, 1.0));
    m_painter.setBrush(colours::reinforcement);
    m_painter.drawEllipse(centre, radius, radius);
    m_painter.restore();
}

}  // namespace artwork
