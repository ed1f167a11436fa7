#pragma once
#include <QGraphicsView>

class QGraphicsScene;
class QResizeEvent;
class QWheelEvent;

// Cross-section view: owns its scene, pans by dragging and zooms with the
// wheel about the point under the mouse.
class MyGraphicsView : public QGraphicsView {
public:
    explicit MyGraphicsView(QWidget *parent = nullptr);
    QGraphicsScene *scene() const { return m_scene; }

    // Shows the whole scene rectangle centred, as large as the view allows
    // but at most `maxZoom` times its natural size, and does so again
    // whenever the view is resized. An empty scene rectangle is shown at
    // its natural size.
    void fitScene(double maxZoom);

protected:
    void wheelEvent(QWheelEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void applyFit();

    QGraphicsScene *m_scene;
    double m_fitZoom = 0.0;  // 0 until fitScene is called
};
