#pragma once
// Cross-section drawing to scale: concrete slab with the rib of the profiled
// sheeting, steel I-section with root-radius fillets, and both bar layers.
// The "Plot" tab draws the geometry the engine echoed into the run folder's
// output.txt, with dimension lines, so it shows what was calculated; the
// preview on the input tab draws the geometry the form holds now.
#include <QPointF>
#include <QString>
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

// A dimension of the drawing: the value of `symbol` measured between two
// points of the section (mm, same axes as the drawing). The dimension line
// runs parallel to the measured distance, `tier` steps outside the section
// on `side`; a tier of 0 puts it right beside the measured edge.
struct SectionDimension {
    enum class Side { Above, Below, Left, Right };
    const char *symbol;  // form symbol: "b_e", "h_c", "h_p", "h", "b_fo", "b_fu"
    double value;        // mm
    QPointF from, to;    // measured points, mm
    Side side;
    int tier;
};

// The dimensions drawn on the "Plot" tab: b_e above the slab, h_c and h as a
// chain on the left, h_p (only with sheeting) on the right, b_fo under the
// top flange and b_fu under the section. A value of 0 has no dimension.
std::vector<SectionDimension> sectionDimensions(const SectionGeometry &g);

// Text of a dimension, e.g. "b<sub>e</sub> = 2000 mm" (rich text).
QString dimensionText(const SectionDimension &d);

// Adds the dimension lines with their values to a scene drawn by
// drawSection at the same scale, then widens the scene rectangle to hold them.
// Every item of a dimension carries its symbol as item data
// dimensionSymbolKey and its part ("line", "extension", "arrow", "text") as
// dimensionPartKey.
constexpr int dimensionSymbolKey = 0;
constexpr int dimensionPartKey = 1;
void drawSectionDimensions(QGraphicsScene *scene, const SectionGeometry &g, double scale);

// The hole of an effective Class 2 web (EN 1994-1-1 5.5.2(3)) between the
// heights z_u and z_o (mm above the underside of the steel section), as the
// engine left it out: the web there drawn white with a dashed outline and
// the label "Loch im Steg" beside it. Every item carries "hole" as
// dimensionPartKey. Added to a scene drawn by drawSection at the same scale;
// nothing for an empty or non-finite hole.
void drawWebHole(QGraphicsScene *scene, const SectionGeometry &g, double scale, double z_u,
                 double z_o);

// Clears the scene and shows a short note instead of a section, centred and
// wrapped into lines of at most 200 scene units.
void drawSectionNote(QGraphicsScene *scene, const QString &text);
