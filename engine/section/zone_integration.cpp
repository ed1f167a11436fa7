#include "section/zone_integration.h"

#include <algorithm>
#include <cmath>

double roundTo(double value, int decimals) {
    if (value == 0.0 || !std::isfinite(value)) return value;
    // Exact powers of ten for the rounding places in use.
    static const double powers[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8,
                                    1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    const double scale =
        decimals >= 0 && decimals <= 15 ? powers[decimals] : std::pow(10.0, decimals);
    const double scaled = value * scale;
    // Beyond 2^52 every double is already a whole number at this scale.
    if (std::fabs(scaled) >= 4503599627370496.0) return value;
    const double rounded = scaled > 0.0 ? std::floor(scaled + 0.5) : std::ceil(scaled - 0.5);
    return rounded / scale;
}

namespace {

int severity(ZoneState state) {
    if (state == ZoneState::Failed) return 2;
    if (state == ZoneState::Yielded) return 1;
    return 0;
}

// Concrete and reinforcement: failure wins, two linear ends stay linear, a
// yielded end makes the sub-zone yielded; what remains has a cracked end and
// is carried without stress.
ZoneState concreteOrBarState(ZoneState a, ZoneState b, bool &cracked) {
    cracked = false;
    if (a == ZoneState::Failed || b == ZoneState::Failed) return ZoneState::Failed;
    if (a == ZoneState::Elastic && b == ZoneState::Elastic) return ZoneState::Elastic;
    if (a == ZoneState::Yielded || b == ZoneState::Yielded) return ZoneState::Yielded;
    cracked = true;
    return ZoneState::Elastic;
}

// Structural steel: a sub-zone counts as yielded only when both ends have yielded.
ZoneState steelState(ZoneState a, ZoneState b) {
    if (a == ZoneState::Failed || b == ZoneState::Failed) return ZoneState::Failed;
    if (a == ZoneState::Elastic || b == ZoneState::Elastic) return ZoneState::Elastic;
    return ZoneState::Yielded;
}

}  // namespace

ZoneState worseState(ZoneState a, ZoneState b) { return severity(b) > severity(a) ? b : a; }

ZoneCuts cutZone(const IntegrationZone &zone, const StrainPlane &plane) {
    ZoneCuts cuts;
    if (!(zone.z2 > zone.z1)) return cuts;
    cuts.z[cuts.count++] = zone.z1;
    if (plane.kappa != 0.0) {
        const double e1 = plane.strainAt(zone.z1);
        double inside[2], limits[2];
        int n = 0;
        for (double limit : {zone.limitA, zone.limitB}) {
            const double z = zone.z1 + (e1 - limit) / plane.kappa;
            if (std::isfinite(z) && z > zone.z1 && z < zone.z2) {
                inside[n] = z;
                limits[n++] = limit;
            }
        }
        if (n == 2 && inside[1] < inside[0]) {
            std::swap(inside[0], inside[1]);
            std::swap(limits[0], limits[1]);
        }
        if (n == 2 && inside[1] == inside[0]) n = 1;
        for (int i = 0; i < n; ++i) {
            cuts.z[cuts.count] = inside[i];
            cuts.limit[cuts.count] = limits[i];
            cuts.atLimit[cuts.count++] = true;
        }
    }
    cuts.z[cuts.count++] = zone.z2;
    return cuts;
}

double cutStrain(const ZoneCuts &cuts, int i, const StrainPlane &plane, int decimals) {
    return cuts.atLimit[i] ? cuts.limit[i] : roundTo(plane.strainAt(cuts.z[i]), decimals);
}

SubZone integrateSubZone(double z1, double z2, double e1, double e2, MaterialPoint p1,
                         MaterialPoint p2, const StripProps &net, ZoneMaterial material) {
    SubZone s;
    s.z1 = z1;
    s.z2 = z2;
    s.e1 = e1;
    s.e2 = e2;
    s.s1 = p1.sigma;
    s.s2 = p2.sigma;
    s.net = net;
    if (material == ZoneMaterial::Steel) {
        s.state = steelState(p1.state, p2.state);
    } else {
        bool cracked = false;
        s.state = concreteOrBarState(p1.state, p2.state, cracked);
        if (cracked) s.s1 = s.s2 = 0.0;
    }
    if (!(net.A > 0.0) || !(z2 > z1)) return s;
    // Stress at the centroid of the net area gives N exactly; the slope of
    // the linear stress times the own second moment gives the own moment.
    const double sigmaCentre = roundTo(s.s1 + (s.s2 - s.s1) / (z2 - z1) * (net.z - z1), 7);
    s.N = net.A * sigmaCentre;
    const double upper = z2 - net.z;
    if (upper > 0.0) s.M_own = roundTo(-(roundTo(s.s2 - sigmaCentre, 7) / upper) * net.I, 7);
    return s;
}

PartSums sumSubZones(const std::vector<SubZone> &subZones) {
    PartSums sums;
    for (const SubZone &s : subZones) {
        sums.N += s.N;
        sums.M += s.M_own - s.N * s.net.z;
        // Material that is not there (a slab of width 0, ribs without concrete)
        // can neither yield nor fail: only sub-zones with area decide the state.
        if (s.net.A > 0.0) sums.state = worseState(sums.state, s.state);
    }
    return sums;
}
