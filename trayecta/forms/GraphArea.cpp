#include "GraphArea.h"

#include <QMouseEvent>
#include <QPainter>
#include <cmath>

#include "SaturatingTrunc.h"

namespace trayecta {

GraphArea::GraphArea(QWidget *parent) : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void GraphArea::setUserScale(float left, float width, float height)
{
    scaleLeft_ = left;
    scaleWidth_ = width;
    scaleHeight_ = height;
}

void GraphArea::clear()
{
    image_.fill(kBackground);
    update();
}

void GraphArea::plotPoint(float x, float y, QColor colour)
{
    if (image_.isNull()) {
        return;
    }
    // Pixel of a user coordinate; far-off points saturate and fall outside.
    const double column = std::floor((static_cast<double>(x) - scaleLeft_) / scaleWidth_ * image_.width());
    const double row = std::floor(static_cast<double>(y) / scaleHeight_ * image_.height());
    const int px = saturatingTrunc(column);
    const int py = saturatingTrunc(row);
    const QRgb rgb = colour.rgb();
    for (int dy = 0; dy < drawWidth_; ++dy) {
        for (int dx = 0; dx < drawWidth_; ++dx) {
            const int cx = px + dx;
            const int cy = py + dy;
            if (cx >= 0 && cy >= 0 && cx < image_.width() && cy < image_.height()) {
                image_.setPixel(cx, cy, rgb);
            }
        }
    }
    update();
}

void GraphArea::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.drawImage(contentsRect().topLeft(), image_);
}

void GraphArea::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    const QSize size = contentsRect().size();
    if (size != image_.size()) {
        QImage resized(size, QImage::Format_RGB32);
        resized.fill(kBackground);
        if (!image_.isNull()) {
            QPainter painter(&resized);
            painter.drawImage(0, 0, image_);
        }
        image_ = resized;
    }
}

void GraphArea::mouseMoveEvent(QMouseEvent *event)
{
    const QPointF pixel = event->position() - contentsRect().topLeft();
    const float w = image_.width() > 0 ? static_cast<float>(image_.width()) : 1.0f;
    const float h = image_.height() > 0 ? static_cast<float>(image_.height()) : 1.0f;
    const float X = scaleLeft_ + static_cast<float>(pixel.x()) * scaleWidth_ / w;
    const float Y = static_cast<float>(pixel.y()) * scaleHeight_ / h;
    emit pointerMoved(event->buttons(), event->modifiers(), X, Y);
}

} // namespace trayecta
