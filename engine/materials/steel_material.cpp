#include "materials/steel_material.h"

#include "io/console.h"
#include "io/design_input.h"
#include "io/result_writer.h"

MaterialPoint steelStress(double eps, double f_yd, double e_y, double E_a, bool reduced,
                          double fyd_red) {
    MaterialPoint p;
    if (-e_y < eps && eps < e_y) p = {eps * 0.001 * E_a, ZoneState::Elastic};
    else p = {eps >= e_y ? f_yd : -f_yd, ZoneState::Yielded};
    // EN 1994-1-1 6.2.2.4: (1 - rho) f_yd in the shear area; the state stays.
    if (reduced) {
        if (p.sigma > fyd_red) p.sigma = fyd_red;
        else if (p.sigma < -fyd_red) p.sigma = -fyd_red;
    }
    return p;
}

SteelMaterial::SteelMaterial(const DesignInput &input, ResultWriter &writer)
    : f_yk(input.f_yk), gamma_M(input.gamma_M), E_a(input.E_a), writer_(writer) {
    f_yd = f_yk / gamma_M;
    e_y = f_yd / E_a * 1000.0;
    echoValue("e_y :", e_y, " [/1000]\t");
}

MaterialPoint SteelMaterial::stress(double eps) const {
    return steelStress(eps, f_yd, e_y, E_a, false, f_yd);
}

void SteelMaterial::writeBlock() const {
    namespace key = protocol::key;
    writer_.writeBlock(protocol::block::steelProperties, {
        {key::f_yk, f_yk},
        {key::f_yd, f_yd},
        {key::e_y, e_y},
        {key::E_a, E_a},
    });
}
