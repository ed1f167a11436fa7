#include "results/design_report.h"

#include <QFile>
#include <QFileInfo>
#include <cmath>

#include "platform/platform.h"
#include "results/design_checks.h"
#include "results/run_outcome.h"
#include "results/section_class.h"

using results::AnalysedState;
using results::Missing;
using results::Verdict;

namespace {

QString n(double value) { return QString::number(value, 'g', 6); }
QString u(const char *text) { return QString::fromUtf8(text); }

const QString notComputed = QStringLiteral("nicht ermittelt");

// Values of output.txt as the report shows them. Strengths keep one decimal
// and strain limits two, so that e.g. f_cd = 17.0 N/mm² prints as 17. A value
// the engine did not write reads "nicht ermittelt", without a unit.
class ReportValues {
public:
    explicit ReportValues(const results::KeyValues &output) : output_(output) {}

    QString plain(const char *key, const QString &unit) const { return text(key, 0, unit); }
    QString strength(const char *key, const QString &unit) const { return text(key, 10.0, unit); }
    QString strain(const char *key) const { return text(key, 100.0, u("‰")); }
    // Moments are written in Nmm and shown in kNm.
    std::optional<double> moment(const char *key) const {
        const std::optional<double> value = output_.find(key);
        if (!value) return std::nullopt;
        return *value / 1000000.0;
    }

private:
    QString text(const char *key, double scale, const QString &unit) const {
        const std::optional<double> value = output_.find(key);
        if (!value) return notComputed;
        return n(scale > 0.0 ? std::floor(scale * *value + 0.5) / scale : *value) + unit;
    }

    const results::KeyValues &output_;
};

const QString separatorLine(76, QLatin1Char('-'));

// The strain state of a state, or why it is missing. A section failure is the
// engine's verdict: no strain state carries the design moment.
QString stateLine(const results::StateResult &state) {
    if (state.computed()) {
        const StateSummary s = state.summary();
        return u("\nϰ= ") + n(s.kappa) + u("‰/m\tZ_na= ") + n(s.z_na) + u("mm\tEI_i= ") +
               n(s.ei_i) + u("kNm²");
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
    return "\nunter: V_Ed= " + n(shown) + "kN \tM_Ed = " + n(*m) + "kNm :";
}

void appendInput(QStringList &report, const ReportValues &v) {
    const QString mm = QStringLiteral("mm");
    const QString stress = u("N/mm²");
    report << "\n\n" + separatorLine << u("\nEINGABE") << "\n" + separatorLine
           << u("\nGEOMETRIE:") << u("\nStahlbetonquerschnitt:");
    report << "\nh_c: " + v.plain("h_c", mm) + "\t\tb_e: " + v.plain("b_e", mm) + "\t\th_p: " +
                  v.plain("h_profilblech", mm)
           << "\nb_p: " + v.plain("b_p", mm) + "\t\td_u: " + v.plain("d_u", mm) + "\t\td_o: " +
                  v.plain("d_o", mm)
           << "\ne_u: " + v.plain("AbstanduntereLage", mm) + "\t\te_o: " +
                  v.plain("AbstandobereLage", mm)
           << "\nc_nom,u: " + v.plain("c_nom_u", mm) + "\tc_nom,o: " + v.plain("c_nom_o", mm);
    report << u("\nBaustahlquerschnitt:")
           << "\nh: " + v.plain("h", " mm") + "\t\tt_fu: " + v.plain("t_f1", mm) + "\tt_fo: " +
                  v.plain("t_f2", mm)
           << "\nb_fu: " + v.plain("b_f1", mm) + "\t\tb_fo: " + v.plain("b_f2", mm)
           << "\nt_w: " + v.plain("t_w", mm) + "\t\tr: " + v.plain("r", mm);
    report << u("\n\nMATERIALEIGENSCHAFTEN:") << u("\nBeton:")
           << "\nf_ck: " + v.strength("f_ck", stress) + "\tf_cd: " + v.strength("_f_cd", stress) +
                  "\tf_ct_eff: " + v.strength("_f_ct_eff", stress)
           << "\ne_c: " + v.strain("_e_c3") + "\t\te_cu: " + v.strain("_e_cu3") + "\te_ct_eff: " +
                  v.strain("_e_ct_eff")
           << "\nE_c: " + v.plain("_E_c", stress);
    report << u("\nBewehrungsstahl:")
           << "\nf_sk: " + v.strength("f_sk", stress) + "\tf_sd: " + v.strength("f_sd", stress) +
                  "\tf_ud: " + v.strength("f_ud", stress)
           << "\ne_sd: " + v.strain("e_sd") + "\t\te_ud: " + v.strain("e_ud")
           << "\nE_s: " + v.plain("E_s", stress);
    report << u("\nBaustahl:")
           << "\nf_yk: " + v.plain("f_yk", stress) + "\tf_yd: " + v.strength("f_yd", stress)
           << "\ne_y: " + v.strain("e_y") << "\nE_a: " + v.plain("E_a", stress);
}

void appendMinimumReinforcement(QStringList &report, const results::RunResults &run) {
    using results::MinimumReinforcementVerdict;
    const results::MinimumReinforcementCheck check = results::checkMinimumReinforcement(run);
    report << u("\nMindestbewehrung:");
    switch (check.verdict) {
    case MinimumReinforcementVerdict::Present:
        report << "\nA_s,min= " + n(check.required) + u("mm² \t≤\t A_s,vor = ") +
                      n(check.provided) + u("mm²")
               << u("\nMINDESTBEWEHRUNG VORHANDEN!");
        return;
    case MinimumReinforcementVerdict::Absent:
        report << "\nA_s,min= " + n(check.required) + u("mm² \t>\t A_s,vor = ") +
                      n(check.provided) + u("mm²")
               << u("\nMINDESTBEWEHRUNG NICHT VORHANDEN!");
        return;
    case MinimumReinforcementVerdict::FullyCompressed:
        report << u("\nnicht maßgebend (Betonplatte vollständig überdrückt)");
        return;
    case MinimumReinforcementVerdict::NoMoment:
        report << u("\nnicht maßgebend (kein Biegemoment im GZG)");
        return;
    case MinimumReinforcementVerdict::NotDetermined: break;
    }
    report << "\n" + results::notDetermined(check.missing);
}

// One limit moment, or "nicht ermittelt".
QString limitText(const ReportValues &v, const char *key) {
    const std::optional<double> m = v.moment(key);
    return m ? n(*m) + "kNm" : notComputed;
}

void appendStrainStates(QStringList &report, const results::RunResults &run, const ReportValues &v) {
    report << "\n\n" + separatorLine << u("\nAUSGABE") << "\n" + separatorLine
           << u("\nQUERSCHNITTSFLÄCHE:") << u("\nBeton\t\tBewehrung\t\tBaustahl")
           << "\nA_c: " + v.plain("A_c", u("mm²")) + "\tA_s: " + v.plain("A_s", u("mm²")) +
                  "\tA_a: " + v.plain("A_a", u("mm²"));
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
           << (vEd ? "\nunter: V_Ed= " + n(std::fabs(*vEd)) + "kN: "
                   : "\nunter: V_Ed: " + results::notDetermined(Missing::NoCalculation));
    const Missing missing = run.limitMomentsMissing();
    if (missing != Missing::None && !v.moment("M_max_el") && !v.moment("M_min_el") &&
        !v.moment("M_max_pl") && !v.moment("M_min_pl")) {
        report << "\nel. Grenzmomente:  " + results::notDetermined(missing)
               << "\npl. Grenzmomente:  " + results::notDetermined(missing);
        return;
    }
    report << "\nel. Grenzmomente:  M_el_Rd,max= " + limitText(v, "M_max_el") +
                  "\tM_el_Rd,min: " + limitText(v, "M_min_el")
           << "\npl. Grenzmomente:  M_pl_Rd,max= " + limitText(v, "M_max_pl") +
                  "\tM_pl_Rd,min: " + limitText(v, "M_min_pl");
}

// EN 1994-1-1 6.2.2.2: the check passes only when V_pl,Rd exceeds |V_Ed|.
void appendShearVerdict(QStringList &report, const results::UltimateChecks &checks) {
    const results::ShearCheck &shear = checks.shear;
    switch (shear.verdict) {
    case Verdict::Passed:
        report << "\n|V_Ed| = " + n(shear.vEd) + u("kN\t\t≤\t|V_pl_Rd| =") + n(shear.vPl) + "kN"
               << u("\nNACHWEIS ERFÜLLT!");
        return;
    case Verdict::Failed:
        report << "\n|V_Ed| = " + n(shear.vEd) + "kN\t\t>\t|V_pl_Rd| =" + n(shear.vPl) + "kN"
               << u("\nQUERKRAFTVERSAGEN!");
        return;
    case Verdict::NotDetermined: break;
    }
    const QString missing = results::notDetermined(shear.missing);
    if (shear.missing == results::Missing::ShearBuckling) {
        // EN 1993-1-1 6.2.6(6): V_pl,Rd is not the resistance of a slender web.
        report << "\n|V_Ed| = " + n(shear.vEd) + "kN\t\tV_Rd: " + missing
               << "\n" + results::webSlendernessText(shear.web) +
                      u(": Schubbeulen nach EN 1993-1-5 maßgebend,")
               << "\nim Programm nicht enthalten; |V_pl_Rd| = " + n(shear.vPl) + "kN gilt nicht.";
        return;
    }
    report << (checks.actionsKnown ? "\n|V_Ed| = " + n(shear.vEd) + "kN\t\t|V_pl_Rd|: " + missing
                                   : "\n" + missing);
}

void appendShearCheck(QStringList &report, const results::UltimateChecks &checks) {
    report << u("\nQUERKRAFTTRAGFÄHIGKEIT (nach EN 1994-1-1 6.2.2):");
    appendShearVerdict(report, checks);
    report << "\n" + results::utilisationText(checks.shear.utilisation);
}

// The comparison of M_Ed with the limit moment that decides its range.
QString interactionComparison(const results::UltimateChecks &checks) {
    const results::InteractionCheck &b = checks.interaction;
    const QString mEd = n(checks.mEd);
    if (b.sagging) {
        switch (b.range) {
        case results::MomentRange::Elastic:
            return "\nM_Ed = " + mEd + u("kNm\t\t≤\tM_el_Rd(V_Ed) =") + n(b.mEl) + "kNm";
        case results::MomentRange::PartlyPlastic:
            return "\nM_Ed = " + mEd + u("kNm\t\t≤\tM_pl_Rd(V_Ed) =") + n(b.mPl) + "kNm";
        case results::MomentRange::BeyondPlastic:
            return "\nM_Ed = " + mEd + "kNm\t\t>\tM_pl_Rd(V_Ed) =" + n(b.mPl) + "kNm";
        }
    }
    switch (b.range) {
    case results::MomentRange::Elastic:
        return "\nM_Ed = " + mEd + u("kNm\t\t≥\tM_el_Rd(V_Ed) = ") + n(b.mEl) + "kNm";
    case results::MomentRange::PartlyPlastic:
        return "\nM_Ed = " + mEd + u("kNm\t\t≥\tM_pl_Rd(V_Ed) = ") + n(b.mPl) + "kNm";
    case results::MomentRange::BeyondPlastic: break;
    }
    return "\nM_Ed = " + mEd + " kNm\t\t<\tM_pl_Rd(V_Ed) = " + n(b.mPl) + " kNm";
}

// Which resistance the bending check uses, by the class of M_Ed's direction.
QString basisLine(const results::InteractionCheck &b) {
    const QString klasse = results::classText(b.sectionClass);
    switch (b.basis) {
    case results::BendingBasis::Plastic:
        return "\nQuerschnittsklasse " + klasse + u(": plastische Bemessung zulässig, M_Rd = M_pl_Rd(V_Ed)");
    case results::BendingBasis::Elastic:
        return "\nQuerschnittsklasse " + klasse + u(": Nachweis elastisch, M_Rd = M_el_Rd(V_Ed)");
    case results::BendingBasis::NotPossible: return "\n" + b.classMessage;
    case results::BendingBasis::Unclassified: break;
    }
    return u("\nQuerschnittsklasse nicht ermittelt: wie bisher M_Rd = M_pl_Rd(V_Ed)");
}

// Class 3: M_Ed against M_el,Rd(V_Ed) only.
void appendElasticVerdict(QStringList &report, const results::UltimateChecks &checks) {
    const results::InteractionCheck &b = checks.interaction;
    const bool within = b.sagging ? checks.mEd <= b.mEl : checks.mEd >= b.mEl;
    const QString relation = b.sagging ? (within ? u("≤") : u(">")) : (within ? u("≥") : u("<"));
    report << "\nM_Ed = " + n(checks.mEd) + "kNm\t\t" + relation + "\tM_el_Rd(V_Ed) = " + n(b.mEl) + "kNm";
    if (b.sectionFailed) {
        report << u("\nVERSAGEN! (Querschnittsversagen im GZT)");
    } else if (within) {
        report << u("\nNACHWEIS ERFÜLLT!") << u("\nelastische Spannungsverteilung");
    } else {
        report << "\n" + b.classMessage;
        if (b.range == results::MomentRange::PartlyPlastic)
            report << "\nM_pl_Rd(V_Ed) = " + n(b.mPl) + u("kNm gilt nur für Querschnittsklasse 1 und 2");
        report << u("\nNACHWEIS NICHT ERFÜLLT!");
    }
}

// EN 1994-1-1 6.2.2.4: M_Ed against the limit moments of its sign, reduced for
// V_Ed, and against the resistance its cross-section class permits.
void appendInteractionVerdict(QStringList &report, const results::UltimateChecks &checks) {
    const results::InteractionCheck &b = checks.interaction;
    if (!checks.actionsKnown) {
        report << "\n" + results::notDetermined(Missing::NoCalculation);
        return;
    }
    report << basisLine(b);
    if (b.basis == results::BendingBasis::NotPossible) {
        if (b.sectionFailed) report << u("\nVERSAGEN! (Querschnittsversagen im GZT)");
        report << u("\nNACHWEIS NICHT ERFÜLLT!");
        return;
    }
    if (!b.limitsKnown) {
        report << "\nM_Ed = " + n(checks.mEd) + "kNm\t\tM_Rd(V_Ed): " + results::notDetermined(b.missing);
        if (b.sectionFailed) report << u("\nVERSAGEN! (Querschnittsversagen im GZT)");
        return;
    }
    if (b.basis == results::BendingBasis::Elastic) return appendElasticVerdict(report, checks);
    report << interactionComparison(checks);
    if (b.range == results::MomentRange::BeyondPlastic) {
        report << u("\nVERSAGEN!");
    } else if (b.sectionFailed) {
        // Within the limit moments, yet no strain state carries M_Ed.
        report << u("\nVERSAGEN! (Querschnittsversagen im GZT)");
    } else {
        report << u("\nNACHWEIS ERFÜLLT!")
               << (b.range == results::MomentRange::Elastic ? u("\nelastische Spannungsverteilung")
                                                            : u("\nTeilplastische Spannungsverteilung"));
    }
}

void appendInteractionCheck(QStringList &report, const results::UltimateChecks &checks) {
    report << u("\n\nTRAGFÄHIGKEIT: INTERAKTION BIEGUNG UND QUERKRAFT (nach EN 1994-1-1 6.2.2.4):");
    appendInteractionVerdict(report, checks);
    report << "\n" + results::utilisationText(checks.interaction.utilisation);
}

// "c/t = 4.79259 ≤ 9ε = 7.32255": a part's ratio against the limit that
// decided its class (for Class 4 the Class 3 limit it exceeds).
QString ratioAgainstLimit(const QString &ratio, double value, const results::DecidingLimit &limit,
                          int klasse) {
    QString text = ratio + " = " + n(value);
    if (limit.exists) text += (klasse == 4 ? u(" > ") : u(" ≤ ")) + limit.formula + " = " + n(limit.value);
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
           << u("\n             α: ") + n(row.alpha) + u(", ψ: ") + n(row.psi);
}

// EN 1994-1-1 5.5: both bending directions; the one of M_Ed decides the check.
void appendSectionClasses(QStringList &report, const results::RunResults &run) {
    const results::SectionClasses &classes = run.sectionClasses();
    report << u("\n\nQUERSCHNITTSKLASSE (nach EN 1994-1-1 5.5):");
    if (!classes.positive.present && !classes.negative.present) {
        report << u("\nnicht ermittelt (der Berechnungsordner enthält keine Querschnittsklassen)")
               << u("\nDer Biegenachweis wird wie bisher plastisch geführt, ohne Prüfung")
               << u("\nder Querschnittsklasse.");
        return;
    }
    const results::SectionClassRow &any = classes.positive.present ? classes.positive : classes.negative;
    report << u("\nε = √(235/f_yk) = ") + n(any.eps);
    const std::optional<double> mEd = run.moment(AnalysedState::Ultimate);
    const bool designSagging = mEd && *mEd >= 0.0;
    const bool designHogging = mEd && *mEd < 0.0;
    appendClassDirection(report, classes.positive, true, designSagging);
    appendClassDirection(report, classes.negative, false, designHogging);
    // EN 1994-1-1 5.5.2(3): the effective Class 2 web ("hole in the web").
    for (const results::SectionClassRow *row : {&classes.positive, &classes.negative}) {
        if (!row->present || row->klasse_steg != 3) continue;
        report << u("\nHinweis: Steg der Klasse 3 bei ") +
                      (row == &classes.positive ? u("positivem") : u("negativem")) +
                      u(" Moment. Nach EN 1994-1-1 5.5.2(3)")
               << u("\ndarf ein solcher Steg bei Gurten der Klasse 1 oder 2 durch einen wirksamen")
               << u("\nSteg der Klasse 2 ersetzt werden („Loch im Steg“); der Querschnitt gilt")
               << u("\ndann als Klasse 2. Dieser Nachweis ist im Programm nicht enthalten")
               << u("\n(möglicher nächster Schritt).");
    }
}

// Labels of the head, padded so that the values line up in a fixed-width font.
QString headLine(const QString &label, const QString &value) {
    return "\n" + label.leftJustified(26, QLatin1Char(' ')) + value;
}

QString inputWord(const inputfile::Values &input, inputfile::Section section, int index) {
    const QString word = inputfile::textFromFile(input[section].value(index));
    return word.isEmpty() ? QStringLiteral("nicht angegeben") : word;
}

// A welded section by its plates: top flange, web, bottom flange (width × thickness).
QString weldedProfile(const inputfile::Values &input) {
    const QStringList &g = input[inputfile::GeometrieBaustahl];  // h, t_f1, t_f2, b_f1, b_f2, t_w
    const auto word = [&input](int i) { return inputWord(input, inputfile::GeometrieBaustahl, i); };
    bool hOk = false, t1Ok = false, t2Ok = false;
    const double h = g.value(0).toDouble(&hOk);
    const double t_f1 = g.value(1).toDouble(&t1Ok);
    const double t_f2 = g.value(2).toDouble(&t2Ok);
    const QString web = hOk && t1Ok && t2Ok ? n(h - t_f1 - t_f2) : QStringLiteral("?");
    return u("Schweißprofil: Obergurt ") + word(4) + u(" × ") + word(2) + u(" mm, Steg ") + web +
           u(" × ") + word(5) + u(" mm, Untergurt ") + word(3) + u(" × ") + word(1) + " mm";
}

}  // namespace

std::optional<inputfile::Values> readRunInput(const std::string &runFolder) {
    QFile file(QString::fromStdString(platform::pathToUtf8(runFolder + "input.txt")));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return std::nullopt;
    return inputfile::parseText(QString::fromUtf8(file.readAll()));
}

QDateTime calculationTime(const std::string &runFolder) {
    const QFileInfo output(QString::fromStdString(platform::pathToUtf8(runFolder + results::outputFile)));
    return output.exists() ? output.lastModified() : QDateTime();
}

QStringList reportHeadLines(const ReportHead &head) {
    using namespace inputfile;
    QStringList lines;
    lines << "\n" + headLine(QStringLiteral("Bemessungsdatei:"),
                             head.designFile.isEmpty() ? QStringLiteral("nicht gespeichert")
                                                       : head.designFile);
    // Digits only: the text does not depend on the user's locale.
    lines << headLine(QStringLiteral("Berechnet am:"),
                      head.time.isValid() ? head.time.toString("dd.MM.yyyy, HH:mm") + " Uhr"
                                          : results::notDetermined(Missing::NoCalculation));
    if (!head.input) {
        const QString missing = results::notDetermined(Missing::NoCalculation);
        for (const char *label : {"Profil:", "Beton:", "Betonstahl:", "Baustahl:",
                                  "Teilsicherheitsbeiwerte:"})
            lines << headLine(QString::fromLatin1(label), missing);
        return lines;
    }
    const Values &in = *head.input;
    const bool rolled = in[BaustahlTyp].value(0) == QLatin1String("Walzprofil");
    lines << headLine(QStringLiteral("Profil:"),
                      rolled ? inputWord(in, BaustahlTyp, 1) : weldedProfile(in));
    lines << headLine(QStringLiteral("Beton:"), inputWord(in, EigenschaftenBeton, 0));
    lines << headLine(QStringLiteral("Betonstahl:"),
                      "f_sk = " + inputWord(in, EigenschaftenBewehrung, 0) +
                          u(" N/mm², Duktilitätsklasse ") + inputWord(in, EigenschaftenBewehrung, 2));
    lines << headLine(QStringLiteral("Baustahl:"),
                      "f_yk = " + inputWord(in, EigenschaftenBaustahl, 0) + u(" N/mm²"));
    lines << headLine(QStringLiteral("Teilsicherheitsbeiwerte:"),
                      u("γ_c = ") + inputWord(in, EigenschaftenBeton, 1) + u(", γ_s = ") +
                          inputWord(in, EigenschaftenBewehrung, 1) + u(", γ_M = ") +
                          inputWord(in, EigenschaftenBaustahl, 1));
    return lines;
}

QStringList buildDesignReport(const results::RunResults &run) {
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
    appendInput(report, values);
    appendStrainStates(report, run, values);
    appendSectionClasses(report, run);
    report << "\n\n" + separatorLine << u("\nNACHWEISE") << "\n" + separatorLine;
    const results::UltimateChecks checks = results::checkUltimateLimitState(run);
    appendShearCheck(report, checks);
    appendInteractionCheck(report, checks);
    return report;
}

QStringList buildDesignReport(const results::RunResults &run, const ReportHead &head) {
    QStringList report = buildDesignReport(run);
    const QStringList headLines = reportHeadLines(head);
    for (int i = 0; i < headLines.size(); ++i) report.insert(1 + i, headLines[i]);
    return report;
}

QString designReportText(const std::string &runFolder, const QString &designFile,
                         const QDateTime &time) {
    const ReportHead head{designFile, time, readRunInput(runFolder)};
    return buildDesignReport(results::RunResults::read(runFolder), head).join(QString());
}
