#pragma once
// Placement of the small value labels of a plot in pixels: every label lies
// inside the axis rect, clear of the legend and of the other labels. Key
// labels (the extreme values a plot exists to show) are never hidden: they
// are led out to a free place, drawn smaller, or the legend makes way; only
// secondary labels are hidden for want of room. The placement itself is a
// pure function; LabelLayout applies it to the label items of one plot each
// time the plot lays itself out (also after a resize).
#include <QFont>
#include <QPointF>
#include <QPointer>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QVector>
#include <Qt>

class QCustomPlot;
class QCPItemLine;
class QCPItemText;

// One label to place. `alignment` tells which part of the box sits at the
// anchor, as for a text item's position alignment: Qt::AlignLeft puts the
// box right of the anchor, Qt::AlignBottom above it; a centred flag centres
// the box on the anchor in that direction. `gap` keeps a box that is not
// centred that far (pixels) from the anchor.
struct LabelRequest {
    QPointF anchor;
    QSizeF size;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    double gap = 0.0;
    bool key = false;  // an extreme value that must stay shown
};

struct PlacedLabel {
    QRectF box;
    bool displaced = false;  // moved away from its wanted place: draw a leader line
    bool hidden = false;     // no room left for it: not shown (secondary labels only)
    bool crowded = false;    // a key label that found no free place: shown overlapping
};

// The box of a label at its wanted place.
QRectF wantedBox(const LabelRequest &label);

// Places the labels inside `bounds` so that no two boxes and no box and
// obstacle intersect, keeping each box as close to its wanted place as it
// can. A box that does not fit at its wanted place is mirrored to the other
// side of its anchor, else moved inside. Overlapping boxes are moved apart
// vertically. Key labels are decided first. A key label that still overlaps
// is led to the free place nearest to its anchor (the leader line shows
// where it belongs); when there is none it is shown all the same and marked
// crowded. A secondary label that still overlaps an earlier label, an
// obstacle or the bounds is hidden. Returns one placement per request, in
// request order.
QVector<PlacedLabel> placeLabels(const QVector<LabelRequest> &labels, const QRectF &bounds,
                                 const QVector<QRectF> &obstacles);

// The point of the box nearest to `point` (the end of a leader line).
QPointF nearestPointOnBox(const QRectF &box, const QPointF &point);

// Keeps the labels of one plot in place: each label is anchored at a point in
// plot coordinates and re-placed whenever the plot lays itself out.
class LabelLayout {
public:
    enum class Leader { WhenDisplaced, Arrow };

    // The layout of the plot, created on first use.
    static LabelLayout &of(QCustomPlot *plot);

    // Adds a label anchored at (x, y) in plot coordinates (x axis, y axis).
    // `keepClear` also keeps other labels off a square of that size around the anchor.
    // A key label is never hidden: when the plot is too crowded for it, the
    // labels are drawn smaller and the legend moves to another corner or,
    // as a last resort, is left out.
    void add(QCPItemText *label, const QPointF &coords, Qt::Alignment alignment, double gap,
             Leader leader = Leader::WhenDisplaced, double keepClear = 0.0, bool key = false);
    // Forgets every label (their items are removed with the plot's items).
    void clear();
    // Places the labels for the plot's current axis rect.
    void apply();

    // The anchor in plot coordinates and the wanted alignment of a label
    // added here; a null point and no flags for any other item.
    QPointF anchorOf(const QCPItemText *label) const;
    Qt::Alignment alignmentOf(const QCPItemText *label) const;
    // The leader line or arrow of a label added here.
    QCPItemLine *lineOf(const QCPItemText *label) const;
    // Where the label wants to lie for the plot's current axes (pixels).
    QRectF wantedBoxOf(const QCPItemText *label) const;
    // Whether the label was added as a key label.
    bool isKey(const QCPItemText *label) const;

private:
    explicit LabelLayout(QCustomPlot *plot);

    struct Entry {
        QPointer<QCPItemText> label;
        QPointer<QCPItemLine> line;
        QPointF coords;
        Qt::Alignment alignment;
        double gap;
        Leader leader;
        double keepClear;
        bool key;
        QFont base;     // the font the label was given
        QFont applied;  // the font the layout set last
    };

    const Entry *find(const QCPItemText *label) const;
    LabelRequest request(const Entry &entry) const;
    void scaleFonts(double factor);

    QCustomPlot *plot_;
    QVector<Entry> entries_;
    bool legendLeftOut_ = false;  // the layout hid the legend to make room
};
