#pragma once
// The design checks of a run, decided once by the code's rules from the
// resistances the engine computed, in the rows of "Nachweise.txt":
//   querkraft          EN 1994-1-1 6.2.2.2, EN 1993-1-1 6.2.6: |V_Ed| <= V_pl,Rd;
//                      a web with h_w/t_w > 72 eps buckles in shear first (6.2.6(6)),
//                      its V_b,Rd is not covered
//   biegung            by the class of M_Ed's direction (EN 1994-1-1 5.5, 6.2.1):
//                      Class 1/2 M_pl,Rd(V_Ed) (6.2.2.4(2)); Class 3 the smaller
//                      utilisation of the elastic route M_el,Rd (6.2.1.5 with
//                      6.2.2.4(3)) and of the effective Class 2 web (5.5.2(3));
//                      Class 4 not covered
//   biegung_querkraft  EN 1993-1-5 7.1, with the elastic route once V_Ed > 0.5 V_pl,Rd
//                      In sagging with a partial shear connection (eta < 1,
//                      6.2.1.3(3)) M_Rd(eta)(V_Ed) for Class 1/2; Class 3 not covered
//   mindestbewehrung   EN 1994-1-1 7.4.2: A_s,min <= A_s provided in the tensile zone
//   verduebelung       EN 1994-1-1 6.6.1.2: eta >= eta_min in sagging; not governing
//                      without studs in the input or for a hogging M_Ed
//   gesamt             the largest utilisation and the worst result
// Pure: no files and no section; forces in N, moments in Nmm, areas in mm^2.
// The names of rows, results and rules are those of protocol/verdict_files.h.
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "io/result_writer.h"

// The minimum-reinforcement check of the serviceability state as the run left it.
enum class MinimumCheck {
    Made,          // A_s,min and A_s provided of the tensile zone
    NoMoment,      // M_Ed = 0 in the serviceability state: no check
    NoTensileZone, // the slab has no tension under the serviceability moment
    ShearFailure,  // the serviceability state was skipped: |V_Ed| > V_pl,Rd
    StateFailure,  // no strain state carries the serviceability moment
};

struct DesignCheckInput {
    // Ultimate limit state.
    double M_Ed = 0.0, V_Ed = 0.0;
    double V_pl_Rd = 0.0;
    bool shearFailure = false;  // |V_Ed| > V_pl,Rd: the bending analysis was skipped
    bool slenderWeb = false;    // h_w / t_w > 72 eps
    // The cross-section class of M_Ed's direction and its compression flange.
    int klasse = 1, klasse_flansch = 1;
    // Resistances in M_Ed's direction, signed as its moments; missing after a
    // shear failure. M_pl,Rd(V_Ed) with f_yd,red of V_Ed in the shear area.
    std::optional<double> M_pl_Rd_V;
    bool designStateFailed = false;  // no strain state carries M_Ed
    // V = 0, f_yd unreduced (the first row of the moment-shear relation).
    std::optional<double> M_el_Rd, M_pl_Rd;
    // Class 3 only: M_f,Rd, and M_pl,Rd(V_Ed) of the effective Class 2 web
    // where the compression flange is Class 1 or 2 and the axis settled.
    std::optional<double> M_f_Rd, M_pl_eff_Rd;
    // Serviceability state.
    MinimumCheck minimum = MinimumCheck::NoMoment;
    bool topInTension = false;  // the tensile zone lies at the top (hogging)
    double A_s_min = 0.0, A_s_vor = 0.0;
    // Shear connection: only where the input has studs. eta = N_c / N_c,f is
    // missing without a slab force; M_Rd(eta)(V_Ed) where a partial
    // connection (eta < 1) was analysed in sagging, with the section class
    // that check rests on (the web's class may grow with the steel's own
    // plastic axis).
    bool connectors = false;
    std::optional<double> eta, eta_min;
    std::optional<double> M_Rd_eta;
    int klasse_eta = 1;
};

// The utilisations of the two routes of a Class 3 section (each missing
// where it has no finite value) and of the terms of EN 1993-1-5 7.1.
struct Class3Utilisation {
    bool applies = false;  // Class 3 and the bending analysis was made
    std::optional<double> eta_el, eta_eff, eta1, eta3;
    bool effectiveChosen = false;
};

struct DesignChecks {
    // querkraft, biegung, biegung_querkraft, mindestbewehrung, verduebelung, gesamt
    std::vector<VerdictRow> rows;
    Class3Utilisation class3;
};

DesignChecks decideDesignChecks(const DesignCheckInput &in);

// A sagging M_Ed under a partial connection: studs in the input and eta < 1.
bool partialConnection(const DesignCheckInput &in);

// E / R when the resistance has the action's sign and the quotient is
// finite; 0 without an action; missing otherwise (a resistance of 0 or of
// the wrong sign under an action: no finite utilisation).
std::optional<double> utilisation(double E, double R);

// EN 1993-1-5 7.1(1): eta1 + (1 - M_f,Rd / M_pl,Rd)(2 eta3 - 1)^2 where
// eta1 >= M_f,Rd / M_pl,Rd, else eta3 (the flanges alone carry M_Ed and
// the web the whole shear force).
double bendingShearInteraction(double eta1, double eta3, double flangeShare);
