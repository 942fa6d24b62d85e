#include "app/FindFileAnimation.h"

#include <QPainter>
#include <QtMath>

namespace vantaro {
namespace {
constexpr int kSide = 16;
constexpr int kFrameMilliseconds = 60;
}  // namespace

FindFileAnimation::FindFileAnimation(QWidget* parent) : QWidget(parent) {
    setFixedSize(kSide, kSide);
    timer_.setInterval(kFrameMilliseconds);
    connect(&timer_, &QTimer::timeout, this, &FindFileAnimation::Advance);
}

void FindFileAnimation::Start() { timer_.start(); }

void FindFileAnimation::Stop() {
    timer_.stop();
    frame_ = kStopFrame;
    update();
}

void FindFileAnimation::Advance() {
    frame_ = (frame_ + 1) % kFrameCount;
    update();
}

void FindFileAnimation::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    // The sheet of paper with a few lines of text.
    painter.setPen(QColor(96, 96, 96));
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(2.5, 1.5, 9, 12));
    for (int line = 0; line < 4; ++line)
        painter.drawLine(QPointF(4, 4 + line * 2.5), QPointF(10, 4 + line * 2.5));
    // The glass circles over the sheet, one step per frame.
    const qreal angle = 2 * M_PI * frame_ / kFrameCount;
    const QPointF centre(7.5 + 2.5 * qCos(angle), 7.5 + 2.5 * qSin(angle));
    painter.setPen(QPen(QColor(40, 40, 40), 1.2));
    painter.setBrush(QColor(200, 220, 255, 160));
    painter.drawEllipse(centre, 3.2, 3.2);
    painter.setPen(QPen(QColor(40, 40, 40), 2.0));
    painter.drawLine(centre + QPointF(2.3, 2.3), centre + QPointF(5.5, 5.5));
}

}  // namespace vantaro
