#include "materials/reinforcement_material.h"

#include "io/console.h"
#include "io/design_input.h"
#include "io/result_writer.h"
#include "protocol/input_lines.h"

namespace {
// Strains this close beyond the yield strain are taken as the yield strain.
constexpr double snap = 1e-8;
// Strain limit of the horizontal top branch: none.
constexpr double unlimitedStrain = 9999999999.0;
}  // namespace

MaterialPoint reinforcementStress(double eps, double f_sd, double e_sd, double e_ud, double E_s,
                                  double E_s2) {
    if (-e_sd - snap <= eps && eps < -e_sd) eps = -e_sd;
    if (e_sd < eps && eps <= e_sd + snap) eps = e_sd;
    if (-e_sd <= eps && eps <= e_sd) return {eps * 0.001 * E_s, ZoneState::Elastic};
    if (e_sd < eps && eps <= e_ud) return {f_sd + (eps - e_sd) * 0.001 * E_s2, ZoneState::Yielded};
    if (-e_ud <= eps && eps < -e_sd) return {(eps + e_sd) * 0.001 * E_s2 - f_sd, ZoneState::Yielded};
    const double f_ud = f_sd + (e_ud - e_sd) * 0.001 * E_s2;
    return {eps > 0.0 ? f_ud : -f_ud, ZoneState::Failed};
}

ReinforcementMaterial::ReinforcementMaterial(const DesignInput &input, ResultWriter &writer)
    : f_sk(input.f_sk), gamma_s(input.gamma_s), E_s(input.E_s), e_uk(input.e_uk),
      set_verfestigung_s(input.set_verfestigung_s), klasse_s(input.klasse_s), writer_(writer) {
    echoValue("_E_s :", E_s, " [N/mm^2]\t");
    f_sd = f_sk / gamma_s;
    echoValue("f_sd :", f_sd, " [N/mm^2]\t");
    e_sd = f_sd / E_s * 1000.0;
    echoValue("_e_sd :", e_sd, " [/1000]\t");
    outputLine("set_verfestigung_s :" + set_verfestigung_s + "\t");
    if (set_verfestigung_s == protocol::input::on) {
        e_ud = 0.9 * e_uk;
        f_t = input.k * f_sk / gamma_s;
        // A yield strain at or beyond e_uk (absurdly small gamma_s) leaves no
        // hardening branch; the slope would divide by zero.
        E_s2 = e_uk > e_sd ? (f_t - f_sd) / (e_uk - e_sd) * 1000.0 : 0.0;
        echoValue("_E_s2 :", E_s2, " [N/mm^2]\t");
        echoValue("_f_t :", f_t, " [N/mm^2]\t");
        f_ud = (e_ud - e_sd) * E_s2 / 1000.0 + f_sd;
        echoValue("_e_ud :", e_ud, " [/1000]\t");
        echoValue("_E_s2 :", E_s2, " [N/mm^2]\t");
        echoValue("_f_ud :", f_ud, " [N/mm^2]\t");
    } else if (set_verfestigung_s == protocol::input::off) {
        e_ud = unlimitedStrain;
        E_s2 = 0.0;
        f_ud = f_sd;
        echoValue("_e_ud :", e_ud, " [/1000]\t");
        echoValue("_E_s2 :", E_s2, " [N/mm^2]\t");
    }
}

MaterialPoint ReinforcementMaterial::stress(double eps) const {
    return reinforcementStress(eps, f_sd, e_sd, e_ud, E_s, E_s2);
}

void ReinforcementMaterial::writeBlock() const {
    namespace key = protocol::key;
    writer_.writeBlock(protocol::block::reinforcementProperties, {
        {key::f_sk, f_sk},
        {key::f_sd, f_sd},
        {key::f_ud, f_ud},
        {key::e_sd, e_sd},
        {key::e_uk, e_uk},
        {key::e_ud, e_ud},
        {key::E_s, E_s},
    });
}
