#pragma once
// The minimum-reinforcement check of the serviceability tab (EN 1994-1-1
// 7.4.2) and the warning after a run whose bars fall short of it. The
// verdict, A_s,min and A_s,vor are the engine's (the row "mindestbewehrung"
// of Nachweise.txt); k_c, k and σ_s are the run's input, f_ct,eff the
// engine's echo in output.txt. Nothing is decided here.
#include <QString>
#include <QVector>
#include <optional>
#include <string>

#include "results/result_panels.h"
#include "results/run_results.h"

namespace results {

// The factors of the minimum reinforcement as the run's input.txt holds them.
struct MinimumInput {
    std::optional<double> k_c, k, s_s;
};
MinimumInput minimumInputOf(const std::string &runFolder);

// "k_c = 0.4, k = 0.8, σ_s = 320 N/mm², f_ct,eff = 2.9 N/mm²"; a factor the
// input does not hold reads "nicht angegeben".
QString minimumParameters(const RunResults &run, const MinimumInput &input);

// The lines of the panel: a heading; the check with A_s,min, A_s,vor and η
// and its verdict, or "nicht maßgebend (…)" (red when not fulfilled); the
// factors with the formula; and, when the bars fall short, that the state
// with tension stiffening rests on a missing minimum reinforcement.
QVector<PanelLine> buildMinimumPanel(const RunResults &run, const MinimumInput &input);

// The text of the "Warnung" box after a run whose bars fall short of the
// minimum: the engine's message as the front end words it, then the
// numbers. Without the engine's row (an older run) the message alone.
QString minimumWarningText(const QString &message, const RunResults &run, const MinimumInput &input);

}  // namespace results
