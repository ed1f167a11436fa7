#include "plots/interaction_plot.h"

#include "results/readable_numbers.h"

#include <algorithm>

#include "files/units.h"
#include "plots/label_layout.h"
#include "plots/plot_setup.h"
#include "qcustomplot.h"
#include "protocol/result_files.h"
#include "results/run_results.h"
#include "results/result_reader.h"

InteractionCurves buildInteractionCurves(const std::vector<std::vector<double>> &rows) {
    InteractionCurves c;
    for (const auto &row : rows) {
        if (row.size() < protocol::interaction::columnCount) continue;
        c.mPl << units::kilonewtonMetres(row[protocol::interaction::M_pl]);
        c.mEl << units::kilonewtonMetres(row[protocol::interaction::M_el]);
        double V = row[protocol::interaction::V];
        // A repeated shear force is moved by 0.01 N, so that the curve keeps its step.
        if (!c.v.isEmpty() && units::kilonewtons(V) == c.v.last()) V += V >= 0.0 ? 0.01 : -0.01;
        c.v << units::kilonewtons(V);
    }
    for (double v : c.v) {
        c.vMax = std::max(c.vMax, v);
        c.vMin = std::min(c.vMin, v);
    }
    for (double m : c.mPl) {
        c.mMax = std::max(c.mMax, m);
        c.mMin = std::min(c.mMin, m);
    }
    return c;
}

InteractionCurves readInteractionCurves(const std::string &path) {
    return buildInteractionCurves(results::readNumberRows(path, protocol::interaction::columnCount));
}

InteractionCurves readRunInteractionCurves(const std::string &runFolder) {
    InteractionCurves c = readInteractionCurves(runFolder + protocol::interactionFile);
    for (const results::NumberRow &row : results::readNumberRows(runFolder + protocol::partialInteractionFile,
                                                                 protocol::partialInteraction::columnCount)) {
        double V = row[protocol::partialInteraction::V];
        // As the limit curves: a repeated shear force keeps the step.
        if (!c.vPartial.isEmpty() && units::kilonewtons(V) == c.vPartial.last()) V += V >= 0.0 ? 0.01 : -0.01;
        c.vPartial << units::kilonewtons(V);
        c.mPartial << units::kilonewtonMetres(row[protocol::partialInteraction::M_Rd_eta]);
    }
    return c;
}

std::optional<Qt::Alignment> interactionLegendCorner(const InteractionCurves &c) {
    if (c.mMin != 0.0 && c.mMax == 0.0) {  // hogging: curves below the V axis
        if (c.vMax == 0.0) return Qt::AlignLeft | Qt::AlignBottom;
        if (c.vMin == 0.0) return Qt::AlignRight | Qt::AlignBottom;
    } else if (c.mMin == 0.0) {  // sagging: curves above the V axis
        if (c.vMin == 0.0) return Qt::AlignRight | Qt::AlignTop;
        if (c.vMax == 0.0) return Qt::AlignLeft | Qt::AlignTop;
    }
    return std::nullopt;
}

namespace {

const char *const plasticNoteName = "plasticCurveNote";

QCPTextElement *plasticNoteElement(QCustomPlot *plot) {
    QCPLayoutGrid *layout = plot->plotLayout();
    for (int i = 0; i < layout->elementCount(); ++i)
        if (auto *text = qobject_cast<QCPTextElement *>(layout->elementAt(i)))
            if (text->objectName() == QLatin1String(plasticNoteName)) return text;
    return nullptr;
}

// The note in its own row above the axis rect, clear of curves, legend and labels.
void setPlasticNote(QCustomPlot *plot, const QString &note) {
    QCPLayoutGrid *layout = plot->plotLayout();
    if (QCPTextElement *old = plasticNoteElement(plot)) {
        layout->remove(old);
        layout->simplify();
    }
    if (note.isEmpty()) return;
    layout->insertRow(0);
    QFont font = plot->font();
    font.setPointSize(8);
    auto *text = new QCPTextElement(plot, note, font);
    text->setObjectName(QString::fromLatin1(plasticNoteName));
    text->setTextColor(QColor(90, 90, 90));
    layout->addElement(0, 0, text);
}

}  // namespace

QString plasticCurveNote(const std::string &bendingBasis) {
    if (bendingBasis == results::verdict::elasticClass3)
        return QString::fromUtf8("Querschnittsklasse 3: pl. Grenzmoment nicht zulässig,\n"
                                 "elastische Bemessung (el. Grenzmoment ohne Querkraft)");
    if (bendingBasis == results::verdict::effectiveWeb)
        return QString::fromUtf8("Querschnittsklasse 3: pl. Grenzmoment nur des wirksamen\n"
                                 "Querschnitts mit Loch im Steg zulässig");
    if (bendingBasis == results::verdict::partialClass1 || bendingBasis == results::verdict::partialClass2)
        return QString::fromUtf8("Teilverdübelung: pl. Grenzmoment nur bei vollständiger Verdübelung,\n"
                                 "maßgebend M_Rd(η)");
    if (bendingBasis == results::verdict::partialNotCoveredClass3)
        return QString::fromUtf8("Querschnittsklasse 3 mit Teilverdübelung: nicht abgedeckt");
    if (bendingBasis == results::verdict::notCoveredClass4)
        return QString::fromUtf8("Querschnittsklasse 4: pl. Grenzmoment nicht zulässig,\n"
                                 "wirksamer Querschnitt nicht abgedeckt");
    return QString();
}

QString plasticCurveNote(const results::RunResults &run) {
    if (!run.verdicts().present()) return QString();
    return plasticCurveNote(run.verdicts().bending.basis);
}

QString plasticNoteOf(QCustomPlot *plot) {
    const QCPTextElement *text = plasticNoteElement(plot);
    return text ? text->text() : QString();
}

void drawInteractionCurves(QCustomPlot *plot, const InteractionCurves &c,
                           const QString &missingNote, const QString &plasticNote) {
    if (c.v.isEmpty()) {
        setPlasticNote(plot, QString());
        return showNoData(plot, missingNote);
    }
    clearPlot(plot);
    showDataFrame(plot);
    // Class 3 and 4 may not use the plastic limit: it stays visible for
    // comparison, dashed and grey.
    const bool plasticPermitted = plasticNote.isEmpty();
    const GraphStyle plastic =
        plasticPermitted
            ? GraphStyle{"pl. Grenzmoment", QColor(249, 237, 71, 255), QColor(249, 237, 71, 50)}
            : GraphStyle{"pl. Grenzmoment", QColor(150, 150, 150, 255), QColor(150, 150, 150, 25),
                         Qt::DashLine};
    addResultGraph(plot, KeyAxis::Horizontal, c.v, c.mPl, plastic, false);
    addResultGraph(plot, KeyAxis::Horizontal, c.v, c.mEl,
                   {"el. Grenzmoment", QColor(255, 165, 0, 255), QColor(255, 165, 0, 50)}, false);
    if (!c.mPartial.isEmpty())
        addResultGraph(plot, KeyAxis::Horizontal, c.vPartial, c.mPartial,
                       {QString::fromUtf8("M_Rd(η) Teilverdübelung"), QColor(30, 110, 200, 255),
                        QColor(30, 110, 200, 40)},
                       false);
    setPlasticNote(plot, plasticNote);
    plot->xAxis->setRange(1.4 * c.vMin, 1.4 * c.vMax);
    plot->yAxis->setRange(1.4 * c.mMin, 1.4 * c.mMax);
    if (const auto corner = interactionLegendCorner(c))
        plot->axisRect()->insetLayout()->setInsetAlignment(0, *corner);
    listVisibleGraphsInLegend(plot);
    plot->replot();
}

AxisSpan spanWithPoint(AxisSpan span, double value) {
    // Widening one end by f·w' of the new width w' = (value - other end)/(1 - f).
    constexpr double spare = 0.1;
    const double near = 0.02 * (span.max - span.min);
    if (value > span.max - near) span.max = value + spare * (value - span.min) / (1.0 - spare);
    if (value < span.min + near) span.min = value - spare * (span.max - value) / (1.0 - spare);
    return span;
}

QString designPointText(double vEd, double mEd) {
    return results::withUnit(vEd, 4, QStringLiteral("kN")) + " / " + results::withUnit(mEd, 4, QStringLiteral("kNm"));
}

namespace {

// Where the label lies from the point: on the side of the point away from
// the curves, as the signs of the range sums tell.
Qt::Alignment designLabelAlignment(double sumV, double sumM) {
    if (sumV >= 0.0 && sumM >= 0.0) return Qt::AlignLeft | Qt::AlignBottom;
    if (sumV < 0.0 && sumM > 0.0) return Qt::AlignRight | Qt::AlignBottom;
    if (sumV < 0.0 && sumM < 0.0) return Qt::AlignRight | Qt::AlignTop;
    if (sumV > 0.0 && sumM < 0.0) return Qt::AlignLeft | Qt::AlignTop;
    // Only one direction of the diagram is defined: the label is set off
    // along that direction.
    if (sumV < 0.0) return Qt::AlignRight | Qt::AlignVCenter;
    return Qt::AlignHCenter | Qt::AlignTop;
}

}  // namespace

void drawDesignPoint(QCustomPlot *plot, double mEd, double vEd, double sumV, double sumM,
                     const QString &fontFamily) {
    if (plot->graphCount() == 0 || plot->graph(0)->data()->isEmpty()) return;
    QCPGraph *point = plot->addGraph();
    point->setData({vEd}, {mEd});
    point->setPen(QPen(QColor(50, 50, 50, 255)));
    point->setLineStyle(QCPGraph::lsNone);
    point->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssCircle, 6));
    point->setName("Belastung: GZT");

    const AxisSpan v = spanWithPoint({plot->xAxis->range().lower, plot->xAxis->range().upper}, vEd);
    const AxisSpan m = spanWithPoint({plot->yAxis->range().lower, plot->yAxis->range().upper}, mEd);
    plot->xAxis->setRange(v.min, v.max);
    plot->yAxis->setRange(m.min, m.max);

    auto *label = new QCPItemText(plot);
    label->setBrush(QBrush(QColor(255, 255, 255, 200)));
    label->setPen(QPen(Qt::black));
    label->setPadding(QMargins(2, 1, 2, 1));
    label->setText(designPointText(vEd, mEd));
    label->setFont(QFont(fontFamily, 8));
    // The label keeps 18 px from the point and off the point's marker; the
    // arrow runs from the label to the point.
    LabelLayout::of(plot).add(label, QPointF(vEd, mEd), designLabelAlignment(sumV, sumM), 18.0,
                              LabelLayout::Leader::Arrow, 10.0);
    listVisibleGraphsInLegend(plot);
    plot->replot();
}
