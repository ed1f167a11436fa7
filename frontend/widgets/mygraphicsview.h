#pragma once
#include <QGraphicsView>

class QGraphicsScene;
class QWheelEvent;

// Cross-section view: owns its scene, pans by dragging and zooms with the
// wheel about the point under the mouse.
class MyGraphicsView : public QGraphicsView {
public:
    explicit MyGraphicsView(QWidget *parent = nullptr);
    QGraphicsScene *scene() const { return m_scene; }

protected:
    void wheelEvent(QWheelEvent *event) override;

private:
    QGraphicsScene *m_scene;
};
