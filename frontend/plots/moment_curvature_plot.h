#pragma once
// Moment–curvature relation of the ultimate limit state in a tab of its own:
// both branches (κ in ‰/m, M in kNm), the elastic and plastic limits of each
// direction, the design points of GZT and GZG and the secant stiffness EI_i
// of the GZT design state as a line through the origin. Hovering a curve
// point shows κ, M, the neutral axis and the state. Without a relation the
// frame stays empty with a short note in its middle.
#include <string>

#include <QString>
#include <QWidget>

#include "results/moment_curvature_data.h"

class QCustomPlot;
class QFont;
class QMouseEvent;
class QPoint;

class MomentCurvaturePlot : public QWidget {
    Q_OBJECT

public:
    explicit MomentCurvaturePlot(const QFont &windowFont, QWidget *parent = nullptr);

    // Re-reads the run folder (with trailing separator) and redraws.
    void refresh(const std::string &runFolder);
    // Draws the given relation; without rows the empty frame with the note
    // saying why the relation is missing.
    void draw(const results::MomentCurvatureData &data,
              const QString &missingNote = QStringLiteral("noch keine Berechnung"));

    // The plot itself (export, context menu) and what it shows.
    QCustomPlot *customPlot() const { return plot_; }
    const results::MomentCurvatureData &data() const { return data_; }
    // The rows as a tab-separated table with a header line of names and units.
    QString valuesText() const;
    // Hover text of the curve point nearest to a widget position of the plot,
    // within 10 px; empty when there is none.
    QString hoverText(const QPoint &pixel) const;

    // Texts of the legend entries and of the note, as the tests look for them.
    static const char *const saggingName;
    static const char *const hoggingName;
    static const char *const elasticName;
    static const char *const plasticName;
    static const char *const ultimateName;
    static const char *const serviceName;

private:
    void showHoverText(QMouseEvent *event);

    QCustomPlot *plot_ = nullptr;
    QString fontFamily_;
    results::MomentCurvatureData data_;
};
