#include "materials/concrete_material.h"

#include "section/concrete_slab.h"
#include "io/console.h"
#include "io/design_input.h"
#include "io/result_writer.h"
#include "protocol/input_lines.h"

namespace {
// Strains this close to a branch limit are taken as the limit itself.
constexpr double snap = 1e-8;
// Ultimate compressive strain when the strain is not limited.
constexpr double unlimitedStrain = -9999999999.0;
}  // namespace

MaterialPoint concreteStress(double eps, double f_cd, double e_c3, double e_cu3, double e_ct,
                             double E_c) {
    if (e_c3 - snap <= eps && eps < e_c3 + snap) eps = e_c3;
    if (e_ct - snap < eps && eps <= e_ct + snap) eps = e_ct;
    if (e_c3 <= eps && eps <= e_ct) return {eps * 0.001 * E_c, ZoneState::Elastic};
    if (e_cu3 <= eps && eps < e_c3) return {f_cd, ZoneState::Yielded};
    if (eps > e_ct) return {0.0, ZoneState::Cracked};
    return {f_cd, ZoneState::Failed};
}

ConcreteMaterial::ConcreteMaterial(const DesignInput &input, ResultWriter &writer)
    : f_ck(input.f_ck), alpha_c(input.alpha_c), gamma_c(input.gamma_c), writer_(writer) {
    e_c3 = -input.e_c3;
    echoValue("_e_c3 :", e_c3, " [/1000]\t");
    f_cd = -(alpha_c * f_ck / gamma_c);
    echoValue("_f_cd :", f_cd, " [N/mm^2]\t");
    E_c = f_cd / (0.001 * e_c3);
    echoValue("_E_c :", E_c, "  [N/mm^2]\t");
    f_ctm = input.f_ctm;
    echoValue("_f_ctm :", f_ctm, " [N/mm^2]\t");
    f_ct_eff = f_ctm;
    e_ct_eff = f_ct_eff / E_c * 1000.0;
    echoValue("_e_ct_eff :", e_ct_eff, " [/1000]\t");
    f_ct = 0.0;
    echoValue("_f_ct :", f_ct, " [N/mm^2]\t");
    e_ct = f_ct / E_c * 1000.0;
    echoValue("_e_ct :", e_ct, " [/1000]\t");
    outputLine("set_e_cu3 :" + input.set_e_cu3 + "\t");
    if (input.set_e_cu3 == protocol::input::on) e_cu3 = -input.e_cu3;
    else if (input.set_e_cu3 == protocol::input::off) e_cu3 = unlimitedStrain;
    echoValue("_e_cu3 :", e_cu3, " [/1000]\t");
}

MaterialPoint ConcreteMaterial::stress(double eps) const {
    return concreteStress(eps, f_cd, e_c3, e_cu3, e_ct, E_c);
}

void ConcreteMaterial::switchTensionStiffeningOn(ConcreteSlab &slab) {
    f_ct = f_ctm;
    e_ct = f_ct / E_c * 1000.0;
    echoValue("_e_ct :", e_ct, " [/1000]\t");
    slab.e_ct = e_ct;
    slab.tensionStiffening = true;
    writer_.selectWithTensionStiffening();
}

void ConcreteMaterial::writeBlock() const {
    namespace key = protocol::key;
    writer_.writeBlock(protocol::block::concreteProperties, {
        {key::f_ck, f_ck},
        {key::f_cd, f_cd},
        {key::f_ct_eff, f_ct_eff},
        {key::e_c3, e_c3},
        {key::e_cu3, e_cu3},
        {key::e_ct_eff, e_ct_eff},
        {key::alpha_c, alpha_c},
        {key::gamma_c, gamma_c},
        {key::E_c, E_c},
    });
}
