#pragma once
// Small sketch of a headed stud welded through the sheeting onto the top
// flange, in a rib of the slab: d, h_sc, h_p and b_0 as the studs' group of
// the input side names them.
#include <QImage>

namespace artwork {

QImage studInRibSketch();

}  // namespace artwork
