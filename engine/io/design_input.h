#pragma once
#include <string>

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
    std::string runFolder;  // without trailing separator
    std::string Profiltyp;
    std::string Profilname;
    std::string festig_klasse;
};
