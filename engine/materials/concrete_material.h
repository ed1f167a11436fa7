#pragma once
// Design values and stress law of the slab concrete (EN 1992-1-1 3.1.7).
#include "materials/material_point.h"

struct DesignInput;
class ResultWriter;
class ConcreteSlab;

class ConcreteMaterial {
public:
    // Takes f_ck, alpha_c, gamma_c, set_e_cu3 and the table values e_c3, e_cu3,
    // f_ctm from the input; echoes the derived values.
    ConcreteMaterial(const DesignInput &input, ResultWriter &writer);

    double f_ck = 0.0;
    double alpha_c = 0.0;
    double gamma_c = 0.0;
    double f_cd = 0.0;     // negative
    double e_c3 = 0.0;     // negative
    double E_c = 0.0;      // secant modulus of the bilinear law
    double e_cu3 = 0.0;    // negative; -9999999999 when the strain is not limited
    double e_ct = 0.0;     // 0 until tension stiffening is switched on
    double e_ct_eff = 0.0;
    double f_ctm = 0.0;
    double f_ct = 0.0;     // 0, or f_ctm with tension stiffening
    double f_ct_eff = 0.0;

    MaterialPoint stress(double eps) const;

    // Concrete takes tension up to f_ctm: updates the slab's copy of e_ct, sets
    // the slab's tension-stiffening flag and points the writer at the results with tension stiffening.
    void switchTensionStiffeningOn(ConcreteSlab &slab);

    // "*Eigenschaften Beton" block of output.txt.
    void writeBlock() const;

private:
    ResultWriter &writer_;
};
