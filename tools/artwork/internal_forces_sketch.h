#pragma once
// Small sketch of the positive internal forces M and V on a beam segment,
// shown beside the action fields.
#include <QImage>

namespace artwork {

QImage internalForcesSketch();

}  // namespace artwork
