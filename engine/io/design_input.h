#pragma once
#include <string>

// The headed studs of the *Verbundmittel: line (optional): shank diameter d
// and height h_sc (mm), ultimate strength f_u (N/mm^2), studs n between the
// critical section and the nearest zero moment, distance L_e between the
// zero moments in sagging (mm), the ribs ("keine", "quer", "parallel"),
// studs per rib n_r and sheet thickness t_blech (mm).
struct ShearConnectors {
    bool present = false;  // the input has the line: partial connection is checked
    double d = 0.0, h_sc = 0.0, f_u = 0.0, n = 0.0, L_e = 0.0;
    std::string Rippen;
    double n_r = 0.0, t_blech = 0.0;
};

// Every value of one calculation: the input file, the two tables and the run
// folder. Units: mm, N, Nmm, N/mm^2, strains in per mille.
struct DesignInput {
    double f_ck = 0.0;
    double gamma_c = 0.0;
    double alpha_c = 0.0;
    std::string set_e_cu3;
    double h_c = 0.0;
    double b_e = 0.0;
    double h_profilblech = 0.0;
    double b_p = 0.0;
    double e_c3 = 0.0;
    double e_cu3 = 0.0;
    double f_ctm = 0.0;
    double f_sk = 0.0;
    double gamma_s = 0.0;
    std::string klasse_s;
    std::string set_verfestigung_s;
    double d_u = 0.0;
    double d_o = 0.0;
    double AbstanduntereLage = 0.0;
    double AbstandobereLage = 0.0;
    double c_nom_u = 0.0;
    double c_nom_o = 0.0;
    double E_s = 0.0;
    double e_uk = 0.0;
    double k = 0.0;  // f_t/f_y of the ductility class (material table)
    double f_yk = 0.0;
    double gamma_M = 0.0;
    double h = 0.0;
    double t_f1 = 0.0;  // bottom flange
    double t_f2 = 0.0;  // top flange
    double b_f1 = 0.0;
    double b_f2 = 0.0;
    double t_w = 0.0;
    double r = 0.0;
    double E_a = 0.0;
    double k_c = 0.0;
    double k_min = 0.0;  // coefficient k of the minimum reinforcement (input file)
    double s_s = 0.0;
    double M_g = 0.0;
    double V_g = 0.0;
    double M_t = 0.0;
    double V_t = 0.0;
    ShearConnectors connectors;
    std::string runFolder;  // without trailing separator
    std::string Profiltyp;
    std::string Profilname;
    std::string festig_klasse;
};
