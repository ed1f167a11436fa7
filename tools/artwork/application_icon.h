#pragma once
// Icon of the desktop entry: a composite section, slab on an I-beam.
#include <QImage>

namespace artwork {

QImage applicationIcon();

}  // namespace artwork
