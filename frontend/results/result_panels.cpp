#include "results/result_panels.h"

#include <cmath>
#include <locale>
#include <sstream>

#include "files/units.h"
#include "protocol/result_files.h"
#include "results/readable_numbers.h"
#include "results/run_outcome.h"
#include "results/verdict_texts.h"

using results::AnalysedState;
using results::CheckResult;
using results::Missing;

namespace {

const QString redFont = QStringLiteral("<font color='red'>");
const QString redEnd = QStringLiteral("</font>");

const QString valueHeading = QStringLiteral("font: 10pt; text-decoration: underline;");
const QString valueLine = QStringLiteral("font: 8pt");
const QString checkHeading = QStringLiteral("font: 12pt; text-decoration: underline;");
const QString checkLine = QStringLiteral("font: 10pt");
const QString checkLineWide = QStringLiteral("font:  10pt");
const QString outcomeLine = QStringLiteral("font: 12pt; font-weight: bold;");

// Actions, heights and stiffnesses with four significant digits, the
// curvature with three.
QString fourDigits(double value) { return results::significant(value, 4); }
QString threeDigits(double value) { return results::significant(value, 3); }

QString red(const QString &text) { return redFont + text + redEnd; }

QString u(const char *text) { return QString::fromUtf8(text); }

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
    const double mEd = units::kilonewtonMetres(row.at(protocol::state::M));
    panel.lines = valueLines("VEd = " + fourDigits(vEd) + " [kN]",
                             "MEd = " + fourDigits(mEd) + " [kNm]",
                             u("ϰ = ") + threeDigits(panel.summary.kappa) + u(" [‰/m]"),
                             "Nulllinie: Z = " + fourDigits(panel.summary.z_na) + " [mm]",
                             "EIi = " + fourDigits(panel.summary.ei_i) + u(" [kNm²]"));
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
    panel.lines = valueLines(vEd ? "VEd = " + fourDigits(*vEd) + " [kN]" : "VEd: " + noRun,
                             mEd ? "MEd = " + fourDigits(*mEd) + " [kNm]"
                                 : "MEd: " + noRun,
                             u("ϰ: ") + missing, "Nulllinie: " + missing, "EIi: " + missing);
    return panel;
}

namespace {

// A failed check in red.
QString marked(const QString &text, CheckResult result) {
    return result == CheckResult::NotFulfilled && !text.isEmpty() ? red(text) : text;
}

// The class of M_Ed's direction and the rule the engine checked it by.
QString classRowText(const results::RunResults &run) {
    if (!run.calculated()) return "Querschnittsklasse: " + results::notDetermined(Missing::NoCalculation);
    const std::optional<double> mEd = run.moment(AnalysedState::Ultimate);
    const bool sagging = !mEd || *mEd >= 0.0;
    const results::SectionClassRow &k = run.sectionClasses().forMoment(sagging ? 0.0 : -1.0);
    if (!k.present) return QStringLiteral("Querschnittsklasse: nicht ermittelt");
    QString text = "Querschnittsklasse " + results::classText(k) +
                   (sagging ? " bei positivem Moment (Obergurt " : " bei negativem Moment (Untergurt ") +
                   QString::number(k.klasse_flansch) + ", Steg " + QString::number(k.klasse_steg) + ")";
    const std::string &basis = run.verdicts().bending.basis;
    if (basis == results::verdict::elasticClass3) return text + u(" – Nachweis elastisch");
    if (basis == results::verdict::effectiveWeb) return text + u(" – wirksamer Steg der Klasse 2");
    if (basis == results::verdict::notCoveredClass4) return text + u(" – kein Nachweis möglich");
    if (basis == results::verdict::partialNotCoveredClass3) return text + u(" – Teilverdübelung nicht abgedeckt");
    if (basis == results::verdict::partialClass1 || basis == results::verdict::partialClass2)
        return text + u(" – Nachweis plastisch mit Teilverdübelung");
    if (!results::bendingResistanceName(basis).isEmpty()) return text + u(" – Nachweis plastisch");
    return text;
}

// Class 3: the route not taken, "ferner elastisch: …".
QString otherRoute(const results::RunResults &run) {
    const std::vector<results::RouteText> routes = results::class3Routes(run);
    if (routes.size() < 2) return QString();
    return "ferner " + routes[1].name + ": " + routes[1].comparison;
}

}  // namespace

CheckPanel buildCheckPanel(const results::RunResults &run) {
    CheckPanel panel;
    const QString noRun = results::notDetermined(Missing::NoCalculation);
    const std::optional<double> vEd = run.shearForce(AnalysedState::Ultimate);
    const std::optional<double> mEd = run.moment(AnalysedState::Ultimate);
    panel.actionsKnown = vEd && mEd;
    panel.vEd = vEd.value_or(0.0);
    panel.mEd = mEd.value_or(0.0);

    const bool calculated = run.calculated();
    auto check = [&](const results::CheckText &c) {
        if (!calculated) return std::make_pair(noRun, QString());
        return std::make_pair(marked(c.line, c.result), marked(c.verdict, c.result));
    };
    const auto shear = check(results::shearText(run));
    const auto bending = check(results::bendingText(run));
    const results::CheckText interaction = results::bendingShearText(run);
    // "EN 1993-1-5 7.1: 0.9433 ≤ 1, η = 0.94 – NACHWEIS ERFÜLLT", or
    // "EN 1993-1-5 7.1: nicht maßgebend (…)".
    QString interactionLine;
    if (calculated && !interaction.present) interactionLine = interaction.line;
    else if (calculated && interaction.line.isEmpty())
        interactionLine = "EN 1993-1-5 7.1: " + interaction.verdict;
    else if (calculated)
        interactionLine = marked(interaction.line + u(" – ") + interaction.verdict, interaction.result);
    panel.lines = {
        {QStringLiteral("Einwirkungen"), checkHeading},
        {vEd ? "Querkraft: VEd=" + fourDigits(*vEd) + " [kN]" : "Querkraft: VEd: " + noRun, checkLine},
        {mEd ? "Bemessungswert Moment: MEd=" + fourDigits(*mEd) + " [kNm]"
             : "Bemessungswert Moment: MEd: " + noRun,
         checkLineWide},
        {u("Querkrafttragfähigkeit"), checkHeading},
        {shear.first, checkLine},
        {shear.second, checkLine},
        {QStringLiteral("Interaktion Biegung und Querkraft"), checkHeading},
        {classRowText(run), checkLine},
        {bending.first, checkLine},
        {bending.second, checkLine},
        {otherRoute(run), checkLineWide},
        {interactionLine, checkLineWide},
    };
    // The degree of shear connection, where the run had studs.
    if (calculated && run.connection().present) {
        const auto connection = check(results::connectionText(run));
        panel.lines.append({u("Verdübelung (EN 1994-1-1 6.6.1.2)"), checkHeading});
        // Without a degree (hogging) only the verdict: no empty line above it.
        if (!connection.first.isEmpty()) panel.lines.append({connection.first, checkLineWide});
        panel.lines.append({connection.second, checkLine});
    }
    const results::RunOutcome outcome = results::RunOutcome::evaluate(run);
    if (outcome.ultimateFailed()) panel.lines.append({red(outcome.text()), outcomeLine});
    return panel;
}
