#pragma once
// Stress and state of one material point, and the pure design stress laws.
// Strains in per mille, stresses in N/mm^2, compression negative.
#include "protocol/result_files.h"

// The state of a point: linear, yielded or on a plateau, beyond its strain
// limit, or cracked concrete. The result files write it as a word.
using protocol::ZoneState;

struct MaterialPoint {
    double sigma = 0.0;
    ZoneState state = ZoneState::Elastic;
};

// Concrete, EN 1992-1-1 3.1.7(2) bilinear law with an optional linear tensile
// branch up to e_ct (tension stiffening; e_ct = 0 gives no tension at all).
MaterialPoint concreteStress(double eps, double f_cd, double e_c3, double e_cu3, double e_ct,
                             double E_c);

// Reinforcing steel, EN 1992-1-1 3.2.7(2): linear up to e_sd, then the branch of
// modulus E_s2 (0 for a horizontal top branch) up to the strain limit e_ud.
MaterialPoint reinforcementStress(double eps, double f_sd, double e_sd, double e_ud, double E_s,
                                  double E_s2);

// Structural steel, elastic-ideally plastic; in the shear area (reduced) the
// stress is further limited to the shear-reduced yield strength fyd_red.
MaterialPoint steelStress(double eps, double f_yd, double e_y, double E_a, bool reduced,
                          double fyd_red);
