#include "plots/plot_setup.h"

#include <algorithm>
#include <cmath>

#include <QFont>
#include <QLocale>

#include "plots/label_layout.h"
#include "plots/plot_export.h"
#include "qcustomplot.h"

namespace {

const char *const noteName = "noDataNote";

void showAxisDecoration(QCustomPlot *plot, bool show) {
    for (QCPAxis *axis : {plot->xAxis, plot->yAxis}) {
        axis->setTicks(show);
        axis->setTickLabels(show);
        axis->grid()->setVisible(show);
    }
    plot->legend->setVisible(show);
}

// True when the segment from a to b (key, value) may cross the visible box.
bool segmentVisible(const QCPRange &keys, const QCPRange &values, double k1, double v1, double k2,
                    double v2) {
    return std::max(k1, k2) >= keys.lower && std::min(k1, k2) <= keys.upper &&
           std::max(v1, v2) >= values.lower && std::min(v1, v2) <= values.upper;
}

bool graphVisible(QCPGraph *graph) {
    const QCPRange keys = graph->keyAxis()->range();
    const QCPRange values = graph->valueAxis()->range();
    auto it = graph->data()->constBegin();
    const auto end = graph->data()->constEnd();
    if (it == end) return false;
    double k = it->key, v = it->value;
    if (segmentVisible(keys, values, k, v, k, v)) return true;
    for (++it; it != end; ++it) {
        if (segmentVisible(keys, values, k, v, it->key, it->value)) return true;
        k = it->key;
        v = it->value;
    }
    return false;
}

}  // namespace

QCustomPlot *createResultPlot(const QString &xLabel, const QString &yLabel,
                              const QFont &windowFont, LegendPlacement placement) {
    auto *plot = new QCustomPlot();
    QLocale numbers = QLocale::c();
    numbers.setNumberOptions(QLocale::OmitGroupSeparator);
    plot->setLocale(numbers);
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
    showNoData(plot, QStringLiteral("noch keine Berechnung"));
    // "Bild speichern…" and "Werte kopieren" in its context menu.
    PlotExport::attach(plot);
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
                           const QString &text, const QString &fontFamily, bool key) {
    auto *label = new QCPItemText(plot);
    label->setBrush(QBrush(QColor(255, 255, 40, 50)));
    label->setPen(Qt::NoPen);
    label->setFont(QFont(fontFamily, 7));
    label->setPadding(QMargins(1, 0, 1, 0));
    label->setText(text);
    LabelLayout::of(plot).add(label, position, alignment, 3.0, LabelLayout::Leader::WhenDisplaced, 0.0, key);
    return label;
}

void clearPlot(QCustomPlot *plot) {
    LabelLayout::of(plot).clear();
    plot->clearGraphs();
    plot->clearItems();
}

void showNoData(QCustomPlot *plot, const QString &note) {
    clearPlot(plot);
    showAxisDecoration(plot, false);
    auto *text = new QCPItemText(plot);
    text->setObjectName(QString::fromLatin1(noteName));
    text->position->setType(QCPItemPosition::ptAxisRectRatio);
    text->position->setCoords(0.5, 0.5);
    text->setPositionAlignment(Qt::AlignCenter);
    text->setColor(QColor(90, 90, 90));
    QFont font = plot->font();
    font.setPointSize(9);
    text->setFont(font);
    text->setText(note);
    plot->replot();
}

void showDataFrame(QCustomPlot *plot) { showAxisDecoration(plot, true); }

QString noDataNote(QCustomPlot *plot) {
    for (int i = 0; i < plot->itemCount(); ++i)
        if (plot->item(i)->objectName() == QLatin1String(noteName))
            return static_cast<QCPItemText *>(plot->item(i))->text();
    return QString();
}

void listVisibleGraphsInLegend(QCustomPlot *plot) {
    QStringList listed;
    for (int i = 0; i < plot->graphCount(); ++i) {
        QCPGraph *graph = plot->graph(i);
        if (graphVisible(graph) && !listed.contains(graph->name())) {
            graph->addToLegend();
            listed << graph->name();
        } else {
            graph->removeFromLegend();
        }
    }
}

QString strainNumber(double value) {
    // + 0.0 turns a negative zero into zero, which prints without its sign.
    return QString::number(value + 0.0, 'g', 3);
}

QString plotNumber(double value) { return QString::number(value, 'g', 6); }

double roundHalfUp(double value, int decimals) {
    const double factor = std::pow(10.0, decimals);
    return std::floor(value * factor + 0.5) / factor;
}
