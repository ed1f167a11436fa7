#include "analysis/minimum_reinforcement.h"

#include <algorithm>

#include "section/concrete_slab.h"

MinimumReinforcement minimumReinforcement(const ConcreteSlab &slab, bool topInTension,
                                          double z_na, double k_c, double k, double s_s) {
    // Tensile zone between z1 and z2: hogging from the neutral axis (at least
    // the top of the ribs) up to the slab top; sagging from the slab underside
    // (ribs of width b_p, then the full width) up to the neutral axis. A neutral
    // axis outside the slab on the compressed side leaves no tensile zone.
    double z1 = 0.0, z2 = 0.0;
    if (topInTension) {
        z1 = std::max(z_na, slab.h_profilblech);
        z2 = slab.h_c;
    } else {
        z2 = std::min(z_na, slab.h_c);
    }
    MinimumReinforcement result;
    if (z2 <= z1) return result;
    result.tensileZone = true;
    result.A_ct = slab.concreteStrip(z1, z2).A;
    result.A_s_vor = slab.barStrip(BarLayer::Bottom, z1, z2).A + slab.barStrip(BarLayer::Top, z1, z2).A;
    result.A_s_min = s_s > 0.0 ? k * k_c * slab.f_ct_eff * result.A_ct / s_s : 0.0;
    result.enough = result.A_s_min <= result.A_s_vor;
    return result;
}
