#pragma once
// Stress and strain distributions over the height of the composite section,
// one pair of plots per analysed state (serviceability without and with
// tension stiffening, ultimate limit state). The distributions are built from
// the engine's per-zone rows, then drawn into a stress plot and a strain plot.
#include <string>
#include <vector>

#include <QString>
#include <QVector>

#include "plots/plot_setup.h"

class QCustomPlot;

// One material's diagram: heights Z (mm), stresses (N/mm²), strains (‰),
// two points per zone row (lower and upper edge).
struct DistributionCurve {
    QVector<double> z;
    QVector<double> sigma;
    QVector<double> eps;
};

struct StressDistribution {
    // ±f_yd,red and a value 0.0001 N/mm² beside it, per state row; the first
    // two entries draw the nearly vertical f_yd,red line.
    QVector<double> fydRed;
    DistributionCurve steel;
    DistributionCurve concrete;
    // The bars split into two groups: rows that continue the first group's
    // last height, and all others (normally the bottom and the top layer).
    DistributionCurve barsFirst;
    DistributionCurve barsSecond;

    // No material has a point: the state has no strain state.
    bool empty() const;
};

using ResultRows = std::vector<std::vector<double>>;

// Builds the distribution from the rows of one state folder: state rows with
// six numbers (M, V, kappa, Z_na, EI_i, fyd_red) and zone rows with seven
// numbers (Z_u, Z_o, Z_s, e_u, e_o, s_u, s_o) of steel, concrete and bars.
StressDistribution buildStressDistribution(const ResultRows &stateRows, const ResultRows &steelRows,
                                           const ResultRows &concreteRows, const ResultRows &barRows);

// The points of a material's diagram with its largest and its smallest
// stress, an end preferred where an inner point has the same value; one
// index when all stresses are equal.
QVector<int> extremeStressPoints(const DistributionCurve &curve);

// A labelled point of the distribution as the report's value table lists
// it: the zone ("Baustahl UK", "Bewehrung obere Lage OK", ...), its height Z
// (mm), strain (‰) and stress (N/mm²).
struct DistributionPoint {
    QString zone;
    double z, eps, sigma;
};

// The ends of steel and concrete, a stress extreme inside either, and both
// edges of each bar layer, from the bottom up within each material.
QVector<DistributionPoint> distributionPoints(const StressDistribution &distribution);

// Reads the state folder (with trailing separator) and builds its distribution.
StressDistribution readStressDistribution(const std::string &stateFolder);

// Widens the shorter side of a span that contains 0 so that it reaches at
// least two thirds of the longer side; a diagram with values of one sign
// still gets room on the other side for the axis and the labels.
AxisSpan balanceTwoThirds(AxisSpan span);

// Clears both plots and draws the distribution: the stress plot with the
// f_yd,red line, the strain plot without it, each with value labels at the
// ends of every material's diagram (stresses with four, strains with three
// significant digits); the extreme values of steel, concrete and each bar
// layer are key labels that stay shown at every size. The legend names each
// material once. An empty distribution leaves an empty frame with
// `missingNote` in its middle.
void drawStressPlot(QCustomPlot *plot, const StressDistribution &distribution,
                    const QString &fontFamily, const QString &missingNote);
void drawStrainPlot(QCustomPlot *plot, const StressDistribution &distribution,
                    const QString &fontFamily, const QString &missingNote);
