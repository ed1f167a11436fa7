#pragma once
// The design checks of a run as text, built once from the engine's verdicts
// (design_verdicts.h) for the check panel and the design report alike: each
// check's governing line with its own resistance and utilisation, e.g.
// "M_Ed = 400 kNm ≤ M_pl,Rd(V_Ed) = 982.1 kNm, η = 0.41", and its result.
// Numbers with four significant digits and a space before the unit.
#include <QString>
#include <QStringList>
#include <vector>

#include "results/design_verdicts.h"
#include "results/run_results.h"

namespace results {

// "982.1 kNm" from Nmm, "875.1 kN" from N, "920.2 mm²", "247.8 mm".
QString kNmText(double Nmm);
QString kNText(double N);
QString areaText(double mm2);
QString lengthText(double mm);
// "η = 0.41"; "η: nicht ermittelt" without a number.
QString etaText(const std::optional<double> &eta);
// The number of etaText: two decimals, three just beside 1.
QString utilisationValue(double eta);

struct CheckText {
    QString line;     // the comparison with its utilisation, or why there is none
    QString verdict;  // "NACHWEIS ERFÜLLT", "NACHWEIS NICHT ERFÜLLT", "nicht ermittelt (…)",
                      // "nicht maßgebend (…)"
    CheckResult result = CheckResult::NotDetermined;
    bool present = false;  // the engine's row was read
};

// Querkraft: "|V_Ed| = 300 kN ≤ V_pl,Rd = 875.1 kN, η = 0.34"; a slender
// web "|V_Ed| = 300 kN, V_b,Rd: nicht ermittelt (Schubbeulen: h_w/t_w > 72ε)".
CheckText shearText(const RunResults &run);
// Biegung: the governing route, "M_Ed = -600 kNm ≥ M_pl,eff,Rd(V_Ed) = -641.5 kNm, η = 0.94".
CheckText bendingText(const RunResults &run);
// A route of a Class 3 section: its short name ("elastisch", "wirksamer
// Steg"), the clauses it rests on and its comparison with η.
struct RouteText {
    QString name, clauses, comparison;
};
// A Class 3 section: both routes, the chosen one first; empty for every other class.
std::vector<RouteText> class3Routes(const RunResults &run);
// EN 1993-1-5 7.1: "Interaktion EN 1993-1-5 7.1: 0.9433 ≤ 1, η = 0.94", or
// "nicht maßgebend (…)".
CheckText bendingShearText(const RunResults &run);
// The terms of 7.1 from the Class 3 values: η̄1, η̄3, M_f,Rd / M_pl,Rd; empty
// where the row has no number.
QStringList bendingShearTerms(const RunResults &run);
// Mindestbewehrung: "A_s,min = 920.2 mm² ≤ A_s,vor = 2683 mm², η = 0.34".
CheckText minimumText(const RunResults &run);

// Verdübelung: "η = N_c/N_c,f = 0.490 ≥ η_min = 0.490"; without studs
// "nicht maßgebend (vollständige Verdübelung angenommen)" and no line.
CheckText connectionText(const RunResults &run);

// Name of the bending resistance by the rule: "M_pl,Rd(V_Ed)", "M_el,Rd",
// "M_pl,eff,Rd(V_Ed)", "M_Rd(η)(V_Ed)" of a partial connection; empty for a
// rule without one.
QString bendingResistanceName(const std::string &basis);

// "nicht ermittelt (keine Nachweisdatei)": the run folder holds no verdicts.
QString verdictsMissingText();

}  // namespace results
