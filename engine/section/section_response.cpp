#include "section/section_response.h"

#include "section/composite_section.h"
#include "section/concrete_slab.h"
#include "section/steel_section.h"
#include "section/tension_stiffening.h"

namespace {

unsigned long long evaluations = 0;

// Sub-zone tables of evaluations whose zones nobody asked for: kept between
// evaluations, so that an evaluation allocates nothing once they have grown.
std::vector<SubZone> &scratch(int which) {
    static thread_local std::vector<SubZone> tables[3];
    return tables[which];
}

void integrateBarLayer(const ConcreteSlab &slab, BarLayer layer, const StrainPlane &plane,
                       std::vector<SubZone> &out) {
    const ReinforcementLayers &b = slab.bars;
    const bool bottom = layer == BarLayer::Bottom;
    const double n = bottom ? b.n_u : b.n_o;
    const double r = bottom ? b.r_u : b.r_o;
    const double z = bottom ? b.z_su : b.z_so;
    if (!(n > 0.0) || !(r > 0.0)) return;  // a layer without bars has no zone
    const IntegrationZone zone{z - r, z + r, -b.e_sd, b.e_sd, 8, ZoneMaterial::ConcreteOrBar};
    integrateZone(
        zone, plane, [&slab](double eps) { return slab.barLaw(eps); },
        [&slab, layer](double z1, double z2) { return slab.barStrip(layer, z1, z2); }, out);
}

}  // namespace

PartSums slabResponse(const ConcreteSlab &slab, double eps_b, double kappa,
                      std::vector<SubZone> *concrete, std::vector<SubZone> *bars) {
    std::vector<SubZone> &c = concrete ? *concrete : scratch(0);
    std::vector<SubZone> &s = bars ? *bars : scratch(1);
    c.clear();
    s.clear();
    const StrainPlane plane{eps_b, kappa};
    for (const auto &[z1, z2] : slab.concreteZoneTable()) {
        const IntegrationZone zone{z1, z2, slab.e_c3, slab.e_ct, 8, ZoneMaterial::ConcreteOrBar};
        integrateZone(
            zone, plane, [&slab](double eps) { return slab.concreteLaw(eps); },
            [&slab](double a, double b) { return slab.concreteStrip(a, b); }, c);
    }
    integrateBarLayer(slab, BarLayer::Bottom, plane, s);
    integrateBarLayer(slab, BarLayer::Top, plane, s);

    const PartSums concreteSums = sumSubZones(c);
    const PartSums barSums = sumSubZones(s);
    PartSums sums;
    sums.N = concreteSums.N + barSums.N;
    sums.M = concreteSums.M + barSums.M;
    sums.state = worseState(concreteSums.state, barSums.state);
    if (slab.tensionStiffening) {
        for (BarLayer layer : {BarLayer::Bottom, BarLayer::Top}) {
            const TensionStiffeningForce ts = tensionStiffeningForce(slab, layer, eps_b, kappa);
            sums.N += ts.F;
            sums.M -= ts.F * ts.z_F;
        }
    }
    return sums;
}

PartSums steelResponse(const SteelSection &steel, double eps0, double kappa,
                       std::vector<SubZone> *zones) {
    std::vector<SubZone> &out = zones ? *zones : scratch(2);
    out.clear();
    const StrainPlane plane{eps0, kappa};
    for (const SteelZone &z : steel.zoneTable()) {
        const double e = z.reduced ? steel.e_y_red : steel.e_y;
        const IntegrationZone zone{z.z1, z.z2, -e, e, 10, ZoneMaterial::Steel};
        const bool reduced = z.reduced;
        const double width = z.width;
        integrateZone(
            zone, plane, [&steel, reduced](double eps) { return steel.law(eps, reduced); },
            [&steel, width](double a, double b) { return steel.strip(a, b, width); }, out);
    }
    PartSums sums = sumSubZones(out);
    sums.N = roundTo(sums.N, 6);
    sums.M = roundTo(sums.M, 6);
    return sums;
}

SectionResult evaluateSection(const ConcreteSlab &slab, const SteelSection &steel, double h_a,
                              double kappa, double z0, SectionZones *zones) {
    ++evaluations;
    const double eps_b = -kappa * (h_a - z0);
    const PartSums c = slabResponse(slab, eps_b, kappa, zones ? &zones->concrete : nullptr,
                                    zones ? &zones->bars : nullptr);
    const PartSums a = steelResponse(steel, kappa * z0, kappa, zones ? &zones->steel : nullptr);
    SectionResult result;
    result.N = a.N + c.N;
    result.M = a.M + c.M - h_a * c.N;
    result.state = worseState(a.state, c.state);
    return result;
}

SectionResult evaluateSection(const CompositeSection &section, double kappa, double z0,
                              SectionZones *zones) {
    return evaluateSection(section.slab, section.steel, section.h_a, kappa, z0, zones);
}

unsigned long long sectionEvaluationCount() { return evaluations; }
