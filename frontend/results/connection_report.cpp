#include "results/connection_report.h"

#include "protocol/result_files.h"
#include "results/readable_numbers.h"
#include "results/verdict_texts.h"

namespace results {

namespace {

QString u(const char *text) { return QString::fromUtf8(text); }
QString ratio(double x) { return significant(x, 3); }
QString kN(const std::optional<double> &N) { return N ? kNText(*N) : u("nicht ermittelt"); }

// The rule of eta_min (EN 1994-1-1 6.6.1.2) as the engine chose it.
QString minimumRuleText(int rule) {
    using Rule = protocol::MinimumDegreeRule;
    switch (static_cast<Rule>(rule)) {
    case Rule::EqualFlanges:
        return u("gleiche Gurte: 1 − (355/f_y)(0.75 − 0.03 L_e) ≥ 0.4, 1 für L_e > 25 m");
    case Rule::BottomFlangeLarger:
        return u("Untergurt bis zum 3-Fachen des Obergurts: 1 − (355/f_y)(0.30 − 0.015 L_e) ≥ 0.4, "
                 "1 für L_e > 20 m");
    case Rule::BottomFlangeBeyond3: return u("Untergurt größer als das 3-Fache des Obergurts: 1");
    case Rule::BottomFlangeSmaller: return u("Untergurt kleiner als der Obergurt, nicht geregelt: 1");
    case Rule::StudsNotDuctile: return u("h_sc < 4 d, Dübel nicht duktil (6.6.1.2(1)): 1");
    }
    return u("Regel nicht angegeben");
}

QString verdictText(const CheckText &check) {
    switch (check.result) {
    case CheckResult::Fulfilled: return u("MINDESTVERDÜBELUNGSGRAD EINGEHALTEN!");
    case CheckResult::NotFulfilled: return u("MINDESTVERDÜBELUNGSGRAD NICHT EINGEHALTEN!");
    case CheckResult::NotDetermined:
    case CheckResult::NotGoverning: break;
    }
    return check.verdict;
}

}  // namespace

QStringList shearConnectionReport(const RunResults &run) {
    QStringList report{u("\n\nVERDÜBELUNG (nach EN 1994-1-1 6.6):")};
    const ShearConnection &c = run.connection();
    const std::optional<double> mEd = run.moment(AnalysedState::Ultimate);
    if (!c.present) {
        report << u("\nvollständige Verdübelung angenommen (keine Kopfbolzendübel eingegeben)");
        return report;
    }
    report << u("\nP_Rd = min(0.8 f_u π d²/4; 0.29 α d² √(f_ck E_cm)) / γ_V, γ_V = 1.25 (6.6.3.1)");
    if (c.P_Rd_1 && c.P_Rd_2) {
        const QString governing = c.formula == 2 ? u("maßgebend: Beton (Gl. 6.19)") : u("maßgebend: Dübelschaft (Gl. 6.18)");
        report << u("\n     = min(") + kNText(*c.P_Rd_1) + "; " + kNText(*c.P_Rd_2) + ") = " +
                      kNText(std::min(*c.P_Rd_1, *c.P_Rd_2)) + ", " + governing;
    }
    report << u("\nk_t = ") + (c.k_t ? ratio(*c.k_t) : u("nicht ermittelt")) +
                  u(" (Profilblech: k_t bei Rippen quer 6.6.4.2, k_l bei Rippen parallel 6.6.4.1, 1 ohne)")
           << u("\nP_Rd je Dübel (mit k_t) = ") + kN(c.P_Rd)
           << u("\nN_c,f = ") + kN(c.N_c_f) + u(" (Druckkraft der Platte bei vollständiger Verdübelung)")
           << u("\nN_c = min(n P_Rd; N_c,f) = min(") + (c.n ? QString::number(*c.n) : u("?")) + u(" · ") +
                  kN(c.P_Rd) + "; " + kN(c.N_c_f) + ") = " + kN(c.N_c)
           << u("\nη_min = ") + (c.eta_min ? ratio(*c.eta_min) : u("nicht ermittelt")) + " (" +
                  minimumRuleText(c.minimumRule) + ")";
    if (mEd && *mEd < 0.0) {
        report << u("\nNegatives Moment: für die Bewehrung der Platte wird vollständige Verdübelung angenommen.");
    } else if (c.eta && *c.eta < 1.0) {
        // Missing beyond V_pl,Rd and for a Class 3 or 4 section: no plastic state to describe.
        report << u("\nTeilverdübelung (6.2.1.3(3)): M_Rd(η)(V_Ed) = ") +
                      (c.M_Rd_eta ? kNmText(*c.M_Rd_eta) +
                                        u(", plastisch mit je einer Nulllinie in Platte und Stahlträger")
                                  : u("nicht ermittelt"));
    } else if (c.eta) {
        report << u("\nη = 1: vollständige Verdübelung, M_Rd = M_pl,Rd(V_Ed)");
    }
    const CheckText check = connectionText(run);
    if (!check.line.isEmpty()) report << "\n" + check.line;
    report << "\n" + verdictText(check);
    return report;
}

}  // namespace results
