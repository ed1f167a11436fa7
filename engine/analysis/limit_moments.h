#pragma once
// Elastic and plastic limit moments of the composite section under zero axial
// force, for sagging (positive curvature) and hogging (negative curvature).
#include <functional>

#include "section/composite_section.h"

// Point of zero axial force at a curvature, searched from a start height.
using PointAtCurvature = std::function<LimitPoint(double kappa, double zStart)>;
// +1 while the criterion holds (e.g. still elastic), -1 once it is violated.
using LimitCriterion = std::function<int(const LimitPoint &)>;
// Curvature at which the criterion would change if the plane of the point
// rotated about its neutral axis; not finite when no fibre would change it.
using LimitPredictor = std::function<double(const LimitPoint &)>;

struct LimitSearch {
    double step = 0.02;       // curvature step of the march (signed)
    int maxSteps = 0;         // march bound
    double tolM = 5000.0;     // moment bracket (Nmm)
    double tolKappa = 1e-13;  // curvature bracket
    double farKappa = 0.0;    // probed after an unbracketed march (0: none)
    LimitPredictor predict;   // optional: where to seek the bracket first
};

// March from `start` in curvature steps until the criterion changes, then
// bisect the bracket; returns the last point with the start's criterion value.
// Without a change within maxSteps the point at farKappa closes the bracket;
// if the criterion holds there too (or there is no farKappa), that point (or
// the last point reached) is returned.
// With a predictor the bracket is sought first where the predictions settle
// (secant iteration on predicted minus evaluated curvature): by steps outward
// from there that begin where the moment changes by about half the moment
// tolerance and double. The march is the fallback when they find none. The
// criterion alone decides either way; the predictor only saves evaluations.
LimitPoint marchAndBisect(const PointAtCurvature &pointAt, const LimitCriterion &criterion,
                          const LimitPoint &start, const LimitSearch &search);

// The curvature, of sign `direction`, at which the first fibre of the
// section reaches the strain where its state leaves elastic (elastic: concrete
// e_c3, bars e_sd, steel e_y, also in the shear area, whose state follows the
// unreduced law) or becomes failed (plastic: concrete e_cu3, bars e_ud) when
// the plane rotates about the height z0; parts without area count not. Not
// finite when no fibre reaches a limit.
enum class LimitKind { Elastic, Plastic };
double firstLimitCurvature(const CompositeSection &section, double z0, int direction,
                           LimitKind kind);

// direction +1: sagging, -1: hogging.
LimitPoint elasticLimit(const CompositeSection &section, int direction);
LimitPoint plasticLimit(const CompositeSection &section, int direction);

// Stores both elastic limits in section.elasticLimit ([0] negative, [1] positive).
void computeElasticLimits(CompositeSection &section);
// flag 0: positive direction only; 1: both directions (section.plasticLimit).
void computePlasticLimits(CompositeSection &section, int flag);

// "*Grenzmomente" block of output.txt. Each limit is verified first; false
// (after one FEHLERMELDUNG line, nothing written) when one was not found.
bool writeLimitMomentBlock(const CompositeSection &section);
