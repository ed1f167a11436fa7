#include "results/design_report.h"

#include <QFile>
#include <QFileInfo>
#include <cmath>

#include "files/design_file.h"
#include "files/units.h"
#include "platform/platform.h"
#include "results/connection_report.h"
#include "protocol/result_files.h"
#include "protocol/run_folders.h"
#include "results/readable_numbers.h"
#include "results/run_outcome.h"
#include "results/section_class.h"
#include "results/verdict_texts.h"

namespace key = protocol::key;

using results::AnalysedState;
using results::CheckResult;
using results::Missing;

namespace {

QString u(const char *text) { return QString::fromUtf8(text); }

// Readable numbers: inputs and geometry as given (up to six significant
// digits), resistances, actions, stresses and section values with four,
// ratios, strains and curvatures with three; a space before every unit.
QString given(double value) { return results::significant(value, 6); }
QString four(double value) { return results::significant(value, 4); }
QString three(double value) { return results::significant(value, 3); }

const QString notComputed = QStringLiteral("nicht ermittelt");

// Values of output.txt as the report shows them: geometry as echoed,
// strengths and moduli with four significant digits, strain limits with
// three. A value the engine did not write reads "nicht ermittelt", without
// a unit.
class ReportValues {
public:
    explicit ReportValues(const results::KeyValues &output) : output_(output) {}

    QString plain(const char *key, const QString &unit) const { return text(key, 6, unit); }
    QString strength(const char *key, const QString &unit) const { return text(key, 4, unit); }
    QString strain(const char *key) const { return text(key, 3, u("‰")); }
    std::optional<double> find(const char *key) const { return output_.find(key); }
    // Moments are written in Nmm and shown in kNm.
    std::optional<double> moment(const char *key) const {
        const std::optional<double> value = output_.find(key);
        if (!value) return std::nullopt;
        return units::kilonewtonMetres(*value);
    }

private:
    QString text(const char *key, int digits, const QString &unit) const {
        const std::optional<double> value = output_.find(key);
        if (!value) return notComputed;
        return results::withUnit(*value, digits, unit);
    }

    const results::KeyValues &output_;
};

const QString separatorLine(76, QLatin1Char('-'));

// The strain state of a state, or why it is missing. A section failure is the
// engine's verdict: no strain state carries the design moment.
QString stateLine(const results::StateResult &state) {
    if (state.computed()) {
        const StateSummary s = state.summary();
        return u("\nϰ= ") + three(s.kappa) + u(" ‰/m\tZ_na= ") + four(s.z_na) + u(" mm\tEI_i= ") +
               four(s.ei_i) + u(" kNm²");
    }
    if (state.missing == Missing::SectionFailure) return u("\nVERSAGEN!");
    return "\n" + results::notDetermined(state.missing);
}

// "unter:" line of a state's actions; the ultimate state shows |V_Ed|.
QString actionsLine(const results::RunResults &run, AnalysedState state) {
    const std::optional<double> v = run.shearForce(state);
    const std::optional<double> m = run.moment(state);
    if (!v || !m) return "\nunter: V_Ed, M_Ed: " + results::notDetermined(Missing::NoCalculation);
    const double shown = state == AnalysedState::Ultimate ? std::fabs(*v) : *v;
    return "\nunter: V_Ed= " + four(shown) + " kN \tM_Ed = " + four(*m) + " kNm :";
}

QString onOff(bool on) { return on ? QStringLiteral("EIN") : QStringLiteral("AUS"); }

// An input value as the complete input lists it; missing reads "nicht angegeben".
QString inputText(const design::Value &value, QString (*digits)(double), const QString &unit = QString()) {
    if (!value) return QStringLiteral("nicht angegeben");
    return unit.isEmpty() ? digits(*value) : digits(*value) + " " + unit;
}

// The geometry and the materials as the engine echoed them, with the input
// only the form holds in between (classes, partial factors, f_cd,RedFak,
// switches, profile), then the actions and the minimum-reinforcement
// factors of both limit states, labelled as the input tab labels them.
void appendInput(QStringList &report, const ReportValues &v, const results::RunResults &run,
                 const design::Design *input) {
    const QString mm = QStringLiteral("mm");
    const QString stress = u("N/mm²");
    const auto extra = [&report, input](const QString &line) {
        if (input) report << line;
    };
    report << "\n\n" + separatorLine << u("\nEINGABE") << "\n" + separatorLine
           << u("\nGEOMETRIE:") << u("\nStahlbetonquerschnitt:");
    report << "\nh_c: " + v.plain(key::h_c, mm) + "\t\tb_e: " + v.plain(key::b_e, mm) + "\t\th_p: " +
                  v.plain(key::h_profilblech, mm)
           << "\nb_p: " + v.plain(key::b_p, mm) + "\t\td_u: " + v.plain(key::d_u, mm) + "\t\td_o: " +
                  v.plain(key::d_o, mm)
           << "\ne_u: " + v.plain(key::AbstanduntereLage, mm) + "\t\te_o: " +
                  v.plain(key::AbstandobereLage, mm)
           << "\nc_nom,u: " + v.plain(key::c_nom_u, mm) + "\tc_nom,o: " + v.plain(key::c_nom_o, mm);
    report << u("\nBaustahlquerschnitt:");
    if (input)
        report << "\nProfil: " +
                      (input->rolled() ? QString::fromStdString(input->Profiltyp + " " + input->Profilname)
                                       : QString::fromStdString(input->Profiltyp));
    report << "\nh: " + v.plain(key::h, mm) + "\t\tt_fu: " + v.plain(key::t_f1, mm) + "\tt_fo: " +
                  v.plain(key::t_f2, mm)
           << "\nb_fu: " + v.plain(key::b_f1, mm) + "\t\tb_fo: " + v.plain(key::b_f2, mm)
           << "\nt_w: " + v.plain(key::t_w, mm) + "\t\tr: " + v.plain(key::r, mm);
    report << u("\n\nMATERIALEIGENSCHAFTEN:") << u("\nBeton:");
    if (input)
        report << "\nFestigkeitsklasse: " + QString::fromStdString(input->festig_klasse) + u("\tγ_c: ") +
                      inputText(input->gamma_c, three) + "\tf_cd,RedFak: " + inputText(input->alpha_c, three)
               << "\nBegrenzung der Bruchdehnung: " + onOff(input->set_e_cu3);
    report << "\nf_ck: " + v.strength(key::f_ck, stress) + "\tf_cd: " + v.strength(key::f_cd, stress) +
                  "\tf_ct_eff: " + v.strength(key::f_ct_eff, stress)
           << "\ne_c: " + v.strain(key::e_c3) + "\t\te_cu: " + v.strain(key::e_cu3) + "\te_ct_eff: " +
                  v.strain(key::e_ct_eff)
           << "\nE_c: " + v.strength(key::E_c, stress);
    report << u("\nBewehrungsstahl:");
    if (input)
        report << u("\nγ_s: ") + inputText(input->gamma_s, three) + u("\tDuktilitätsklasse: ") +
                      QString::fromStdString(input->klasse_s) + "\tVerfestigung: " + onOff(input->set_verfestigung_s);
    report << "\nf_sk: " + v.strength(key::f_sk, stress) + "\tf_sd: " + v.strength(key::f_sd, stress) +
                  "\tf_ud: " + v.strength(key::f_ud, stress)
           << "\ne_sd: " + v.strain(key::e_sd) + "\t\te_ud: " + v.strain(key::e_ud)
           << "\nE_s: " + v.strength(key::E_s, stress);
    report << u("\nBaustahl:");
    if (input) report << u("\nγ_M: ") + inputText(input->gamma_M, three);
    report << "\nf_yk: " + v.strength(key::f_yk, stress) + "\tf_yd: " + v.strength(key::f_yd, stress)
           << "\ne_y: " + v.strain(key::e_y) << "\nE_a: " + v.strength(key::E_a, stress);
    if (!input) {
        report << u("\n\nEinwirkungen und Mindestbewehrung: nicht angegeben (der Berechnungsordner "
                    "enthält keine Eingabedatei)");
        return;
    }
    const auto kN = [](const design::Value &N) {
        return N ? four(units::kilonewtons(*N)) + " kN" : QStringLiteral("nicht angegeben");
    };
    const auto kNm = [](const design::Value &Nmm) {
        return Nmm ? four(units::kilonewtonMetres(*Nmm)) + " kNm" : QStringLiteral("nicht angegeben");
    };
    extra(u("\n\nNACHWEIS DER GEBRAUCHSTAUGLICHKEIT:"));
    extra("\nEinwirkung: M_k = M_Ed,GZG = " + kNm(input->M_g) + "\tV_k = V_Ed,GZG = " + kN(input->V_g));
    extra("\nMindestbewehrung: k_c: " + inputText(input->k_c, three) + "\tk: " + inputText(input->k_min, three) +
          u("\tσ_s: ") + inputText(input->s_s, four, stress));
    // A_ct is the engine's: the tensile zone of the slab under M_k.
    const results::CheckResult minimum = run.verdicts().minimum.result;
    const std::optional<double> A_ct = v.find(key::A_ct);
    if (A_ct && run.verdicts().present() &&
        (minimum == CheckResult::Fulfilled || minimum == CheckResult::NotFulfilled))
        extra(u("\nA_s,min = k_c · k · f_ct,eff · A_ct / σ_s mit A_ct = ") + four(*A_ct) + u(" mm²"));
    extra(u("\n\nNACHWEIS DER TRAGFÄHIGKEIT:"));
    extra("\nEinwirkung: M_d = M_Ed,GZT = " + kNm(input->M_t) + "\tV_d = V_Ed,GZT = " + kN(input->V_t));
    extra(u("\n\nVERBUNDMITTEL (KOPFBOLZENDÜBEL):"));
    if (!input->partialConnection) return extra(u("\nTeilverdübelung nicht berücksichtigt"));
    extra("\nd: " + inputText(input->d, four, mm) + "\th_sc: " + inputText(input->h_sc, four, mm) + "\tf_u: " +
          inputText(input->f_u, four, stress));
    extra("\nn: " + inputText(input->n, four) + "\tL_e: " + inputText(input->L_e, four, mm) + "\tRippen: " +
          QString::fromStdString(input->Rippen) + "\tn_r: " + inputText(input->n_r, four) + "\tt: " +
          inputText(input->t_blech, four, mm));
}

// A check's result as the report prints it: verdicts end with "!".
QString verdictLine(const results::CheckText &check) {
    switch (check.result) {
    case CheckResult::Fulfilled:
    case CheckResult::NotFulfilled: return "\n" + check.verdict + "!";
    case CheckResult::NotDetermined:
    case CheckResult::NotGoverning: break;
    }
    return "\n" + check.verdict;
}

void appendMinimumReinforcement(QStringList &report, const results::RunResults &run) {
    const results::CheckText check = results::minimumText(run);
    report << u("\nMindestbewehrung (nach EN 1994-1-1 7.4.2):");
    if (!check.line.isEmpty()) report << "\n" + check.line;
    if (!check.present) return;
    if (check.result == CheckResult::Fulfilled) report << u("\nMINDESTBEWEHRUNG VORHANDEN!");
    else if (check.result == CheckResult::NotFulfilled) report << u("\nMINDESTBEWEHRUNG NICHT VORHANDEN!");
    else report << "\n" + check.verdict;
}

// One limit moment, or "nicht ermittelt".
QString limitText(const ReportValues &v, const char *key) {
    const std::optional<double> m = v.moment(key);
    return m ? four(*m) + " kNm" : notComputed;
}

void appendStrainStates(QStringList &report, const results::RunResults &run, const ReportValues &v) {
    report << "\n\n" + separatorLine << u("\nAUSGABE") << "\n" + separatorLine
           << u("\nQUERSCHNITTSFLÄCHE:") << u("\nBeton\t\tBewehrung\t\tBaustahl")
           << "\nA_c: " + v.strength(key::A_c, u("mm²")) + "\tA_s: " + v.strength(key::A_s, u("mm²")) +
                  "\tA_a: " + v.strength(key::A_a, u("mm²"));
    report << u("\n\nDEHNUNGSVERTEILUNG IM GZG OHNE TENSION STIFFENING:")
           << actionsLine(run, AnalysedState::ServiceabilityWithoutTs)
           << stateLine(run.state(AnalysedState::ServiceabilityWithoutTs))
           << u("\n\nDEHNUNGSVERTEILUNG IM GZG MIT TENSION STIFFENING:")
           << actionsLine(run, AnalysedState::ServiceabilityWithTs)
           << stateLine(run.state(AnalysedState::ServiceabilityWithTs));
    appendMinimumReinforcement(report, run);
    report << u("\n\nDEHNUNGSVERTEILUNG IM GZT:") << actionsLine(run, AnalysedState::Ultimate)
           << stateLine(run.state(AnalysedState::Ultimate));

    const std::optional<double> vEd = run.shearForce(AnalysedState::Ultimate);
    report << u("\n\nGRENZMOMENTE IM GZT:")
           << (vEd ? "\nunter: V_Ed= " + four(std::fabs(*vEd)) + " kN: "
                   : "\nunter: V_Ed: " + results::notDetermined(Missing::NoCalculation));
    const Missing missing = run.limitMomentsMissing();
    if (missing != Missing::None && !v.moment(key::M_max_el) && !v.moment(key::M_min_el) &&
        !v.moment(key::M_max_pl) && !v.moment(key::M_min_pl)) {
        report << "\nel. Grenzmomente:  " + results::notDetermined(missing)
               << "\npl. Grenzmomente:  " + results::notDetermined(missing);
        return;
    }
    report << "\nel. Grenzmomente:  M_el_Rd,max= " + limitText(v, key::M_max_el) +
                  "\tM_el_Rd,min: " + limitText(v, key::M_min_el)
           << "\npl. Grenzmomente:  M_pl_Rd,max= " + limitText(v, key::M_max_pl) +
                  "\tM_pl_Rd,min: " + limitText(v, key::M_min_pl);
    // With partial connection the sagging plastic moment is that of full
    // connection; the bending check rests on M_Rd(eta), as the plot notes.
    const results::DesignCheck &bending = run.verdicts().bending;
    const bool partial = bending.basis == results::verdict::partialClass1 ||
                         bending.basis == results::verdict::partialClass2;
    if (partial && bending.R_d)
        report << u("\nTeilverdübelung: M_pl_Rd,max nur bei vollständiger Verdübelung,")
               << u("\nmaßgebend M_Rd(η)(V_Ed) = ") + results::kNmText(*bending.R_d);
}

// EN 1994-1-1 6.2.2.2: |V_Ed| against V_pl,Rd; a slender web buckles in shear first.
void appendShearCheck(QStringList &report, const results::RunResults &run) {
    report << u("\nQUERKRAFTTRAGFÄHIGKEIT (nach EN 1994-1-1 6.2.2):");
    const results::CheckText check = results::shearText(run);
    if (!check.line.isEmpty()) report << "\n" + check.line;
    if (!check.present) return;
    if (run.verdicts().shear.basis == results::verdict::shearBuckling)
        report << u("\nEN 1993-1-1 6.2.6(6): h_w/t_w > 72ε, Schubbeulen nach EN 1993-1-5 maßgebend,")
               << u("\nV_b,Rd ist im Programm nicht enthalten.");
    report << (check.result == CheckResult::NotFulfilled ? u("\nQUERKRAFTVERSAGEN!") : verdictLine(check));
}

// The class a partial connection rests on, which the classification of full
// connection does not show: the web also above the steel's own plastic axis.
QString partialClassNote(const results::RunResults &run) {
    const int k = run.connection().klasse_eta;
    return k > 0 ? u("\n(Teilverdübelung: Steg auch über der Nulllinie des Stahlträgers klassifiziert → Klasse ") +
                       QString::number(k) + ")"
                 : QString();
}

// Which resistance the engine's bending check used, by the class of M_Ed's direction.
QString basisLine(const results::RunResults &run) {
    const std::string &basis = run.verdicts().bending.basis;
    if (basis == results::verdict::notCoveredClass4)
        return u("\nQuerschnittsklasse 4: wirksamer Querschnitt nicht abgedeckt – Nachweis nicht möglich") +
               partialClassNote(run);
    if (basis == results::verdict::elasticClass3 || basis == results::verdict::effectiveWeb)
        return u("\nQuerschnittsklasse 3: zwei Wege zulässig, der mit der kleineren Ausnutzung gilt");
    if (basis == results::verdict::partialNotCoveredClass3)
        return u("\nQuerschnittsklasse 3 mit Teilverdübelung: nicht abgedeckt (EN 1994-1-1 6.2.1.3(3) "
                 "verlangt Klasse 1 oder 2)") +
               partialClassNote(run);
    const bool partial = basis == results::verdict::partialClass1 || basis == results::verdict::partialClass2;
    const QString klasse = basis == results::verdict::plasticClass2 || basis == results::verdict::partialClass2
                               ? QStringLiteral("2")
                               : QStringLiteral("1");
    if (partial)
        return "\nQuerschnittsklasse " + klasse +
               u(": plastische Bemessung mit Teilverdübelung, M_Rd = M_Rd(η)(V_Ed) (6.2.1.3(3))") +
               partialClassNote(run);
    return "\nQuerschnittsklasse " + klasse + u(": plastische Bemessung, M_Rd = M_pl,Rd(V_Ed)");
}

// EN 1994-1-1 6.2.1, 6.2.2.4: M_Ed against the resistance its class permits.
void appendBendingCheck(QStringList &report, const results::RunResults &run) {
    report << u("\n\nTRAGFÄHIGKEIT: BIEGUNG (nach EN 1994-1-1 6.2.1 und 6.2.2.4):");
    const results::CheckText check = results::bendingText(run);
    if (!check.present) {
        report << "\n" + check.line;
        return;
    }
    report << basisLine(run);
    const std::vector<results::RouteText> routes = results::class3Routes(run);
    if (routes.empty() && !check.line.isEmpty()) report << "\n" + check.line;
    for (std::size_t i = 0; i < routes.size(); ++i)
        report << (i == 0 ? u("\nWeg 1 (maßgebend): ") : u("\nWeg 2: ")) + routes[i].name + " " +
                      routes[i].clauses + ":" << "\n  " + routes[i].comparison;
    report << verdictLine(check);
}

// EN 1993-1-5 7.1: bending and shear of a Class 3 section checked elastically.
void appendBendingShearCheck(QStringList &report, const results::RunResults &run) {
    report << u("\n\nTRAGFÄHIGKEIT: INTERAKTION BIEGUNG UND QUERKRAFT (nach EN 1993-1-5 7.1):");
    const results::CheckText check = results::bendingShearText(run);
    if (!check.line.isEmpty()) report << "\n" + check.line;
    for (const QString &term : results::bendingShearTerms(run)) report << "\n" + term;
    if (check.present) report << verdictLine(check);
}

// "c/t = 4.79259 ≤ 9ε = 7.32255": a part's ratio against the limit that
// decided its class (for Class 4 the Class 3 limit it exceeds).
QString ratioAgainstLimit(const QString &ratio, double value, const results::DecidingLimit &limit,
                          int klasse) {
    QString text = ratio + " = " + three(value);
    if (limit.exists) text += (klasse == 4 ? u(" > ") : u(" ≤ ")) + limit.formula + " = " + three(limit.value);
    return text;
}

// One bending direction: the section class and how each part got its class.
void appendClassDirection(QStringList &report, const results::SectionClassRow &row, bool sagging,
                          bool design) {
    report << "\n" + (sagging ? QStringLiteral("Positives Moment") : QStringLiteral("Negatives Moment")) +
                  (design ? QStringLiteral(" (Richtung von M_Ed)") : QString()) +
                  ": Querschnittsklasse " + results::classText(row);
    if (!row.present) return;
    const QString flange = ratioAgainstLimit(QStringLiteral("c/t"), row.c_t_flansch,
                                             results::flangeLimit(row, sagging), row.klasse_flansch);
    const QString flangeClass = u(" → Klasse ") + QString::number(row.klasse_flansch);
    // EN 1994-1-1 5.5.2(1): the top flange held by the shear connectors.
    report << (sagging ? u("\n  Obergurt:  ") + flange + u(", mit der Platte verdübelt (5.5.2(1))")
                       : u("\n  Untergurt: ") + flange) +
                  flangeClass;
    const results::DecidingLimit web = results::webLimit(row);
    report << u("\n  Steg:      ") +
                  ratioAgainstLimit(QStringLiteral("c/t_w"), row.c_t_steg, web, row.klasse_steg) +
                  (web.exists ? QString() : u(", ohne Druck")) + u(" → Klasse ") +
                  QString::number(row.klasse_steg)
           // Labelled "α: 0": a bare "= 0" would read like a value not computed.
           << u("\n             α: ") + three(row.alpha) + u(", ψ: ") + three(row.psi);
}

// EN 1994-1-1 5.5.2(3): the effective Class 2 web of a Class 3 section, as
// the engine built it: the two parts of 20εt_w kept, the web left out between
// them, the neutral axis of the effective section and its M_pl,Rd(V_Ed).
void appendEffectiveWeb(QStringList &report, const results::RunResults &run) {
    const results::KeyValues &v = run.class3();
    const std::optional<double> keep = v.find(results::class3::l_flansch),
                                axis = v.find(results::class3::Z_pl_eff),
                                mEff = v.find(results::class3::M_pl_eff_Rd);
    if (!keep || !axis || !mEff) return;
    const std::optional<double> zU = v.find(results::class3::z_loch_u), zO = v.find(results::class3::z_loch_o);
    const bool hole = v.value(results::class3::loch_im_steg) == 1.0 && zU && zO;
    report << u("\nWirksamer Steg der Klasse 2 (EN 1994-1-1 5.5.2(3), „Loch im Steg“):")
           << u("\n  je 20εt_w = ") + results::lengthText(*keep) +
                  u(" am Druckgurt und an der plastischen Nulllinie mitwirkend")
           << (hole ? u("\n  Loch im Steg von z = ") + results::lengthText(*zU) + u(" bis z = ") +
                          results::lengthText(*zO) + u(" (über UK Stahlträger)")
                    : u("\n  die beiden Teile stoßen aneinander: kein Loch im Steg"))
           << u("\n  Nulllinie des wirksamen Querschnitts: z_pl = ") + results::lengthText(*axis)
           << u("\n  M_pl,eff,Rd(V_Ed) = ") + results::kNmText(*mEff);
}

// EN 1994-1-1 5.5: both bending directions; the one of M_Ed decides the check.
void appendSectionClasses(QStringList &report, const results::RunResults &run) {
    const results::SectionClasses &classes = run.sectionClasses();
    report << u("\n\nQUERSCHNITTSKLASSE (nach EN 1994-1-1 5.5):");
    if (!classes.positive.present && !classes.negative.present) {
        report << u("\nnicht ermittelt (der Berechnungsordner enthält keine Querschnittsklassen)");
        return;
    }
    const results::SectionClassRow &any = classes.positive.present ? classes.positive : classes.negative;
    report << u("\nε = √(235/f_yk) = ") + three(any.eps);
    const std::optional<double> mEd = run.moment(AnalysedState::Ultimate);
    const bool designSagging = mEd && *mEd >= 0.0;
    const bool designHogging = mEd && *mEd < 0.0;
    appendClassDirection(report, classes.positive, true, designSagging);
    appendClassDirection(report, classes.negative, false, designHogging);
    appendEffectiveWeb(report, run);
}

// Labels of the head, padded so that the values line up in a fixed-width font.
QString headLine(const QString &label, const QString &value) {
    return "\n" + label.leftJustified(26, QLatin1Char(' ')) + value;
}

// A value of the run's input as the head shows it.
QString word(const std::string &text) {
    return text.empty() ? QStringLiteral("nicht angegeben") : QString::fromStdString(text);
}
QString word(const design::Value &value) {
    return value ? QString::fromStdString(design::numberText(*value)) : QStringLiteral("nicht angegeben");
}

// A welded section by its plates: top flange, web, bottom flange (width × thickness).
QString weldedProfile(const design::Design &in) {
    const QString web = in.h && in.t_f1 && in.t_f2 ? given(*in.h - *in.t_f1 - *in.t_f2) : QStringLiteral("?");
    return u("Schweißprofil: Obergurt ") + word(in.b_f2) + u(" × ") + word(in.t_f2) + u(" mm, Steg ") + web +
           u(" × ") + word(in.t_w) + u(" mm, Untergurt ") + word(in.b_f1) + u(" × ") + word(in.t_f1) + " mm";
}

}  // namespace

std::optional<design::Design> readRunInput(const std::string &runFolder) {
    design::Design input;
    if (!designfile::readRunInput(platform::pathToUtf8(runFolder), input)) return std::nullopt;
    return input;
}

QString readProfileChoice(const std::string &runFolder) {
    QFile file(QString::fromStdString(platform::pathToUtf8(runFolder + protocol::profileChoiceFile)));
    if (!file.open(QIODevice::ReadOnly)) return QString();
    // One line of text; anything beyond it is no note of this program.
    return QString::fromUtf8(file.readLine(400)).trimmed();
}

bool writeProfileChoice(const std::string &runFolder, const QString &note) {
    QFile file(QString::fromStdString(platform::pathToUtf8(runFolder + protocol::profileChoiceFile)));
    const QByteArray line = note.toUtf8() + '\n';
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(line) == line.size() && file.flush();
}

QDateTime calculationTime(const std::string &runFolder) {
    const QFileInfo output(QString::fromStdString(platform::pathToUtf8(runFolder + protocol::outputFile)));
    return output.exists() ? output.lastModified() : QDateTime();
}

QString designFileText(const QString &designFile, bool changedAfterRun) {
    if (designFile.isEmpty()) return QStringLiteral("nicht gespeichert");
    return changedAfterRun ? designFile + u(" (nach der Berechnung geändert)") : designFile;
}

QVector<QPair<QString, QString>> titleBlockRows(const ReportHead &head) {
    using protocol::input::HeadField;
    QVector<QPair<QString, QString>> rows;
    for (int f = 0; f < protocol::input::headFieldCount; ++f) {
        const auto field = static_cast<HeadField>(f);
        const QString value = QString::fromStdString(head.project[field]);
        if (field == protocol::input::Bemerkung && value.isEmpty()) continue;
        rows.append({QString::fromUtf8(protocol::input::headLine(field).label) + ":",
                     value.isEmpty() ? QStringLiteral("nicht angegeben") : value});
    }
    rows.append({QStringLiteral("Bemessungsdatei:"), designFileText(head.designFile, head.designFileChanged)});
    // Digits only: the text does not depend on the user's locale.
    rows.append({QStringLiteral("Berechnet am:"), head.time.isValid()
                                                       ? head.time.toString("dd.MM.yyyy, HH:mm") + " Uhr"
                                                       : results::notDetermined(Missing::NoCalculation)});
    return rows;
}

QStringList reportHeadLines(const ReportHead &head) {
    QStringList lines;
    for (const auto &row : titleBlockRows(head)) lines << headLine(row.first, row.second);
    lines.first().prepend('\n');
    if (!head.input) {
        const QString missing = results::notDetermined(Missing::NoCalculation);
        for (const char *label : {"Profil:", "Beton:", "Betonstahl:", "Baustahl:",
                                  "Teilsicherheitsbeiwerte:"})
            lines << headLine(QString::fromLatin1(label), missing);
        return lines;
    }
    const design::Design &in = *head.input;
    lines << headLine(QStringLiteral("Profil:"), in.rolled() ? word(in.Profilname) : weldedProfile(in));
    if (in.rolled() && !head.profileChoice.isEmpty()) lines << headLine(QString(), head.profileChoice);
    lines << headLine(QStringLiteral("Beton:"), word(in.festig_klasse));
    lines << headLine(QStringLiteral("Betonstahl:"),
                      "f_sk = " + word(in.f_sk) + u(" N/mm², Duktilitätsklasse ") + word(in.klasse_s));
    lines << headLine(QStringLiteral("Baustahl:"), "f_yk = " + word(in.f_yk) + u(" N/mm²"));
    lines << headLine(QStringLiteral("Teilsicherheitsbeiwerte:"),
                      u("γ_c = ") + word(in.gamma_c) + u(", γ_s = ") + word(in.gamma_s) + u(", γ_M = ") +
                          word(in.gamma_M));
    return lines;
}

design::ProjectHead reportProjectHead(const std::string &runFolder, const design::ProjectHead *given) {
    if (given) return *given;
    const std::optional<design::Design> input = readRunInput(runFolder);
    return input ? input->head : design::ProjectHead();
}

namespace {

QStringList reportBody(const results::RunResults &run, const design::Design *input) {
    QStringList report;
    report << u("\t\t    BEMESSUNGSPROTOKOLL");
    if (!run.calculated()) {
        // Without results every value would be missing: say so once.
        report << "\n\n" + separatorLine
               << "\nErgebnisse: " + results::notDetermined(Missing::NoCalculation);
        return report;
    }
    const ReportValues values(run.output());
    // The one-line result opens the report (after the head).
    report << "\n\n" + results::RunOutcome::evaluate(run).verdictLine();
    appendInput(report, values, run, input);
    appendStrainStates(report, run, values);
    appendSectionClasses(report, run);
    report << "\n\n" + separatorLine << u("\nNACHWEISE") << "\n" + separatorLine;
    appendShearCheck(report, run);
    appendBendingCheck(report, run);
    appendBendingShearCheck(report, run);
    report << results::shearConnectionReport(run);
    return report;
}

}  // namespace

QStringList buildDesignReport(const results::RunResults &run) { return reportBody(run, nullptr); }

QStringList buildDesignReport(const results::RunResults &run, const ReportHead &head) {
    QStringList report = reportBody(run, head.input ? &*head.input : nullptr);
    QStringList headLines = reportHeadLines(head);
    int at = 1;
    if (head.titleBlock) {
        // The title block names the report, the design file, the time and
        // the project: the text begins with the design.
        report.removeFirst();
        headLines = headLines.mid(titleBlockRows(head).size());
        if (!headLines.isEmpty() && headLines.first().startsWith('\n')) headLines.first().remove(0, 1);
        at = 0;
    }
    for (int i = 0; i < headLines.size(); ++i) report.insert(at + i, headLines[i]);
    return report;
}

QString designReportText(const std::string &runFolder, const QString &designFile, const QDateTime &time,
                         bool designFileChanged, bool titleBlock, const design::ProjectHead *project) {
    ReportHead head{designFile, time, readRunInput(runFolder), designFileChanged};
    head.profileChoice = readProfileChoice(runFolder);
    head.titleBlock = titleBlock;
    head.project = project ? *project : head.input ? head.input->head : design::ProjectHead();
    return buildDesignReport(results::RunResults::read(runFolder), head).join(QString());
}
