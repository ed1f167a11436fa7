#pragma once
// Geometry of the value labels of a drawn plot, in pixels, for tests that
// check that labels are readable: inside the axis rect and apart.
#include <QList>
#include <QRectF>
#include <QStringList>

class QCustomPlot;
class QCPItemText;

namespace plotchecks {

// The value labels of the plot (every text item but the note of an empty plot).
QList<QCPItemText *> valueLabels(QCustomPlot *plot);

// The box a text item covers now.
QRectF boxOf(QCPItemText *label);

// "a / b" for every two shown labels whose boxes intersect.
QStringList overlappingLabels(QCustomPlot *plot);

// The shown labels whose boxes leave the axis rect.
QStringList labelsOutsideAxisRect(QCustomPlot *plot);

// True when two labels would overlap at their wanted places (the plot is crowded).
bool wantedPlacesOverlap(QCustomPlot *plot);

// The labels hidden for want of room.
QStringList hiddenLabels(QCustomPlot *plot);

// The names of the graphs listed in the legend.
QStringList legendNames(QCustomPlot *plot);

}  // namespace plotchecks
