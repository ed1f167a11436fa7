#pragma once
// Strain state for the design moment of the current limit state, written to
// the current state and TS folder: the state row and the stress rows of
// concrete, reinforcement and steel, or the cross-section failure line.
#include "section/composite_section.h"

// Stress-file rows of one evaluated plane (kappa, z0), heights in steel coordinates.
void writePartRows(CompositeSection &section, double kappa, double z0);

// Console line, solution (stored in section.design) and its rows.
void determineDesignState(CompositeSection &section);
