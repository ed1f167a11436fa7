#include "results/result_panels.h"

#include <cmath>
#include <locale>
#include <sstream>

namespace {

const QString redFont = QStringLiteral("<font color='red'>");
const QString redEnd = QStringLiteral("</font>");

const QString valueHeading = QStringLiteral("font: 10pt; text-decoration: underline;");
const QString valueLine = QStringLiteral("font: 8pt");
const QString checkHeading = QStringLiteral("font: 12pt; text-decoration: underline;");
const QString checkLine = QStringLiteral("font: 10pt");
const QString checkLineWide = QStringLiteral("font:  10pt");

// The value panels show numbers as a standard output stream does by default.
QString streamText(double value) {
    std::ostringstream out;
    out.imbue(std::locale::classic());
    out << value;
    return QString::fromStdString(out.str());
}

QString qtText(double value) { return QString::number(value, 'g', 6); }

QString red(const QString &text) { return redFont + text + redEnd; }

}  // namespace

bool PanelLine::isRichText() const { return text.startsWith(redFont); }

ValuePanel buildValuePanel(const std::vector<results::NumberRow> &stateRows) {
    QString shear, moment, curvature, neutralAxis, stiffness;
    ValuePanel panel;
    for (const results::NumberRow &row : stateRows) {
        const double vEd = row.at(1) / 1000.0;
        const double mEd = std::floor(row.at(0) / 1000000.0 * 10.0 + 0.5) / 10.0;
        panel.summary = StateSummary::fromStateRow(row);
        panel.hasState = true;
        shear = "VEd = " + streamText(vEd) + " [kN]";
        moment = "MEd = " + streamText(mEd) + " [kNm]";
        curvature = QString::fromUtf8("ϰ = ") + streamText(panel.summary.kappa) +
                    QString::fromUtf8(" [‰/m]");
        neutralAxis = "Nullinie: Z = " + streamText(panel.summary.z_na) + " [mm]";
        stiffness = "EIi = " + streamText(panel.summary.ei_i) + QString::fromUtf8(" [kNm²]");
    }
    panel.lines = {
        {QStringLiteral("Einwirkungen:"), valueHeading},
        {shear, valueLine},
        {moment, valueLine},
        {QStringLiteral("Dehnung:"), valueHeading},
        {curvature, valueLine},
        {neutralAxis, valueLine},
        {QStringLiteral("Ideelle Biegesteifigkeit:"), valueHeading},
        {stiffness, valueLine},
    };
    return panel;
}

namespace {

// EN 1994-1-1 6.2.2.2: the plastic shear resistance must exceed |V_Ed|.
QString shearCheckText(double vEd, double vPl) {
    const double magnitude = std::fabs(vEd);
    if (vPl > magnitude)
        return "|VEd| = " + qtText(magnitude) + QString::fromUtf8(" kN ≤ |Vpl,Rd|= ") +
               qtText(vPl) + QString::fromUtf8(" kN  ...  NACHWEIS ERFÜLLT");
    return red("|VEd| = " + qtText(magnitude) + " kN > |Vpl,Rd|= " + qtText(vPl) +
               "  ...  QUERKRAFTVERSAGEN");
}

struct InteractionVerdict {
    QString text;
    QString status;
};

// Bending with shear (EN 1994-1-1 6.2.2.4): compare M_Ed with the elastic and
// plastic limit moments of its own sign, both already reduced for V_Ed.
InteractionVerdict interactionVerdict(double mEd, const results::KeyValues &output) {
    const QString elastic = QStringLiteral("ELASTISCHE SPANNUNGSVERTEILUNG");
    const QString partlyPlastic = QStringLiteral("TEILPLASTISCHE SPANNUNGSVERTEILUNG");
    if (mEd >= 0.0) {
        const double mEl = output.value("M_max_el") / 1000000.0;
        const double mPl = output.value("M_max_pl") / 1000000.0;
        if (mEl < mEd && mEd <= mPl)
            return {"Mel,Rd(Ved) = " + qtText(mEl) + " kNm < MEd = " + qtText(mEd) +
                        QString::fromUtf8(" kNm ≤ Mpl,Rd(VEd)= ") + qtText(mPl) + " kNm",
                    partlyPlastic};
        if (mEd <= mEl)
            return {"MEd= " + qtText(mEd) + QString::fromUtf8(" kNm ≤ Mel,Rd(VEd)= ") +
                        qtText(mEl) + " kNm",
                    elastic};
        return {red("MEd = " + qtText(mEd) + " kNm > Mpl,rd(VEd)= " + qtText(mPl) +
                    " kNm ...  VERSAGEN"),
                QString()};
    }
    const double mEl = output.value("M_min_el") / 1000000.0;
    const double mPl = output.value("M_min_pl") / 1000000.0;
    if (mPl <= mEd && mEd < mEl)
        return {"Mel,Rd(VEd) = " + qtText(mEl) + " kNm > MEd = " + qtText(mEd) +
                    QString::fromUtf8(" kNm ≥ Mpl,Rd(VEd)= ") + qtText(mPl) + " kNm",
                partlyPlastic};
    if (mEd >= mEl)
        return {"MEd= " + qtText(mEd) + QString::fromUtf8(" kNm ≥ Mel,Rd(VEd)= ") + qtText(mEl) +
                    " kNm",
                elastic};
    return {red("MEd= " + qtText(mEd) + " kNm < Mpl,Rd(VEd)= " + qtText(mPl) +
                " kNm  ...  VERSAGEN"),
            QString()};
}

}  // namespace

CheckPanel buildCheckPanel(const results::KeyValues &output, bool sectionFailed) {
    CheckPanel panel;
    panel.vEd = output.value("V_Ed_t") / 1000.0;
    panel.mEd = output.value("M_Ed_t") / 1000000.0;
    const double vPl = output.value("V_pl_Rd") / 1000.0;

    InteractionVerdict verdict;
    if (sectionFailed) verdict.text = red(QStringLiteral("Versagen des Querschnitts!"));
    else verdict = interactionVerdict(panel.mEd, output);

    panel.lines = {
        {QStringLiteral("Einwirkungen"), checkHeading},
        {"Querkraft: VEd=" + qtText(panel.vEd) + " [kN]", checkLine},
        {"Bemessungswert Moment: MEd=" + qtText(panel.mEd) + " [kNm]", checkLineWide},
        {QString::fromUtf8("Querkrafttragfähigkeit"), checkHeading},
        {shearCheckText(panel.vEd, vPl), checkLine},
        {QStringLiteral("Interaktion Biegung und Querkraft"), checkHeading},
        {verdict.text, checkLine},
        {verdict.status, checkLineWide},
    };
    return panel;
}
