#pragma once
// Moment-shear interaction of the ultimate limit state: plastic and elastic
// limit moments over shear forces from 0 to V_pl_Rd, as the shear-reduced
// yield strength of the web (EN 1994-1-1 6.2.2.4) lowers them.
#include <vector>

class CompositeSection;

// Shear forces of the interaction rows (without the closing row at V_end):
// 0, then V_end/2 + k*s for k = 0, 2, 4, 6, 8, 9, 10 with s = (V_pl_Rd - 10)/20,
// all negative for a negative shear force.
std::vector<double> interactionShearForces(double V_pl_Rd, bool shearNonNegative);

// Writes the rows (V, M_pl, M_el) of the moment's sign to V_M_beziehung.txt,
// closes with (V_end, 0, 0) and leaves the shear state of the steel section
// at the design shear force V_Ed of the section. Both limits of a row are
// verified before it is written; false (after one FEHLERMELDUNG line) when
// one was not found. `atZeroShear`, where given, receives the first row
// (V = 0: the limits of the moment's sign with f_yd unreduced); `rows`,
// where given, every row as written, the closing row included.
struct InteractionRow {
    double V = 0.0, M_pl = 0.0, M_el = 0.0;
};
bool momentShearInteraction(CompositeSection &section, bool shearNonNegative,
                            bool momentNonNegative, InteractionRow *atZeroShear = nullptr,
                            std::vector<InteractionRow> *rows = nullptr);
