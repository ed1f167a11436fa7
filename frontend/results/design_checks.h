#pragma once
// The verdicts of a run, decided once from the run folder's values and used
// by the check panel, the design report and the outcome of the run. A check
// whose values the engine did not compute has no verdict: it is "not
// determined" with the reason, never passed or failed on zeros.
#include <QString>
#include <optional>

#include "results/run_results.h"
#include "results/section_class.h"

namespace results {

enum class Verdict { Passed, Failed, NotDetermined };

// The utilisation of a check, action over the resistance the check uses,
// or why it was not computed. Never a ratio of values that are missing, and
// never of a zero resistance.
struct Utilisation {
    std::optional<double> value;
    Missing missing = Missing::NoCalculation;  // why not computed
    bool zeroResistance = false;  // computed, but the resistance is 0: no ratio

    static Utilisation of(double action, double resistance);
    static Utilisation notComputed(Missing why);
};

// "0.61": two decimals, a decimal point whatever the locale; from 1000 on
// three significant digits ("1.22e+05").
QString utilisationNumber(double eta);
// "Ausnutzung η = 0.61", or "Ausnutzung η: nicht ermittelt (Querkraftversagen)",
// or for a resistance of 0 "Ausnutzung η: nicht ermittelt (Widerstand 0)".
QString utilisationText(const Utilisation &eta);

// EN 1993-1-1 6.2.6(6), EN 1994-1-1 6.2.2.3: a web without stiffeners with
// h_w / t_w > 72 ε / η buckles in shear before it reaches V_pl,Rd; its
// resistance V_b,Rd (EN 1993-1-5) is not covered. η = 1.0, as 6.2.6(6)
// permits; h_w is the clear depth between the flanges.
struct WebSlenderness {
    bool known = false;  // the run folder holds h, t_f1, t_f2, t_w and f_yk
    double ratio = 0.0;  // h_w / t_w
    double limit = 0.0;  // 72 ε with ε = √(235 / f_yk)
    bool bucklingGoverns() const { return known && ratio > limit; }
};

WebSlenderness webSlenderness(const RunResults &run);

// "h_w/t_w = 153 > 72ε = 58.5804"; empty when the slenderness is not known.
QString webSlendernessText(const WebSlenderness &web);

// EN 1994-1-1 6.2.2.2: the plastic shear resistance must exceed |V_Ed|. A
// web that buckles in shear has no verdict (Missing::ShearBuckling) unless
// V_pl,Rd is exceeded already: V_b,Rd is not larger.
struct ShearCheck {
    Verdict verdict = Verdict::NotDetermined;
    double vEd = 0.0;  // |V_Ed| in kN, valid when the action is known
    double vPl = 0.0;  // V_pl,Rd in kN, valid unless not determined
    Missing missing = Missing::NoCalculation;  // why not determined
    Utilisation utilisation;  // η_V = |V_Ed| / V_pl,Rd
    WebSlenderness web;
};

// Where M_Ed lies between the limit moments of its own sign.
enum class MomentRange { Elastic, PartlyPlastic, BeyondPlastic };

// Which resistance the bending check may use, by the cross-section class of
// the design direction (EN 1994-1-1 5.5, 6.2.1).
enum class BendingBasis {
    Plastic,       // Class 1 or 2: M_pl,Rd(V_Ed)
    Unclassified,  // class not determined (older run folder): M_pl,Rd(V_Ed) as before
    Elastic,       // Class 3: M_el,Rd(V_Ed) only
    NotPossible,   // Class 4: the effective section is not covered, no check
};

BendingBasis bendingBasis(const SectionClassRow &row);

// EN 1994-1-1 6.2.2.4: M_Ed against the elastic and the plastic limit moment
// of its sign, both reduced for V_Ed, and against the one of them its
// cross-section class permits.
struct InteractionCheck {
    Verdict verdict = Verdict::NotDetermined;
    bool sagging = true;        // M_Ed >= 0: the limits of positive moments
    double mEl = 0.0;           // kNm, valid when limitsKnown
    double mPl = 0.0;           // kNm, valid when limitsKnown
    bool limitsKnown = false;
    MomentRange range = MomentRange::Elastic;  // valid when limitsKnown
    bool sectionFailed = false;  // the engine found no strain state for M_Ed
    Missing missing = Missing::NoCalculation;  // why the limits are missing

    SectionClassRow sectionClass;  // the class of M_Ed's direction
    BendingBasis basis = BendingBasis::Unclassified;
    // M_Rd(V_Ed) the check compares with, kNm with the sign of M_Ed: M_el for
    // Class 3, M_pl otherwise; valid when limitsKnown and the check is possible.
    double resistance = 0.0;
    // The class's own verdict text: Class 3 beyond M_el,Rd(V_Ed), or Class 4.
    QString classMessage;
    Utilisation utilisation;  // η_M = |M_Ed| / |M_Rd(V_Ed)|
};

struct UltimateChecks {
    bool actionsKnown = false;
    double mEd = 0.0;  // kNm, with sign
    double vEd = 0.0;  // kN, with sign
    ShearCheck shear;
    InteractionCheck interaction;

    bool failed() const;
    // The larger of η_V and η_M; missing when either is.
    Utilisation maximumUtilisation() const;
};

// Every ultimate-limit-state verdict of the run, in one place. Class 1 and 2
// (and a class not determined) check M_Ed against M_pl,Rd(V_Ed); Class 3
// against M_el,Rd(V_Ed) ("Querschnittsklasse 3: nur elastische Bemessung
// zulässig" beyond it); Class 4 is not checked and counts as failed.
UltimateChecks checkUltimateLimitState(const RunResults &run);

enum class MinimumReinforcementVerdict {
    Present,        // A_s,vor >= A_s,min
    Absent,         // A_s,vor < A_s,min
    FullyCompressed,  // no tensile zone in the slab: the check does not govern
    NoMoment,       // M_Ed = 0 in the serviceability state: no check
    NotDetermined,
};

// Minimum reinforcement of the slab's tensile zone (EN 1994-1-1 7.4.2).
struct MinimumReinforcementCheck {
    MinimumReinforcementVerdict verdict = MinimumReinforcementVerdict::NotDetermined;
    double required = 0.0;  // A_s,min in mm²
    double provided = 0.0;  // A_s,vor in mm²
    Missing missing = Missing::NoCalculation;  // why not determined
};

// The engine checks the tensile zone of the slab under the serviceability
// moment, with the neutral axis of the state without tension stiffening.
// When that axis lies below the slab underside (sagging) or above the slab
// top (hogging) there is no tensile zone and the engine writes A_s,min =
// A_s,vor = 0; the check then does not govern.
MinimumReinforcementCheck checkMinimumReinforcement(const RunResults &run);

}  // namespace results
