#pragma once
// Outline of a steel I-section with root fillets, in image coordinates
// (y downwards), shared by the panel sketch and the panel background.
#include <QPainterPath>

namespace artwork {

struct IProfileShape {
    double centre = 0;  // x of the web axis
    double top = 0;     // y of the top face
    double bottom = 0;  // y of the bottom face
    double topFlangeWidth = 0;
    double topFlangeThickness = 0;
    double bottomFlangeWidth = 0;
    double bottomFlangeThickness = 0;
    double webThickness = 0;
    double rootRadius = 0;  // 0 for welded sections
};

QPainterPath iProfileOutline(const IProfileShape &shape);

}  // namespace artwork
