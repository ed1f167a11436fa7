#include "plots/stress_plots.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "plots/plot_setup.h"
#include "qcustomplot.h"
#include "results/readable_numbers.h"
#include "results/result_reader.h"
#include "protocol/result_files.h"

namespace {

// Columns of a zone row up to the stresses, and of a state row up to fyd_red.
using protocol::zone::Z_u;
using protocol::zone::Z_o;
using protocol::zone::e_u;
using protocol::zone::e_o;
using protocol::zone::s_u;
using protocol::zone::s_o;
constexpr int zoneColumns = s_o + 1;
using protocol::state::M;
using protocol::state::fyd_red;
constexpr int stateColumns = fyd_red + 1;

void appendZone(DistributionCurve &curve, double zLower, double zUpper, const std::vector<double> &row) {
    curve.z << zLower << zUpper;
    curve.sigma << row[s_u] << row[s_o];
    curve.eps << row[e_u] << row[e_o];
}

// Steel zones: every height occurs once. A zone that does not reach above the
// previous top replaces that top point only when its top stress is larger in
// magnitude; a zone starting at the previous top starts 0.0001 mm higher.
void addSteelRow(DistributionCurve &steel, const std::vector<double> &row) {
    if (!steel.z.isEmpty() && steel.z.last() >= row[Z_o]) {
        if (std::abs(row[s_o]) <= std::abs(steel.sigma.last())) return;
        steel.z.removeLast();
        steel.sigma.removeLast();
        steel.eps.removeLast();
    }
    double zLower = row[Z_u];
    if (!steel.z.isEmpty() && steel.z.last() >= zLower) zLower = steel.z.last() + 0.0001;
    appendZone(steel, zLower, row[Z_o], row);
}

// Concrete zones: a stress jump at a zone boundary lifts the new lower point
// by 0.001 mm so that the diagram shows the jump as a step.
void addConcreteRow(DistributionCurve &concrete, const std::vector<double> &row) {
    const bool jump = !concrete.sigma.isEmpty() && concrete.sigma.last() != row[s_u];
    appendZone(concrete, jump ? row[Z_u] + 0.001 : row[Z_u], row[Z_o], row);
}

GraphStyle steelStyle() { return {"Baustahl", QColor(), QColor(0, 0, 255, 40)}; }
GraphStyle concreteStyle() { return {"Beton", QColor(Qt::red), QColor(255, 0, 20, 40)}; }
GraphStyle barStyle() { return {"Bewehrung", QColor(Qt::green), QColor(0, 255, 0, 40)}; }

struct StyledCurve {
    const DistributionCurve &curve;
    GraphStyle style;
};

std::array<StyledCurve, 4> styledCurves(const StressDistribution &d) {
    return {{{d.steel, steelStyle()},
             {d.concrete, concreteStyle()},
             {d.barsFirst, barStyle()},
             {d.barsSecond, barStyle()}}};
}

// Span of one quantity over all non-empty curves, starting from [0, -1]
// (so an all-positive quantity keeps 0 as its lower end).
AxisSpan spanOver(const StressDistribution &d, QVector<double> DistributionCurve::*values) {
    AxisSpan span{0.0, -1.0};
    for (const StyledCurve &styled : styledCurves(d)) {
        const QVector<double> &v = styled.curve.*values;
        if (v.isEmpty()) continue;
        span.max = std::max(span.max, *std::max_element(v.begin(), v.end()));
        span.min = std::min(span.min, *std::min_element(v.begin(), v.end()));
    }
    return span;
}

void addCurveGraphs(QCustomPlot *plot, const StressDistribution &d,
                    QVector<double> DistributionCurve::*values) {
    for (const StyledCurve &styled : styledCurves(d)) {
        const QVector<double> &v = styled.curve.*values;
        if (!v.isEmpty()) addResultGraph(plot, KeyAxis::Vertical, styled.curve.z, v, styled.style, true);
    }
}

enum class End { First, Last };

int pointIndex(const DistributionCurve &curve, End end) {
    return end == End::First ? 0 : curve.z.size() - 1;
}

// Value label beside a stress point: right of the point for tension, left of
// it for compression and zero; above or below as the vertical flag says.
void addStressLabelAt(QCustomPlot *plot, const DistributionCurve &curve, int i, Qt::Alignment vertical,
                      const QString &fontFamily, bool key) {
    const double sigma = curve.sigma[i];
    const Qt::Alignment horizontal = sigma > 0.0 ? Qt::AlignLeft : Qt::AlignRight;
    addValueLabel(plot, QPointF(sigma, curve.z[i]), vertical | horizontal, results::stressText(sigma),
                  fontFamily, key);
}

// The stress labels of one material: its two ends, each with its vertical
// flag, in the given order, and a largest or smallest stress that lies
// between the ends (concrete in tension can peak inside the slab). The
// extreme values are key labels; an end that is no extreme, or that repeats
// the text of the other end, is secondary.
void addStressLabels(QCustomPlot *plot, const DistributionCurve &curve, End firstEnd, Qt::Alignment firstFlag,
                     End secondEnd, Qt::Alignment secondFlag, const QString &fontFamily) {
    if (curve.z.isEmpty()) return;
    const QVector<int> extremes = extremeStressPoints(curve);
    QStringList keyTexts;
    for (const auto &end : {std::make_pair(firstEnd, firstFlag), std::make_pair(secondEnd, secondFlag)}) {
        const int i = pointIndex(curve, end.first);
        const QString text = results::stressText(curve.sigma[i]);
        const bool key = extremes.contains(i) && !keyTexts.contains(text);
        if (key) keyTexts << text;
        addStressLabelAt(plot, curve, i, end.second, fontFamily, key);
    }
    for (int i : extremes) {
        const QString text = results::stressText(curve.sigma[i]);
        if (i == 0 || i == curve.z.size() - 1 || keyTexts.contains(text)) continue;
        keyTexts << text;
        addStressLabelAt(plot, curve, i, Qt::AlignVCenter, fontFamily, true);
    }
}

// One key label per bar layer, at the edge with the larger stress: both edge
// stresses, the upper first ("408.6 / 388.3 N/mm²"), or one value where
// they read the same. A bar is a few millimetres high: two labels would lie
// on top of each other.
void addBarStressLabel(QCustomPlot *plot, const DistributionCurve &bars, const QString &fontFamily) {
    if (bars.sigma.isEmpty()) return;
    const int first = 0, last = bars.sigma.size() - 1;
    const bool upper = bars.z[last] >= bars.z[first];
    const double top = bars.sigma[upper ? last : first], bottom = bars.sigma[upper ? first : last];
    const int i = std::abs(bars.sigma[last]) >= std::abs(bars.sigma[first]) ? last : first;
    const QString topText = results::significant(top, 4), bottomText = results::significant(bottom, 4);
    const QString text = (topText == bottomText ? topText : topText + " / " + bottomText) +
                         QString::fromUtf8(" N/mm²");
    const double sigma = bars.sigma[i];
    addValueLabel(plot, QPointF(sigma, bars.z[i]),
                  Qt::AlignVCenter | (sigma > 0.0 ? Qt::AlignLeft : Qt::AlignRight), text, fontFamily, true);
}

Qt::Alignment strainLabelAlignment(double eps, double z) {
    if (z > 0.0) return (eps >= 0.0 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter;
    if (z == 0.0) return (eps > 0.0 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignBottom;
    return Qt::AlignCenter;  // below the underside: centred on the point
}

// Strains vary linearly over the height: the labelled ends are the extremes
// and every strain label is a key label.
void addStrainLabelAt(QCustomPlot *plot, const DistributionCurve &curve, int i,
                      const QString &fontFamily) {
    const double eps = curve.eps[i];
    const double z = curve.z[i];
    addValueLabel(plot, QPointF(eps, z), strainLabelAlignment(eps, z), results::strainText(eps), fontFamily,
                  true);
}

void addStrainLabel(QCustomPlot *plot, const DistributionCurve &curve, End end,
                    const QString &fontFamily) {
    if (!curve.z.isEmpty()) addStrainLabelAt(plot, curve, pointIndex(curve, end), fontFamily);
}

// A bar group is labelled at the end with the larger strain magnitude.
void addBarStrainLabel(QCustomPlot *plot, const DistributionCurve &bars, const QString &fontFamily) {
    if (bars.eps.isEmpty()) return;
    const End end = std::abs(bars.eps.last()) > std::abs(bars.eps.first()) ? End::Last : End::First;
    addStrainLabelAt(plot, bars, pointIndex(bars, end), fontFamily);
}

}  // namespace

QVector<int> extremeStressPoints(const DistributionCurve &curve) {
    const int n = curve.sigma.size();
    if (n == 0) return {};
    // The ends first, so that a value an end shares with an inner point is
    // found at the end.
    QVector<int> order{0, n - 1};
    for (int i = 1; i < n - 1; ++i) order << i;
    int iMax = 0, iMin = 0;
    for (int i : order) {
        if (curve.sigma[i] > curve.sigma[iMax]) iMax = i;
        if (curve.sigma[i] < curve.sigma[iMin]) iMin = i;
    }
    return iMax == iMin ? QVector<int>{iMax} : QVector<int>{iMax, iMin};
}

QVector<DistributionPoint> distributionPoints(const StressDistribution &d) {
    QVector<DistributionPoint> points;
    const auto add = [&points](const QString &zone, const DistributionCurve &c, int i) {
        points.append({zone, c.z[i], c.eps[i], c.sigma[i]});
    };
    // "UK"/"OK": the lower and the upper edge (Unterkante, Oberkante).
    const auto material = [&](const QString &name, const DistributionCurve &c) {
        if (c.z.isEmpty()) return;
        const int last = c.z.size() - 1;
        add(name + " UK", c, 0);
        for (int i : extremeStressPoints(c))
            if (i != 0 && i != last) add(name + " (Extremwert)", c, i);
        add(name + " OK", c, last);
    };
    material(QStringLiteral("Baustahl"), d.steel);
    material(QStringLiteral("Beton"), d.concrete);
    // The bar layers by height: with two, the lower is the bottom layer; a
    // single one by the half of the slab it lies in.
    std::vector<const DistributionCurve *> layers;
    for (const DistributionCurve *c : {&d.barsFirst, &d.barsSecond})
        if (!c->z.isEmpty()) layers.push_back(c);
    const auto middle = [](const DistributionCurve &c) { return (c.z.first() + c.z.last()) / 2.0; };
    std::sort(layers.begin(), layers.end(),
              [&middle](const DistributionCurve *a, const DistributionCurve *b) { return middle(*a) < middle(*b); });
    for (std::size_t k = 0; k < layers.size(); ++k) {
        const DistributionCurve &c = *layers[k];
        bool lower = k == 0;
        if (layers.size() == 1 && !d.concrete.z.isEmpty())
            lower = middle(c) < (d.concrete.z.first() + d.concrete.z.last()) / 2.0;
        else if (layers.size() == 1)
            lower = true;
        const QString name = lower ? QStringLiteral("Bewehrung untere Lage") : QStringLiteral("Bewehrung obere Lage");
        const bool upward = c.z.last() >= c.z.first();
        add(name + " UK", c, upward ? 0 : c.z.size() - 1);
        add(name + " OK", c, upward ? c.z.size() - 1 : 0);
    }
    return points;
}

bool StressDistribution::empty() const {
    return steel.z.isEmpty() && concrete.z.isEmpty() && barsFirst.z.isEmpty() &&
           barsSecond.z.isEmpty();
}

StressDistribution buildStressDistribution(const ResultRows &stateRows, const ResultRows &steelRows,
                                           const ResultRows &concreteRows, const ResultRows &barRows) {
    StressDistribution d;
    for (const auto &row : stateRows) {
        if (row.size() < static_cast<std::size_t>(stateColumns)) continue;
        if (row[M] >= 0.0) d.fydRed << row[fyd_red] << row[fyd_red] + 0.0001;
        else d.fydRed << -row[fyd_red] << 0.0001 - row[fyd_red];
    }
    for (const auto &row : steelRows)
        if (row.size() >= static_cast<std::size_t>(zoneColumns)) addSteelRow(d.steel, row);
    for (const auto &row : concreteRows)
        if (row.size() >= static_cast<std::size_t>(zoneColumns)) addConcreteRow(d.concrete, row);
    for (const auto &row : barRows) {
        if (row.size() < static_cast<std::size_t>(zoneColumns)) continue;
        const bool continuesFirst = d.barsFirst.z.isEmpty() || d.barsFirst.z.last() == row[Z_u];
        appendZone(continuesFirst ? d.barsFirst : d.barsSecond, row[Z_u], row[Z_o], row);
    }
    return d;
}

StressDistribution readStressDistribution(const std::string &stateFolder) {
    return buildStressDistribution(
        results::readNumberRows(stateFolder + protocol::outputFile, stateColumns),
        results::readNumberRows(stateFolder + protocol::steelFile, zoneColumns),
        results::readNumberRows(stateFolder + protocol::concreteFile, zoneColumns),
        results::readNumberRows(stateFolder + protocol::reinforcementFile, zoneColumns));
}

AxisSpan balanceTwoThirds(AxisSpan span) {
    const double a = std::abs(span.min);
    if (2.0 / 3.0 * a > span.max) span.max = 2.0 / 3.0 * a;
    else if (a < 2.0 / 3.0 * span.max) span.min = -2.0 / 3.0 * span.max;
    return span;
}

void drawStressPlot(QCustomPlot *plot, const StressDistribution &d, const QString &fontFamily,
                    const QString &missingNote) {
    if (d.empty()) return showNoData(plot, missingNote);
    clearPlot(plot);
    showDataFrame(plot);
    const AxisSpan z = spanOver(d, &DistributionCurve::z);
    const AxisSpan sigma = balanceTwoThirds(spanOver(d, &DistributionCurve::sigma));

    if (d.fydRed.size() >= 2) {
        GraphStyle fydStyle{"f_yd,red", QColor(), QColor(), Qt::DotLine};
        addResultGraph(plot, KeyAxis::Vertical, {z.min, z.max}, {d.fydRed[0], d.fydRed[1]}, fydStyle,
                       true);
    }
    addCurveGraphs(plot, d, &DistributionCurve::sigma);
    plot->xAxis->setRange(1.55 * sigma.min, 1.75 * sigma.max);
    plot->yAxis->setRange(1.02 * z.min, 1.02 * z.max);
    listVisibleGraphsInLegend(plot);

    addStressLabels(plot, d.steel, End::First, Qt::AlignBottom, End::Last, Qt::AlignTop, fontFamily);
    addStressLabels(plot, d.concrete, End::First, Qt::AlignBottom, End::Last, Qt::AlignVCenter, fontFamily);
    addBarStressLabel(plot, d.barsFirst, fontFamily);
    addBarStressLabel(plot, d.barsSecond, fontFamily);
    plot->replot();
}

void drawStrainPlot(QCustomPlot *plot, const StressDistribution &d, const QString &fontFamily,
                    const QString &missingNote) {
    if (d.empty()) return showNoData(plot, missingNote);
    clearPlot(plot);
    showDataFrame(plot);
    const AxisSpan z = spanOver(d, &DistributionCurve::z);
    const AxisSpan eps = balanceTwoThirds(spanOver(d, &DistributionCurve::eps));

    addCurveGraphs(plot, d, &DistributionCurve::eps);
    plot->xAxis->setRange(1.4 * eps.min, 1.4 * eps.max);
    plot->yAxis->setRange(z.min, 1.02 * z.max);
    listVisibleGraphsInLegend(plot);

    addStrainLabel(plot, d.steel, End::First, fontFamily);
    addStrainLabel(plot, d.steel, End::Last, fontFamily);
    addStrainLabel(plot, d.concrete, End::Last, fontFamily);
    addBarStrainLabel(plot, d.barsFirst, fontFamily);
    addBarStrainLabel(plot, d.barsSecond, fontFamily);
    plot->replot();
}
