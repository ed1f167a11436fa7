#pragma once
// Design values and stress law of the structural steel (EN 1993-1-1).
#include "materials/material_point.h"

struct DesignInput;
class ResultWriter;

class SteelMaterial {
public:
    // Takes f_yk, gamma_M and the table value E_a from the input.
    SteelMaterial(const DesignInput &input, ResultWriter &writer);

    double f_yk = 0.0;
    double f_yd = 0.0;
    double e_y = 0.0;
    double gamma_M = 0.0;
    double E_a = 0.0;

    // Normal zones only; the shear-reduced law lives with the section.
    MaterialPoint stress(double eps) const;

    // "*Eigenschaften Baustahl" block of output.txt.
    void writeBlock() const;

private:
    ResultWriter &writer_;
};
