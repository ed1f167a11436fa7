#include "section/tension_stiffening.h"

#include <algorithm>
#include <cmath>

#include "section/zone_integration.h"

namespace {

const double beta_t = 0.4;  // long-term mean of the tension-chord factor

struct LayerValues {
    double z = 0.0, r = 0.0, s = 0.0, n = 0.0, c_nom = 0.0, A_s = 0.0;
    bool hasBars() const { return n > 0.0 && r > 0.0 && A_s > 0.0; }
};

LayerValues layerValues(const ConcreteSlab &slab, BarLayer layer) {
    const ReinforcementLayers &b = slab.bars;
    if (layer == BarLayer::Bottom)
        return {b.z_su, b.r_u, b.AbstanduntereLage, b.n_u, b.c_nom_u, b.A_su};
    return {b.z_so, b.r_o, b.AbstandobereLage, b.n_o, b.c_nom_o, b.A_so};
}

BarLayer otherLayer(BarLayer layer) {
    return layer == BarLayer::Bottom ? BarLayer::Top : BarLayer::Bottom;
}

double strainAt(double eps_b, double kappa, double z) { return roundTo(eps_b - kappa * z, 8); }

// Mean force of the tension chord at the strain eps: linear between the nodes,
// taken from the first segment that contains eps (with little reinforcement
// the cracked node can lie beyond the yield node; the polyline still covers
// every strain from 0 to its last node).
double chordForce(const double (&x)[5], const double (&y)[5], double eps) {
    for (int i = 0; i < 4; ++i) {
        const double lo = std::min(x[i], x[i + 1]);
        const double hi = std::max(x[i], x[i + 1]);
        if (eps < lo || eps > hi) continue;
        if (hi == lo) return y[i + 1];
        return y[i] + (y[i + 1] - y[i]) * (eps - x[i]) / (x[i + 1] - x[i]);
    }
    return 0.0;
}

}  // namespace

TensionChord tensionChordOf(const ConcreteSlab &slab) {
    const ReinforcementLayers &b = slab.bars;
    return {slab.f_ct_eff, slab.e_ct_eff, b.f_sd, b.e_sd, b.f_ud, b.e_ud, b.E_s, b.E_s2};
}

double chordConcreteForce(const TensionChord &c, double A_s_eff, double A_c_eff, double eps) {
    const double EsA = c.E_s * A_s_eff;
    if (!(EsA > 0.0) || !(A_c_eff > 0.0) || !(eps > 0.0)) return 0.0;
    const double N_cr = EsA * c.e_ct_eff / 1000.0 + c.f_ct_eff * A_c_eff;
    const double d_eps_sr = c.f_ct_eff * A_c_eff / EsA * 1000.0;
    const double shift = beta_t * d_eps_sr;
    const double x[5] = {0.0, c.e_ct_eff, N_cr / EsA * 1000.0 - shift, c.e_sd - shift,
                         c.e_ud - shift};
    const double y[5] = {0.0, N_cr, N_cr, c.f_sd * A_s_eff, c.f_ud * A_s_eff};
    if (eps > x[4]) return 0.0;
    const double N = chordForce(x, y, eps);
    const double concrete = eps <= c.e_sd
                                ? N - EsA * eps / 1000.0
                                : N - c.f_sd * A_s_eff -
                                      c.E_s2 * A_s_eff * (eps - (c.e_sd - shift)) / 1000.0;
    return std::max(0.0, concrete);
}

bool layerInTension(const ConcreteSlab &slab, BarLayer layer, double eps_b, double kappa) {
    const LayerValues v = layerValues(slab, layer);
    if (!v.hasBars()) return false;
    return strainAt(eps_b, kappa, v.z - v.r) > 0.0 || strainAt(eps_b, kappa, v.z + v.r) > 0.0;
}

EffectiveZone effectiveZone(const ConcreteSlab &slab, BarLayer layer, bool otherInTension,
                            double eps_b, double kappa) {
    const LayerValues self = layerValues(slab, layer);
    const LayerValues other = layerValues(slab, otherLayer(layer));
    const double towardsFace = std::min(15.0 * self.r, self.c_nom + self.r);
    double towardsOther = 15.0 * self.r;
    if (otherInTension) {
        // Both layers share the concrete between them in proportion to their
        // bar areas; a layer whose own reach is shorter leaves the rest.
        const double D = std::fabs(slab.bars.z_so - slab.bars.z_su);
        const double sum = self.A_s + other.A_s;
        double share = D * self.A_s / sum;
        if (15.0 * other.r < D * other.A_s / sum) share = D - 15.0 * other.r;
        towardsOther = std::min(towardsOther, share);
    }
    EffectiveZone zone;
    if (layer == BarLayer::Bottom) {
        zone.z1 = self.z - towardsFace;
        zone.z2 = self.z + towardsOther;
    } else {
        zone.z1 = self.z - towardsOther;
        zone.z2 = self.z + towardsFace;
    }
    // Above (sagging) or below (hogging) the height where the strain falls to
    // e_ct the concrete is not cracked and takes its tension itself.
    if (kappa != 0.0) {
        const double h_ct = (eps_b - slab.e_ct) / kappa;
        if (h_ct > zone.z1 && h_ct < zone.z2) {
            if (kappa < 0.0) zone.z1 = h_ct;
            else zone.z2 = h_ct;
        }
    }
    // The zone uses the full width b_e, so it stays within the solid slab.
    zone.z1 = std::max(zone.z1, slab.h_profilblech);
    zone.z2 = std::min(zone.z2, slab.h_c);
    return zone;
}

TensionStiffeningForce tensionStiffeningForce(const ConcreteSlab &slab, BarLayer layer,
                                              double eps_b, double kappa) {
    TensionStiffeningForce force;
    if (!layerInTension(slab, layer, eps_b, kappa)) return force;
    const LayerValues v = layerValues(slab, layer);
    const bool otherInTension = layerInTension(slab, otherLayer(layer), eps_b, kappa);
    const EffectiveZone zone = effectiveZone(slab, layer, otherInTension, eps_b, kappa);
    const double H = zone.z2 - zone.z1;
    if (!(H > 0.0)) return force;

    double A_c_eff = 0.0;
    force.z_F = 1.0;
    const bool cracked = strainAt(eps_b, kappa, zone.z1) > slab.e_ct ||
                         strainAt(eps_b, kappa, zone.z2) > slab.e_ct;
    if (cracked) {
        const StripProps bar = circleStrip(v.r, v.z, zone.z1, zone.z2);  // one bar
        const double w = std::min(15.0 * v.r, v.s / 2.0);
        // Width of concrete that one bar activates. With n >= 2 the outer bars
        // also take the edge strips beyond them. A single bar (slab narrower
        // than the spacing) takes its own zone 2w, but never more than the slab
        // width: the general formula would subtract a negative count of inner bars.
        const double cell = v.n == 1.0 ? std::min(2.0 * w, slab.b_e) : 2.0 * w;
        if (v.n == 1.0)
            A_c_eff = cell * H - bar.A;
        else
            A_c_eff = 2.0 * (((slab.b_e - (v.n - 1.0) * v.s) / 2.0 + w) * H - bar.A) +
                      (v.n - 2.0) * (cell * H - bar.A);
        const double cellNet = cell * H - bar.A;
        if (A_c_eff > 0.0 && cellNet > 0.0) {
            const double z_m = (zone.z1 + zone.z2) / 2.0;
            force.z_F = (z_m * cell * H - bar.A * bar.z) / cellNet;
        } else {
            A_c_eff = 0.0;
        }
    }
    const double A_s_eff = slab.barStrip(BarLayer::Bottom, zone.z1, zone.z2).A +
                           slab.barStrip(BarLayer::Top, zone.z1, zone.z2).A;
    if (!(A_c_eff > 0.0) || !(A_s_eff > 0.0)) return force;
    const double eps_F = strainAt(eps_b, kappa, force.z_F);
    const double concrete = chordConcreteForce(tensionChordOf(slab), A_s_eff, A_c_eff, eps_F);
    force.F = A_s_eff * concrete / v.A_s;
    return force;
}
