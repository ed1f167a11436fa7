#include "analysis/verification.h"

#include <cmath>

#include "io/console.h"
#include "io/finite_values.h"
#include "io/number_format.h"
#include "materials/concrete_material.h"
#include "materials/reinforcement_material.h"
#include "materials/steel_material.h"
#include "section/concrete_slab.h"
#include "section/steel_section.h"

PointCheck checkLimitPoint(const LimitPoint &p, double tolN) {
    for (double v : {p.kappa, p.z0, p.M, p.N})
        if (!std::isfinite(v)) return PointCheck::NotFinite;
    if (!(std::fabs(p.N) <= tolN)) return PointCheck::MissesAxialForce;
    return PointCheck::Found;
}

PointCheck checkDesignPoint(const LimitPoint &p, double M_Ed, bool bisected, double tolN,
                            double tolM) {
    const PointCheck limit = checkLimitPoint(p, tolN);
    if (limit != PointCheck::Found) return limit;
    if (bisected && !(std::fabs(p.M - M_Ed) <= tolM)) return PointCheck::MissesMoment;
    return PointCheck::Found;
}

std::string missText(PointCheck check, const LimitPoint &p, double M_Ed, double tolN,
                     double tolM) {
    switch (check) {
    case PointCheck::Found:
        return {};
    case PointCheck::NotFinite:
        return "kein endlicher Wert";
    case PointCheck::MissesAxialForce:
        return "|N| = " + formatNumber(std::fabs(p.N)) + " N > " + formatNumber(tolN) + " N";
    case PointCheck::MissesMoment:
        return "|M - M_Ed| = " + formatNumber(std::fabs(p.M - M_Ed)) + " Nmm > " +
               formatNumber(tolM) + " Nmm";
    }
    return {};
}

bool limitFound(const char *label, const LimitPoint &p, double tolN) {
    const PointCheck check = checkLimitPoint(p, tolN);
    if (check == PointCheck::Found) return true;
    if (check == PointCheck::NotFinite)
        return allFinite({{label, p.M}, {label, p.kappa}, {label, p.z0}, {label, p.N}});
    errorLine(std::string("FEHLERMELDUNG: ") + label + " nicht gefunden: " +
              missText(check, p, 0.0, tolN, 0.0));
    return false;
}

bool modelValuesFinite(const CompositeSection &section) {
    const ConcreteMaterial &c = section.concrete;
    const ReinforcementMaterial &s = section.reinforcement;
    const SteelMaterial &a = section.steelMaterial;
    const ConcreteSlab &slab = section.slab;
    const ReinforcementLayers &bars = slab.bars;
    const SteelSection &steel = section.steel;
    // In the order the run derives them.
    return allFinite({
        {"f_cd", c.f_cd}, {"E_c", c.E_c}, {"e_ct_eff", c.e_ct_eff}, {"e_ct", c.e_ct},
        {"f_sd", s.f_sd}, {"e_sd", s.e_sd}, {"f_t", s.f_t}, {"E_s2", s.E_s2},
        {"f_ud", s.f_ud}, {"e_ud", s.e_ud},
        {"n_u", bars.n_u}, {"n_o", bars.n_o}, {"A_s", bars.A_s}, {"z_ss", bars.z_ss},
        {"I_s", bars.I_s}, {"A_c", slab.A_c}, {"z_sc", slab.z_sc}, {"I_c", slab.I_c},
        {"f_yd", a.f_yd}, {"e_y", a.e_y},
        {"A_a", steel.A_a}, {"z_sa", steel.z_sa}, {"I_a", steel.I_a}, {"A_v", steel.A_v},
        {"V_pl_Rd", steel.V_pl_Rd},
        {"n_a", section.n_a}, {"n_s", section.n_s}, {"A_f", section.A_f},
        {"Z_el_na", section.Z_el_na}, {"I_f", section.I_f},
    });
}
