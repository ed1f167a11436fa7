#include "plots/label_layout.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>
#include <vector>

#include "qcustomplot.h"

namespace {

// Space kept between two boxes that were moved apart (pixels).
constexpr double spacing = 1.0;

double wantedLeft(const LabelRequest &l) {
    if (l.alignment & Qt::AlignLeft) return l.anchor.x() + l.gap;
    if (l.alignment & Qt::AlignRight) return l.anchor.x() - l.gap - l.size.width();
    return l.anchor.x() - l.size.width() / 2.0;
}

double wantedTop(const LabelRequest &l) {
    if (l.alignment & Qt::AlignTop) return l.anchor.y() + l.gap;
    if (l.alignment & Qt::AlignBottom) return l.anchor.y() - l.gap - l.size.height();
    return l.anchor.y() - l.size.height() / 2.0;
}

Qt::Alignment mirrored(Qt::Alignment a, bool horizontal, bool vertical) {
    Qt::Alignment h = a & Qt::AlignHorizontal_Mask;
    Qt::Alignment v = a & Qt::AlignVertical_Mask;
    if (horizontal && (h & (Qt::AlignLeft | Qt::AlignRight)))
        h = (h & Qt::AlignLeft) ? Qt::AlignRight : Qt::AlignLeft;
    if (vertical && (v & (Qt::AlignTop | Qt::AlignBottom)))
        v = (v & Qt::AlignTop) ? Qt::AlignBottom : Qt::AlignTop;
    return h | v;
}

bool inside(const QRectF &box, const QRectF &bounds) {
    return box.left() >= bounds.left() && box.right() <= bounds.right() &&
           box.top() >= bounds.top() && box.bottom() <= bounds.bottom();
}

// Moves the box inside the bounds (as far as its size allows).
QRectF clampInto(QRectF box, const QRectF &bounds) {
    box.moveLeft(std::max(bounds.left(), std::min(box.left(), bounds.right() - box.width())));
    box.moveTop(std::max(bounds.top(), std::min(box.top(), bounds.bottom() - box.height())));
    return box;
}

// The wanted box, or its mirror image at the anchor when only that fits.
QRectF fittedBox(const LabelRequest &label, const QRectF &bounds) {
    for (const auto &flip : {std::pair<bool, bool>{false, false}, {true, false}, {false, true},
                             {true, true}}) {
        LabelRequest tried = label;
        tried.alignment = mirrored(label.alignment, flip.first, flip.second);
        const QRectF box = wantedBox(tried);
        if (inside(box, bounds)) return box;
    }
    return clampInto(wantedBox(label), bounds);
}

bool overlaps(const QRectF &a, const QRectF &b) {
    return a.left() < b.right() && b.left() < a.right() && a.top() < b.bottom() &&
           b.top() < a.bottom();
}

// The first box of `placed` that the box overlaps, or nullptr.
const QRectF *firstOverlap(const QRectF &box, const QVector<QRectF> &placed) {
    for (const QRectF &other : placed)
        if (overlaps(box, other)) return &other;
    return nullptr;
}

// The free place for a label that overlaps at its wanted place: among the
// places beside its anchor, at the bounds and beside each box already shown,
// the one inside the bounds and clear of every shown box whose nearest point
// lies closest to the anchor. False when there is none.
bool freeSpot(const LabelRequest &label, const QRectF &bounds, const QVector<QRectF> &shown, QRectF &spot) {
    const double w = label.size.width(), h = label.size.height();
    const QPointF a = label.anchor;
    const QRectF wanted = wantedBox(label);
    QVector<double> xs{wanted.left(), a.x() + label.gap, a.x() - label.gap - w, a.x() - w / 2.0,
                       bounds.left(), bounds.right() - w};
    QVector<double> ys{wanted.top(), a.y() - h / 2.0, a.y() + label.gap, a.y() - label.gap - h,
                       bounds.top(), bounds.bottom() - h};
    for (const QRectF &other : shown) {
        xs << other.left() - spacing - w << other.right() + spacing << other.left();
        ys << other.top() - spacing - h << other.bottom() + spacing << other.top();
    }
    double best = std::numeric_limits<double>::infinity();
    for (double x : xs)
        for (double y : ys) {
            const QRectF box(QPointF(x, y), label.size);
            if (!inside(box, bounds) || firstOverlap(box, shown)) continue;
            const QPointF near = QPointF(std::max(box.left(), std::min(a.x(), box.right())),
                                         std::max(box.top(), std::min(a.y(), box.bottom())));
            // The leader's length, then the distance from the wanted place.
            const double cost = std::hypot(near.x() - a.x(), near.y() - a.y()) +
                                1e-3 * std::hypot(x - wanted.left(), y - wanted.top());
            if (cost < best) {
                best = cost;
                spot = box;
            }
        }
    return std::isfinite(best);
}

// Whether the segments p1-p2 and q1-q2 cross (touching ends do not count).
bool segmentsCross(const QPointF &p1, const QPointF &p2, const QPointF &q1, const QPointF &q2) {
    const auto side = [](const QPointF &a, const QPointF &b, const QPointF &c) {
        return (b.x() - a.x()) * (c.y() - a.y()) - (b.y() - a.y()) * (c.x() - a.x());
    };
    const double d1 = side(q1, q2, p1), d2 = side(q1, q2, p2), d3 = side(p1, p2, q1), d4 = side(p1, p2, q2);
    return ((d1 > 0 && d2 < 0) || (d1 < 0 && d2 > 0)) && ((d3 > 0 && d4 < 0) || (d3 < 0 && d4 > 0));
}

QPointF nearestOnBox(const QRectF &box, const QPointF &point) {
    return QPointF(std::max(box.left(), std::min(point.x(), box.right())),
                   std::max(box.top(), std::min(point.y(), box.bottom())));
}

double leaderLength(const QRectF &box, const QPointF &anchor) {
    const QPointF near = nearestOnBox(box, anchor);
    return std::hypot(near.x() - anchor.x(), near.y() - anchor.y());
}

// Two labels whose leader lines cross, or that would each lie nearer to
// their own point in the other's place, swap their places when both then
// still lie free: the label of the upper point stays above the label of the
// lower one. One pass over the pairs.
void untangleLeaders(const QVector<LabelRequest> &labels, const QRectF &bounds, const QVector<QRectF> &obstacles,
                     std::vector<PlacedLabel> &placed) {
    const int count = labels.size();
    const auto shown = [&placed](int i) { return !placed[static_cast<std::size_t>(i)].hidden; };
    for (int i = 0; i < count; ++i)
        for (int j = i + 1; j < count; ++j) {
            if (!shown(i) || !shown(j)) continue;
            PlacedLabel &a = placed[static_cast<std::size_t>(i)];
            PlacedLabel &b = placed[static_cast<std::size_t>(j)];
            const QPointF pa = labels[i].anchor, pb = labels[j].anchor;
            const bool crossing = segmentsCross(pa, nearestOnBox(a.box, pa), pb, nearestOnBox(b.box, pb));
            const QRectF aSwapped(b.box.topLeft(), a.box.size()), bSwapped(a.box.topLeft(), b.box.size());
            if (!inside(aSwapped, bounds) || !inside(bSwapped, bounds) || overlaps(aSwapped, bSwapped)) continue;
            // Crossing leaders swap when that makes them no longer; others
            // only when it shortens them clearly.
            const double gain = leaderLength(a.box, pa) + leaderLength(b.box, pb) -
                                leaderLength(aSwapped, pa) - leaderLength(bSwapped, pb);
            if (crossing ? gain < 0.0 : gain < 2.0) continue;
            QVector<QRectF> others = obstacles;
            for (int k = 0; k < count; ++k)
                if (k != i && k != j && shown(k)) others << placed[static_cast<std::size_t>(k)].box;
            if (firstOverlap(aSwapped, others) || firstOverlap(bSwapped, others)) continue;
            a.box = aSwapped;
            b.box = bSwapped;
            for (auto *p : {&a, &b}) p->displaced = true;
        }
}

}  // namespace

QRectF wantedBox(const LabelRequest &label) {
    return QRectF(QPointF(wantedLeft(label), wantedTop(label)), label.size);
}

QVector<PlacedLabel> placeLabels(const QVector<LabelRequest> &labels, const QRectF &bounds,
                                 const QVector<QRectF> &obstacles) {
    const int count = labels.size();
    QVector<QRectF> boxes(count);
    for (int i = 0; i < count; ++i) boxes[i] = fittedBox(labels[i], bounds);

    // Top to bottom: a box that overlaps one placed above it moves down below
    // it. Each step passes one placed box, so the loop ends after at most
    // count + obstacles steps.
    QVector<int> order(count);
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&boxes](int a, int b) {
        return boxes[a].center().y() < boxes[b].center().y();
    });
    QVector<QRectF> placed = obstacles;
    bool overflow = false;
    for (int i : order) {
        QRectF &box = boxes[i];
        for (int step = 0; step <= placed.size(); ++step) {
            const QRectF *other = firstOverlap(box, placed);
            if (!other) break;
            box.moveTop(other->bottom() + spacing);
        }
        overflow = overflow || box.bottom() > bounds.bottom();
        placed << box;
    }

    // Boxes pushed below the bounds: bottom to top, each moves up above the
    // boxes already placed below it.
    if (overflow) {
        placed = obstacles;
        std::reverse(order.begin(), order.end());
        for (int i : order) {
            QRectF &box = boxes[i];
            box.moveTop(std::min(box.top(), bounds.bottom() - box.height()));
            for (int step = 0; step <= placed.size(); ++step) {
                const QRectF *other = firstOverlap(box, placed);
                if (!other) break;
                box.moveBottom(other->top() - spacing);
            }
            // Not enough height for all: stay inside and overlap as little as that allows.
            if (box.top() < bounds.top()) box.moveTop(bounds.top());
            placed << box;
        }
    }

    // Key labels are decided first, then the others; within each, labels
    // earlier in the request order keep their place. A key label without room
    // is led out to the nearest free place; a secondary one is hidden.
    QVector<int> priority(count);
    std::iota(priority.begin(), priority.end(), 0);
    std::stable_sort(priority.begin(), priority.end(),
                     [&labels](int a, int b) { return labels[a].key && !labels[b].key; });
    std::vector<PlacedLabel> result(static_cast<std::size_t>(count));
    QVector<QRectF> shown = obstacles;
    for (int i : priority) {
        QRectF box = boxes[i];
        bool free = inside(box, bounds) && !firstOverlap(box, shown);
        bool crowded = false;
        if (labels[i].key) {
            // A key label pushed far from its point takes a nearer free place.
            QRectF spot;
            if (freeSpot(labels[i], bounds, shown, spot) &&
                (!free || leaderLength(spot, labels[i].anchor) + 0.5 < leaderLength(box, labels[i].anchor))) {
                box = spot;
                free = true;
            }
            if (!free) {
                box = clampInto(box, bounds);
                crowded = true;
            }
        }
        if (free || crowded) shown << box;
        const QPointF shift = box.topLeft() - wantedBox(labels[i]).topLeft();
        result[static_cast<std::size_t>(i)] = {box, std::hypot(shift.x(), shift.y()) > 0.5, !free && !crowded,
                                               crowded};
    }
    untangleLeaders(labels, bounds, obstacles, result);
    return QVector<PlacedLabel>(result.begin(), result.end());
}

QPointF nearestPointOnBox(const QRectF &box, const QPointF &point) {
    return QPointF(std::max(box.left(), std::min(point.x(), box.right())),
                   std::max(box.top(), std::min(point.y(), box.bottom())));
}

namespace {

// Owns the layout of a plot as the plot's child, so it lives as long as the plot.
class LabelLayoutHolder : public QObject {
public:
    LabelLayoutHolder(QCustomPlot *plot, LabelLayout *layout) : QObject(plot), layout_(layout) {
        setObjectName(QStringLiteral("labelLayout"));
    }
    ~LabelLayoutHolder() override { delete layout_; }
    LabelLayout *layout() const { return layout_; }

private:
    LabelLayout *layout_;
};

}  // namespace

LabelLayout &LabelLayout::of(QCustomPlot *plot) {
    for (QObject *child : plot->children())
        if (auto *holder = dynamic_cast<LabelLayoutHolder *>(child)) return *holder->layout();
    auto *layout = new LabelLayout(plot);
    auto *holder = new LabelLayoutHolder(plot, layout);
    QObject::connect(plot, &QCustomPlot::afterLayout, holder, [layout]() { layout->apply(); });
    return *layout;
}

LabelLayout::LabelLayout(QCustomPlot *plot) : plot_(plot) {}

void LabelLayout::add(QCPItemText *label, const QPointF &coords, Qt::Alignment alignment, double gap,
                      Leader leader, double keepClear, bool key) {
    auto *line = new QCPItemLine(plot_);
    line->start->setType(QCPItemPosition::ptAbsolute);
    line->end->setType(QCPItemPosition::ptAbsolute);
    if (leader == Leader::Arrow) {
        line->setHead(QCPLineEnding(QCPLineEnding::esSpikeArrow, 8, 10));
    } else {
        line->setPen(QPen(QColor(90, 90, 90), 0.8));
        line->setVisible(false);
    }
    label->position->setType(QCPItemPosition::ptAbsolute);
    label->setPositionAlignment(Qt::AlignLeft | Qt::AlignTop);
    entries_.append({label, line, coords, alignment, gap, leader, keepClear, key, label->font(), label->font()});
}

void LabelLayout::clear() {
    entries_.clear();
    legendLeftOut_ = false;
}

LabelRequest LabelLayout::request(const Entry &e) const {
    const QPointF anchor(plot_->xAxis->coordToPixel(e.coords.x()),
                         plot_->yAxis->coordToPixel(e.coords.y()));
    const QSizeF size(e.label->right->pixelPosition().x() - e.label->left->pixelPosition().x(),
                      e.label->bottom->pixelPosition().y() - e.label->top->pixelPosition().y());
    return {anchor, size, e.alignment, e.gap, e.key};
}

namespace {

QFont scaled(QFont font, double factor) {
    if (font.pixelSize() > 0) font.setPixelSize(std::max(1, static_cast<int>(std::lround(font.pixelSize() * factor))));
    else if (font.pointSizeF() > 0.0) font.setPointSizeF(font.pointSizeF() * factor);
    return font;
}

// Where the legend may stand instead: its corners inside the axis rect.
QVector<QRectF> legendPlaces(const QRectF &axisRect, const QRectF &legend) {
    const QSizeF s = legend.size();
    return {legend,
            QRectF(QPointF(axisRect.right() - s.width(), axisRect.top()), s),
            QRectF(QPointF(axisRect.right() - s.width(), axisRect.bottom() - s.height()), s),
            QRectF(axisRect.topLeft(), s),
            QRectF(QPointF(axisRect.left(), axisRect.bottom() - s.height()), s)};
}

int crowdedCount(const QVector<PlacedLabel> &placed) {
    return static_cast<int>(std::count_if(placed.begin(), placed.end(),
                                          [](const PlacedLabel &p) { return p.crowded; }));
}

}  // namespace

void LabelLayout::scaleFonts(double factor) {
    for (Entry &e : entries_) {
        if (!e.label) continue;
        // A font set from outside (the report's pixel fonts) is the new base.
        if (e.label->font() != e.applied) e.base = e.label->font();
        e.applied = factor == 1.0 ? e.base : scaled(e.base, factor);
        e.label->setFont(e.applied);
    }
}

void LabelLayout::apply() {
    if (legendLeftOut_) {
        plot_->legend->setVisible(true);
        legendLeftOut_ = false;
    }
    QVector<Entry *> shown;
    for (Entry &e : entries_)
        if (e.label && e.line) shown.append(&e);
    if (shown.isEmpty()) return;
    const QRectF bounds = QRectF(plot_->axisRect()->rect()).adjusted(1, 1, -1, -1);
    const QRectF area = plot_->axisRect()->rect();
    const bool withLegend = plot_->legend->visible() && plot_->legend->itemCount() > 0;
    const QRectF legend = withLegend ? QRectF(plot_->legend->outerRect()) : QRectF();

    // Full size with the legend where it stands first; when a key label finds
    // no free place: the legend in another corner, then smaller labels, and
    // at last no legend. The first arrangement without a crowded key label wins.
    struct Attempt {
        double fontScale;
        int legendPlace;  // index into legendPlaces; -1 without legend
    };
    QVector<Attempt> attempts;
    for (double factor : {1.0, 0.85, 0.7})
        for (int place = 0; place < (withLegend ? 5 : 1); ++place) attempts.append({factor, withLegend ? place : -1});
    if (withLegend) attempts.append({0.7, -1});

    QVector<LabelRequest> requests;
    QVector<PlacedLabel> placed;
    Attempt chosen = attempts.first();
    int fewest = std::numeric_limits<int>::max();
    for (const Attempt &attempt : attempts) {
        scaleFonts(attempt.fontScale);
        QVector<LabelRequest> tried;
        QVector<QRectF> obstacles;
        for (Entry *e : shown) {
            tried.append(request(*e));
            if (e->keepClear > 0.0)
                obstacles.append(QRectF(tried.last().anchor - QPointF(e->keepClear, e->keepClear) / 2.0,
                                        QSizeF(e->keepClear, e->keepClear)));
        }
        if (attempt.legendPlace >= 0) obstacles.append(legendPlaces(area, legend)[attempt.legendPlace]);
        const QVector<PlacedLabel> result = placeLabels(tried, bounds, obstacles);
        const int crowded = crowdedCount(result);
        if (crowded < fewest) {
            fewest = crowded;
            chosen = attempt;
            requests = tried;
            placed = result;
        }
        if (crowded == 0) break;
    }
    scaleFonts(chosen.fontScale);
    if (withLegend && chosen.legendPlace != 0) {
        if (chosen.legendPlace < 0) {
            plot_->legend->setVisible(false);
            legendLeftOut_ = true;
        } else {
            // For this drawing only: the next layout puts the legend back in
            // its own place and the labels are placed anew.
            plot_->legend->setOuterRect(legendPlaces(area, legend)[chosen.legendPlace].toRect());
            plot_->legend->update(QCPLayoutElement::upLayout);
        }
    }
    for (int i = 0; i < placed.size(); ++i) {
        Entry &e = *shown[i];
        e.label->position->setCoords(placed[i].box.topLeft());
        e.label->setVisible(!placed[i].hidden);
        const bool drawLine =
            !placed[i].hidden && (e.leader == Leader::Arrow || placed[i].displaced);
        e.line->setVisible(drawLine);
        if (!drawLine) continue;
        e.line->start->setCoords(nearestPointOnBox(placed[i].box, requests[i].anchor));
        e.line->end->setCoords(requests[i].anchor);
    }
}

const LabelLayout::Entry *LabelLayout::find(const QCPItemText *label) const {
    for (const Entry &e : entries_)
        if (e.label == label) return &e;
    return nullptr;
}

QPointF LabelLayout::anchorOf(const QCPItemText *label) const {
    const Entry *e = find(label);
    return e ? e->coords : QPointF();
}

Qt::Alignment LabelLayout::alignmentOf(const QCPItemText *label) const {
    const Entry *e = find(label);
    return e ? e->alignment : Qt::Alignment();
}

QCPItemLine *LabelLayout::lineOf(const QCPItemText *label) const {
    const Entry *e = find(label);
    return e ? e->line.data() : nullptr;
}

QRectF LabelLayout::wantedBoxOf(const QCPItemText *label) const {
    const Entry *e = find(label);
    return e && e->label ? wantedBox(request(*e)) : QRectF();
}

bool LabelLayout::isKey(const QCPItemText *label) const {
    const Entry *e = find(label);
    return e && e->key;
}
