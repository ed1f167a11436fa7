#include "application_icon.h"

#include "section_outline.h"
#include "sketch_painter.h"

namespace artwork {

QImage applicationIcon() {
    QImage image(128, 128, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(colours::ink, 3));
    p.setBrush(colours::concrete);
    p.drawRoundedRect(QRectF(8, 14, 112, 30), 3, 3);
    p.setBrush(colours::reinforcement);
    for (double x = 22; x < 112; x += 21) p.drawEllipse(QPointF(x, 29), 4.5, 4.5);

    IProfileShape shape;
    shape.centre = 64;
    shape.top = 44;
    shape.bottom = 118;
    shape.topFlangeWidth = 56;
    shape.topFlangeThickness = 10;
    shape.bottomFlangeWidth = 56;
    shape.bottomFlangeThickness = 10;
    shape.webThickness = 8;
    shape.rootRadius = 5;
    p.setBrush(colours::steel);
    p.drawPath(iProfileOutline(shape));
    return image;
}

}  // namespace artwork
