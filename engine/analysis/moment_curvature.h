#pragma once
// Moment-curvature relation of the composite section under zero axial force,
// in the material state the section is in; the run sequence takes it in the
// ultimate limit state (design laws, no tension stiffening, fyd_red of V_Ed).
#include <vector>

#include "io/result_writer.h"
#include "section/composite_section.h"

// Curvature magnitudes of one branch beyond kappa = 0: `linear` equal steps
// up to the knee, then `geometric` steps of one ratio up to the end; the last
// of each part is exactly the knee and the end. Empty unless 0 < knee < end
// and both counts are positive.
std::vector<double> branchCurvatures(double knee, double end, int linear, int geometric);

// Rows in ascending curvature from the hogging end over kappa = 0 (at
// Z_el_na*) to the sagging end. Each branch ends at its plastic limit, or,
// where that is the fully plastic state of the probe curvature because no
// strain limit is reached, where the moment first reaches 99.5 % of it. The
// elastic limits, the plastic limits and the design state (unless it failed)
// are rows themselves; between them 12 rows run linearly up to the elastic
// limit and 52 geometrically on to the end. Every row is a plane of zero
// axial force within the tolerance; a curvature without one is left out.
std::vector<CurvatureRow> momentCurvatureRows(const CompositeSection &section);

// The rows, appended to kappa_M_beziehung.txt through the ResultWriter.
void writeMomentCurvature(const CompositeSection &section);
