#pragma once
// Cross-section drawing to scale: concrete slab with the rib of the profiled
// sheeting, steel I-section with root-radius fillets, and both bar layers.
// The geometry is the one the engine echoed into the run folder's output.txt,
// so the drawing shows what was calculated, not what the form holds now.
#include <vector>

#include "plots/section_geometry.h"

class QGraphicsScene;

// Scene units per mm: the "Plot" tab shows the section 250 units high; the
// small view of the input tab fits it into 400 × 142 units. Both are 0 when
// the geometry has no height (no geometry in the run folder): nothing to draw.
double plotSceneScale(const SectionGeometry &g);
double overviewSceneScale(const SectionGeometry &g);

// Centres (mm, from the middle of the slab) of the floor(B / e) + 1 bars of a
// layer, symmetric about the middle; none when spacing or diameter is 0, and
// none when floor(B / e) exceeds maximumBarsPerLayer.
constexpr double maximumBarsPerLayer = 10000.0;
std::vector<double> barCentres(double slabWidth, double spacing, double diameter);

// Clears the scene and draws the section with the origin at the middle of
// the slab's top edge, y downwards. A scale of 0 leaves the scene empty.
void drawSection(QGraphicsScene *scene, const SectionGeometry &g, double scale);
