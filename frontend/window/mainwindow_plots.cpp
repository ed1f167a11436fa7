// Results side of MainWindow: the stress and strain plots, the moment–shear
// interaction plot, the cross-section drawing and the two result tabs that
// hold the plots.
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "plots/interaction_plot.h"
#include "plots/plot_export.h"
#include "window/mainwindow.h"
#include "widgets/mygraphicsview.h"
#include "plots/plot_setup.h"
#include "qcustomplot.h"
#include "results/result_reader.h"
#include "results/run_results.h"
#include "plots/section_drawing.h"
#include "plots/stress_plots.h"
#include "protocol/result_files.h"

namespace {

// The dimensioned section fills the "Plot" tab, up to twice its natural size.
const double plotMaximumZoom = 2.0;

const char *const ohneTsCaption =
    "Spannungs- und Dehnungsverteilung ohne Berücksichtigung von Tension Stiffening";
const char *const mitTsCaption =
    "Spannungs- und Dehnungsverteilung mit Berücksichtigung von Tension Stiffening";

QLabel *caption(const QString &text) {
    auto *label = new QLabel(text);
    label->setStyleSheet("font: 14pt");
    label->setFixedHeight(30);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

// A plot whose saved pictures carry `title`.
QCustomPlot *titled(QCustomPlot *plot, const QString &title) {
    PlotExport::of(plot)->setTitle(title);
    return plot;
}

// The stress or strain plot of a state ("im GZT"), titled for its pictures.
QCustomPlot *stressPlot(const QFont &font, const char *state) {
    return titled(createResultPlot("σ [N/mm²]", "Z [mm]", font, LegendPlacement::RightCentre),
                  QString::fromUtf8("Spannungen ") + QString::fromUtf8(state));
}

QCustomPlot *strainPlot(const QFont &font, const char *state) {
    return titled(createResultPlot("ε [‰]", "Z [mm]", font, LegendPlacement::RightCentre),
                  QString::fromUtf8("Dehnungen ") + QString::fromUtf8(state));
}

const char *const gzgOhneTs = "im GZG ohne Tension Stiffening";
const char *const gzgMitTs = "im GZG mit Tension Stiffening";
const char *const gzt = "im GZT";

// A stress plot, a strain plot and the 150 px value panel of one state,
// side by side in the given grid row; `panelLayout` receives the panel's layout.
QWidget *stateRow(QCustomPlot *sigmaPlot, QCustomPlot *epsPlot, QVBoxLayout *&panelLayout, int row) {
    auto *panel = new QWidget;
    panel->setFixedWidth(150);
    panelLayout = new QVBoxLayout(panel);
    panelLayout->setContentsMargins(0, 0, 0, 0);  // the narrow column needs all its width for the values

    auto *widget = new QWidget;
    auto *grid = new QGridLayout(widget);
    grid->addWidget(sigmaPlot, row, 0);
    grid->addWidget(epsPlot, row, 1);
    grid->addWidget(panel, row, 2);
    return widget;
}

}  // namespace

QWidget *MainWindow::buildGebrauchstauglichkeitTab() {
    m_plotSpannungGzgOhneTs = stressPlot(font(), gzgOhneTs);
    m_plotDehnungGzgOhneTs = strainPlot(font(), gzgOhneTs);
    m_plotSpannungGzgMitTs = stressPlot(font(), gzgMitTs);
    m_plotDehnungGzgMitTs = strainPlot(font(), gzgMitTs);

    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(caption(ohneTsCaption));
    layout->addWidget(stateRow(m_plotSpannungGzgOhneTs, m_plotDehnungGzgOhneTs, m_textGzgOhneTs, 0));
    layout->addWidget(caption(mitTsCaption));
    layout->addWidget(stateRow(m_plotSpannungGzgMitTs, m_plotDehnungGzgMitTs, m_textGzgMitTs, 0));
    // EN 1994-1-1 7.4.2: the check on which the state with tension stiffening rests.
    auto *minimum = new QWidget;
    minimum->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);  // the plots take the height
    m_textMindestbewehrung = new QVBoxLayout(minimum);
    m_textMindestbewehrung->setContentsMargins(12, 0, 12, 4);
    m_textMindestbewehrung->setSpacing(2);
    layout->addWidget(minimum);
    return page;
}

QWidget *MainWindow::buildTragfaehigkeitTab() {
    auto *checkPanel = new QWidget;
    m_textNachweis = new QVBoxLayout(checkPanel);
    m_plotMV = titled(createResultPlot("V [kN]", "M [kNm]", font(), LegendPlacement::ChosenPerRefresh),
                      QString::fromUtf8("Interaktion Biegung und Querkraft im GZT"));

    auto *upper = new QWidget;
    auto *upperGrid = new QGridLayout(upper);
    upperGrid->addWidget(caption("Nachweis der Tragfähigkeit"), 0, 0);
    upperGrid->addWidget(checkPanel, 1, 0);
    upperGrid->addWidget(caption("Interaktion Biegung und Querkraft"), 0, 1);
    upperGrid->addWidget(m_plotMV, 1, 1);

    m_plotSpannungGzt = stressPlot(font(), gzt);
    m_plotDehnungGzt = strainPlot(font(), gzt);

    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(upper);
    layout->addWidget(caption(ohneTsCaption));
    layout->addWidget(stateRow(m_plotSpannungGzt, m_plotDehnungGzt, m_textGzt, 1));
    return page;
}

void MainWindow::update_graph_s(QCustomPlot *sigmaPlot, QCustomPlot *epsPlot, int limitState,
                                int withTs) {
    const std::string folder = results::stateFolder(m_runFolder, limitState, withTs);
    const StressDistribution distribution = readStressDistribution(folder);
    const QString missing = results::notDetermined(
        results::RunResults::read(m_runFolder).state(results::analysedState(limitState, withTs)).missing);
    drawStressPlot(sigmaPlot, distribution, font().family(), missing);
    drawStrainPlot(epsPlot, distribution, font().family(), missing);
}

void MainWindow::update_graph_M_V() {
    const InteractionCurves curves = readRunInteractionCurves(m_runFolder);
    drawInteractionCurves(m_plotMV, curves, results::notDetermined(results::Missing::NoCalculation),
                          plasticCurveNote(results::RunResults::read(m_runFolder)));
    m_mvSummeM = curves.sumM();
    m_mvSummeV = curves.sumV();
}

void MainWindow::update_Item_M_V(double mEd, double vEd) {
    drawDesignPoint(m_plotMV, mEd, vEd, m_mvSummeV, m_mvSummeM, font().family());
}

// The section of the run, dimensioned; the preview on the input tab follows the form.
void MainWindow::update_plot() {
    const SectionGeometry geometry = readSectionGeometry(m_runFolder + protocol::outputFile);
    const double scale = plotSceneScale(geometry);
    drawSection(m_plotScene, geometry, scale);
    // EN 1994-1-1 5.5.2(3): the web the effective section leaves out.
    const WebHoleHeights hole = readWebHole(m_runFolder);
    if (hole.hasHole) drawWebHole(m_plotScene, geometry, scale, hole.z_u, hole.z_o);
    drawSectionDimensions(m_plotScene, geometry, scale);
    m_plotView->fitScene(plotMaximumZoom);
}
