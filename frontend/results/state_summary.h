#pragma once
// Strain state of one analysed state as the design report prints it:
// curvature in per mille per metre, neutral-axis height in mm above the
// underside of the steel section, ideal bending stiffness in kNm².
#include "results/result_reader.h"

struct StateSummary {
    double kappa = 0.0;
    double z_na = 0.0;
    double ei_i = 0.0;

    // From a state row M, V, kappa, Z_na, EI_i as the engine writes it
    // (kappa in per mille per mm, EI_i in Nmm²).
    static StateSummary fromStateRow(const results::NumberRow &row);
};
