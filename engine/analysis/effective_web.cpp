#include "analysis/effective_web.h"

#include <algorithm>
#include <cmath>

#include "analysis/limit_moments.h"
#include "section/steel_section.h"

namespace {

// The axis of the plastic limit is found to N = 0 within tolN (50 N), which
// moves it by a few thousandths of a millimetre in a web; the hole moves
// with it. 0.01 mm shifts the moment by less than 1e-5 of it.
const double axisTolerance = 0.01;  // mm
const int maxIterations = 50;

// For the duration of one resistance: the web gap and, where asked, f_yd
// unreduced in the shear area. Restores the steel section at the end.
class ModifiedSteel {
public:
    ModifiedSteel(SteelSection &steel, const WebGap &gap, bool unreduced)
        : steel_(steel), gap_(steel.webGap), fyd_red_(steel.fyd_red), e_y_red_(steel.e_y_red) {
        steel_.webGap = gap;
        if (unreduced) {
            steel_.fyd_red = steel_.f_yd;
            steel_.e_y_red = steel_.e_y;
        }
    }
    ~ModifiedSteel() {
        steel_.webGap = gap_;
        steel_.fyd_red = fyd_red_;
        steel_.e_y_red = e_y_red_;
    }
    ModifiedSteel(const ModifiedSteel &) = delete;
    ModifiedSteel &operator=(const ModifiedSteel &) = delete;

private:
    SteelSection &steel_;
    WebGap gap_;
    double fyd_red_, e_y_red_;
};

}  // namespace

WebHole effectiveWebHole(const ClassificationGeometry &g, double eps, double z_pl,
                         int direction) {
    WebHole hole;
    hole.keep = 20.0 * eps * g.t_w;
    // The web plate between the fillets.
    const double plateLow = g.t_f1 + g.r, plateHigh = g.h - g.t_f2 - g.r;
    if (direction < 0) {
        // Hogging: the bottom flange and the web below the axis are compressed.
        hole.z_u = std::max(g.t_f1 + hole.keep, plateLow);
        hole.z_o = std::min(z_pl - hole.keep, plateHigh);
    } else {
        hole.z_u = std::max(z_pl + hole.keep, plateLow);
        hole.z_o = std::min(g.h - g.t_f2 - hole.keep, plateHigh);
    }
    return hole;
}

LimitPoint flangesOnlyLimit(CompositeSection &section, int direction) {
    const SteelSection &s = section.steel;
    // The web zone runs from t_f1 to h - t_f2 and holds the fillets.
    const ModifiedSteel flangesOnly(section.steel, WebGap{s.t_f1, s.h - s.t_f2}, true);
    return plasticLimit(section, direction);
}

EffectiveWeb effectiveWebLimit(CompositeSection &section, double eps, int direction,
                               double zStart) {
    const ClassificationGeometry g = classificationGeometry(section.steel);
    EffectiveWeb web;
    double z = zStart;
    for (int i = 1; i <= maxIterations && std::isfinite(z); ++i) {
        web.iterations = i;
        web.hole = effectiveWebHole(g, eps, z, direction);
        {
            const WebGap gap = web.hole.empty() ? WebGap{} : WebGap{web.hole.z_u, web.hole.z_o};
            const ModifiedSteel effective(section.steel, gap, false);
            web.limit = plasticLimit(section, direction);
        }
        const bool settled = std::fabs(web.limit.z0 - z) <= axisTolerance;
        z = web.limit.z0;
        if (settled) {
            web.settled = true;
            break;
        }
    }
    return web;
}
