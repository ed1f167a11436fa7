#pragma once
// Checks of what a run is about to write. Every derived material and section
// value must be finite, and every solver point must meet the tolerances the
// solver itself works to: N = 0 within tolN, and a design state found by
// bisection M = M_Ed within tolM. A point that misses them was not found and
// must never be written as if it had been.
#include <string>

#include "section/composite_section.h"

enum class PointCheck { Found, NotFinite, MissesAxialForce, MissesMoment };

// A limit point: curvature, neutral axis, moment and axial force finite,
// |N| <= tolN.
PointCheck checkLimitPoint(const LimitPoint &p, double tolN);

// A design state: as a limit point; found by bisection on the curvature also
// |M - M_Ed| <= tolM. A state taken directly from the uncracked stiffness
// has no moment bracket to meet.
PointCheck checkDesignPoint(const LimitPoint &p, double M_Ed, bool bisected, double tolN,
                            double tolM);

// Why a point was not found, for the messages: "|N| = 73.2 N > 50 N" or
// "|M - M_Ed| = 1.2e+06 Nmm > 5000 Nmm"; empty for a point that was found.
std::string missText(PointCheck check, const LimitPoint &p, double M_Ed, double tolN,
                     double tolM);

// A limit to be written: true when found. Otherwise one FEHLERMELDUNG line
// names it by its label ("M_max_pl ergibt keinen endlichen Wert", "M_max_pl
// nicht gefunden: |N| = ...") and the run ends: the limit-moment block and
// the interaction file have no form for a limit that is missing.
bool limitFound(const char *label, const LimitPoint &p, double tolN);

// Every derived value of the materials, the slab with its bars, the steel
// section and the transformed section; otherwise one FEHLERMELDUNG line names
// the first that is not finite.
bool modelValuesFinite(const CompositeSection &section);
