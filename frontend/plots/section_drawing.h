#pragma once
// Cross-section drawing to scale: concrete slab with the rib of the profiled
// sheeting, steel I-section with root-radius fillets, and both bar layers.
// The geometry is the one the engine echoed into the run folder's output.txt,
// so the drawing shows what was calculated, not what the form holds now.
#include <string>
#include <vector>

class QGraphicsScene;

struct SectionGeometry {
    double h_c = 0.0, b_e = 0.0, h_profilblech = 0.0, b_p = 0.0;  // slab and rib
    double h = 0.0, t_f1 = 0.0, b_f1 = 0.0, t_f2 = 0.0, b_f2 = 0.0, t_w = 0.0, r = 0.0;  // steel
    double d_u = 0.0, d_o = 0.0;                          // bar diameters, bottom and top layer
    double AbstanduntereLage = 0.0, AbstandobereLage = 0.0;  // bar spacings
    double c_nom_u = 0.0, c_nom_o = 0.0;                  // covers

    double totalHeight() const { return h + h_c; }
    // Depth of the solid slab above the rib.
    double solidSlabDepth() const { return h_c - h_profilblech; }
};

SectionGeometry readSectionGeometry(const std::string &outputFilePath);

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
