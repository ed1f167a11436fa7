#include "plots/plot_setup.h"

#include <cmath>

#include <QFont>

#include "qcustomplot.h"

QCustomPlot *createResultPlot(const QString &xLabel, const QString &yLabel,
                              const QFont &windowFont, LegendPlacement placement) {
    auto *plot = new QCustomPlot();
    plot->legend->setVisible(true);
    QFont legendFont = windowFont;
    legendFont.setPointSize(7);
    plot->legend->setFont(legendFont);
    plot->legend->setBrush(QBrush(QColor(255, 255, 255, 100)));
    if (placement == LegendPlacement::RightCentre)
        plot->axisRect()->insetLayout()->setInsetAlignment(0, Qt::AlignRight | Qt::AlignVCenter);
    plot->xAxis->setLabel(xLabel);
    plot->yAxis->setLabel(yLabel);
    plot->adjustSize();
    plot->setInteractions(QCP::Interactions());
    return plot;
}

QCPGraph *addResultGraph(QCustomPlot *plot, KeyAxis keyAxis, const QVector<double> &keys,
                         const QVector<double> &values, const GraphStyle &style, bool keepOrder) {
    QCPGraph *graph = keyAxis == KeyAxis::Vertical ? plot->addGraph(plot->yAxis, plot->xAxis)
                                                   : plot->addGraph(plot->xAxis, plot->yAxis);
    graph->setData(keys, values, keepOrder);
    graph->setName(style.name);
    QPen pen = graph->pen();
    if (style.penColour.isValid()) pen.setColor(style.penColour);
    if (style.penStyle != Qt::SolidLine) {
        pen.setStyle(style.penStyle);
        pen.setWidthF(1.0);
    }
    graph->setPen(pen);
    if (style.brushColour.isValid()) graph->setBrush(QBrush(style.brushColour));
    return graph;
}

QCPItemText *addValueLabel(QCustomPlot *plot, const QPointF &position, Qt::Alignment alignment,
                           const QString &text, const QString &fontFamily) {
    auto *label = new QCPItemText(plot);
    label->setBrush(QBrush(QColor(255, 255, 40, 50)));
    label->setPen(Qt::NoPen);
    label->setFont(QFont(fontFamily, 7));
    label->setPositionAlignment(alignment);
    label->position->setCoords(position);
    label->setText(text);
    return label;
}

void clearPlot(QCustomPlot *plot) {
    plot->clearGraphs();
    plot->clearItems();
}

QString plotNumber(double value) { return QString::number(value, 'g', 6); }

double roundHalfUp(double value, int decimals) {
    const double factor = std::pow(10.0, decimals);
    return std::floor(value * factor + 0.5) / factor;
}
