#include "analysis/classification.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "analysis/limit_moments.h"
#include "io/finite_values.h"
#include "io/console.h"
#include "io/result_writer.h"
#include "materials/steel_material.h"
#include "section/composite_section.h"
#include "section/concrete_slab.h"
#include "section/steel_section.h"

namespace {

const int maxAxisHalvings = 200;

// Net compression of the rigid-plastic distribution for the axis height z:
// the compressed side at full strength less the tensioned side.
double netCompression(const std::vector<PlasticMaterial> &materials, int direction, double z,
                      double zLow, double zHigh) {
    double sum = 0.0;
    for (const PlasticMaterial &m : materials) {
        const double above = m.area(z, zHigh);
        const double below = m.area(zLow, z);
        const double compressed = direction > 0 ? above : below;
        const double tensioned = direction > 0 ? below : above;
        sum += m.f * compressed;
        if (m.carriesTension) sum -= m.f * tensioned;
    }
    return sum;
}

// For the duration of the classification: f_yd unreduced in the shear area
// (V = 0) and no tension stiffening, as in the ultimate limit state's
// elastic limit without shear. Restores the section at the end of its scope.
class UnreducedState {
public:
    explicit UnreducedState(CompositeSection &section)
        : steel_(section.steel), slab_(section.slab), fyd_red_(steel_.fyd_red),
          e_y_red_(steel_.e_y_red), e_ct_(slab_.e_ct), tensionStiffening_(slab_.tensionStiffening) {
        steel_.fyd_red = steel_.f_yd;
        steel_.e_y_red = steel_.e_y;
        slab_.e_ct = 0.0;
        slab_.tensionStiffening = false;
    }
    ~UnreducedState() {
        steel_.fyd_red = fyd_red_;
        steel_.e_y_red = e_y_red_;
        slab_.e_ct = e_ct_;
        slab_.tensionStiffening = tensionStiffening_;
    }
    UnreducedState(const UnreducedState &) = delete;
    UnreducedState &operator=(const UnreducedState &) = delete;

private:
    SteelSection &steel_;
    ConcreteSlab &slab_;
    double fyd_red_, e_y_red_, e_ct_;
    bool tensionStiffening_;
};

}  // namespace

double classificationEpsilon(double f_yk) { return std::sqrt(235.0 / f_yk); }

double plasticNeutralAxis(const std::vector<PlasticMaterial> &materials, int direction,
                          double zLow, double zHigh) {
    // Sagging: the net compression falls as the axis rises; hogging: it grows.
    // Orient the bracket so that lo has the surplus of compression.
    double lo = direction > 0 ? zLow : zHigh;
    double hi = direction > 0 ? zHigh : zLow;
    const double fLo = netCompression(materials, direction, lo, zLow, zHigh);
    const double fHi = netCompression(materials, direction, hi, zLow, zHigh);
    if (!(fLo > 0.0) || !(fHi < 0.0)) return std::fabs(fLo) <= std::fabs(fHi) ? lo : hi;
    for (int i = 0; i < maxAxisHalvings; ++i) {
        const double mid = 0.5 * (lo + hi);
        if (mid == lo || mid == hi) break;
        const double f = netCompression(materials, direction, mid, zLow, zHigh);
        if (f > 0.0) lo = mid;
        else if (f < 0.0) hi = mid;
        else return mid;
        if (std::fabs(hi - lo) < 1e-9) break;
    }
    return 0.5 * (lo + hi);
}

double compressedShare(double z_pl, double z_a, double z_b, int direction) {
    const double c = z_b - z_a;
    if (!(c > 0.0)) return 0.0;
    const double compressed = direction > 0 ? z_b - std::max(z_pl, z_a) : std::min(z_pl, z_b) - z_a;
    return std::clamp(compressed / c, 0.0, 1.0);
}

double stressRatio(double kappa, double z0, double z_a, double z_b) {
    const double e_a = kappa * (z0 - z_a);
    const double e_b = kappa * (z0 - z_b);
    const double reference = std::min(e_a, e_b);  // compression is negative
    if (!(reference < 0.0)) return 1.0;
    const double other = reference == e_a ? e_b : e_a;
    return other / reference;
}

int webClass(double c_t, double eps, double alpha, double psi) {
    if (!(alpha > 0.0)) return 1;
    return classOf(c_t, webLimits(eps, alpha, psi));
}

ClassificationGeometry classificationGeometry(const SteelSection &s) {
    ClassificationGeometry g;
    g.h = s.h;
    g.t_f1 = s.t_f1;
    g.t_f2 = s.t_f2;
    g.b_f1 = s.b_f1;
    g.b_f2 = s.b_f2;
    g.t_w = s.t_w;
    g.r = s.r;
    return g;
}

WebExtent webExtent(const ClassificationGeometry &g) {
    WebExtent w;
    w.z_a = g.t_f1 + g.r;
    w.z_b = g.h - g.t_f2 - g.r;
    w.c = g.h - g.t_f1 - g.t_f2 - 2.0 * g.r;
    return w;
}

double flangeSlenderness(const ClassificationGeometry &g, int direction) {
    const double b = direction > 0 ? g.b_f2 : g.b_f1;
    const double t = direction > 0 ? g.t_f2 : g.t_f1;
    return (b - g.t_w - 2.0 * g.r) / 2.0 / t;
}

SectionClassification classifyParts(const ClassificationGeometry &g, double f_yk, double z_pl,
                                    double kappa_el, double z0_el, int direction) {
    SectionClassification k;
    k.eps = classificationEpsilon(f_yk);
    k.z_pl = z_pl;
    k.c_t_flansch = flangeSlenderness(g, direction);
    // EN 1994-1-1 5.5.2(1): the top flange is restrained by the shear connectors.
    k.klasse_flansch = direction > 0 ? 1 : classOf(k.c_t_flansch, outstandFlangeLimits(k.eps));
    const WebExtent web = webExtent(g);
    k.alpha = compressedShare(z_pl, web.z_a, web.z_b, direction);
    k.psi = stressRatio(kappa_el, z0_el, web.z_a, web.z_b);
    k.c_t_steg = web.c / g.t_w;
    k.klasse_steg = webClass(k.c_t_steg, k.eps, k.alpha, k.psi);
    k.klasse = std::max(k.klasse_flansch, k.klasse_steg);
    return k;
}

std::vector<PlasticMaterial> plasticMaterialsOf(const CompositeSection &section) {
    const SteelSection &steel = section.steel;
    const ConcreteSlab &slab = section.slab;
    const double h_a = section.h_a;
    std::vector<PlasticMaterial> m;
    m.push_back({[&steel](double z1, double z2) { return z2 > z1 ? steel.strip(z1, z2).A : 0.0; },
                 steel.f_yd, true});
    m.push_back({[&slab, h_a](double z1, double z2) {
                     return z2 > z1 ? slab.concreteStrip(z1 - h_a, z2 - h_a).A : 0.0;
                 },
                 std::fabs(slab.f_cd), false});
    for (BarLayer layer : {BarLayer::Bottom, BarLayer::Top})
        m.push_back({[&slab, h_a, layer](double z1, double z2) {
                         return z2 > z1 ? slab.barStrip(layer, z1 - h_a, z2 - h_a).A : 0.0;
                     },
                     slab.bars.f_sd, true});
    return m;
}

SectionClassification classifySection(CompositeSection &section, int direction) {
    const double top = section.h_a + section.slab.h_c;
    const double z_pl = plasticNeutralAxis(plasticMaterialsOf(section), direction, 0.0, top);
    LimitPoint elastic;
    {
        const UnreducedState unreduced(section);
        elastic = elasticLimit(section, direction);
    }
    return classifyParts(classificationGeometry(section.steel), section.steelMaterial.f_yk, z_pl,
                         elastic.kappa, elastic.z0, direction);
}

bool writeSectionClassification(CompositeSection &section, SectionClassification *sagging,
                                SectionClassification *hogging) {
    outputLine(">>Querschnittsklasse bestimmen\t");
    std::vector<ClassificationRow> rows;
    SectionClassification classes[2];
    for (int direction : {+1, -1}) {
        const SectionClassification k = classifySection(section, direction);
        classes[direction > 0 ? 0 : 1] = k;
        // An absurd but permitted input can leave a ratio without a finite
        // value; the run then ends before anything of the class is written.
        if (!allFinite({{"epsilon", k.eps}, {"c/t Flansch", k.c_t_flansch}, {"alpha", k.alpha},
                        {"psi", k.psi}, {"c/t Steg", k.c_t_steg}}))
            return false;
        const std::string richtung =
            direction > 0 ? protocol::classification::sagging : protocol::classification::hogging;
        echoValue("_Querschnittsklasse_" + richtung + " :", k.klasse, "\t");
        ClassificationRow row;
        row.richtung = richtung;
        row.eps = k.eps;
        row.c_t_flansch = k.c_t_flansch;
        row.klasse_flansch = k.klasse_flansch;
        row.alpha = k.alpha;
        row.psi = k.psi;
        row.c_t_steg = k.c_t_steg;
        row.klasse_steg = k.klasse_steg;
        row.klasse = k.klasse;
        rows.push_back(row);
    }
    for (const ClassificationRow &row : rows) section.writer.writeClassificationRow(row);
    if (sagging) *sagging = classes[0];
    if (hogging) *hogging = classes[1];
    return true;
}
