#pragma once
// The composite section of one run: references to the material and section
// models, the design actions of the limit state being analysed, the solver
// tolerances, the uncracked transformed section and the solver's records.
#include <string>

#include "materials/material_point.h"

class ConcreteMaterial;
class ReinforcementMaterial;
class SteelMaterial;
class ConcreteSlab;
class SteelSection;
class ResultWriter;

// One evaluated strain state: curvature (per mille per mm), neutral-axis
// height above the steel underside (mm), moment and axial force sums, state.
struct LimitPoint {
    double kappa = 0.0, z0 = 0.0, M = 0.0, N = 0.0;
    ZoneState state = ZoneState::Elastic;
};

class CompositeSection {
public:
    // Actions start as those of the ultimate limit state. Echoes the transformed values.
    CompositeSection(ConcreteMaterial &concrete, ReinforcementMaterial &reinforcement,
                     SteelMaterial &steelMaterial, ConcreteSlab &slab, SteelSection &steel,
                     ResultWriter &writer, double M_Ed, double V_Ed);

    ConcreteMaterial &concrete;
    ReinforcementMaterial &reinforcement;
    SteelMaterial &steelMaterial;
    ConcreteSlab &slab;
    SteelSection &steel;
    ResultWriter &writer;

    double h_a = 0.0;  // steel height = height of the slab underside
    double M_Ed = 0.0, V_Ed = 0.0;

    // Tolerances of the strain-state iterations: moment (Nmm) and curvature
    // (per mille per mm) of the bisections, axial force (N) of N = 0.
    double tolM = 5000.0, tolN = 50.0, tolKappa = 1e-13;

    // Uncracked transformed section, reference modulus E_c:
    // n_a, n_s modular ratios, A_f = A_f*, Z_el_na = Z_el_na* (above the steel
    // underside), I_f = I_f*.
    double n_a = 0.0, n_s = 0.0, A_f = 0.0, Z_el_na = 0.0, I_f = 0.0;

    // [0] negative (hogging), [1] positive (sagging) direction.
    LimitPoint last, elasticRange[2], elasticLimit[2], plasticLimit[2], design;

    void setActions(double M, double V);
};

// Transformed section values from the gross values of the three parts; slab
// heights are shifted by the steel height h_a.
struct TransformedSection {
    double n_a = 0.0, n_s = 0.0, A_f = 0.0, Z_el_na = 0.0, I_f = 0.0;
};
TransformedSection transformedSection(double E_c, double E_a, double E_s, double h_a,
                                      double A_a, double z_sa, double I_a, double A_c,
                                      double z_sc, double I_c, double A_s, double z_ss,
                                      double I_s);
