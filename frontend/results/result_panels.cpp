#include "results/result_panels.h"

#include <cmath>
#include <locale>
#include <sstream>

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

ValuePanel buildValuePanel(const results::NumberRow &row) {
    ValuePanel panel;
    panel.summary = StateSummary::fromStateRow(row);
    panel.hasState = true;
    const double vEd = row.at(1) / 1000.0;
    const double mEd = panelMoment(row.at(0) / 1000000.0);
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
    return "|VEd| = " + qtText(shear.vEd) + " kN, |Vpl,Rd|: " + missing;
}

struct InteractionVerdict {
    QString text;
    QString status;
};

InteractionVerdict interactionVerdict(const results::UltimateChecks &checks) {
    const results::InteractionCheck &b = checks.interaction;
    if (b.sectionFailed) return {red(QStringLiteral("Versagen des Querschnitts!")), QString()};
    if (b.verdict == Verdict::NotDetermined) {
        const QString missing = results::notDetermined(b.missing);
        if (!checks.actionsKnown) return {missing, QString()};
        return {"Mel,Rd(VEd), Mpl,Rd(VEd): " + missing, QString()};
    }
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
        {QStringLiteral("Interaktion Biegung und Querkraft"), checkHeading},
        {verdict.text, checkLine},
        {verdict.status, checkLineWide},
    };
    const results::RunOutcome outcome = results::RunOutcome::evaluate(run);
    if (outcome.ultimateFailed()) panel.lines.append({red(outcome.text()), outcomeLine});
    return panel;
}
