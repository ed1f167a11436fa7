#pragma once
// Resistances of a Class 3 composite section on a modified steel section:
// the plastic moment of the flanges-only section, M_f,Rd (EN 1993-1-5 7.1),
// and the plastic moment of the section with an effective Class 2 web
// (EN 1994-1-1 5.5.2(3), EN 1993-1-1 6.2.2.4: the "hole in the web").
// Each is a plastic limit as M_pl,Rd is (N = 0, the slab, the bars and the
// flanges unchanged), with part of the web left out of the steel section.
// Heights z in mm above the underside of the steel section.
#include "analysis/classification.h"
#include "section/composite_section.h"

// The web left out between two heights of an effective Class 2 web. Of the
// compressed part of the web, 20 eps t_w next to the compression flange
// (measured from its inner face: t_f1 hogging, h - t_f2 sagging) and
// 20 eps t_w next to the plastic neutral axis z_pl (measured from the axis,
// also where it lies in a flange) are kept; the web plate between them is
// left out. The fillets stay: the hole never reaches into them. Where the
// two parts meet nothing is left out.
struct WebHole {
    double keep = 0.0;            // 20 eps t_w, each of the two parts kept
    double z_u = 0.0, z_o = 0.0;  // lower and upper edge of the hole
    bool empty() const { return !(z_o > z_u); }
};
// direction +1: sagging (top flange compressed), -1: hogging (bottom flange).
WebHole effectiveWebHole(const ClassificationGeometry &g, double eps, double z_pl,
                         int direction);

// M_f,Rd: the plastic limit of the section with the web and its fillets left
// out, with f_yd unreduced (V = 0, as M_pl,Rd of eta1).
LimitPoint flangesOnlyLimit(CompositeSection &section, int direction);

// The effective Class 2 web: the hole follows the neutral axis of the
// effective section itself, the z0 of its own plastic limit, iterated from
// zStart until the axis moves by at most axisTolerance (at most
// maxIterations times). The remaining web keeps f_yd,red of the section's
// current shear state (EN 1994-1-1 6.2.2.4(2), as for Class 2).
struct EffectiveWeb {
    bool settled = false;  // the axis settled within the iteration bound
    int iterations = 0;
    WebHole hole;          // the hole of the settled axis
    LimitPoint limit;      // plastic limit of the effective section
};
EffectiveWeb effectiveWebLimit(CompositeSection &section, double eps, int direction,
                               double zStart);
