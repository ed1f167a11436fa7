#include "widgets/mygraphicsview.h"

#include <QGraphicsScene>
#include <QWheelEvent>

namespace {
const double zoomStep = 1.15;
}

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
