#include "plots/interaction_plot.h"

#include <algorithm>

#include "plots/plot_setup.h"
#include "qcustomplot.h"
#include "results/result_reader.h"

InteractionCurves buildInteractionCurves(const std::vector<std::vector<double>> &rows) {
    InteractionCurves c;
    for (const auto &row : rows) {
        if (row.size() < 3) continue;
        c.mPl << row[1] / 1.0e6;
        c.mEl << row[2] / 1.0e6;
        double V = row[0];
        if (!c.v.isEmpty() && V / 1000.0 == c.v.last()) V += V >= 0.0 ? 0.01 : -0.01;
        c.v << V / 1000.0;
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
    return buildInteractionCurves(results::readNumberRows(path, 3));
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

void drawInteractionCurves(QCustomPlot *plot, const InteractionCurves &c) {
    clearPlot(plot);
    addResultGraph(plot, KeyAxis::Horizontal, c.v, c.mPl,
                   {"pl. Grenzmoment", QColor(249, 237, 71, 255), QColor(249, 237, 71, 50)}, false);
    addResultGraph(plot, KeyAxis::Horizontal, c.v, c.mEl,
                   {"el. Grenzmoment", QColor(255, 165, 0, 255), QColor(255, 165, 0, 50)}, false);
    plot->xAxis->setRange(1.4 * c.vMin, 1.4 * c.vMax);
    plot->yAxis->setRange(1.4 * c.mMin, 1.4 * c.mMax);
    if (const auto corner = interactionLegendCorner(c))
        plot->axisRect()->insetLayout()->setInsetAlignment(0, *corner);
    plot->replot();
}

QString designPointText(double vEd, double mEd) {
    return plotNumber(roundHalfUp(vEd, 1)) + "kN / " + plotNumber(roundHalfUp(mEd, 1)) + "kNm";
}

namespace {

// Label alignment and the label anchor the arrow starts from, so that the
// label lies on the side of the point away from the curves.
struct LabelPlacement {
    Qt::Alignment alignment;
    QCPItemAnchor *arrowStart;
};

LabelPlacement designLabelPlacement(QCPItemText *label, double sumV, double sumM) {
    if (sumV >= 0.0 && sumM >= 0.0) return {Qt::AlignLeft | Qt::AlignBottom, label->bottomLeft};
    if (sumV < 0.0 && sumM > 0.0) return {Qt::AlignRight | Qt::AlignBottom, label->bottomRight};
    if (sumV < 0.0 && sumM < 0.0) return {Qt::AlignRight | Qt::AlignTop, label->topRight};
    if (sumV > 0.0 && sumM < 0.0) return {Qt::AlignLeft | Qt::AlignTop, label->topLeft};
    // Only one direction of the diagram is defined: the label is set off
    // along that direction and the arrow leaves from the facing edge.
    if (sumV < 0.0) return {Qt::AlignRight | Qt::AlignVCenter, label->right};
    return {Qt::AlignHCenter | Qt::AlignTop, label->top};
}

}  // namespace

void drawDesignPoint(QCustomPlot *plot, double mEd, double vEd, double sumV, double sumM,
                     const QString &fontFamily) {
    QCPGraph *point = plot->addGraph();
    point->setData({vEd}, {mEd});
    point->setPen(QPen(QColor(50, 50, 50, 255)));
    point->setLineStyle(QCPGraph::lsNone);
    point->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssCircle, 6));
    point->setName("Belastung: GZT");

    auto *label = new QCPItemText(plot);
    label->setBrush(QBrush(QColor(255, 255, 255, 200)));
    label->setPen(QPen(Qt::black));
    const LabelPlacement placement = designLabelPlacement(label, sumV, sumM);
    label->setPositionAlignment(placement.alignment);
    label->position->setCoords(vEd + sumV / 18.0, mEd + sumM / 12.0);
    label->setText(designPointText(vEd, mEd));
    label->setFont(QFont(fontFamily, 8));

    auto *arrow = new QCPItemLine(plot);
    arrow->start->setParentAnchor(placement.arrowStart);
    arrow->end->setCoords(roundHalfUp(vEd, 1), roundHalfUp(mEd, 1));
    arrow->setHead(QCPLineEnding(QCPLineEnding::esSpikeArrow, 8, 10));
    plot->replot();
}
