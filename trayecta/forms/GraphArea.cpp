#include "trayecta/forms/GraphArea.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>

#include "common/SaturatingTrunc.h"

namespace trayecta {

GraphArea::GraphArea(QWidget *parent)
    : QFrame(parent)
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
    fitImageToArea();
    image_.fill(kBackground);
    update();
}

// A hidden area gets no resize events, yet it can be drawn on.
void GraphArea::fitImageToArea()
{
    const QSize size = contentsRect().size();
    if (size == image_.size()) {
        return;
    }
    QImage resized(size, QImage::Format_RGB32);
    resized.fill(kBackground);
    if (!image_.isNull()) {
        QPainter painter(&resized);
        painter.drawImage(0, 0, image_);
    }
    image_ = resized;
}

void GraphArea::plotPoint(float x, float y, QColor colour)
{
    fitImageToArea();
    setPixel(x, y, colour.rgb());
    update();
}

void GraphArea::plotPoints(const std::vector<PlotPoint> &points, QColor colour)
{
    fitImageToArea();
    const QRgb rgb = colour.rgb();
    for (const PlotPoint &point : points) {
        setPixel(point.x, point.y, rgb);
    }
    update();
}

void GraphArea::setPixel(float x, float y, QRgb rgb)
{
    // Pixel of a user coordinate; far-off points saturate and fall outside.
    const double column = std::floor((static_cast<double>(x) - scaleLeft_) / scaleWidth_ * image_.width());
    const double row = std::floor(static_cast<double>(y) / scaleHeight_ * image_.height());
    const int px = orvalis::saturatingTrunc(column);
    const int py = orvalis::saturatingTrunc(row);
    for (int dy = 0; dy < drawWidth_; ++dy) {
        for (int dx = 0; dx < drawWidth_; ++dx) {
            const int cx = px + dx;
            const int cy = py + dy;
            if (cx >= 0 && cy >= 0 && cx < image_.width() && cy < image_.height()) {
                image_.setPixel(cx, cy, rgb);
            }
        }
    }
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
    fitImageToArea();
}

void GraphArea::mouseMoveEvent(QMouseEvent *event)
{
    const QPointF pixel = event->position() - contentsRect().topLeft();
    const QSize area = contentsRect().size();
    const float w = area.width() > 0 ? static_cast<float>(area.width()) : 1.0f;
    const float h = area.height() > 0 ? static_cast<float>(area.height()) : 1.0f;
    const float X = scaleLeft_ + static_cast<float>(pixel.x()) * scaleWidth_ / w;
    const float Y = static_cast<float>(pixel.y()) * scaleHeight_ / h;
    emit pointerMoved(event->buttons(), event->modifiers(), X, Y);
}

void GraphArea::contextMenuEvent(QContextMenuEvent *event)
{
    const bool byKeyboard = event->reason() == QContextMenuEvent::Keyboard;
    emit menuRequested(byKeyboard ? contentsRect().center() : event->pos());
}

// Where the platform turns the menu key into no context-menu event of its own.
void GraphArea::keyPressEvent(QKeyEvent *event)
{
    const bool menuKey = event->key() == Qt::Key_Menu && event->modifiers() == Qt::NoModifier;
    const bool shiftF10 = event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier;
    if (menuKey || shiftF10) {
        emit menuRequested(contentsRect().center());
        return;
    }
    QFrame::keyPressEvent(event);
}

} // namespace trayecta
