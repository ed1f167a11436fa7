#include "widgets/mygraphicsview.h"

#include <QGraphicsScene>
#include <QResizeEvent>
#include <QWheelEvent>
#include <algorithm>

namespace {
const double zoomStep = 1.15;
// Room between a fitted scene and the edge of the view, in pixels.
const int fitMargin = 8;
}  // namespace

MyGraphicsView::MyGraphicsView(QWidget *parent)
    : QGraphicsView(parent), m_scene(new QGraphicsScene(this)) {
    setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    setScene(m_scene);
    m_scene->setSceneRect(-200, -250, 400, 750);
    setDragMode(QGraphicsView::ScrollHandDrag);
}

void MyGraphicsView::wheelEvent(QWheelEvent *event) {
    setTransformationAnchor(QGraphicsView::AnchorUnderMouse);
    const double factor = event->angleDelta().y() > 0 ? zoomStep : 1.0 / zoomStep;
    scale(factor, factor);
}

void MyGraphicsView::fitScene(double maxZoom) {
    m_fitZoom = maxZoom;
    applyFit();
}

void MyGraphicsView::resizeEvent(QResizeEvent *event) {
    QGraphicsView::resizeEvent(event);
    if (m_fitZoom > 0.0) applyFit();
}

void MyGraphicsView::applyFit() {
    resetTransform();
    const QRectF rect = m_scene->sceneRect();
    const QRect room = viewport()->rect().adjusted(fitMargin, fitMargin, -fitMargin, -fitMargin);
    if (rect.width() > 0 && rect.height() > 0 && room.width() > 0 && room.height() > 0) {
        const double zoom =
            std::min({m_fitZoom, room.width() / rect.width(), room.height() / rect.height()});
        scale(zoom, zoom);
    }
    centerOn(rect.center());
}
