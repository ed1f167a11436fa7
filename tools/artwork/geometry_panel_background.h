#pragma once
// Background of the geometry input panel: a cross-section sketch whose
// dimension lines run through the places where the panel's input fields
// sit, so every field reads as the value of the dimension it covers.
#include <QImage>

namespace artwork {

QImage geometryPanelBackground();

}  // namespace artwork
