#pragma once
// Design values and stress law of the reinforcing steel (EN 1992-1-1 3.2.7).
#include <string>

#include "materials/material_point.h"

struct DesignInput;
class ResultWriter;

class ReinforcementMaterial {
public:
    // Takes f_sk, gamma_s, klasse_s, set_verfestigung_s and the table values
    // E_s, k, e_uk from the input; echoes the derived values.
    ReinforcementMaterial(const DesignInput &input, ResultWriter &writer);

    double f_sk = 0.0;
    double f_sd = 0.0;
    double gamma_s = 0.0;
    double E_s = 0.0;
    double E_s2 = 0.0;  // hardening branch; 0 without hardening
    double f_t = 0.0;   // k f_sk / gamma_s, with hardening only
    double f_ud = 0.0;
    double e_uk = 0.0;  // table value of the ductility class
    double e_ud = 0.0;  // 0.9 e_uk, or 9999999999 without hardening
    double e_sd = 0.0;
    std::string set_verfestigung_s;
    std::string klasse_s;

    MaterialPoint stress(double eps) const;

    // "*Eigenschaften Bewehrungsstahl" block of output.txt.
    void writeBlock() const;

private:
    ResultWriter &writer_;
};
