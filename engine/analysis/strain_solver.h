#pragma once
// Strain-state iterations on top of the section response: the neutral axis
// for zero axial force at a given curvature, the uncracked elastic range and
// the strain state for a design moment. No file access.
#include <functional>

#include "section/composite_section.h"
#include "section/section_response.h"

// Section response for a strain plane (kappa, z0).
using SectionEvaluator = std::function<SectionResult(double kappa, double z0)>;

// Bounds of the neutral-axis search: the start height for kappa = 0, the
// axial-force tolerance and the heights beyond which no root is sought
// (outside the section every fibre has the same strain sign). `stiffness`
// bounds |dN/dz0| / |kappa| from above (every material on its initial
// modulus, E_c A_f* / 1000); it sizes the first step, 0 means 50 mm.
struct NeutralAxisSearch {
    double Z_el_na = 0.0;
    double tolN = 50.0;
    double zLow = 0.0, zHigh = 0.0;
    double stiffness = 0.0;
};
NeutralAxisSearch neutralAxisSearchOf(const CompositeSection &section);

// Neutral axis with N = 0 and the response there: a start within the
// tolerance is taken as it is; otherwise steps towards the root (secant
// extrapolation, at most 50 mm) until N changes sign, then the Illinois
// variant of false position inside that bracket until |N| <= tolN. `found`
// is false when the axial force keeps its sign over the whole search range;
// the response then carries the failed state.
struct ZeroAxialForce {
    double z0 = 0.0;
    SectionResult response;
    bool found = true;
};
ZeroAxialForce neutralAxisForZeroN(const SectionEvaluator &evaluate, double kappa, double zStart,
                                   const NeutralAxisSearch &search);

// Point of zero axial force at the curvature kappa, searched from zStart.
LimitPoint pointWithZeroN(const CompositeSection &section, double kappa, double zStart);

// Curvatures at which the first material limit is reached while the plane
// rotates about Z = Z_el_na* (positive: sagging, negative: hogging).
struct ElasticRangeInput {
    double Z = 0.0, h_a = 0.0, h_c = 0.0;
    double e_c3 = 0.0, e_ct = 0.0, e_sd = 0.0, e_y = 0.0;
    double z_so = 0.0, r_o = 0.0, z_su = 0.0, r_u = 0.0;
};
ElasticRangeInput elasticRangeInputOf(const CompositeSection &section);
struct ElasticRangeCurvatures {
    double positive = 0.0, negative = 0.0;
};
ElasticRangeCurvatures elasticRangeCurvatures(const ElasticRangeInput &in);

// Uncracked elastic range: both points evaluated at Z_el_na* without N
// iteration and stored in section.elasticRange ([0] negative, [1] positive).
void computeUncrackedElasticRange(CompositeSection &section);

// Point of zero axial force between the points a and b (moments on either
// side of M_Ed) at which the moment meets M_Ed: false position (Illinois) on
// M - M_Ed, each axis search started at the axis interpolated between the
// bracket ends; it ends once |M - M_Ed| <= tolM at an end or the curvature
// bracket is below tolKappa, and returns the end nearer to M_Ed.
LimitPoint curvatureForMoment(const CompositeSection &section, double M_Ed, LimitPoint a,
                              LimitPoint b);

// Strain state for the design moment section.M_Ed: within the uncracked
// range directly, between the elastic range and the plastic limit by
// curvatureForMoment (false position on the curvature), beyond the plastic
// limit failure. `failed` is also set when no equilibrium state could be
// found; the point then holds zeros and the failed state. EI_i is the secant stiffness
// M / (kappa / 1000), or the uncracked stiffness E_c I_f* at kappa = 0 (its
// limit for M -> 0).
struct DesignState {
    LimitPoint point;
    double EI_i = 0.0;
    bool failed = false;
    bool bisected = false;  // found by bisection, so M must meet M_Ed within tolM
};
DesignState solveDesignState(const CompositeSection &section);
