#pragma once
// The figures of the design report, drawn from a run folder without a
// window: first the dimensioned cross-section, then the plot figures of
// reportPlotFigures() in their order (the stress and strain plots of each
// analysed state, the moment–shear interaction with the design point). A plot
// figure without results becomes a line that says why it is missing.
// Figures are measured and painted in units of 1/96 inch; their fonts are
// set in those units, so that they keep their size on a device of any
// resolution.
#include <QFont>
#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QCPPainter;
class QCustomPlot;
class QRectF;
class QWidget;

namespace report {

struct FigureSource {
    std::string runFolder;  // with trailing separator
    QFont font;             // font of the legends and value labels
};

// A small table printed under a figure: column heads and rows of texts.
struct ValueTable {
    QStringList header;
    QVector<QStringList> rows;
};

// The plots of one figure, side by side, with the widget that owns them
// (one of the plots itself, or a widget holding them), and the values the
// report prints under them (the stress and strain plots: zone, Z, ε, σ).
struct PlotRow {
    PlotRow();
    PlotRow(QWidget *owner, QVector<QCustomPlot *> plots);  // takes the owner
    PlotRow(PlotRow &&other) noexcept;
    PlotRow &operator=(PlotRow &&other) noexcept;
    ~PlotRow();

    std::unique_ptr<QWidget> owner;
    QVector<QCustomPlot *> plots;
    ValueTable table;
};

// One plot figure of the report: its title, its height as a share of the
// text width, and how its plots are drawn from a run folder.
struct PlotFigureEntry {
    QString title;
    double heightPerWidth;
    std::function<PlotRow(const FigureSource &source)> build;
};

// The plot figures in report order; a plot added to the program is added
// to the report with one more entry here.
const std::vector<PlotFigureEntry> &reportPlotFigures();

// A figure as the report places it.
class Figure {
public:
    virtual ~Figure();
    virtual QString title() const = 0;
    // Why the figure has nothing to show ("nicht ermittelt (...)"); empty
    // when it shows results.
    virtual QString missing() const = 0;
    // Height of the drawing for the given width (1/96 inch).
    virtual double height(double width) const = 0;
    // Paints the figure into the area (1/96 inch, the painter's units).
    virtual void paint(QCPPainter &painter, const QRectF &area) const = 0;
};

// The cross-section first, then one figure per entry of reportPlotFigures().
std::vector<std::unique_ptr<Figure>> buildReportFigures(const FigureSource &source);

// True when a graph of the plot has a point: a plot that only shows the
// note of a missing result has none.
bool plotHasData(const QCustomPlot *plot);

// The font as the report prints it: without ligatures, so that text taken
// from a PDF reads "Stiffening" and not "Sti\uFB00ening", and without
// hinting, so that its advances are those of the font's design at every
// resolution of the device (hinted advances round to the device's pixels).
QFont printedFont(QFont font);

// Sets every font of the plot (axes, legend, texts) in pixels of 1/96 inch
// instead of points, so that it scales with the painter and not with the
// resolution of the device.
void usePixelFonts(QCustomPlot *plot);

}  // namespace report
