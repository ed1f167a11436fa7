#pragma once
// Tension stiffening: the concrete between the cracks around a bar layer in
// tension carries part of the tensile force. The force follows from the
// tension-chord law of the effective concrete area around the layer
// (EN 1992-1-1 7.3.2 / 7.4.3 with beta_t = 0.4) and acts at the centroid of
// that area. Heights in slab coordinates (mm above the slab underside),
// strains in per mille, forces in N.
#include "section/concrete_slab.h"

// Material values of the tension chord.
struct TensionChord {
    double f_ct_eff = 0.0, e_ct_eff = 0.0;
    double f_sd = 0.0, e_sd = 0.0, f_ud = 0.0, e_ud = 0.0, E_s = 0.0, E_s2 = 0.0;
};

TensionChord tensionChordOf(const ConcreteSlab &slab);

// Force carried by the concrete of a tension chord with the bar area A_s_eff
// and the effective concrete area A_c_eff at the mean strain eps: the chord
// force of the polyline (0, 0), (e_ct_eff, N_cr), (cracked, N_cr),
// (yield, f_sd A), (limit, f_ud A) less the force of the bare bars; 0 beyond
// the last node, for eps <= 0 and for a chord without steel or concrete.
double chordConcreteForce(const TensionChord &chord, double A_s_eff, double A_c_eff, double eps);

// Effective tension zone around a bar layer, from z1 to z2.
struct EffectiveZone {
    double z1 = 0.0, z2 = 0.0;
};

// The zone around `layer`: half-width per bar min(15 r, s / 2), towards the
// nearer slab face min(15 r, c_nom + r), towards the other layer 15 r (when
// both layers are in tension at most this layer's share of their distance),
// cut where the strain falls to e_ct and kept inside the solid part of the slab.
EffectiveZone effectiveZone(const ConcreteSlab &slab, BarLayer layer, bool otherInTension,
                            double eps_b, double kappa);

// Tension-stiffening force of one layer and its height.
struct TensionStiffeningForce {
    double F = 0.0;
    double z_F = 0.0;
};

// Whether a layer with bars lies in tension: its rounded strain at the lower
// bar edge, or else at the upper bar edge, is positive.
bool layerInTension(const ConcreteSlab &slab, BarLayer layer, double eps_b, double kappa);

// Force of one layer for the slab strain plane (eps_b at the slab underside,
// curvature kappa); zero for a layer without bars or not in tension.
TensionStiffeningForce tensionStiffeningForce(const ConcreteSlab &slab, BarLayer layer,
                                              double eps_b, double kappa);
