#include "plots/label_layout.h"

#include <algorithm>
#include <cmath>
#include <numeric>

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

    // Labels earlier in the request order keep their place; a later one that
    // found no room is hidden.
    QVector<PlacedLabel> result;
    result.reserve(count);
    QVector<QRectF> shown = obstacles;
    for (int i = 0; i < count; ++i) {
        const QPointF shift = boxes[i].topLeft() - wantedBox(labels[i]).topLeft();
        const bool hidden = !inside(boxes[i], bounds) || firstOverlap(boxes[i], shown);
        if (!hidden) shown << boxes[i];
        result.append({boxes[i], std::hypot(shift.x(), shift.y()) > 0.5, hidden});
    }
    return result;
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
                      Leader leader, double keepClear) {
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
    entries_.append({label, line, coords, alignment, gap, leader, keepClear});
}

void LabelLayout::clear() { entries_.clear(); }

LabelRequest LabelLayout::request(const Entry &e) const {
    const QPointF anchor(plot_->xAxis->coordToPixel(e.coords.x()),
                         plot_->yAxis->coordToPixel(e.coords.y()));
    const QSizeF size(e.label->right->pixelPosition().x() - e.label->left->pixelPosition().x(),
                      e.label->bottom->pixelPosition().y() - e.label->top->pixelPosition().y());
    return {anchor, size, e.alignment, e.gap};
}

void LabelLayout::apply() {
    QVector<LabelRequest> requests;
    QVector<QRectF> obstacles;
    QVector<Entry *> shown;
    for (Entry &e : entries_) {
        if (!e.label || !e.line) continue;
        requests.append(request(e));
        const QPointF anchor = requests.last().anchor;
        if (e.keepClear > 0.0)
            obstacles.append(QRectF(anchor - QPointF(e.keepClear, e.keepClear) / 2.0,
                                    QSizeF(e.keepClear, e.keepClear)));
        shown.append(&e);
    }
    if (requests.isEmpty()) return;
    if (plot_->legend->visible() && plot_->legend->itemCount() > 0)
        obstacles.append(plot_->legend->outerRect());
    const QRectF bounds = QRectF(plot_->axisRect()->rect()).adjusted(1, 1, -1, -1);
    const QVector<PlacedLabel> placed = placeLabels(requests, bounds, obstacles);
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
