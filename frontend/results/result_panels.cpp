#include "results/result_panels.h"

#include <cmath>
#include <locale>
#include <sstream>

#include "files/units.h"
#include "protocol/result_files.h"
#include "results/design_checks.h"
#include "results/run_outcome.h"

using results::AnalysedState;
using results::Missing;
using results::Verdict;

namespace {

const QString redFont = QStringLiteral("<font color='red'>");
const QString redEnd = QStringLiteral("</font>");

const QString valueHeading = QStringLiteral("font: 10pt; text-decoration: underline;");
const QString valueLine = QStringLiteral("font: 8pt");
const QString checkHeading = QStringLiteral("font: 12pt; text-decoration: underline;");
const QString checkLine = QStringLiteral("font: 10pt");
const QString checkLineWide = QStringLiteral("font:  10pt");
const QString outcomeLine = QStringLiteral("font: 12pt; font-weight: bold;");

// The value panels show numbers as a standard output stream does by default.
QString streamText(double value) {
    std::ostringstream out;
    out.imbue(std::locale::classic());
    out << value;
    return QString::fromStdString(out.str());
}

QString qtText(double value) { return QString::number(value, 'g', 6); }

QString red(const QString &text) { return redFont + text + redEnd; }

QString u(const char *text) { return QString::fromUtf8(text); }

// The design moment of a value panel keeps one decimal.
double panelMoment(double kNm) { return std::floor(kNm * 10.0 + 0.5) / 10.0; }

QVector<PanelLine> valueLines(const QString &shear, const QString &moment, const QString &curvature,
                              const QString &neutralAxis, const QString &stiffness) {
    return {
        {QStringLiteral("Einwirkungen:"), valueHeading},
        {shear, valueLine},
        {moment, valueLine},
        {QStringLiteral("Dehnung:"), valueHeading},
        {curvature, valueLine},
        {neutralAxis, valueLine},
        {QStringLiteral("Ideelle Biegesteifigkeit:"), valueHeading},
        {stiffness, valueLine},
    };
}

}  // namespace

bool PanelLine::isRichText() const { return text.startsWith(redFont); }

QString PanelLine::labelText() const {
    if (!isRichText()) return text;
    QString inner = text.mid(redFont.size());
    if (inner.endsWith(redEnd)) inner.chop(redEnd.size());
    return redFont + inner.toHtmlEscaped() + redEnd;
}

ValuePanel buildValuePanel(const results::NumberRow &row) {
    ValuePanel panel;
    panel.summary = StateSummary::fromStateRow(row);
    panel.hasState = true;
    const double vEd = units::kilonewtons(row.at(protocol::state::V));
    const double mEd = panelMoment(units::kilonewtonMetres(row.at(protocol::state::M)));
    panel.lines = valueLines("VEd = " + streamText(vEd) + " [kN]",
                             "MEd = " + streamText(mEd) + " [kNm]",
                             u("ϰ = ") + streamText(panel.summary.kappa) + u(" [‰/m]"),
                             "Nullinie: Z = " + streamText(panel.summary.z_na) + " [mm]",
                             "EIi = " + streamText(panel.summary.ei_i) + u(" [kNm²]"));
    return panel;
}

ValuePanel buildValuePanel(const results::RunResults &run, AnalysedState state) {
    const results::StateResult &result = run.state(state);
    if (result.computed()) return buildValuePanel(*result.row);

    // The actions are the run's input even when the state has no strain state.
    const QString noRun = results::notDetermined(Missing::NoCalculation);
    const std::optional<double> vEd = run.shearForce(state);
    const std::optional<double> mEd = run.moment(state);
    const QString missing = results::notDetermined(result.missing);
    ValuePanel panel;
    panel.lines = valueLines(vEd ? "VEd = " + streamText(*vEd) + " [kN]" : "VEd: " + noRun,
                             mEd ? "MEd = " + streamText(panelMoment(*mEd)) + " [kNm]"
                                 : "MEd: " + noRun,
                             u("ϰ: ") + missing, "Nullinie: " + missing, "EIi: " + missing);
    return panel;
}

namespace {

QString shearCheckText(const results::UltimateChecks &checks) {
    const results::ShearCheck &shear = checks.shear;
    switch (shear.verdict) {
    case Verdict::Passed:
        return "|VEd| = " + qtText(shear.vEd) + u(" kN ≤ |Vpl,Rd|= ") + qtText(shear.vPl) +
               u(" kN  ...  NACHWEIS ERFÜLLT");
    case Verdict::Failed:
        return red("|VEd| = " + qtText(shear.vEd) + " kN > |Vpl,Rd|= " + qtText(shear.vPl) +
                   " kN  ...  QUERKRAFTVERSAGEN");
    case Verdict::NotDetermined: break;
    }
    const QString missing = results::notDetermined(shear.missing);
    if (!checks.actionsKnown) return missing;
    if (shear.missing == results::Missing::ShearBuckling)
        return red("|VEd| = " + qtText(shear.vEd) + " kN, VRd: " + missing + " – " +
                   results::webSlendernessText(shear.web));
    return "|VEd| = " + qtText(shear.vEd) + " kN, |Vpl,Rd|: " + missing;
}

struct InteractionVerdict {
    QString text;
    QString status;
};

// Class 3: MEd against Mel,Rd(VEd) only.
InteractionVerdict elasticVerdict(const results::UltimateChecks &checks) {
    const results::InteractionCheck &b = checks.interaction;
    const QString mEd = qtText(checks.mEd), mEl = qtText(b.mEl);
    const QString elastic = QStringLiteral("ELASTISCHE SPANNUNGSVERTEILUNG");
    if (b.verdict == Verdict::Passed)
        return {"MEd= " + mEd + (b.sagging ? u(" kNm ≤ Mel,Rd(VEd)= ") : u(" kNm ≥ Mel,Rd(VEd)= ")) +
                    mEl + " kNm",
                elastic};
    return {red((b.sagging ? "MEd = " + mEd + " kNm > " : "MEd= " + mEd + " kNm < ") +
                "Mel,Rd(VEd)= " + mEl + u(" kNm  ...  NICHT ERFÜLLT")),
            red(b.classMessage)};
}

InteractionVerdict interactionVerdict(const results::UltimateChecks &checks) {
    const results::InteractionCheck &b = checks.interaction;
    const bool notPossible = b.basis == results::BendingBasis::NotPossible && b.verdict == Verdict::Failed;
    if (b.sectionFailed)
        return {red(QStringLiteral("Versagen des Querschnitts!")),
                notPossible ? red(b.classMessage) : QString()};
    if (notPossible) return {red(b.classMessage), QString()};
    if (b.verdict == Verdict::NotDetermined) {
        const QString missing = results::notDetermined(b.missing);
        if (!checks.actionsKnown) return {missing, QString()};
        return {"Mel,Rd(VEd), Mpl,Rd(VEd): " + missing, QString()};
    }
    if (b.basis == results::BendingBasis::Elastic) return elasticVerdict(checks);
    const QString elastic = QStringLiteral("ELASTISCHE SPANNUNGSVERTEILUNG");
    const QString partlyPlastic = QStringLiteral("TEILPLASTISCHE SPANNUNGSVERTEILUNG");
    const QString mEd = qtText(checks.mEd), mEl = qtText(b.mEl), mPl = qtText(b.mPl);
    if (b.sagging) {
        switch (b.range) {
        case results::MomentRange::PartlyPlastic:
            return {"Mel,Rd(Ved) = " + mEl + " kNm < MEd = " + mEd + u(" kNm ≤ Mpl,Rd(VEd)= ") + mPl +
                        " kNm",
                    partlyPlastic};
        case results::MomentRange::Elastic:
            return {"MEd= " + mEd + u(" kNm ≤ Mel,Rd(VEd)= ") + mEl + " kNm", elastic};
        case results::MomentRange::BeyondPlastic:
            return {red("MEd = " + mEd + " kNm > Mpl,rd(VEd)= " + mPl + " kNm ...  VERSAGEN"),
                    QString()};
        }
    }
    switch (b.range) {
    case results::MomentRange::PartlyPlastic:
        return {"Mel,Rd(VEd) = " + mEl + " kNm > MEd = " + mEd + u(" kNm ≥ Mpl,Rd(VEd)= ") + mPl +
                    " kNm",
                partlyPlastic};
    case results::MomentRange::Elastic:
        return {"MEd= " + mEd + u(" kNm ≥ Mel,Rd(VEd)= ") + mEl + " kNm", elastic};
    case results::MomentRange::BeyondPlastic: break;
    }
    return {red("MEd= " + mEd + " kNm < Mpl,Rd(VEd)= " + mPl + " kNm  ...  VERSAGEN"), QString()};
}

// The class of M_Ed's direction and what it permits.
QString classRowText(const results::RunResults &run, const results::InteractionCheck &b) {
    if (!run.calculated()) return "Querschnittsklasse: " + results::notDetermined(Missing::NoCalculation);
    const results::SectionClassRow &k = b.sectionClass;
    if (!k.present) return u("Querschnittsklasse nicht ermittelt – Nachweis wie bisher plastisch");
    QString text = "Querschnittsklasse " + results::classText(k) +
                   (b.sagging ? " bei positivem Moment (Obergurt " : " bei negativem Moment (Untergurt ") +
                   QString::number(k.klasse_flansch) + ", Steg " + QString::number(k.klasse_steg) + ")";
    switch (b.basis) {
    case results::BendingBasis::Plastic: return text + u(" – Nachweis plastisch");
    case results::BendingBasis::Elastic: return text + u(" – Nachweis elastisch");
    case results::BendingBasis::NotPossible: return text + u(" – kein Nachweis möglich");
    case results::BendingBasis::Unclassified: break;
    }
    return text;
}

// "Ausnutzung η = …", red when its check failed.
QString utilisationLine(const results::Utilisation &eta, Verdict verdict) {
    const QString text = results::utilisationText(eta);
    return verdict == Verdict::Failed ? red(text) : text;
}

}  // namespace

CheckPanel buildCheckPanel(const results::RunResults &run) {
    const results::UltimateChecks checks = results::checkUltimateLimitState(run);
    CheckPanel panel;
    panel.actionsKnown = checks.actionsKnown;
    panel.vEd = checks.vEd;
    panel.mEd = checks.mEd;

    const QString noRun = results::notDetermined(Missing::NoCalculation);
    const std::optional<double> vEd = run.shearForce(AnalysedState::Ultimate);
    const std::optional<double> mEd = run.moment(AnalysedState::Ultimate);
    const InteractionVerdict verdict = interactionVerdict(checks);
    panel.lines = {
        {QStringLiteral("Einwirkungen"), checkHeading},
        {vEd ? "Querkraft: VEd=" + qtText(*vEd) + " [kN]" : "Querkraft: VEd: " + noRun, checkLine},
        {mEd ? "Bemessungswert Moment: MEd=" + qtText(*mEd) + " [kNm]"
             : "Bemessungswert Moment: MEd: " + noRun,
         checkLineWide},
        {u("Querkrafttragfähigkeit"), checkHeading},
        {shearCheckText(checks), checkLine},
        {utilisationLine(checks.shear.utilisation, checks.shear.verdict), checkLine},
        {QStringLiteral("Interaktion Biegung und Querkraft"), checkHeading},
        {classRowText(run, checks.interaction), checkLine},
        {verdict.text, checkLine},
        {verdict.status, checkLineWide},
        {utilisationLine(checks.interaction.utilisation, checks.interaction.verdict), checkLine},
    };
    const results::RunOutcome outcome = results::RunOutcome::evaluate(run);
    if (outcome.ultimateFailed()) panel.lines.append({red(outcome.text()), outcomeLine});
    return panel;
}
