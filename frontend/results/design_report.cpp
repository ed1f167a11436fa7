#include "results/design_report.h"

#include <cmath>

namespace {

QString n(double value) { return QString::number(value, 'g', 6); }
QString u(const char *text) { return QString::fromUtf8(text); }

// Values of output.txt as the report shows them. Strengths keep one decimal
// and strain limits two, so that e.g. f_cd = 17.0 N/mm² prints as 17.
class ReportValues {
public:
    explicit ReportValues(const results::KeyValues &output) : output_(output) {}

    double plain(const char *key) const { return output_.value(key); }
    double strength(const char *key) const { return roundTo(output_.value(key), 10.0); }
    double strain(const char *key) const { return roundTo(output_.value(key), 100.0); }
    // Moments are written in Nmm and shown in kNm.
    double moment(const char *key) const { return output_.value(key) / 1000000.0; }

private:
    static double roundTo(double value, double scale) {
        return std::floor(scale * value + 0.5) / scale;
    }

    const results::KeyValues &output_;
};

const QString separatorLine(76, QLatin1Char('-'));

// A state without a strain state under a non-zero moment has failed.
QString stateLine(const StateSummary &state, double moment) {
    if (state.kappa == 0.0 && moment != 0.0) return u("\nVERSAGEN!");
    return u("\nϰ= ") + n(state.kappa) + u("‰/m\tZ_na= ") + n(state.z_na) + u("mm\tEI_i= ") +
           n(state.ei_i) + u("kNm²");
}

void appendInput(QStringList &report, const ReportValues &v) {
    report << u("\t\t    BEMESSUNGSPROTOKOLL") << "\n\n" + separatorLine << u("\nEINGABE")
           << "\n" + separatorLine << u("\nGEOMETRIE:") << u("\nStahlbetonquerschnitt:");
    report << "\nh_c: " + n(v.plain("h_c")) + "mm\t\tb_e: " + n(v.plain("b_e")) +
                  "mm\t\th_p: " + n(v.plain("h_profilblech")) + "mm"
           << "\nb_p: " + n(v.plain("b_p")) + "mm\t\td_u: " + n(v.plain("d_u")) +
                  "mm\t\td_o: " + n(v.plain("d_o")) + "mm"
           << "\ne_u: " + n(v.plain("AbstanduntereLage")) + "mm\t\te_o: " +
                  n(v.plain("AbstandobereLage")) + "mm"
           << "\nc_nom,u: " + n(v.plain("c_nom_u")) + "mm\tc_nom,o: " + n(v.plain("c_nom_o")) +
                  "mm";
    report << u("\nBaustahlquerschnitt:")
           << "\nh: " + n(v.plain("h")) + " mm\t\tt_fu: " + n(v.plain("t_f1")) + "mm\tt_fo: " +
                  n(v.plain("t_f2")) + "mm"
           << "\nb_fu: " + n(v.plain("b_f1")) + "mm\t\tb_fo: " + n(v.plain("b_f2")) + "mm"
           << "\nt_w: " + n(v.plain("t_w")) + "mm\t\tr: " + n(v.plain("r")) + "mm";
    report << u("\n\nMATERIALEIGENSCHAFTEN:") << u("\nBeton:")
           << "\nf_ck: " + n(v.strength("f_ck")) + u("N/mm²\tf_cd: ") + n(v.strength("_f_cd")) +
                  u("N/mm²\tf_ct_eff: ") + n(v.strength("_f_ct_eff")) + u("N/mm²")
           << "\ne_c: " + n(v.strain("_e_c3")) + u("‰\t\te_cu: ") + n(v.strain("_e_cu3")) +
                  u("‰\te_ct_eff: ") + n(v.strain("_e_ct_eff")) + u("‰")
           << "\nE_c: " + n(v.plain("_E_c")) + u("N/mm²");
    report << u("\nBewehrungsstahl:")
           << "\nf_sk: " + n(v.strength("f_sk")) + u("N/mm²\tf_sd: ") + n(v.strength("f_sd")) +
                  u("N/mm²\tf_ud: ") + n(v.strength("f_ud")) + u("N/mm²")
           << "\ne_sd: " + n(v.strain("e_sd")) + u("‰\t\te_ud: ") + n(v.strain("e_ud")) + u("‰")
           << "\nE_s: " + n(v.plain("E_s")) + u("N/mm²");
    report << u("\nBaustahl:")
           << "\nf_yk: " + n(v.plain("f_yk")) + u("N/mm²\tf_yd: ") + n(v.strength("f_yd")) +
                  u("N/mm²")
           << "\ne_y: " + n(v.strain("e_y")) + u("‰") << "\nE_a: " + n(v.plain("E_a")) + u("N/mm²");
}

void appendStrainStates(QStringList &report, const ReportValues &v, const AnalysedStates &states) {
    const double vEdG = v.plain("V_Ed_g") / 1000.0;
    const double mEdG = v.moment("M_Ed_g");
    const double vEdT = std::fabs(v.plain("V_Ed_t")) / 1000.0;
    const double mEdT = v.moment("M_Ed_t");
    const QString serviceabilityActions =
        "\nunter: V_Ed= " + n(vEdG) + "kN \tM_Ed = " + n(mEdG) + "kNm :";

    report << "\n\n" + separatorLine << u("\nAUSGABE") << "\n" + separatorLine
           << u("\nQUERSCHNITTSFLÄCHE:") << u("\nBeton\t\tBewehrung\t\tBaustahl")
           << "\nA_c: " + n(v.plain("A_c")) + u("mm²\tA_s: ") + n(v.plain("A_s")) +
                  u("mm²\tA_a: ") + n(v.plain("A_a")) + u("mm²");
    report << u("\n\nDEHNUNGSVERTEILUNG IM GZG OHNE TENSION STIFFENING:") << serviceabilityActions
           << stateLine(states.serviceabilityWithoutTs, mEdG)
           << u("\n\nDEHNUNGSVERTEILUNG IM GZG MIT TENSION STIFFENING:") << serviceabilityActions
           << stateLine(states.serviceabilityWithTs, mEdG);

    const double required = v.plain("A_s,min");
    const double provided = v.plain("A_svor");
    report << u("\nMindestbewehrung:");
    if (provided >= required)
        report << "\nA_s,min= " + n(required) + u("mm² \t≤\t A_s,vor = ") + n(provided) + u("mm²")
               << u("\nMINDESTBEWEHRUNG VORHANDEN!");
    else
        report << "\nA_s,min= " + n(required) + u("mm² \t>\t A_s,vor = ") + n(provided) + u("mm²")
               << u("\nMINDESTBEWEHRUNG NICHT VORHANDEN!");

    report << u("\n\nDEHNUNGSVERTEILUNG IM GZT:")
           << "\nunter: V_Ed= " + n(vEdT) + "kN \tM_Ed = " + n(mEdT) + "kNm :"
           << stateLine(states.ultimate, mEdT);
    report << u("\n\nGRENZMOMENTE IM GZT:") << "\nunter: V_Ed= " + n(vEdT) + "kN: "
           << "\nel. Grenzmomente:  M_el_Rd,max= " + n(v.moment("M_max_el")) +
                  "kNm\tM_el_Rd,min: " + n(v.moment("M_min_el")) + "kNm"
           << "\npl. Grenzmomente:  M_pl_Rd,max= " + n(v.moment("M_max_pl")) +
                  "kNm\tM_pl_Rd,min: " + n(v.moment("M_min_pl")) + "kNm";
}

// EN 1994-1-1 6.2.2.2: the check passes only when V_pl,Rd exceeds |V_Ed|.
void appendShearCheck(QStringList &report, const ReportValues &v) {
    const double vEdT = std::fabs(v.plain("V_Ed_t")) / 1000.0;
    const double vPl = std::fabs(v.plain("V_pl_Rd")) / 1000.0;
    report << u("\nQUERKRAFTTRAGFÄHIGKEIT (nach EN 1994-1-1 6.2.2):");
    if (vPl > vEdT)
        report << "\n|V_Ed| = " + n(vEdT) + u("kN\t\t≤\t|V_pl_Rd| =") + n(vPl) + "kN"
               << u("\nNACHWEIS ERFÜLLT!");
    else
        report << "\n|V_Ed| = " + n(vEdT) + "kN\t\t>\t|V_pl_Rd| =" + n(vPl) + "kN"
               << u("\nQUERKRAFTVERSAGEN!");
}

// EN 1994-1-1 6.2.2.4: M_Ed against the limit moments of its sign, reduced for V_Ed.
void appendInteractionCheck(QStringList &report, const ReportValues &v) {
    const double mEdT = v.moment("M_Ed_t");
    const QString passed = u("\nNACHWEIS ERFÜLLT!");
    const QString elastic = u("\nelastische Spannungsverteilung");
    const QString partlyPlastic = u("\nTeilplastische Spannungsverteilung");
    report << u("\n\nTRAGFÄHIGKEIT: INTERAKTION BIEGUNG UND QUERKRAFT (nach EN 1994-1-1 6.2.2.4):");
    if (mEdT >= 0.0) {
        const double mElMax = v.moment("M_max_el");
        const double mPlMax = v.moment("M_max_pl");
        if (mEdT <= mElMax)
            report << "\nM_Ed = " + n(mEdT) + u("kNm\t\t≤\tM_el_Rd(V_Ed) =") + n(mElMax) + "kNm"
                   << passed << elastic;
        else if (mEdT <= mPlMax)
            report << "\nM_Ed = " + n(mEdT) + u("kNm\t\t≤\tM_pl_Rd(V_Ed) =") + n(mPlMax) + "kNm"
                   << passed << partlyPlastic;
        else
            report << "\nM_Ed = " + n(mEdT) + "kNm\t\t>\tM_pl_Rd(V_Ed) =" + n(mPlMax) + "kNm"
                   << u("\nVERSAGEN!");
        return;
    }
    const double mElMin = v.moment("M_min_el");
    const double mPlMin = v.moment("M_min_pl");
    if (mEdT >= mElMin)
        report << "\nM_Ed = " + n(mEdT) + u("kNm\t\t≥\tM_el_Rd(V_Ed) = ") + n(mElMin) + "kNm"
               << passed << elastic;
    else if (mEdT >= mPlMin)
        report << "\nM_Ed = " + n(mEdT) + u("kNm\t\t≥\tM_pl_Rd(V_Ed) = ") + n(mPlMin) + "kNm"
               << passed << partlyPlastic;
    else
        report << "\nM_Ed = " + n(mEdT) + " kNm\t\t<\tM_pl_Rd(V_Ed) = " + n(mPlMin) + " kNm"
               << u("\nVERSAGEN!");
}

}  // namespace

QStringList buildDesignReport(const results::KeyValues &output, const AnalysedStates &states) {
    const ReportValues values(output);
    QStringList report;
    appendInput(report, values);
    appendStrainStates(report, values, states);
    report << "\n\n" + separatorLine << u("\nNACHWEISE") << "\n" + separatorLine;
    appendShearCheck(report, values);
    appendInteractionCheck(report, values);
    return report;
}
