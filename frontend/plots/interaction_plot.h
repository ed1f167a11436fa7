#pragma once
// Moment–shear interaction in the ultimate limit state: the plastic and the
// elastic limit moment over the shear force (EN 1994-1-1 6.2.2.4), and the
// design load (V_Ed, M_Ed) as a point with a boxed label and an arrow.
#include <optional>
#include <string>
#include <vector>

#include <QString>
#include <QVector>
#include <Qt>

#include "plots/plot_setup.h"

class QCustomPlot;

namespace results {
class RunResults;
}

struct InteractionCurves {
    QVector<double> v;    // shear force, kN
    QVector<double> mPl;  // plastic limit moment, kNm
    QVector<double> mEl;  // elastic limit moment, kNm
    // The sagging resistance M_Rd(eta) of a partial connection over V (kN,
    // kNm); empty where the connection is full or the run had no studs.
    QVector<double> vPartial, mPartial;
    // Ranges of V and M_pl including 0 on one side (start values 0 and -1).
    double vMin = 0.0, vMax = -1.0, mMin = 0.0, mMax = -1.0;

    // Sums of the range ends: their signs tell into which quadrant the curves
    // extend, and so where the design-point label goes.
    double sumV() const { return vMin + vMax; }
    double sumM() const { return mMin + mMax; }
};

// From rows V (N), M_pl (Nmm), M_el (Nmm). A shear force equal to the previous
// one is moved 0.01 N away from zero, so the vertical end of the curve keeps
// its point order.
InteractionCurves buildInteractionCurves(const std::vector<std::vector<double>> &rows);

InteractionCurves readInteractionCurves(const std::string &path);
// The curves of a run folder: V_M_beziehung.txt and the reduced sagging
// curve of V_M_Teilverduebelung.txt.
InteractionCurves readRunInteractionCurves(const std::string &runFolder);

// The legend corner that lies away from the curves, or none when no rule
// applies (the legend then keeps its previous corner).
std::optional<Qt::Alignment> interactionLegendCorner(const InteractionCurves &curves);

// The note over the plot when the bending check the engine made does not
// use the plastic limit of the whole section: a Class 3 section checked
// elastically or with an effective Class 2 web ("Loch im Steg"), or Class 4;
// empty for Class 1 and 2 and for a run without verdicts.
QString plasticCurveNote(const std::string &bendingBasis);
QString plasticCurveNote(const results::RunResults &run);

// Clears the plot and draws graph 0 "pl. Grenzmoment" and graph 1
// "el. Grenzmoment" (and graph 2 "M_Rd(η) Teilverdübelung" where the curves
// have it), sets the ranges and the legend corner. Without curves
// the plot is an empty frame with `missingNote` in its middle. With a
// `plasticNote` the plastic curve is dashed and grey, and the note stands
// above the axes.
void drawInteractionCurves(QCustomPlot *plot, const InteractionCurves &curves,
                           const QString &missingNote, const QString &plasticNote = QString());

// The note above the axes; empty when there is none.
QString plasticNoteOf(QCustomPlot *plot);

// The span widened, when needed, so that `value` lies inside it with a tenth
// of the widened span to spare on its side.
AxisSpan spanWithPoint(AxisSpan span, double value);

// "120 kN / 345.7 kNm": both values rounded to one decimal.
QString designPointText(double vEd, double mEd);

// Adds graph 2 "Belastung: GZT" with the design point, the boxed label set
// off towards the free side of the diagram, and an arrow from the label to
// the point. sumV and sumM are those of the curves drawn last. The ranges
// grow to include the point; the label stays inside the axis rect (it moves
// to another side of the point where it would leave it). Nothing is drawn on
// a plot without curves.
void drawDesignPoint(QCustomPlot *plot, double mEd, double vEd, double sumV, double sumM,
                     const QString &fontFamily);
