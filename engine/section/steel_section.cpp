#include "section/steel_section.h"

#include <algorithm>
#include <cmath>

#include "io/console.h"
#include "io/design_input.h"
#include "io/result_writer.h"
#include "materials/steel_material.h"


namespace {
const double pi = std::acos(-1.0);
}

SteelSection::SteelSection(const DesignInput &input, const SteelMaterial &material,
                           ResultWriter &writer)
    : h(input.h), b_f1(input.b_f1), b_f2(input.b_f2), t_w(input.t_w), t_f1(input.t_f1),
      t_f2(input.t_f2), r(input.Profiltyp == protocol::input::rolledProfile ? input.r : 0.0),
      Profiltyp(input.Profiltyp), f_yd(material.f_yd), e_y(material.e_y), E_a(material.E_a),
      V_Ed(input.V_t), fyd_red(material.f_yd), e_y_red(material.e_y), writer_(writer) {
    A_f1 = b_f1 * t_f1;
    A_f2 = b_f2 * t_f2;
    // Web plus the four root fillets, (4 - pi) r^2 together.
    A_w = (h - t_f1 - t_f2) * t_w + (4.0 - pi) * r * r;
    A_a = A_w + A_f1 + A_f2;
    echoValue("A_a :", A_a, " [mm^2]\t");
    z_sa = A_a > 0.0
               ? (A_f1 * t_f1 / 2.0 + A_f2 * (h - t_f2 / 2.0) + A_w * (t_f1 + h - t_f2) / 2.0) / A_a
               : 0.0;
    echoValue("z_sa :", z_sa, " [mm]\t");
    I_a = strip(0.0, h).I;
    echoValue("_I_a :", I_a, " [mm^4]\t");

    // EN 1993-1-1 6.2.6(3): shear area of rolled and welded I-sections.
    if (isRolled())
        A_v = A_a - A_f1 - A_f2 + (t_w + 2.0 * r) * (t_f1 + t_f2) / 2.0;
    else
        A_v = (h - t_f1 - t_f2) * t_w;
    V_pl_Rd = A_v * f_yd / std::sqrt(3.0);

    echoValue("_h :", h, " [mm]\t");
    echoValue("_t_f1 :", t_f1, " [mm]\t");
    echoValue("_t_f2 :", t_f2, " [mm]\t");
    echoValue("_b_f1 :", b_f1, " [mm]\t");
    echoValue("_b_f2 :", b_f2, " [mm]\t");
    echoValue("_t_w :", t_w, " [mm]\t");
}

std::vector<SteelZone> SteelSection::zones() const {
    const ZoneTable t = zoneTable();
    return std::vector<SteelZone>(t.begin(), t.end());
}

SteelSection::ZoneTable SteelSection::zoneTable() const {
    const double webTop = h - t_f2;
    ZoneTable t;
    auto add = [&t](const SteelZone &zone) { t.zone[t.count++] = zone; };
    // The web with its fillets (true shape, shear area), less the gap.
    auto addWeb = [this, &add](double z1, double z2) {
        const double g1 = std::max(webGap.z1, z1), g2 = std::min(webGap.z2, z2);
        if (webGap.empty() || !(g2 > g1)) return add({z1, z2, 0.0, true});
        if (g1 > z1) add({z1, g1, 0.0, true});
        if (z2 > g2) add({g2, z2, 0.0, true});
    };
    if (!isRolled()) {
        add({0.0, t_f1, 0.0, false});
        addWeb(t_f1, webTop);
        add({webTop, h, 0.0, false});
        return t;
    }
    // Rolled: the shear area takes the inner flange halves over t_w + 2r.
    const double core = t_w + 2.0 * r;
    add({0.0, t_f1 / 2.0, b_f1, false});
    add({t_f1 / 2.0, t_f1, b_f1 - core, false});
    add({t_f1 / 2.0, t_f1, core, true});
    addWeb(t_f1, webTop);
    add({webTop, webTop + t_f2 / 2.0, core, true});
    add({webTop, webTop + t_f2 / 2.0, b_f2 - core, false});
    add({h - t_f2 / 2.0, h, b_f2, false});
    return t;
}

StripProps SteelSection::strip(double z1, double z2, double width) const {
    if (width > 0.0) return rectangleStrip(width, z1, z2);
    const double lo = std::max(z1, 0.0);
    const double hi = std::min(z2, h);
    // Clip the strip to one piece of the shape [a, b].
    auto cut = [lo, hi](double a, double b) { return std::make_pair(std::max(lo, a), std::min(hi, b)); };

    const double filletLow = t_f1 + r;  // centre height of the lower fillet circles
    const double filletHigh = h - t_f2 - r;
    const double core = t_w + 2.0 * r;
    StripProps sum = {0.0, 0.5 * (z1 + z2), 0.0};

    auto [a1, b1] = cut(0.0, t_f1);
    sum = combine(sum, rectangleStrip(b_f1, a1, b1));
    // Fillet zones: the rectangle t_w + 2r less two quarter circles, i.e. less
    // one half circle's chord width at every height.
    auto [a2, b2] = cut(t_f1, filletLow);
    sum = combine(sum, subtract(rectangleStrip(core, a2, b2), circleStrip(r, filletLow, a2, b2)));
    auto [a3, b3] = cut(filletLow, filletHigh);
    sum = combine(sum, rectangleStrip(t_w, a3, b3));
    auto [a4, b4] = cut(filletHigh, h - t_f2);
    sum = combine(sum, subtract(rectangleStrip(core, a4, b4), circleStrip(r, filletHigh, a4, b4)));
    auto [a5, b5] = cut(h - t_f2, h);
    sum = combine(sum, rectangleStrip(b_f2, a5, b5));
    return sum;
}

MaterialPoint SteelSection::law(double eps, bool reduced) const {
    return steelStress(eps, f_yd, e_y, E_a, reduced, fyd_red);
}

double shearReducedStrength(double f_yd, double V, double V_pl_Rd) {
    const double absV = std::sqrt(V * V);
    if (absV > V_pl_Rd) return 0.0;
    if (absV >= 0.5 * V_pl_Rd && V_pl_Rd > 0.0) {
        const double rho = (2.0 * absV / V_pl_Rd - 1.0) * (2.0 * absV / V_pl_Rd - 1.0);
        return (1.0 - rho) * f_yd;
    }
    return f_yd;
}

bool SteelSection::shearCheck(double V) {
    const double absV = std::sqrt(V * V);
    if (absV > V_pl_Rd) {
        querkraftZustand = ShearState::Fails;
        return true;
    }
    querkraftZustand = ShearState::Holds;
    fyd_red = shearReducedStrength(f_yd, V, V_pl_Rd);
    e_y_red = fyd_red / E_a * 1000.0;
    return false;
}

void SteelSection::writeGeometryBlock() const {
    namespace key = protocol::key;
    writer_.writeBlock(protocol::block::steelGeometry, {
        {key::r, r},
        {key::t_f1, t_f1},
        {key::t_f2, t_f2},
        {key::b_f1, b_f1},
        {key::b_f2, b_f2},
        {key::t_w, t_w},
        {key::h, h},
    });
}

void SteelSection::writeValuesBlock() const {
    namespace key = protocol::key;
    writer_.writeBlock(protocol::block::steelValues, {
        {key::A_a, A_a},
        {key::z_sa, z_sa},
        {key::I_a, I_a},
    });
}
