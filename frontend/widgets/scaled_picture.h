#pragma once
#include <QLabel>

// A picture that shrinks with the width it is given, keeping its aspect
// ratio, and never grows beyond the size it was set at: an information
// panel in a narrow column shows the whole picture smaller instead of
// cutting it off. pixmap() is the picture at its full size.
class ScaledPicture : public QLabel {
    Q_OBJECT

public:
    explicit ScaledPicture(const QPixmap &picture, QWidget *parent = nullptr);

    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
};
