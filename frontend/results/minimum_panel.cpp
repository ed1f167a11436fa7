#include "results/minimum_panel.h"


#include "results/design_report.h"
#include "results/readable_numbers.h"
#include "results/verdict_texts.h"

namespace results {

namespace {

QString u(const char *text) { return QString::fromUtf8(text); }

const QString heading = QStringLiteral("font: 10pt; text-decoration: underline;");
const QString line = QStringLiteral("font: 9pt");

QString red(const QString &text) { return "<font color='red'>" + text + "</font>"; }

QString factor(const std::optional<double> &value, int digits, const QString &unit = QString()) {
    if (!value) return QStringLiteral("nicht angegeben");
    return unit.isEmpty() ? significant(*value, digits) : withUnit(*value, digits, unit);
}

bool fallsShort(const RunResults &run) {
    return run.verdicts().present() && run.verdicts().minimum.result == CheckResult::NotFulfilled;
}

}  // namespace

MinimumInput minimumInputOf(const std::string &runFolder) {
    MinimumInput input;
    if (const std::optional<design::Design> design = readRunInput(runFolder)) {
        input.k_c = design->k_c;
        input.k = design->k_min;
        input.s_s = design->s_s;
    }
    return input;
}

QString minimumParameters(const RunResults &run, const MinimumInput &input) {
    const std::optional<double> fct = run.output().find("_f_ct_eff");
    return u("k_c = ") + factor(input.k_c, 3) + ", k = " + factor(input.k, 3) + u(", σ_s = ") +
           factor(input.s_s, 4, u("N/mm²")) + u(", f_ct,eff = ") +
           (fct ? stressText(*fct) : QStringLiteral("nicht ermittelt"));
}

QVector<PanelLine> buildMinimumPanel(const RunResults &run, const MinimumInput &input) {
    QVector<PanelLine> lines{{u("Mindestbewehrung (EN 1994-1-1 7.4.2)"), heading}};
    if (!run.calculated()) {
        lines.append({"Mindestbewehrung: " + notDetermined(Missing::NoCalculation), line});
        return lines;
    }
    const CheckText check = minimumText(run);
    QString text = check.line.isEmpty() ? check.verdict
                   : check.present      ? check.line + u(" – ") + check.verdict
                                        : check.line;
    if (check.result == CheckResult::NotFulfilled) text = red(text);
    lines.append({text, line});
    lines.append({minimumParameters(run, input) + u(";  A_s,min = k_c · k · f_ct,eff · A_ct / σ_s"), line});
    if (fallsShort(run))
        lines.append({red(u("A_s,vor < A_s,min: die Verteilung mit Tension Stiffening beruht auf fehlender "
                            "Mindestbewehrung und ist nicht eindeutig")),
                      line});
    return lines;
}

QString minimumWarningText(const QString &message, const RunResults &run, const MinimumInput &input) {
    const CheckText check = minimumText(run);
    if (!fallsShort(run) || check.line.isEmpty()) return message;
    return message + ".\n\n" + check.line + "\n" + u("mit ") + minimumParameters(run, input) + "\n\n" +
           u("Die Ergebnisse mit Tension Stiffening im Register „Gebrauchstauglichkeit“ beruhen darauf.");
}

}  // namespace results
