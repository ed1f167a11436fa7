#include "results/verdict_texts.h"

#include "results/readable_numbers.h"

#include <algorithm>
#include <cmath>

#include "files/units.h"

namespace results {

namespace {

QString u(const char *text) { return QString::fromUtf8(text); }

// Four significant digits without exponent for the sizes of this tool
// (982.1, 875.1, 2683, 12460), trailing zeros dropped.
QString fourDigits(double v) { return significant(v, 4); }
// Ratios with three.
QString ratioText(double v) { return significant(v, 3); }

bool is(const std::string &basis, const char *word) { return basis == word; }

QString verdictWord(CheckResult result, const QString &reason) {
    switch (result) {
    case CheckResult::Fulfilled: return u("NACHWEIS ERFÜLLT");
    case CheckResult::NotFulfilled: return u("NACHWEIS NICHT ERFÜLLT");
    case CheckResult::NotDetermined: return "nicht ermittelt (" + reason + ")";
    case CheckResult::NotGoverning: break;
    }
    return u("nicht maßgebend (") + reason + ")";
}

// Why a check has no verdict or does not govern, by the rule it names.
QString reasonOf(const std::string &basis) {
    const struct {
        const char *basis;
        const char *reason;
    } reasons[] = {
        {verdict::shearBuckling, "Schubbeulen"},
        {verdict::notCoveredClass4, "Querschnittsklasse 4"},
        {verdict::slabWithoutTension, "Betonplatte ohne Zug"},
        {verdict::noServiceMoment, "kein Biegemoment im GZG"},
        {verdict::serviceShearFailure, "Querkraftversagen im GZG"},
        {verdict::serviceStateFailure, "Querschnittsversagen im GZG"},
        {verdict::partialNotCoveredClass3, "Teilverdübelung bei Querschnittsklasse 3 nicht abgedeckt"},
        {verdict::fullConnectionAssumed, "vollständige Verdübelung angenommen"},
        {verdict::hoggingFullConnection, "negatives Moment: vollständige Verdübelung für die Bewehrung angenommen"},
        {verdict::minimumDegree, "keine Druckkraft der Platte"},
    };
    for (const auto &r : reasons)
        if (basis == r.basis) return u(r.reason);
    return QString::fromStdString(basis);
}

// "≤"/">" for a resistance of positive sign, "≥"/"<" for a negative one.
QString relation(double E, double R) {
    if (R >= 0.0) return E <= R ? u(" ≤ ") : u(" > ");
    return E >= R ? u(" ≥ ") : u(" < ");
}

CheckText missingVerdicts() {
    CheckText text;
    text.line = verdictsMissingText();
    return text;
}

std::optional<double> class3Value(const RunResults &run, const char *key) {
    return run.class3().find(key);
}

// "M_Ed = -600 kNm < M_el,Rd = -530.1 kNm, η = 1.13"
QString momentComparison(double M, const QString &name, double R, const std::optional<double> &eta) {
    return "M_Ed = " + kNmText(M) + relation(M, R) + name + " = " + kNmText(R) + ", " + etaText(eta);
}

}  // namespace

QString kNmText(double Nmm) { return fourDigits(Nmm / 1e6) + " kNm"; }
QString kNText(double N) { return fourDigits(N / 1e3) + " kN"; }
QString areaText(double mm2) { return fourDigits(mm2) + u(" mm²"); }
QString lengthText(double mm) { return fourDigits(mm) + " mm"; }

QString etaText(const std::optional<double> &eta) {
    if (!eta) return u("η: nicht ermittelt");
    return u("η = ") + utilisationValue(*eta);
}

QString utilisationValue(double eta) {
    // Just above or below 1, three digits would read 1 for a check that
    // fails or passes: as many more as it takes to tell (up to nine).
    QString text = utilisationNumber(eta);
    for (int digits = 4; eta != 1.0 && text == QLatin1String("1") && digits <= 9; ++digits)
        text = significant(eta, digits);
    return text;
}

QString verdictsMissingText() { return QStringLiteral("nicht ermittelt (keine Nachweisdatei)"); }

QString bendingResistanceName(const std::string &basis) {
    if (is(basis, verdict::plasticClass1) || is(basis, verdict::plasticClass2))
        return QStringLiteral("M_pl,Rd(V_Ed)");
    if (is(basis, verdict::elasticClass3)) return QStringLiteral("M_el,Rd");
    if (is(basis, verdict::effectiveWeb)) return QStringLiteral("M_pl,eff,Rd(V_Ed)");
    if (is(basis, verdict::partialClass1) || is(basis, verdict::partialClass2)) return u("M_Rd(η)(V_Ed)");
    return QString();
}

CheckText shearText(const RunResults &run) {
    const DesignCheck &c = run.verdicts().shear;
    if (!run.verdicts().present()) return missingVerdicts();
    CheckText text{QString(), verdictWord(c.result, reasonOf(c.basis)), c.result, true};
    if (!c.E_d || !c.R_d) return text;
    const QString vEd = "|V_Ed| = " + kNText(*c.E_d);
    const bool slender = is(c.basis, verdict::shearBuckling);
    if (slender && c.result != CheckResult::NotFulfilled) {
        // EN 1993-1-1 6.2.6(6): V_pl,Rd is not the resistance of a slender web.
        text.line = vEd + u(", V_b,Rd: nicht ermittelt (Schubbeulen: h_w/t_w > 72ε, V_pl,Rd = ") +
                    kNText(*c.R_d) + u(" gilt nicht)");
        return text;
    }
    text.line = vEd + (*c.E_d <= *c.R_d ? u(" ≤ ") : u(" > ")) + "V_pl,Rd = " + kNText(*c.R_d) +
                ", " + etaText(c.eta);
    return text;
}

CheckText bendingText(const RunResults &run) {
    const DesignCheck &c = run.verdicts().bending;
    if (!run.verdicts().present()) return missingVerdicts();
    const bool class4 = is(c.basis, verdict::notCoveredClass4);
    const bool partial3 = is(c.basis, verdict::partialNotCoveredClass3);
    CheckText text{QString(),
                   verdictWord(c.result, class4     ? u("Querschnittsklasse 4")
                                         : partial3 ? reasonOf(c.basis)
                                                    : u("Querkraftversagen")),
                   c.result, true};
    if (!c.E_d) return text;
    const QString name = bendingResistanceName(c.basis);
    if (class4)
        text.line = "M_Ed = " + kNmText(*c.E_d) +
                    u(": Querschnittsklasse 4, wirksamer Querschnitt nicht abgedeckt");
    else if (partial3)
        text.line = "M_Ed = " + kNmText(*c.E_d) +
                    u(": Teilverdübelung nur bei Querschnittsklasse 1 oder 2 (EN 1994-1-1 6.2.1.3(3))");
    else if (!c.R_d)
        text.line = "M_Ed = " + kNmText(*c.E_d) + ", " + name + ": nicht ermittelt";
    else
        text.line = momentComparison(*c.E_d, name, *c.R_d, c.eta);
    return text;
}

std::vector<RouteText> class3Routes(const RunResults &run) {
    const DesignCheck &c = run.verdicts().bending;
    const bool elasticChosen = is(c.basis, verdict::elasticClass3);
    if (!run.verdicts().present() || !c.E_d || !(elasticChosen || is(c.basis, verdict::effectiveWeb)))
        return {};
    const double M = *c.E_d;
    const std::optional<double> mEl = class3Value(run, class3::M_el_Rd);
    const std::optional<double> mEff = class3Value(run, class3::M_pl_eff_Rd);
    RouteText elastic{u("elastisch"), u("(EN 1994-1-1 6.2.1.5 mit M_el,Rd ohne Querkraft, 6.2.2.4(3))"),
                      mEl ? momentComparison(M, QStringLiteral("M_el,Rd"), *mEl, class3Value(run, class3::eta_el))
                          : notDetermined(Missing::NoCalculation)};
    RouteText effective{u("wirksamer Steg"), u("(Loch im Steg, EN 1994-1-1 5.5.2(3))"), QString()};
    if (mEff) {
        effective.comparison = momentComparison(M, QStringLiteral("M_pl,eff,Rd(V_Ed)"), *mEff,
                                                class3Value(run, class3::eta_eff));
    } else {
        const SectionClassRow &k = run.sectionClasses().forMoment(M);
        effective.comparison = k.present && k.klasse_flansch > 2
                                   ? u("nicht zulässig (Druckgurt der Klasse ") +
                                         QString::number(k.klasse_flansch) + ")"
                                   : u("nicht ermittelt (Nulllinie nicht eingependelt)");
    }
    if (elasticChosen) return {elastic, effective};
    return {effective, elastic};
}

CheckText bendingShearText(const RunResults &run) {
    const DesignVerdicts &v = run.verdicts();
    if (!v.present()) return missingVerdicts();
    const DesignCheck &c = v.bendingShear;
    QString reason = u("kein elastischer Nachweis");
    if (is(v.bending.basis, verdict::elasticClass3)) reason = u("|V_Ed| ≤ 0.5 V_pl,Rd");
    else if (!bendingResistanceName(v.bending.basis).isEmpty()) reason = u("plastischer Nachweis");
    CheckText text{QString(), verdictWord(c.result, reason), c.result, true};
    if (c.E_d)
        text.line = u("EN 1993-1-5 7.1: ") + ratioText(*c.E_d) + (*c.E_d <= 1.0 ? u(" ≤ 1, ") : u(" > 1, ")) +
                    etaText(c.eta);
    else if (c.result != CheckResult::NotGoverning)
        text.line = u("EN 1993-1-5 7.1: η̄1, η̄3: nicht ermittelt");
    return text;
}

QStringList bendingShearTerms(const RunResults &run) {
    const DesignCheck &c = run.verdicts().bendingShear;
    if (!run.verdicts().present() || !c.E_d) return {};
    const std::optional<double> eta1 = class3Value(run, class3::eta1), eta3 = class3Value(run, class3::eta3),
                                mF = class3Value(run, class3::M_f_Rd), mPl = class3Value(run, class3::M_pl_Rd);
    if (!eta1 || !eta3 || !mF || !mPl || *mPl == 0.0) return {};
    return {u("η̄1 = M_Ed / M_pl,Rd = ") + ratioText(*eta1) + u(" (M_pl,Rd = ") + kNmText(*mPl) +
                u(" ohne Querkraft), η̄3 = |V_Ed| / V_pl,Rd = ") + ratioText(*eta3),
            u("M_f,Rd = ") + kNmText(*mF) + u(" (Gurte allein), M_f,Rd / M_pl,Rd = ") +
                ratioText(*mF / *mPl),
            u("η̄1 ≥ M_f,Rd/M_pl,Rd: η̄1 + (1 − M_f,Rd/M_pl,Rd)(2η̄3 − 1)², sonst η̄3")};
}

CheckText connectionText(const RunResults &run) {
    const DesignVerdicts &v = run.verdicts();
    if (!v.present()) return missingVerdicts();
    const DesignCheck &c = v.shearConnection;
    // A run before the studs: full connection, as the engine assumed.
    if (!c.present) return {QString(), verdictWord(CheckResult::NotGoverning, reasonOf(verdict::fullConnectionAssumed)),
                            CheckResult::NotGoverning, true};
    CheckText text{QString(), verdictWord(c.result, reasonOf(c.basis)), c.result, true};
    if (!c.E_d) return text;
    if (!c.R_d) {
        text.line = u("η = N_c/N_c,f: nicht ermittelt, η_min = ") + ratioText(*c.E_d);
        return text;
    }
    // Three digits, or as many more as it takes to tell eta from eta_min (up to nine).
    QString eta = ratioText(*c.R_d), minimum = ratioText(*c.E_d);
    for (int digits = 4; eta == minimum && *c.R_d != *c.E_d && digits <= 9; ++digits)
        eta = significant(*c.R_d, digits), minimum = significant(*c.E_d, digits);
    text.line = u("η = N_c/N_c,f = ") + eta + (*c.R_d >= *c.E_d ? u(" ≥ ") : u(" < ")) + u("η_min = ") + minimum +
                ", " + (c.eta ? u("η_min/η = ") + utilisationValue(*c.eta) : u("η_min/η: kein endlicher Wert"));
    return text;
}

CheckText minimumText(const RunResults &run) {
    const DesignCheck &c = run.verdicts().minimum;
    if (!run.verdicts().present()) return missingVerdicts();
    CheckText text{QString(), verdictWord(c.result, reasonOf(c.basis)), c.result, true};
    if (!c.E_d || !c.R_d) return text;
    text.line = "A_s,min = " + areaText(*c.E_d) + (*c.E_d <= *c.R_d ? u(" ≤ ") : u(" > ")) +
                "A_s,vor = " + areaText(*c.R_d) + ", " + etaText(c.eta) +
                (is(c.basis, verdict::tensileZoneTop) ? u(" (Zugzone oben)") : u(" (Zugzone unten)"));
    return text;
}

}  // namespace results
