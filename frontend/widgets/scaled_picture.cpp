#include "widgets/scaled_picture.h"

#include <QPainter>
#include <QPixmap>
#include <algorithm>

namespace {
// Narrower than this a picture would tell nothing.
constexpr int smallestWidth = 60;
}  // namespace

ScaledPicture::ScaledPicture(const QPixmap &picture, QWidget *parent) : QLabel(parent) {
    setPixmap(picture);
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

bool ScaledPicture::hasHeightForWidth() const { return !pixmap(Qt::ReturnByValue).isNull(); }

int ScaledPicture::heightForWidth(int width) const {
    const QSize full = pixmap(Qt::ReturnByValue).size();
    if (full.isEmpty() || width <= 0) return 0;
    return full.height() * std::min(width, full.width()) / full.width();
}

QSize ScaledPicture::sizeHint() const { return pixmap(Qt::ReturnByValue).size(); }

QSize ScaledPicture::minimumSizeHint() const {
    const QSize full = pixmap(Qt::ReturnByValue).size();
    if (full.isEmpty()) return QSize(0, 0);
    const int width = std::min(smallestWidth, full.width());
    return QSize(width, heightForWidth(width));
}

void ScaledPicture::paintEvent(QPaintEvent *) {
    const QPixmap full = pixmap(Qt::ReturnByValue);
    if (full.isNull()) return;
    const QSize shown = full.size().scaled(contentsRect().size().boundedTo(full.size()), Qt::KeepAspectRatio);
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(QRect(contentsRect().topLeft(), shown), full);
}
