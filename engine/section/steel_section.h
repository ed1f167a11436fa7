#pragma once
// Structural-steel I-section, rolled (with root fillets) or welded: geometry,
// gross section values, integration zones, shear area and shear check.
// Heights z upward from the underside of the bottom flange (flange 1).
#include <string>
#include <vector>

#include "materials/material_point.h"
#include "protocol/input_lines.h"
#include "section/strip.h"

struct DesignInput;
class ResultWriter;
class SteelMaterial;

// Outcome of the shear check of the steel section.
enum class ShearState { Holds, Fails };

// One integration zone between z1 and z2. width 0: the true shape (web with
// fillets, or the flange itself); otherwise a rectangle of that width.
// reduced: the zone lies in the shear area and uses the shear-reduced strength.
struct SteelZone {
    double z1 = 0.0, z2 = 0.0;
    double width = 0.0;
    bool reduced = false;
};

// EN 1994-1-1 6.2.2.4(2): the yield strength of the shear area under the
// shear force V, (1 - rho) f_yd with rho = (2 |V| / V_pl_Rd - 1)^2 once
// |V| >= V_pl_Rd / 2; 0 beyond V_pl_Rd.
double shearReducedStrength(double f_yd, double V, double V_pl_Rd);

// Web plate left out of the section between the heights z1 and z2: the hole
// of an effective Class 2 web (EN 1994-1-1 5.5.2(3)) or the whole web with
// its fillets (the flanges-only section of M_f,Rd, EN 1993-1-5 7.1). Empty
// (z2 <= z1) for the whole section. It takes effect in the integration
// zones only; the gross section values stay those of the whole section.
struct WebGap {
    double z1 = 0.0, z2 = 0.0;
    bool empty() const { return !(z2 > z1); }
};

class SteelSection {
public:
    // Dimensions, Profiltyp and V_t from the input (r = 0 for welded sections);
    // f_yd, e_y, E_a from the material. Echoes the section values.
    SteelSection(const DesignInput &input, const SteelMaterial &material, ResultWriter &writer);

    double h = 0.0, b_f1 = 0.0, b_f2 = 0.0, t_w = 0.0, t_f1 = 0.0, t_f2 = 0.0, r = 0.0;
    std::string Profiltyp;
    double A_f1 = 0.0, A_f2 = 0.0, A_w = 0.0, A_a = 0.0, z_sa = 0.0, I_a = 0.0;
    double A_v = 0.0, V_pl_Rd = 0.0;
    double f_yd = 0.0, e_y = 0.0, E_a = 0.0;
    double V_Ed = 0.0;                        // design shear force of the ultimate limit state
    ShearState querkraftZustand = ShearState::Holds;
    double fyd_red = 0.0, e_y_red = 0.0;      // = f_yd, e_y until a shear check reduces them
    WebGap webGap;                            // none unless a resistance of a modified section is sought

    // 7 zones for rolled, 3 for welded sections, from bottom to top; a web
    // gap removes the web zone's part between its heights (one zone more
    // where the gap lies inside the web, one less where it takes it all).
    std::vector<SteelZone> zones() const;
    // The same zones in a fixed table (no allocation per section evaluation).
    struct ZoneTable {
        SteelZone zone[8];
        int count = 0;
        const SteelZone *begin() const { return zone; }
        const SteelZone *end() const { return zone + count; }
    };
    ZoneTable zoneTable() const;
    // Exact strip of the true shape between z1 and z2 (clipped to 0..h), or a
    // rectangle of the forced width when width > 0.
    StripProps strip(double z1, double z2, double width = 0.0) const;
    MaterialPoint law(double eps, bool reduced) const;
    // EN 1993-1-1 6.2.6 / EN 1994-1-1 6.2.2.4: fails when |V| > V_pl_Rd, else
    // reduces f_yd of the shear area by rho once |V| >= V_pl_Rd / 2. True when it fails.
    bool shearCheck(double V);

    bool isRolled() const { return Profiltyp == protocol::input::rolledProfile; }

    // "*Geometrie Baustahlquerschnitt" and "*Querschnittswerte Baustahlquerschnitt".
    void writeGeometryBlock() const;
    void writeValuesBlock() const;

private:
    ResultWriter &writer_;
};
