#pragma once
// Concrete slab, possibly cast on profiled sheeting, with its two bar layers.
// Heights z upward from the slab underside (= top of the steel top flange).
#include <string>
#include <utility>
#include <vector>

#include "materials/material_point.h"
#include "section/strip.h"

struct DesignInput;
class ResultWriter;
class ConcreteMaterial;
class ReinforcementMaterial;

enum class BarLayer { Bottom, Top };

// Bottom (u) and top (o) bar layer with the reinforcement design values.
// A layer with diameter 0 or spacing 0 has no bars.
struct ReinforcementLayers {
    double d_u = 0.0, d_o = 0.0;
    double AbstanduntereLage = 0.0, AbstandobereLage = 0.0;  // spacings s_u, s_o
    double c_nom_u = 0.0, c_nom_o = 0.0;
    double r_u = 0.0, r_o = 0.0;
    double n_u = 0.0, n_o = 0.0;  // bar counts
    double A_su = 0.0, A_so = 0.0, A_s = 0.0;
    double z_su = 0.0, z_so = 0.0, z_ss = 0.0;
    double I_s = 0.0;
    double f_sk = 0.0, f_sd = 0.0, f_ud = 0.0, e_sd = 0.0, e_ud = 0.0, E_s = 0.0, E_s2 = 0.0;
};

class ConcreteSlab {
public:
    // Slab and bar geometry from the input, design values copied from the two
    // materials. Echoes the section values.
    ConcreteSlab(const DesignInput &input, const ConcreteMaterial &concrete,
                 const ReinforcementMaterial &reinforcement, ResultWriter &writer);

    double h_c = 0.0, b_e = 0.0, h_profilblech = 0.0, b_p = 0.0;
    double f_ck = 0.0, f_cd = 0.0, f_ct_eff = 0.0, e_c3 = 0.0, e_cu3 = 0.0, e_ct = 0.0,
           e_ct_eff = 0.0, E_c = 0.0;
    double A_c = 0.0, z_sc = 0.0, I_c = 0.0;  // net of the bars
    double h_a = 0.0;                         // steel height, stored when the stress files are written
    bool tensionStiffening = false;           // concrete between cracks carries tension
    ReinforcementLayers bars;

    // Concrete between z1 and z2 net of all bar parts inside, with the true
    // widths (b_p in the rib zone, b_e above).
    StripProps concreteStrip(double z1, double z2) const;
    // All bars of the layer between z1 and z2; zero if the layer has no bars.
    StripProps barStrip(BarLayer layer, double z1, double z2) const;
    MaterialPoint concreteLaw(double eps) const;
    MaterialPoint barLaw(double eps) const;
    // {0, h_p} (only with sheeting) and {h_p, h_c}.
    std::vector<std::pair<double, double>> concreteZones() const;
    // The same zones in a fixed table (no allocation per section evaluation).
    struct ZoneTable {
        std::pair<double, double> zone[2];
        int count = 0;
        const std::pair<double, double> *begin() const { return zone; }
        const std::pair<double, double> *end() const { return zone + count; }
    };
    ZoneTable concreteZoneTable() const;

    // "*Geometrie Betonquerschnitt" and "*Geometrie Bewehrungsstahl".
    void writeGeometryBlocks() const;
    // "*Querschnittswerte Beton" and "*Querschnittswerte Bewehrungsstahl".
    void writeValuesBlocks() const;

private:
    ResultWriter &writer_;
};
