#include "section/composite_section.h"

#include "materials/concrete_material.h"
#include "section/concrete_slab.h"
#include "io/console.h"
#include "materials/reinforcement_material.h"
#include "materials/steel_material.h"
#include "section/steel_section.h"

TransformedSection transformedSection(double E_c, double E_a, double E_s, double h_a,
                                      double A_a, double z_sa, double I_a, double A_c,
                                      double z_sc, double I_c, double A_s, double z_ss,
                                      double I_s) {
    TransformedSection t;
    if (!(E_c > 0.0)) return t;
    t.n_a = E_a / E_c;
    t.n_s = E_s / E_c;
    // Uncracked: the whole concrete counts (n_c = 1), slab heights shifted by h_a.
    t.A_f = A_c + t.n_a * A_a + t.n_s * A_s;
    if (t.A_f == 0.0) return t;
    const double zc = z_sc + h_a;
    const double zs = z_ss + h_a;
    t.Z_el_na = (A_c * zc + t.n_a * A_a * z_sa + t.n_s * A_s * zs) / t.A_f;
    const double ec = zc - t.Z_el_na;
    const double ea = z_sa - t.Z_el_na;
    const double es = zs - t.Z_el_na;
    t.I_f = t.n_s * A_s * es * es + A_c * ec * ec + t.n_a * A_a * ea * ea + t.n_s * I_s +
            t.n_a * I_a + I_c;
    return t;
}

CompositeSection::CompositeSection(ConcreteMaterial &concrete_,
                                   ReinforcementMaterial &reinforcement_,
                                   SteelMaterial &steelMaterial_, ConcreteSlab &slab_,
                                   SteelSection &steel_, ResultWriter &writer_, double M,
                                   double V)
    : concrete(concrete_), reinforcement(reinforcement_), steelMaterial(steelMaterial_),
      slab(slab_), steel(steel_), writer(writer_), h_a(steel_.h), M_Ed(M), V_Ed(V) {
    slab.h_a = h_a;
    const ReinforcementLayers &bars = slab.bars;
    echoValue("_h_a* :", h_a, " [mm]\t");
    echoValue("_A_a* :", steel.A_a, " [mm^2]\t");
    echoValue("_z_sa* :", steel.z_sa, " [mm]\t");
    echoValue("_A_c* :", slab.A_c, " [mm^2]\t");
    echoValue("_z_sc* :", slab.z_sc, " [mm]\t");
    echoValue("_z_ss* :", bars.z_ss, " [mm]\t");
    echoValue("_A_s* :", bars.A_s, " [mm^2]\t");
    echoValue("_E_c* :", concrete.E_c, " [N/mm^2]\t");
    echoValue("_E_a* :", steelMaterial.E_a, " [N/mm^2]\t");
    echoValue("_E_s* :", reinforcement.E_s, " [N/mm^2]\t");
    const TransformedSection t = transformedSection(
        concrete.E_c, steelMaterial.E_a, reinforcement.E_s, h_a, steel.A_a, steel.z_sa,
        steel.I_a, slab.A_c, slab.z_sc, slab.I_c, bars.A_s, bars.z_ss, bars.I_s);
    n_a = t.n_a;
    n_s = t.n_s;
    A_f = t.A_f;
    Z_el_na = t.Z_el_na;
    I_f = t.I_f;
    echoValue("_A_f* :", A_f, " [mm^2]\t");
    echoValue("_Z_el_na* :", Z_el_na, " [mm]\t");
    echoValue("_I_f* :", I_f, " [mm^4]\t");
}

void CompositeSection::setActions(double M, double V) {
    M_Ed = M;
    V_Ed = V;
}
