#pragma once
// Exact integration of stresses over one integration zone of a section part.
// A zone is cut at the heights where the strain passes a branch limit of its
// material law; inside each sub-zone the stress is then linear or constant in
// z, so the net area, centroid and own second moment integrate it exactly.
// Heights in mm in the part's own coordinate, strains in per mille,
// stresses in N/mm^2, compression negative.
#include <vector>

#include "materials/material_point.h"
#include "section/strip.h"

// Rounds to `decimals` places, halves away from zero; 0 stays 0.
double roundTo(double value, int decimals);

// Plane strain distribution of one part: eps(z) = eps0 - kappa * z, with eps0
// the strain at the part's reference height z = 0.
struct StrainPlane {
    double eps0 = 0.0;
    double kappa = 0.0;
    double strainAt(double z) const { return eps0 - kappa * z; }
};

// Decides how the end states of a sub-zone combine to its state.
enum class ZoneMaterial { ConcreteOrBar, Steel };

// One zone: heights, the two branch limits of its law, rounding of the end strains.
struct IntegrationZone {
    double z1 = 0.0, z2 = 0.0;
    double limitA = 0.0, limitB = 0.0;
    int strainDecimals = 8;
    ZoneMaterial material = ZoneMaterial::ConcreteOrBar;
};

// Result of one sub-zone; N and M_own (moment about its own centroid,
// M = -int sigma (z - z_c) dA) of the net area `net`.
struct SubZone {
    double z1 = 0.0, z2 = 0.0;
    double e1 = 0.0, e2 = 0.0;
    double s1 = 0.0, s2 = 0.0;
    ZoneState state = ZoneState::Elastic;
    StripProps net;
    double N = 0.0, M_own = 0.0;
};

// Sums of a part about its reference height z = 0 and its state:
// failed if any sub-zone with area fails, else yielded if any has yielded, else elastic.
struct PartSums {
    double N = 0.0, M = 0.0;
    ZoneState state = ZoneState::Elastic;
};

// The worse of two states in the order elastic < yielded < failed (a cracked
// state counts as elastic).
ZoneState worseState(ZoneState a, ZoneState b);

// Sub-zone heights of a zone: z1, the cut heights inside (ascending), z2.
// At a cut height the strain is the branch limit itself, so that the law
// classifies that end on the limit (a steel fibre exactly at e_y has yielded)
// instead of on whichever side the rounding of the plane strain falls.
struct ZoneCuts {
    double z[4] = {0.0, 0.0, 0.0, 0.0};
    double limit[4] = {0.0, 0.0, 0.0, 0.0};
    bool atLimit[4] = {false, false, false, false};
    int count = 0;  // number of heights
};
ZoneCuts cutZone(const IntegrationZone &zone, const StrainPlane &plane);

// Strain at height i of the cuts: the limit at a cut, else the rounded plane strain.
double cutStrain(const ZoneCuts &cuts, int i, const StrainPlane &plane, int decimals);

// Sub-zone from its end strains (already rounded), end points of the law and
// net geometry: state rule, stresses of a cracked concrete sub-zone set to 0,
// exact N and own moment.
SubZone integrateSubZone(double z1, double z2, double e1, double e2, MaterialPoint p1,
                         MaterialPoint p2, const StripProps &net, ZoneMaterial material);

// Integrates one zone and appends its sub-zones. `law(eps)` returns a
// MaterialPoint, `geometry(z1, z2)` the net StripProps between two heights.
template <class Law, class Geometry>
void integrateZone(const IntegrationZone &zone, const StrainPlane &plane, const Law &law,
                   const Geometry &geometry, std::vector<SubZone> &out) {
    const ZoneCuts cuts = cutZone(zone, plane);
    for (int i = 0; i + 1 < cuts.count; ++i) {
        const double za = cuts.z[i], zb = cuts.z[i + 1];
        const double ea = cutStrain(cuts, i, plane, zone.strainDecimals);
        const double eb = cutStrain(cuts, i + 1, plane, zone.strainDecimals);
        out.push_back(integrateSubZone(za, zb, ea, eb, law(ea), law(eb), geometry(za, zb),
                                       zone.material));
    }
}

// N = sum N_i, M = sum (M_own,i - N_i z_c,i) and the part state.
PartSums sumSubZones(const std::vector<SubZone> &subZones);
