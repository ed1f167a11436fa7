#pragma once
// Common set-up and drawing helpers of the result plots: the six stress and
// strain plots and the moment–shear interaction plot share one look (legend
// style, axis labels, no mouse interaction) and one way of adding graphs and
// value labels. QCustomPlot is only forward-declared so that this header stays
// cheap to include.
#include <QColor>
#include <QPointF>
#include <QString>
#include <QVector>
#include <Qt>

class QCustomPlot;
class QCPGraph;
class QCPItemText;
class QFont;

// A range of one axis in plot coordinates.
struct AxisSpan {
    double min = 0.0;
    double max = 0.0;
};

// Where a plot's legend sits: stress and strain plots keep it right and
// vertically centred; the interaction plot chooses its corner per refresh.
enum class LegendPlacement { RightCentre, ChosenPerRefresh };

// A new plot without parent, legend visible (7 pt window font on a translucent
// white box), axis labels set, no dragging, zooming or selecting. Numbers on
// the axes use the decimal point whatever the user's locale. Until the first
// results are drawn it shows an empty frame noting that there is no calculation.
// Its context menu saves the picture and copies the values (plots/plot_export.h).
QCustomPlot *createResultPlot(const QString &xLabel, const QString &yLabel,
                              const QFont &windowFont, LegendPlacement placement);

// Which axis carries the key: stress and strain diagrams run vertically
// (key = height Z on the y axis), the interaction curves horizontally.
enum class KeyAxis { Vertical, Horizontal };

struct GraphStyle {
    QString name;
    QColor penColour;     // invalid colour: the library's default pen
    QColor brushColour;   // invalid colour: no fill
    Qt::PenStyle penStyle = Qt::SolidLine;
};

// Adds one graph with the given points. The points are kept in the given
// order when `keepOrder` is true (heights that repeat at zone boundaries),
// otherwise sorted by key.
QCPGraph *addResultGraph(QCustomPlot *plot, KeyAxis keyAxis, const QVector<double> &keys,
                         const QVector<double> &values, const GraphStyle &style, bool keepOrder);

// Small boxed value label beside a point given in plot coordinates (x, y):
// the alignment says on which side of the point it wants to lie. The plot's
// label layout keeps it inside the axis rect and clear of the other labels
// and the legend, with a leader line when it had to be moved. A key label
// (an extreme value) is never hidden; a secondary one may be.
QCPItemText *addValueLabel(QCustomPlot *plot, const QPointF &position, Qt::Alignment alignment,
                           const QString &text, const QString &fontFamily, bool key = false);

// Removes every graph and item of the plot.
void clearPlot(QCustomPlot *plot);

// A plot without data: cleared, no ticks, grid or legend, and a short note
// in the middle of the empty frame.
void showNoData(QCustomPlot *plot, const QString &note);
// Undoes showNoData before data are drawn again.
void showDataFrame(QCustomPlot *plot);
// The centred note of a plot without data; empty when the plot shows data.
QString noDataNote(QCustomPlot *plot);

// Lists in the legend only the graphs that have a point or a segment inside
// the current axis ranges, each name once (two bar layers are one
// "Bewehrung"); call after the ranges are set.
void listVisibleGraphsInLegend(QCustomPlot *plot);

// A strain in per mille with three significant digits ("0.00123", "-3.5").
QString strainNumber(double value);

// A number as the engine and the report print it: at most six significant
// digits, no trailing zeros, "." as decimal point.
QString plotNumber(double value);

// Rounds to the given number of decimals, halves upwards (floor(x·10^n + 0.5) / 10^n).
double roundHalfUp(double value, int decimals);
