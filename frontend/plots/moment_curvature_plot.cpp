#include "plots/moment_curvature_plot.h"

#include <algorithm>
#include <cmath>

#include <QLabel>
#include <QMouseEvent>
#include <QToolTip>
#include <QVBoxLayout>

#include "files/units.h"
#include "plots/plot_export.h"
#include "plots/plot_setup.h"
#include "protocol/result_files.h"
#include "results/run_results.h"
#include "qcustomplot.h"

const char *const MomentCurvaturePlot::saggingName = "M–κ, positive Biegung";
const char *const MomentCurvaturePlot::hoggingName = "M–κ, negative Biegung";
const char *const MomentCurvaturePlot::elasticName = "elastisches Grenzmoment M_el";
const char *const MomentCurvaturePlot::plasticName = "plastisches Grenzmoment M_pl";
const char *const MomentCurvaturePlot::ultimateName = "Bemessungszustand GZT";
const char *const MomentCurvaturePlot::serviceName = "Bemessungszustand GZG (ohne Tension Stiffening)";

namespace {

const double hoverReach = 10.0;  // px

QString u(const char *text) { return QString::fromUtf8(text); }

QString stateText(const std::string &word) {
    protocol::ZoneState state;
    const QString shown = QString::fromStdString(word);
    if (!protocol::parseState(word, state)) return shown;
    switch (state) {
    case protocol::ZoneState::Elastic: return shown + u(" (elastisch)");
    case protocol::ZoneState::Yielded: return shown + u(" (nicht elastisch)");
    case protocol::ZoneState::Failed: return shown + u(" (Versagen)");
    case protocol::ZoneState::Cracked: break;
    }
    return shown;
}

// Marker graph: the present points, drawn as symbols without a line. With
// `withMoments` the legend names their moments ("name: -530.1 / 653.5 kNm"),
// so that the plot area keeps free of value labels.
QCPGraph *addMarkers(QCustomPlot *plot, const QString &name,
                     std::initializer_list<results::CurvatureMarker> markers,
                     QCPScatterStyle::ScatterShape shape, const QColor &colour,
                     bool withMoments = false) {
    QVector<double> k, m;
    QStringList moments;
    for (const results::CurvatureMarker &marker : markers) {
        if (!marker.present) continue;
        k << marker.kappa;
        m << marker.moment;
        moments << plotNumber(roundHalfUp(marker.moment, 1));
    }
    if (k.isEmpty()) return nullptr;
    QCPGraph *graph = plot->addGraph(plot->xAxis, plot->yAxis);
    graph->setData(k, m);
    graph->setName(withMoments ? QString("%1: %2 kNm").arg(name, moments.join(" / ")) : name);
    graph->setLineStyle(QCPGraph::lsNone);
    graph->setPen(QPen(colour, 1.5));
    graph->setScatterStyle(QCPScatterStyle(shape, colour, colour, 8));
    return graph;
}

struct Extent {
    double kMin = 0.0, kMax = 0.0, mMin = 0.0, mMax = 0.0;
    void add(double k, double m) {
        kMin = std::min(kMin, k);
        kMax = std::max(kMax, k);
        mMin = std::min(mMin, m);
        mMax = std::max(mMax, m);
    }
};

// A range around [lo, hi] with 8 % room on either side; a side without
// extent gets room of the same size, a plot without extent (-1, 1).
QCPRange paddedRange(double lo, double hi) {
    const double span = hi - lo;
    if (!(span > 0.0)) return QCPRange(-1.0, 1.0);
    return QCPRange(lo - 0.08 * span, hi + 0.08 * span);
}

}  // namespace

MomentCurvaturePlot::MomentCurvaturePlot(const QFont &windowFont, QWidget *parent)
    : QWidget(parent), fontFamily_(windowFont.family()) {
    plot_ = createResultPlot(u("Krümmung κ [‰/m]"), "Moment M [kNm]", windowFont,
                             LegendPlacement::ChosenPerRefresh);
    plot_->axisRect()->insetLayout()->setInsetAlignment(0, Qt::AlignLeft | Qt::AlignTop);
    plot_->setMouseTracking(true);
    connect(plot_, &QCustomPlot::mouseMove, this, &MomentCurvaturePlot::showHoverText);
    // "Werte kopieren" gives the rows with the neutral axis and the state.
    if (PlotExport *menu = PlotExport::of(plot_)) {
        menu->setValuesText([this] { return valuesText(); });
        menu->setTitle(u("Momenten-Krümmungs-Beziehung im GZT"));
    }

    auto *caption = new QLabel(u("Momenten-Krümmungs-Beziehung im Grenzzustand der Tragfähigkeit "
                                 "(Bemessungswerte, ohne Tension Stiffening)"));
    caption->setStyleSheet("font: 14pt");
    caption->setAlignment(Qt::AlignCenter);
    caption->setWordWrap(true);  // a narrow window wraps the caption instead of growing
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(caption);
    layout->addWidget(plot_, 1);
    draw(results::MomentCurvatureData());
}

void MomentCurvaturePlot::refresh(const std::string &runFolder) {
    // The relation belongs to the ultimate limit state: it is missing for the
    // same reason as its limit moments.
    const results::Missing missing = results::RunResults::read(runFolder).limitMomentsMissing();
    draw(results::readMomentCurvature(runFolder),
         missing == results::Missing::None ? QStringLiteral("nicht ermittelt")
                                           : results::notDetermined(missing));
}

void MomentCurvaturePlot::draw(const results::MomentCurvatureData &data,
                               const QString &missingNote) {
    data_ = data;
    if (data_.empty()) {
        plot_->legend->setVisible(false);
        showNoData(plot_, missingNote);
        return;
    }
    clearPlot(plot_);
    showDataFrame(plot_);
    plot_->legend->setVisible(true);
    Extent extent;
    const struct {
        int direction;
        const char *name;
        QColor colour;
    } branches[] = {{+1, saggingName, QColor(31, 119, 180)}, {-1, hoggingName, QColor(214, 39, 40)}};
    for (const auto &b : branches) {
        QVector<double> k, m;
        for (const results::CurvaturePoint &p : data_.branch(b.direction)) {
            k << p.kappa;
            m << p.moment;
            extent.add(p.kappa, p.moment);
        }
        QCPGraph *graph = addResultGraph(plot_, KeyAxis::Horizontal, k, m,
                                         {u(b.name), b.colour, QColor()}, true);
        graph->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssDisc, 3));
    }
    addMarkers(plot_, u(elasticName), {data_.elastic[0], data_.elastic[1]},
               QCPScatterStyle::ssDiamond, QColor(255, 165, 0), true);
    addMarkers(plot_, u(plasticName), {data_.plastic[0], data_.plastic[1]},
               QCPScatterStyle::ssSquare, QColor(60, 60, 60), true);
    addMarkers(plot_, u(ultimateName), {data_.designUls}, QCPScatterStyle::ssCircle,
               QColor(0, 128, 0));
    addMarkers(plot_, u(serviceName), {data_.designSls}, QCPScatterStyle::ssTriangle,
               QColor(148, 103, 189));
    for (const results::CurvatureMarker *marker :
         {&data_.elastic[0], &data_.elastic[1], &data_.plastic[0], &data_.plastic[1],
          &data_.designUls, &data_.designSls})
        if (marker->present) extent.add(marker->kappa, marker->moment);

    // Secant stiffness of the GZT design state: M = EI_i κ, κ in 1/m, through
    // the origin and the design point, on to the end of its branch or to the
    // edge of the moments, whichever comes first.
    if (data_.designUls.present && data_.eiUlsPresent && data_.eiUls > 0.0) {
        const double side = data_.designUls.kappa < 0.0 ? -1.0 : 1.0;
        double kEnd = side > 0.0 ? extent.kMax : extent.kMin;
        const double mEdge = side > 0.0 ? extent.mMax : extent.mMin;
        if (std::fabs(units::momentOf(data_.eiUls, kEnd)) > std::fabs(mEdge))
            kEnd = units::curvatureOf(mEdge, data_.eiUls);
        QCPGraph *secant = addResultGraph(
            plot_, KeyAxis::Horizontal, {0.0, kEnd}, {0.0, units::momentOf(data_.eiUls, kEnd)},
            {u("Sekantensteifigkeit GZT: EI_i = %1 kNm²").arg(plotNumber(roundHalfUp(data_.eiUls, 0))),
             QColor(0, 128, 0), QColor(), Qt::DashLine},
            true);
        secant->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssNone));
    }
    plot_->xAxis->setRange(paddedRange(extent.kMin, extent.kMax));
    plot_->yAxis->setRange(paddedRange(extent.mMin, extent.mMax));
    plot_->replot();
}

QString MomentCurvaturePlot::valuesText() const {
    QString text = u("κ [‰/m]\tM [kNm]\tz_na [mm]\tN [kN]\tZustand\n");
    for (const results::CurvaturePoint &p : data_.points)
        text += QString("%1\t%2\t%3\t%4\t%5\n")
                    .arg(plotNumber(p.kappa), plotNumber(p.moment), plotNumber(p.zNa),
                         plotNumber(p.axialForce), QString::fromStdString(p.state));
    return text;
}

QString MomentCurvaturePlot::hoverText(const QPoint &pixel) const {
    const results::CurvaturePoint *nearest = nullptr;
    double best = hoverReach * hoverReach;
    for (const results::CurvaturePoint &p : data_.points) {
        const double dx = plot_->xAxis->coordToPixel(p.kappa) - pixel.x();
        const double dy = plot_->yAxis->coordToPixel(p.moment) - pixel.y();
        if (dx * dx + dy * dy <= best) {
            best = dx * dx + dy * dy;
            nearest = &p;
        }
    }
    if (!nearest) return QString();
    return u("κ = %1 ‰/m\nM = %2 kNm\nNulllinie z_na = %3 mm\nZustand: %4")
        .arg(plotNumber(nearest->kappa), plotNumber(nearest->moment), plotNumber(nearest->zNa),
             stateText(nearest->state));
}

void MomentCurvaturePlot::showHoverText(QMouseEvent *event) {
    const QString text = hoverText(event->pos());
    if (text.isEmpty()) QToolTip::hideText();
    else QToolTip::showText(event->globalPos(), text, plot_);
}
