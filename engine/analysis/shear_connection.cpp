#include "analysis/shear_connection.h"

#include <algorithm>
#include <cmath>

#include "io/validation_bounds.h"
#include "protocol/input_lines.h"
#include "section/composite_section.h"
#include "section/concrete_slab.h"
#include "section/steel_section.h"

namespace {

const double pi = std::acos(-1.0);
const int maxAxisHalvings = 200;

// Flanges whose areas differ by less than this share count as equal.
const double equalFlangeTolerance = 1e-3;

// Area and first moment about z = 0 of a part between two heights.
struct Sum {
    double A = 0.0, S = 0.0;
};
Sum sumOf(const PlasticPart &part, double z1, double z2) {
    if (!(z2 > z1)) return {};
    const StripProps p = part.strip(z1, z2);
    if (!(p.A > 0.0)) return {};
    return {p.A, p.A * p.z};
}

// The height z in [lo, hi] where the decreasing g(z) meets the target;
// lo or hi where the target lies beyond g's values there.
double axisFor(const std::function<double(double)> &g, double lo, double hi, double target) {
    if (!(g(lo) > target)) return lo;
    if (!(g(hi) < target)) return hi;
    for (int i = 0; i < maxAxisHalvings; ++i) {
        const double mid = 0.5 * (lo + hi);
        if (mid == lo || mid == hi) break;
        const double v = g(mid);
        if (v > target) lo = mid;
        else if (v < target) hi = mid;
        else return mid;
        if (hi - lo < 1e-9) break;
    }
    return 0.5 * (lo + hi);
}

// Net compression (A) and its moment about z = 0 (S) of a group of parts
// between lo and hi with its plastic axis at z: above compressed, below in
// tension where a part carries it.
Sum netCompression(const std::vector<PlasticPart> &parts, double lo, double hi, double z) {
    Sum net;
    for (const PlasticPart &part : parts) {
        const Sum above = sumOf(part, z, hi);
        net.A += part.f * above.A;
        net.S += part.f * above.S;
        if (!part.carriesTension) continue;
        const Sum below = sumOf(part, lo, z);
        net.A -= part.f * below.A;
        net.S -= part.f * below.S;
    }
    return net;
}

}  // namespace

StudResistance studResistance(double d, double h_sc, double f_u, double f_ck) {
    StudResistance r;
    r.E_cm = 22000.0 * std::pow((f_ck + 8.0) / 10.0, 0.3);
    const double ratio = h_sc / d;
    r.alpha = ratio > 4.0 ? 1.0 : 0.2 * (ratio + 1.0);
    r.P_Rd_1 = 0.8 * f_u * pi * d * d / 4.0 / gamma_V;
    r.P_Rd_2 = 0.29 * r.alpha * d * d * std::sqrt(f_ck * r.E_cm) / gamma_V;
    r.formula = r.P_Rd_2 < r.P_Rd_1 ? 2 : 1;
    r.P_Rd = std::min(r.P_Rd_1, r.P_Rd_2);
    return r;
}

double k_t_max(double d, double n_r, double t_blech) {
    const bool two = n_r > 1.0;
    if (d > 20.0) return two ? 0.60 : 0.75;
    if (t_blech <= 1.0) return two ? 0.70 : 0.85;
    return two ? 0.8 : 1.0;
}

double ribReduction(const std::string &Rippen, double d, double h_sc, double h_p, double b_0,
                    double n_r, double t_blech) {
    namespace in = protocol::input;
    if (Rippen != in::ribsTransverse && Rippen != in::ribsParallel) return 1.0;
    if (!(h_p > 0.0) || !(n_r > 0.0)) return 0.0;
    const double h = std::min(h_sc, h_p + bounds::studHeightAboveRibs);
    const double shape = (b_0 / h_p) * (h / h_p - 1.0);
    const double k = Rippen == in::ribsTransverse
                         ? std::min(0.7 / std::sqrt(n_r) * shape, k_t_max(d, n_r, t_blech))
                         : std::min(0.6 * shape, 1.0);
    return std::max(k, 0.0);
}

MinimumDegree minimumDegree(double f_y, double L_e_m, double A_f1, double A_f2, double d,
                            double h_sc) {
    using Rule = protocol::MinimumDegreeRule;
    if (h_sc < 4.0 * d) return {1.0, Rule::StudsNotDuctile};
    const double factor = 355.0 / f_y;
    if (std::fabs(A_f1 - A_f2) <= equalFlangeTolerance * std::max(A_f1, A_f2)) {
        if (L_e_m > 25.0) return {1.0, Rule::EqualFlanges};
        return {std::max(0.4, 1.0 - factor * (0.75 - 0.03 * L_e_m)), Rule::EqualFlanges};
    }
    if (A_f1 < A_f2) return {1.0, Rule::BottomFlangeSmaller};
    if (A_f1 > 3.0 * A_f2) return {1.0, Rule::BottomFlangeBeyond3};
    if (L_e_m > 20.0) return {1.0, Rule::BottomFlangeLarger};
    return {std::max(0.4, 1.0 - factor * (0.30 - 0.015 * L_e_m)), Rule::BottomFlangeLarger};
}

PartialConnectionSection partialConnectionSection(const CompositeSection &section, double fyd_red) {
    const SteelSection &steel = section.steel;
    const ConcreteSlab &slab = section.slab;
    PartialConnectionSection s;
    s.h_a = section.h_a;
    s.top = section.h_a + slab.h_c;
    const double h_a = s.h_a;
    s.slab.push_back({[&slab, h_a](double z1, double z2) {
                          StripProps p = slab.concreteStrip(z1 - h_a, z2 - h_a);
                          p.z += h_a;
                          return p;
                      },
                      std::fabs(slab.f_cd), false});
    for (BarLayer layer : {BarLayer::Bottom, BarLayer::Top})
        s.slab.push_back({[&slab, h_a, layer](double z1, double z2) {
                              StripProps p = slab.barStrip(layer, z1 - h_a, z2 - h_a);
                              p.z += h_a;
                              return p;
                          },
                          slab.bars.f_sd, false});
    for (const SteelZone &zone : steel.zoneTable())
        s.steel.push_back({[&steel, zone](double z1, double z2) {
                               const double a = std::max(z1, zone.z1), b = std::min(z2, zone.z2);
                               return b > a ? steel.strip(a, b, zone.width) : StripProps{};
                           },
                           zone.reduced ? fyd_red : steel.f_yd, true});
    return s;
}

double fullConnectionForce(const CompositeSection &section) {
    const ConcreteSlab &slab = section.slab;
    const double slabForce = std::fabs(slab.f_cd) * slab.concreteStrip(0.0, slab.h_c).A +
                             slab.bars.f_sd * slab.bars.A_s;
    const double steelForce = section.steel.f_yd * section.steel.strip(0.0, section.steel.h).A;
    return std::min(slabForce, steelForce);
}

PartialConnectionState partialConnectionMoment(const PartialConnectionSection &s, double N_c) {
    const auto slabAt = [&s](double z) { return netCompression(s.slab, s.h_a, s.top, z); };
    const auto steelAt = [&s](double z) { return netCompression(s.steel, 0.0, s.h_a, z); };
    PartialConnectionState state;
    // The slab compressed whole, the steel in tension whole.
    state.N = std::max(0.0, std::min({N_c, slabAt(s.h_a).A, steelAt(0.0).A}));
    state.z_c = axisFor([&](double z) { return slabAt(z).A; }, s.h_a, s.top, state.N);
    state.z_a = axisFor([&](double z) { return steelAt(z).A; }, 0.0, s.h_a, -state.N);
    state.M = slabAt(state.z_c).S + steelAt(state.z_a).S;
    return state;
}
