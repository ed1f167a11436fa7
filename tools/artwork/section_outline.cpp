#include "section_outline.h"

namespace artwork {

QPainterPath iProfileOutline(const IProfileShape &s) {
    const double tl = s.centre - s.topFlangeWidth / 2, tr = s.centre + s.topFlangeWidth / 2;
    const double bl = s.centre - s.bottomFlangeWidth / 2, br = s.centre + s.bottomFlangeWidth / 2;
    const double wl = s.centre - s.webThickness / 2, wr = s.centre + s.webThickness / 2;
    const double ti = s.top + s.topFlangeThickness, bi = s.bottom - s.bottomFlangeThickness;
    const double r = s.rootRadius;
    const double d = 2 * r;

    // Clockwise from the top left corner; each fillet is a concave quarter
    // circle whose centre lies r away from both the web and the flange face.
    QPainterPath path;
    path.moveTo(tl, s.top);
    path.lineTo(tr, s.top);
    path.lineTo(tr, ti);
    path.lineTo(wr + r, ti);
    if (r > 0) path.arcTo(wr, ti, d, d, 90, 90);
    path.lineTo(wr, bi - r);
    if (r > 0) path.arcTo(wr, bi - d, d, d, 180, 90);
    path.lineTo(br, bi);
    path.lineTo(br, s.bottom);
    path.lineTo(bl, s.bottom);
    path.lineTo(bl, bi);
    path.lineTo(wl - r, bi);
    if (r > 0) path.arcTo(wl - d, bi - d, d, d, 270, 90);
    path.lineTo(wl, ti + r);
    if (r > 0) path.arcTo(wl - d, ti, d, d, 0, 90);
    path.lineTo(tl, ti);
    path.closeSubpath();
    return path;
}

}  // namespace artwork
