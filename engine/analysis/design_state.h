#pragma once
// Strain state for the design moment of the current limit state, written to
// the current state and TS folder: the state row and the stress rows of
// concrete, reinforcement and steel, or the cross-section failure line.
#include "section/composite_section.h"

// Stress-file rows of one evaluated plane (kappa, z0), heights in steel coordinates.
void writePartRows(CompositeSection &section, double kappa, double z0);

// Console line, solution (stored in section.design) and its rows. A state
// that misses the solver's tolerances was not found: a console line says
// why, and the failure line is written in place of the rows. False (after
// one FEHLERMELDUNG line) when a value to be written is not finite; the run
// then ends.
bool determineDesignState(CompositeSection &section);
