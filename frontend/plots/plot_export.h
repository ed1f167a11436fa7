#pragma once
// The context menu of every result plot and of the cross-section drawing:
// "Bild speichern…" saves the picture as a PNG of a chosen size or as a PDF
// (vector graphics, text stays text); "Werte kopieren" puts the plotted data
// on the clipboard as a tab-separated table with a header row, ready to be
// pasted into a spreadsheet. One PlotExport is attached to each plot or
// drawing and lives as its child.
#include <QList>
#include <QObject>
#include <QSize>
#include <QString>
#include <functional>

class QAction;
class QCustomPlot;
class QGraphicsView;
class QPoint;
class QWidget;
struct SectionGeometry;

// The graphs of a plot as a table: a header row with two columns per graph
// that has points, "<graph>: <axis label>" of its key axis and of its value
// axis (the axis labels carry the units; a repeated graph name gets " (2)"),
// then one row per point; a graph with fewer points leaves its cells empty.
// Numbers with a decimal point and at most six significant digits, as the
// result files hold them. Empty when no graph has a point.
QString plotValuesText(const QCustomPlot *plot);

// The dimensions of a section as a table: the header "Größe\tWert [mm]",
// then one row per dimension of the input form and the root radius r.
// Empty for a section without height (nothing is drawn).
QString sectionValuesText(const SectionGeometry &g);

// The file "Bild speichern…" proposes: `name`.png in `folder`, or in
// `fallback` when `folder` is no existing folder (a user without a documents
// folder).
QString suggestedImagePath(const QString &folder, const QString &fallback, const QString &name);

class PlotExport : public QObject {
    Q_OBJECT

public:
    using ValuesText = std::function<QString()>;

    // Where a picture goes: the file and the size in pixels (a PDF page has
    // a point per pixel). An empty path: cancelled.
    struct ImageTarget {
        QString path;
        QSize size;
    };
    using ImageChooser = std::function<ImageTarget(QWidget *parent, const QSize &suggested)>;

    // Gives the plot its context menu; its values are plotValuesText().
    static PlotExport *attach(QCustomPlot *plot);
    // Gives the drawing its context menu with the values `values` gives.
    static PlotExport *attach(QGraphicsView *view, ValuesText values);
    // The export attached to the widget, or nullptr.
    static PlotExport *of(const QWidget *widget);

    // Replaces the file dialog and the size dialog of "Bild speichern…"
    // (tests); an empty chooser restores the dialogs.
    static void setImageChooser(ImageChooser chooser);

    // A plot that knows its data better (e.g. with columns of its own)
    // replaces the table.
    void setValuesText(ValuesText values);
    QString valuesText() const;

    // The title a saved picture carries above the plot or drawing (the
    // window shows it as the caption beside the plot); it also names the
    // file proposed. Empty: no title.
    void setTitle(const QString &title) { title_ = title; }
    const QString &title() const { return title_; }

    // "Bild speichern…" and "Werte kopieren", in menu order.
    QList<QAction *> actions() const;

    // Writes the picture with its title: ".pdf" as a vector PDF, anything
    // else as a PNG of the given size. False when the file cannot be written.
    bool saveImage(const QString &path, const QSize &size) const;

private:
    explicit PlotExport(QWidget *widget);
    void chooseAndSave();
    void copyValues() const;
    void showMenu(const QPoint &position);

    QWidget *widget_;
    QCustomPlot *plot_ = nullptr;
    QGraphicsView *view_ = nullptr;
    ValuesText values_;
    QString title_;
    QAction *save_;
    QAction *copy_;
};
