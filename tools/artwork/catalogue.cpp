#include "catalogue.h"

#include "application_icon.h"
#include "geometry_panel_background.h"
#include "internal_forces_sketch.h"
#include "material_diagrams.h"
#include "section_sketches.h"
#include "stud_sketch.h"

namespace artwork {

const std::vector<Picture> &pictures() {
    static const std::vector<Picture> all = {
        {QStringLiteral("geometriehinterg.png"), geometryPanelBackground},
        {QStringLiteral("Schnittgroessen.png"), internalForcesSketch},
        {QStringLiteral("se beton.png"), concreteDiagram},
        {QStringLiteral("se bewerhung.png"), reinforcementDiagram},
        {QStringLiteral("se baustahl.png"), steelDiagram},
        {QStringLiteral("geo sb.png"), slabGeometrySketch},
        {QStringLiteral("geo bau.png"), steelGeometrySketch},
        {QStringLiteral("duebel rippe.png"), studInRibSketch},
        {QStringLiteral("norvel.png"), applicationIcon},
    };
    return all;
}

}  // namespace artwork
