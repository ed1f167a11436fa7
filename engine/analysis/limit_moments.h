#pragma once
// Elastic and plastic limit moments of the composite section under zero axial
// force, for sagging (positive curvature) and hogging (negative curvature).
#include <functional>

#include "section/composite_section.h"

// Point of zero axial force at a curvature, searched from a start height.
using PointAtCurvature = std::function<LimitPoint(double kappa, double zStart)>;
// +1 while the criterion holds (e.g. still elastic), -1 once it is violated.
using LimitCriterion = std::function<int(const LimitPoint &)>;

struct LimitSearch {
    double step = 0.02;       // curvature step of the march (signed)
    int maxSteps = 0;         // march bound
    double tolM = 5000.0;     // moment bracket (Nmm)
    double tolKappa = 1e-13;  // curvature bracket
    double farKappa = 0.0;    // probed after an unbracketed march (0: none)
};

// March from `start` in curvature steps until the criterion changes, then
// bisect the bracket; returns the last point with the start's criterion value.
// Without a change within maxSteps the point at farKappa closes the bracket;
// if the criterion holds there too (or there is no farKappa), that point (or
// the last point reached) is returned.
LimitPoint marchAndBisect(const PointAtCurvature &pointAt, const LimitCriterion &criterion,
                          const LimitPoint &start, const LimitSearch &search);

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
