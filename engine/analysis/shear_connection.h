#pragma once
// The headed-stud shear connection of the sagging girder and the resistance a
// partial connection allows:
//   P_Rd     EN 1994-1-1 6.6.3.1, with k_t (ribs across, 6.6.4.2) or k_l
//            (ribs along the beam, 6.6.4.1);
//   eta_min  the minimum degree of connection of ductile studs (6.6.1.2);
//   M_Rd(eta) the rigid-plastic sagging moment with the slab force capped at
//            N_c (6.2.1.3(3)): two plastic neutral axes, one in the slab and
//            one in the steel section.
// Pure: no files. Forces in N, moments in Nmm, lengths in mm, heights z above
// the underside of the steel section.
#include <functional>
#include <string>
#include <vector>

#include "protocol/result_files.h"
#include "section/strip.h"

class CompositeSection;

// EN 1994-1-1 6.6.3.1(1): partial factor of the studs.
constexpr double gamma_V = 1.25;

// The design resistance of one stud in a solid slab: the shank
// 0.8 f_u pi d^2/4 / gamma_V (formula 1) and the concrete
// 0.29 alpha d^2 sqrt(f_ck E_cm) / gamma_V (formula 2) with
// alpha = 0.2 (h_sc/d + 1) for h_sc/d <= 4, else 1, and
// E_cm = 22000 ((f_ck + 8)/10)^0.3 N/mm^2.
struct StudResistance {
    double P_Rd_1 = 0.0, P_Rd_2 = 0.0;
    double alpha = 0.0, E_cm = 0.0;
    int formula = 1;    // the smaller of the two (the shank where they tie)
    double P_Rd = 0.0;  // min(P_Rd_1, P_Rd_2)
};
StudResistance studResistance(double d, double h_sc, double f_u, double f_ck);

// k_t,max of EN 1994-1-1 Table 6.2 for studs welded through the sheet:
// d <= 20 mm: n_r = 1 0.85 (t <= 1 mm) or 1.0, n_r = 2 0.70 or 0.8;
// d > 20 mm: 0.75 (n_r = 1), 0.60 (n_r = 2).
double k_t_max(double d, double n_r, double t_blech);

// The factor on P_Rd of a stud in the ribs of sheeting, h_sc counted up to
// h_p + 75 mm: across the beam ("quer") 0.7/sqrt(n_r) (b_0/h_p)(h_sc/h_p - 1)
// up to k_t,max; along it ("parallel") 0.6 (b_0/h_p)(h_sc/h_p - 1) up to 1;
// 1 in a solid slab ("keine"). Never below 0.
double ribReduction(const std::string &Rippen, double d, double h_sc, double h_p, double b_0,
                    double n_r, double t_blech);

// EN 1994-1-1 6.6.1.2 with f_y in N/mm^2 and L_e in m; A_f1 the bottom and
// A_f2 the top flange. Flanges count as equal within a relative 1e-3. Studs
// shorter than 4 d do not count as ductile (6.6.1.2(1)): full connection.
struct MinimumDegree {
    double eta_min = 1.0;
    protocol::MinimumDegreeRule rule = protocol::MinimumDegreeRule::EqualFlanges;
};
MinimumDegree minimumDegree(double f_y, double L_e_m, double A_f1, double A_f2, double d,
                            double h_sc);

// One part of the rigid-plastic section: its strip between two heights, its
// design strength and whether it carries tension (concrete does not).
struct PlasticPart {
    std::function<StripProps(double z1, double z2)> strip;
    double f = 0.0;
    bool carriesTension = true;
};

// The section as the partial connection sees it in sagging, in two groups
// that each have a plastic axis of their own: the slab (concrete at f_cd net
// of the bars, the ribs with their width, and the bars at f_sd, all in
// compression only) and the steel (+-f_yd, its shear area at f_yd,red).
// EN 1994-1-1 6.2.1.3(3), Figure 6.5: the slab carries N_c as a compression
// block just as deep as N_c needs; no bar of the slab pulls, so the slab adds
// no bending of its own, and M_Rd(0) is M_pl,a,Rd. Just below eta = 1 this
// stays under M_pl,Rd of full connection, where bars below the axis pull.
struct PartialConnectionSection {
    std::vector<PlasticPart> slab, steel;
    double h_a = 0.0;  // steel height = slab underside
    double top = 0.0;  // slab top
};
PartialConnectionSection partialConnectionSection(const CompositeSection &section, double fyd_red);

// N_c,f: the slab's net compression in the rigid-plastic state of full
// connection (concrete at f_cd net of the bars, bars at +-f_sd, steel at
// +-f_yd): the whole slab where the axis lies in the steel, else the steel's
// whole tension, so min(f_cd A_c + f_sd A_s, f_yd A_a).
double fullConnectionForce(const CompositeSection &section);

// The state of a partial connection with the slab force N_c: the slab's
// compression N_c above the slab's own plastic axis (the concrete block from
// the top just as deep as N_c needs, with the bars inside it), the steel's
// net tension N_c about the steel's own axis. N is N_c where slab and steel
// can carry it, else the smaller of their capacities. M about the steel
// underside, N = 0 overall.
struct PartialConnectionState {
    double N = 0.0;    // slab force carried
    double z_c = 0.0;  // plastic axis of the slab (lower edge of the concrete block)
    double z_a = 0.0;  // plastic axis of the steel section
    double M = 0.0;    // M_Rd(eta)
};
PartialConnectionState partialConnectionMoment(const PartialConnectionSection &section, double N_c);
