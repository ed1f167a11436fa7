#pragma once
// Dimensioned sketches of the cross-section: the slab with its bars and
// sheeting rib, the steel I-section, and the background of the geometry
// panel on which the input fields sit.
#include <QImage>

namespace artwork {

// Slab, sheeting rib and both bar layers with all slab dimensions.
QImage slabGeometrySketch();
// Steel I-section with flanges, web and root radii.
QImage steelGeometrySketch();

}  // namespace artwork
