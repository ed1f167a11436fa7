#pragma once
// Minimum reinforcement for crack control, EN 1992-1-1 7.3.2:
// A_s,min = k_c * k * f_ct,eff * A_ct / sigma_s, compared with the bars that
// lie inside the tensile zone of the slab.
class ConcreteSlab;

struct MinimumReinforcement {
    double A_ct = 0.0;     // concrete area of the tensile zone, net of the bars
    double A_s_min = 0.0;  // required reinforcement
    double A_s_vor = 0.0;  // bars inside the tensile zone
    bool enough = true;
    bool tensileZone = false;  // the slab has a tensile zone under the moment
};

// z_na: neutral-axis height in slab coordinates (above the slab underside).
// topInTension: hogging, the tensile zone is the slab above the neutral axis
// (never reaching into the ribs); otherwise sagging, the slab below it.
MinimumReinforcement minimumReinforcement(const ConcreteSlab &slab, bool topInTension,
                                          double z_na, double k_c, double k, double s_s);
