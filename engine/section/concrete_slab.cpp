#include "section/concrete_slab.h"

#include <algorithm>
#include <cmath>

#include "materials/concrete_material.h"
#include "io/console.h"
#include "io/design_input.h"
#include "materials/reinforcement_material.h"
#include "io/result_writer.h"

namespace {

const double pi = std::acos(-1.0);

// Bars across the effective width: one at each end and one per spacing. A
// layer without diameter or without spacing has no bars.
double barCount(double width, double diameter, double spacing) {
    if (!(diameter > 0.0) || !(spacing > 0.0)) return 0.0;
    return std::floor(width / spacing) + 1.0;
}

}  // namespace

ConcreteSlab::ConcreteSlab(const DesignInput &input, const ConcreteMaterial &concrete,
                           const ReinforcementMaterial &reinforcement, ResultWriter &writer)
    : h_c(input.h_c), b_e(input.b_e), h_profilblech(input.h_profilblech), b_p(input.b_p),
      f_ck(concrete.f_ck), f_cd(concrete.f_cd), f_ct_eff(concrete.f_ct_eff), e_c3(concrete.e_c3),
      e_cu3(concrete.e_cu3), e_ct(concrete.e_ct), e_ct_eff(concrete.e_ct_eff), E_c(concrete.E_c),
      writer_(writer) {
    ReinforcementLayers &s = bars;
    s.d_u = input.d_u;
    s.d_o = input.d_o;
    s.AbstanduntereLage = input.AbstanduntereLage;
    s.AbstandobereLage = input.AbstandobereLage;
    s.c_nom_u = input.c_nom_u;
    s.c_nom_o = input.c_nom_o;
    s.r_u = s.d_u / 2.0;
    s.r_o = s.d_o / 2.0;
    s.f_sk = reinforcement.f_sk;
    s.f_sd = reinforcement.f_sd;
    s.f_ud = reinforcement.f_ud;
    s.e_sd = reinforcement.e_sd;
    s.e_ud = reinforcement.e_ud;
    s.E_s = reinforcement.E_s;
    s.E_s2 = reinforcement.E_s2;

    const double h_p = h_profilblech;
    s.n_o = barCount(b_e, s.d_o, s.AbstandobereLage);
    s.n_u = barCount(b_e, s.d_u, s.AbstanduntereLage);
    echoValue("_n_u * :", s.n_u, "\t");
    s.A_su = s.r_u > 0.0 ? s.n_u * pi * s.r_u * s.r_u : 0.0;
    s.A_so = s.r_o > 0.0 ? s.n_o * pi * s.r_o * s.r_o : 0.0;
    s.A_s = s.A_su + s.A_so;
    echoValue("A_s :", s.A_s, " [mm^2]\t");
    s.z_su = s.r_u > 0.0 ? s.c_nom_u + h_p + s.r_u : 0.0;
    s.z_so = s.r_o > 0.0 ? h_c - s.c_nom_o - s.r_o : h_c;
    s.z_ss = s.A_s > 0.0 ? (s.A_so * s.z_so + s.A_su * s.z_su) / s.A_s : 0.0;
    echoValue("z_su :", s.z_su, " [mm]\t");
    echoValue("z_so :", s.z_so, " [mm]\t");
    echoValue("z_ss :", s.z_ss, " [mm]\t");
    s.I_s = s.A_su * (s.z_su - s.z_ss) * (s.z_su - s.z_ss) +
            s.A_so * (s.z_so - s.z_ss) * (s.z_so - s.z_ss);
    if (s.r_o > 0.0) s.I_s += s.n_o * pi * std::pow(s.r_o, 4) / 4.0;
    if (s.r_u > 0.0) s.I_s += s.n_u * pi * std::pow(s.r_u, 4) / 4.0;
    echoValue("I_s :", s.I_s, " [mm^4]\t");

    const double solid = h_c - h_p;
    A_c = h_p * b_p + solid * b_e - s.A_s;
    echoValue("A_c :", A_c, " [mm^2]\t");
    z_sc = A_c != 0.0
               ? (b_e * solid * (h_c + h_p) / 2.0 + b_p * h_p * h_p / 2.0 - s.A_s * s.z_ss) / A_c
               : 0.0;
    echoValue("_z_sc :", z_sc, " [mm]\t");
    const double eSolid = (h_c + h_p) / 2.0 - z_sc;
    const double eRib = h_p / 2.0 - z_sc;
    const double eBars = s.z_ss - z_sc;
    I_c = b_e * std::pow(solid, 3) / 12.0 + b_p * std::pow(h_p, 3) / 12.0 +
          b_e * solid * eSolid * eSolid + b_p * h_p * eRib * eRib - s.I_s - s.A_s * eBars * eBars;
    echoValue("I_c :", I_c, " [mm^4]\t");
    echoValue("_r_o= ", s.r_o, " [mm]\t");
    echoValue("_r_u= ", s.r_u, " [mm]\t");
}

StripProps ConcreteSlab::concreteStrip(double z1, double z2) const {
    const double h_p = h_profilblech;
    const StripProps rib = rectangleStrip(b_p, std::max(z1, 0.0), std::min(z2, h_p));
    const StripProps solid = rectangleStrip(b_e, std::max(z1, h_p), std::min(z2, h_c));
    StripProps net = combine(rib, solid);
    net = subtract(net, barStrip(BarLayer::Bottom, z1, z2));
    return subtract(net, barStrip(BarLayer::Top, z1, z2));
}

StripProps ConcreteSlab::barStrip(BarLayer layer, double z1, double z2) const {
    const bool bottom = layer == BarLayer::Bottom;
    const double n = bottom ? bars.n_u : bars.n_o;
    const double radius = bottom ? bars.r_u : bars.r_o;
    const double centre = bottom ? bars.z_su : bars.z_so;
    return times(circleStrip(radius, centre, z1, z2), n);
}

MaterialPoint ConcreteSlab::concreteLaw(double eps) const {
    return concreteStress(eps, f_cd, e_c3, e_cu3, e_ct, E_c);
}

MaterialPoint ConcreteSlab::barLaw(double eps) const {
    return reinforcementStress(eps, bars.f_sd, bars.e_sd, bars.e_ud, bars.E_s, bars.E_s2);
}

std::vector<std::pair<double, double>> ConcreteSlab::concreteZones() const {
    const ZoneTable t = concreteZoneTable();
    return std::vector<std::pair<double, double>>(t.begin(), t.end());
}

ConcreteSlab::ZoneTable ConcreteSlab::concreteZoneTable() const {
    ZoneTable t;
    if (h_profilblech > 0.0) t.zone[t.count++] = {0.0, h_profilblech};
    t.zone[t.count++] = {h_profilblech > 0.0 ? h_profilblech : 0.0, h_c};
    return t;
}

void ConcreteSlab::writeGeometryBlocks() const {
    namespace key = protocol::key;
    writer_.writeBlock(protocol::block::slabGeometry, {
        {key::h_c, h_c},
        {key::b_e, b_e},
        {key::h_profilblech, h_profilblech},
        {key::b_p, b_p},
    });
    writer_.writeBlock(protocol::block::barGeometry, {
        {key::c_nom_u, bars.c_nom_u},
        {key::c_nom_o, bars.c_nom_o},
        {key::d_u, bars.d_u},
        {key::d_o, bars.d_o},
        {key::AbstandobereLage, bars.AbstandobereLage},
        {key::AbstanduntereLage, bars.AbstanduntereLage},
    });
}

void ConcreteSlab::writeValuesBlocks() const {
    namespace key = protocol::key;
    writer_.writeBlock(protocol::block::concreteValues, {
        {key::A_c, A_c},
        {key::z_sc, z_sc},
        {key::I_c, I_c},
    });
    writer_.writeBlock(protocol::block::barValues, {
        {key::A_s, bars.A_s},
        {key::z_ss, bars.z_ss},
        {key::I_s, bars.I_s},
    });
}
