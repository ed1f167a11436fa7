#pragma once
// Range checks of the design input. Each check tests its conditions in a fixed
// order, writes the first violation as one FEHLERMELDUNG line to standard error
// and returns false; on success it writes nothing (checkTableValues prints its
// ">>k" progress line).
#include <string>

bool checkReinforcementInput(const std::string &klasse_s, const std::string &set_verfestigung_s,
                             double f_sk, double gamma_s);
bool checkSteelInput(double f_yk, double gamma_M);
bool checkProfileType(const std::string &Profiltyp);
bool checkMinimumReinforcementInput(double k_c, double k_min, double s_s);
// Slab, sheeting and bars (the sheeting width against the top flange b_f2).
bool checkSlabGeometry(double h_c, double b_e, double h_p, double b_p, double d_u, double d_o,
                       double AbstanduntereLage, double AbstandobereLage, double c_nom_u,
                       double c_nom_o, double b_f2);
// The slab, then the plates of a welded section. A rolled section takes its
// plates from the profile table, which is checked row by row instead.
bool checkGeometry(double h_c, double b_e, double h_p, double b_p, double d_u, double d_o,
                   double AbstanduntereLage, double AbstandobereLage, double c_nom_u,
                   double c_nom_o, double h, double t_f1, double t_f2, double b_f1, double b_f2,
                   double t_w, double r);
bool checkTableValues(double f_ck, double f_ctm, double e_c3, double e_cu3, double E_s, double k,
                      double e_uk, double E_a);
bool checkConcreteInput(const std::string &set_e_cu3, double f_ck, double gamma_c, double alpha_c);
// The headed studs of a *Verbundmittel: line: their ranges and the word of
// the ribs, right after the line is read.
bool checkConnectorInput(double d, double h_sc, double f_u, double n, double L_e,
                         const std::string &Rippen, double n_r, double t_blech);
// The studs against the slab, after the slab passed its checks: "keine"
// without sheeting, "quer" and "parallel" with it; in ribs a stud stands
// 2 d above them, and ribs across the beam keep the limits of k_t
// (h_p <= 85 mm, b_0 = b_p >= h_p).
bool checkConnectorRibs(const std::string &Rippen, double d, double h_sc, double h_p, double b_p);
