#pragma once
// The dimensions of a composite cross-section as the drawing needs them, in
// mm: from the geometry the engine echoed into a run folder's output.txt, or
// from the numbers of the input form. Permitted ranges are those of the
// engine (io/validation_bounds.h), so a section the engine would refuse is
// reported rather than drawn.
#include <QString>
#include <functional>
#include <string>
#include <vector>

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

// The geometry echoed into a run folder's output.txt; a missing file or key
// reads as 0.
SectionGeometry readSectionGeometry(const std::string &outputFilePath);

// The hole in the web of an effective Class 2 web as the engine wrote it into
// a run folder's Klasse3_Nachweis.txt (heights above the underside of the
// steel section, mm); hasHole false when the run has none.
struct WebHoleHeights {
    bool hasHole = false;
    double z_u = 0.0, z_o = 0.0;
};
WebHoleHeights readWebHole(const std::string &runFolder);

// One dimension of the section, named by its symbol on the input form
// ("h_c", "b_fo", "e_u", "c_nom,u", ...), with the member it sets.
struct GeometryValue {
    const char *symbol;
    double SectionGeometry::*member;
};

// The sixteen dimensions of the input form in form order (slab, bars, steel
// plates). The root radius is no form value: it comes with a rolled profile.
const std::vector<GeometryValue> &formGeometryValues();

// Symbol of the first dimension outside the range the engine permits (in the
// order of the engine's checks, with the ranges set by other dimensions such
// as h_c >= h_p + c_nom,u + d_u + d_o + c_nom,o), or nullptr when the engine
// would accept the whole section.
const char *geometryFault(const SectionGeometry &g);

// The section the input form describes. `textOf` gives the text of the
// form field of a symbol of formGeometryValues(); the root radius comes from
// the profile table (0 for a welded section). When the section cannot be
// drawn, `note` says why in a short German text and the geometry is not to
// be used: a field is empty, holds no finite number, or a value lies outside
// the permitted range.
struct FormGeometry {
    SectionGeometry geometry;
    QString note;  // empty when the geometry can be drawn
};
FormGeometry readFormGeometry(const std::function<QString(const char *symbol)> &textOf, double rootRadius);

// The note for a section that cannot be drawn, e.g. "h_c fehlt." under
// a common first line.
QString geometryNote(const QString &reason);
