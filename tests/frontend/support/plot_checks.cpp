#include "support/plot_checks.h"

#include "plots/label_layout.h"
#include "qcustomplot.h"

namespace plotchecks {

QList<QCPItemText *> valueLabels(QCustomPlot *plot) {
    QList<QCPItemText *> labels;
    for (int i = 0; i < plot->itemCount(); ++i)
        if (auto *text = qobject_cast<QCPItemText *>(plot->item(i)))
            if (text->objectName() != QLatin1String("noDataNote")) labels << text;
    return labels;
}

QRectF boxOf(QCPItemText *label) {
    return QRectF(label->topLeft->pixelPosition(), label->bottomRight->pixelPosition());
}

QStringList overlappingLabels(QCustomPlot *plot) {
    QList<QCPItemText *> labels;
    for (QCPItemText *label : valueLabels(plot))
        if (label->visible()) labels << label;
    QStringList found;
    for (int i = 0; i < labels.size(); ++i)
        for (int j = i + 1; j < labels.size(); ++j)
            if (boxOf(labels[i]).intersects(boxOf(labels[j])))
                found << labels[i]->text() + " / " + labels[j]->text();
    return found;
}

QStringList labelsOutsideAxisRect(QCustomPlot *plot) {
    const QRectF rect = plot->axisRect()->rect();
    QStringList found;
    for (QCPItemText *label : valueLabels(plot))
        if (label->visible() && !rect.contains(boxOf(label))) found << label->text();
    return found;
}

QStringList hiddenLabels(QCustomPlot *plot) {
    QStringList found;
    for (QCPItemText *label : valueLabels(plot))
        if (!label->visible()) found << label->text();
    return found;
}

bool wantedPlacesOverlap(QCustomPlot *plot) {
    const QList<QCPItemText *> labels = valueLabels(plot);
    const LabelLayout &layout = LabelLayout::of(plot);
    for (int i = 0; i < labels.size(); ++i)
        for (int j = i + 1; j < labels.size(); ++j)
            if (layout.wantedBoxOf(labels[i]).intersects(layout.wantedBoxOf(labels[j]))) return true;
    return false;
}

QStringList legendNames(QCustomPlot *plot) {
    QStringList names;
    for (int i = 0; i < plot->legend->itemCount(); ++i)
        if (auto *item = qobject_cast<QCPPlottableLegendItem *>(plot->legend->item(i)))
            names << item->plottable()->name();
    return names;
}

}  // namespace plotchecks
