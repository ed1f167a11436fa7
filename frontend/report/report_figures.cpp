#include "report/report_figures.h"

#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QFontMetricsF>
#include <QPainter>
#include <QTextOption>
#include <QWidget>
#include <algorithm>
#include <cmath>

#include "plots/interaction_plot.h"
#include "plots/moment_curvature_plot.h"
#include "plots/plot_setup.h"
#include "plots/section_drawing.h"
#include "plots/section_geometry.h"
#include "plots/stress_plots.h"
#include "qcustomplot.h"
#include "results/readable_numbers.h"
#include "results/result_reader.h"
#include "results/run_results.h"
#include "protocol/result_files.h"

namespace report {

PlotRow::PlotRow() = default;
PlotRow::PlotRow(QWidget *owner_, QVector<QCustomPlot *> plots_) : owner(owner_), plots(std::move(plots_)) {}
PlotRow::PlotRow(PlotRow &&other) noexcept = default;
PlotRow &PlotRow::operator=(PlotRow &&other) noexcept = default;
PlotRow::~PlotRow() = default;

Figure::~Figure() = default;

namespace {

QString u(const char *text) { return QString::fromUtf8(text); }

// Gap between the plots of a row (1/96 inch).
constexpr double plotGap = 12.0;
// The drawing is at most this high (1/96 inch, about 9 cm).
constexpr double maximumDrawingHeight = 340.0;

// The value table under a figure (1/96 inch): its text size, the width of
// the zone column and of each number column, the gap above it.
constexpr int tablePixels = 10;
constexpr double zoneColumn = 190.0;
constexpr double numberColumn = 90.0;
constexpr double tableGap = 8.0;

// Axis texts of the report's plots (1/96 inch).
constexpr int tickLabelPixels = 10;
constexpr int axisLabelPixels = 11;

QFont sizedFont(QFont font, int pixels) {
    font.setPixelSize(pixels);
    return printedFont(font);
}

QFont pixelFont(QFont font) {
    if (font.pointSizeF() > 0.0) font.setPixelSize(std::max(1, qRound(font.pointSizeF() * 96.0 / 72.0)));
    return printedFont(font);
}

// The stress and the strain plot of one analysed state.
PlotRow statePlots(const FigureSource &source, results::AnalysedState state) {
    auto *owner = new QWidget;
    QCustomPlot *sigma = createResultPlot(u("σ [N/mm²]"), "Z [mm]", source.font, LegendPlacement::RightCentre);
    QCustomPlot *eps = createResultPlot(u("ε [‰]"), "Z [mm]", source.font, LegendPlacement::RightCentre);
    sigma->setParent(owner);
    eps->setParent(owner);
    const std::string folder = results::stateFolder(source.runFolder, results::limitStateIndex(state),
                                                    results::tensionStiffeningIndex(state));
    const StressDistribution distribution = readStressDistribution(folder);
    const QString missing =
        results::notDetermined(results::RunResults::read(source.runFolder).state(state).missing);
    drawStressPlot(sigma, distribution, source.font.family(), missing);
    drawStrainPlot(eps, distribution, source.font.family(), missing);
    PlotRow row(owner, {sigma, eps});
    for (const DistributionPoint &p : distributionPoints(distribution))
        row.table.rows.append({p.zone, results::significant(p.z, 4), results::significant(p.eps, 3),
                               results::significant(p.sigma, 4)});
    if (!row.table.rows.isEmpty()) row.table.header = QStringList{"Zone", "Z [mm]", u("ε [‰]"), u("σ [N/mm²]")};
    return row;
}

// The limit moments over the shear force with the design point of the
// ultimate limit state, as the tab "Tragfähigkeit" shows them, the plastic
// curve included where the section class forbids it.
PlotRow interactionPlot(const FigureSource &source) {
    QCustomPlot *plot = createResultPlot("V [kN]", "M [kNm]", source.font, LegendPlacement::ChosenPerRefresh);
    const InteractionCurves curves = readRunInteractionCurves(source.runFolder);
    const results::RunResults run = results::RunResults::read(source.runFolder);
    // Class 3 and 4: the plastic curve dashed and noted, as on the tab.
    drawInteractionCurves(plot, curves, results::notDetermined(results::Missing::NoCalculation),
                          plasticCurveNote(run));
    const std::optional<double> mEd = run.moment(results::AnalysedState::Ultimate);
    const std::optional<double> vEd = run.shearForce(results::AnalysedState::Ultimate);
    if (mEd && vEd) drawDesignPoint(plot, *mEd, *vEd, curves.sumV(), curves.sumM(), source.font.family());
    return PlotRow(plot, {plot});
}

// Paints one plot into the area, in the painter's units.
void paintPlot(QCPPainter &painter, QCustomPlot *plot, const QRectF &area) {
    painter.save();
    painter.translate(area.topLeft());
    const int width = std::max(1, static_cast<int>(std::floor(area.width())));
    const int height = std::max(1, static_cast<int>(std::floor(area.height())));
    painter.setClipRect(QRectF(0, 0, width, height));
    plot->toPainter(&painter, width, height);
    painter.restore();
}

class PlotRowFigure : public Figure {
public:
    PlotRowFigure(QString title, double heightPerWidth, PlotRow row, const QFont &font)
        : title_(std::move(title)), heightPerWidth_(heightPerWidth), row_(std::move(row)),
          tableFont_(sizedFont(font, tablePixels)) {
        for (QCustomPlot *plot : qAsConst(row_.plots)) {
            usePixelFonts(plot);
            // The axes of every plot in one size, whatever the window's font.
            for (QCPAxis *axis : plot->axisRect()->axes()) {
                axis->setTickLabelFont(sizedFont(axis->tickLabelFont(), tickLabelPixels));
                axis->setLabelFont(sizedFont(axis->labelFont(), axisLabelPixels));
            }
            if (plotHasData(plot)) hasData_ = true;
            else if (note_.isEmpty()) note_ = noDataNote(plot);
        }
        if (note_.isEmpty()) note_ = results::notDetermined(results::Missing::NoCalculation);
    }

    QString title() const override { return title_; }
    QString missing() const override { return hasData_ ? QString() : note_; }
    double height(double width) const override { return heightPerWidth_ * width + tableHeight(); }

    void paint(QCPPainter &painter, const QRectF &area) const override {
        const int n = row_.plots.size();
        if (n == 0) return;
        const double plotsHeight = std::max(1.0, area.height() - tableHeight());
        const double width = (area.width() - plotGap * (n - 1)) / n;
        for (int i = 0; i < n; ++i)
            paintPlot(painter, row_.plots[i],
                      QRectF(area.left() + i * (width + plotGap), area.top(), width, plotsHeight));
        paintTable(painter, QPointF(area.left(), area.top() + plotsHeight + tableGap));
    }

private:
    double rowHeight() const { return QFontMetricsF(tableFont_).lineSpacing() + 2.0; }
    double tableHeight() const {
        if (row_.table.rows.isEmpty()) return 0.0;
        return tableGap + rowHeight() * (row_.table.rows.size() + 1);
    }
    // Zone left, numbers right-aligned; a rule under the heads.
    void paintTable(QCPPainter &painter, const QPointF &topLeft) const {
        if (row_.table.rows.isEmpty()) return;
        painter.save();
        painter.setFont(tableFont_);
        painter.setPen(Qt::black);
        const double h = rowHeight();
        const auto drawRow = [&](const QStringList &cells, double y) {
            double x = topLeft.x();
            for (int c = 0; c < cells.size(); ++c) {
                const double w = c == 0 ? zoneColumn : numberColumn;
                QTextOption option(c == 0 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignRight | Qt::AlignVCenter);
                option.setUseDesignMetrics(true);
                option.setWrapMode(QTextOption::NoWrap);
                painter.drawText(QRectF(x, y, w - (c == 0 ? 0.0 : 6.0), h), cells[c], option);
                x += w;
            }
        };
        drawRow(row_.table.header, topLeft.y());
        const double right = topLeft.x() + zoneColumn + numberColumn * (row_.table.header.size() - 1);
        painter.setPen(QPen(Qt::black, 0.75));
        painter.drawLine(QPointF(topLeft.x(), topLeft.y() + h), QPointF(right, topLeft.y() + h));
        painter.setPen(Qt::black);
        for (int r = 0; r < row_.table.rows.size(); ++r) drawRow(row_.table.rows[r], topLeft.y() + h * (r + 1));
        painter.restore();
    }

    QString title_;
    double heightPerWidth_;
    PlotRow row_;
    QFont tableFont_;
    bool hasData_ = false;
    QString note_;
};

// The section of the run folder's output.txt with its dimension lines, as
// the tab "Plot" shows it. The section is drawn at a scale at which the
// whole drawing, dimensions included, fits the width of the page with its
// texts at their natural size.
class SectionFigure : public Figure {
public:
    explicit SectionFigure(const std::string &runFolder)
        : geometry_(readSectionGeometry(runFolder + protocol::outputFile)), hole_(readWebHole(runFolder)) {}

    QString title() const override { return u("Querschnitt"); }
    QString missing() const override {
        return plotSceneScale(geometry_) > 0.0 ? QString()
                                               : results::notDetermined(results::Missing::NoCalculation);
    }
    double height(double width) const override {
        const QRectF source = drawnFor(width);
        if (!(source.width() > 0.0)) return 0.0;
        return std::min(maximumDrawingHeight, source.height() * std::min(1.0, width / source.width()));
    }
    void paint(QCPPainter &painter, const QRectF &area) const override {
        const QRectF source = drawnFor(area.width());
        if (!(source.width() > 0.0) || !(source.height() > 0.0)) return;
        const double scale = std::min({1.0, area.width() / source.width(), area.height() / source.height()});
        const QSizeF size = source.size() * scale;
        const QRectF target(area.left() + (area.width() - size.width()) / 2.0, area.top(), size.width(),
                            size.height());
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing);
        scene_.render(&painter, target, source, Qt::KeepAspectRatio);
        painter.restore();
    }

private:
    // Draws the section for a page of the given width; returns the scene rectangle.
    QRectF drawnFor(double width) const {
        if (width == drawnWidth_) return scene_.sceneRect();
        drawnWidth_ = width;
        const double natural = plotSceneScale(geometry_);
        if (!(natural > 0.0)) return QRectF();
        draw(natural);
        // The dimension lines and texts keep their size at every scale: the
        // section takes the width they leave.
        const double sectionWidth = std::max({geometry_.b_e, geometry_.b_f1, geometry_.b_f2});
        const double fixed = scene_.sceneRect().width() - natural * sectionWidth;
        const double fitting = sectionWidth > 0.0 ? (width - fixed) / sectionWidth : natural;
        if (fitting > 0.0 && fitting < natural) draw(fitting);
        return scene_.sceneRect();
    }
    void draw(double scale) const {
        drawSection(&scene_, geometry_, scale);
        if (hole_.hasHole) drawWebHole(&scene_, geometry_, scale, hole_.z_u, hole_.z_o);
        drawSectionDimensions(&scene_, geometry_, scale);
        for (QGraphicsItem *item : scene_.items())
            if (auto *text = dynamic_cast<QGraphicsTextItem *>(item)) text->setFont(printedFont(text->font()));
    }

    SectionGeometry geometry_;
    WebHoleHeights hole_;
    mutable QGraphicsScene scene_;
    mutable double drawnWidth_ = -1.0;
};

}  // namespace

const std::vector<PlotFigureEntry> &reportPlotFigures() {
    using results::AnalysedState;
    static const std::vector<PlotFigureEntry> entries = {
        {u("Spannungs- und Dehnungsverteilung im GZG ohne Tension Stiffening"), 0.42,
         [](const FigureSource &s) { return statePlots(s, AnalysedState::ServiceabilityWithoutTs); }},
        {u("Spannungs- und Dehnungsverteilung im GZG mit Tension Stiffening"), 0.42,
         [](const FigureSource &s) { return statePlots(s, AnalysedState::ServiceabilityWithTs); }},
        {u("Spannungs- und Dehnungsverteilung im GZT"), 0.42,
         [](const FigureSource &s) { return statePlots(s, AnalysedState::Ultimate); }},
        {u("Interaktion Biegung und Querkraft im GZT"), 0.6, interactionPlot},
        {u("Momenten-Krümmungs-Beziehung im GZT"), 0.6,
         [](const FigureSource &s) {
             auto *view = new MomentCurvaturePlot(s.font);
             view->refresh(s.runFolder);
             return PlotRow(view, {view->customPlot()});
         }},
    };
    return entries;
}

std::vector<std::unique_ptr<Figure>> buildReportFigures(const FigureSource &source) {
    std::vector<std::unique_ptr<Figure>> figures;
    figures.push_back(std::make_unique<SectionFigure>(source.runFolder));
    for (const PlotFigureEntry &entry : reportPlotFigures())
        figures.push_back(
            std::make_unique<PlotRowFigure>(entry.title, entry.heightPerWidth, entry.build(source), source.font));
    return figures;
}

QFont printedFont(QFont font) {
    font.setStyleStrategy(QFont::StyleStrategy(font.styleStrategy() | QFont::PreferNoShaping));
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

bool plotHasData(const QCustomPlot *plot) {
    for (int i = 0; i < plot->graphCount(); ++i)
        if (!plot->graph(i)->data()->isEmpty()) return true;
    return false;
}

void usePixelFonts(QCustomPlot *plot) {
    for (QCPAxis *axis : plot->axisRect()->axes()) {
        axis->setLabelFont(pixelFont(axis->labelFont()));
        axis->setSelectedLabelFont(pixelFont(axis->selectedLabelFont()));
        axis->setTickLabelFont(pixelFont(axis->tickLabelFont()));
        axis->setSelectedTickLabelFont(pixelFont(axis->selectedTickLabelFont()));
    }
    QCPLegend *legend = plot->legend;
    legend->setFont(pixelFont(legend->font()));
    legend->setSelectedFont(pixelFont(legend->selectedFont()));
    for (int i = 0; i < legend->itemCount(); ++i) {
        QCPAbstractLegendItem *item = legend->item(i);
        item->setFont(pixelFont(item->font()));
        item->setSelectedFont(pixelFont(item->selectedFont()));
    }
    for (int i = 0; i < plot->itemCount(); ++i) {
        if (auto *text = qobject_cast<QCPItemText *>(plot->item(i))) {
            text->setFont(pixelFont(text->font()));
            text->setSelectedFont(pixelFont(text->selectedFont()));
        }
    }
    for (QCPLayoutElement *element : plot->plotLayout()->elements(true)) {
        if (auto *text = qobject_cast<QCPTextElement *>(element)) {
            text->setFont(pixelFont(text->font()));
            text->setSelectedFont(pixelFont(text->selectedFont()));
        }
    }
}

}  // namespace report
