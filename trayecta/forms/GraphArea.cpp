#include "trayecta/forms/GraphArea.h"

#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "common/KeyboardFocus.h"
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

// A hidden area gets no resize events, yet it can be drawn on. The image is
// kept at the screen's pixel ratio, so points stay sharp on a scaled screen;
// everything is placed in the area's own (design) pixels.
void GraphArea::fitImageToArea()
{
    const qreal ratio = devicePixelRatioF();
    const QSize size = contentsRect().size();
    const QSize pixels(static_cast<int>(std::ceil(size.width() * ratio)),
                       static_cast<int>(std::ceil(size.height() * ratio)));
    if (pixels == image_.size() && ratio == image_.devicePixelRatio()) {
        return;
    }
    QImage resized(pixels, QImage::Format_RGB32);
    resized.setDevicePixelRatio(ratio);
    resized.fill(kBackground);
    if (!image_.isNull()) {
        QPainter painter(&resized);
        painter.drawImage(0, 0, image_);
    }
    image_ = resized;
    plotSize_ = size;
}

// Asking for the screen's pixel ratio costs far more than plotting a point:
// it is asked when the area is cleared or resized, not for every point.
void GraphArea::keepImageSize()
{
    if (image_.isNull() || plotSize_ != contentsRect().size())
        fitImageToArea();
}

void GraphArea::plotPoint(float x, float y, QColor colour)
{
    keepImageSize();
    setPixel(x, y, colour.rgb());
    update();
}

void GraphArea::plotPoints(const std::vector<PlotPoint> &points, QColor colour)
{
    keepImageSize();
    const QRgb rgb = colour.rgb();
    for (const PlotPoint &point : points) {
        setPixel(point.x, point.y, rgb);
    }
    update();
}

void GraphArea::setPixel(float x, float y, QRgb rgb)
{
    // Where a user coordinate falls in the image's own pixels; far-off points
    // saturate and fall outside. On a scaled screen the point keeps the draw
    // width in area pixels but is centred where it falls, to the screen pixel,
    // so the curve is as smooth as the screen allows. At ratio 1 this is the
    // area pixel the point falls in.
    const qreal ratio = image_.devicePixelRatio();
    const double column = (static_cast<double>(x) - scaleLeft_) / scaleWidth_ * plotSize_.width() * ratio;
    const double row = static_cast<double>(y) / scaleHeight_ * plotSize_.height() * ratio;
    const int side = std::max(1, static_cast<int>(std::lround(drawWidth_ * ratio)));
    const double half = (side - 1) / 2.0;
    const int px = orvalis::saturatingTrunc(std::floor(column - half));
    const int py = orvalis::saturatingTrunc(std::floor(row - half));
    for (int dy = 0; dy < side; ++dy) {
        for (int dx = 0; dx < side; ++dx) {
            const long long cx = static_cast<long long>(px) + dx;
            const long long cy = static_cast<long long>(py) + dy;
            if (cx >= 0 && cy >= 0 && cx < image_.width() && cy < image_.height()) {
                image_.setPixel(static_cast<int>(cx), static_cast<int>(cy), rgb);
            }
        }
    }
}

namespace {

constexpr double kMarkerRadius = 4.0;
constexpr double kBallRadius = 6.0;
constexpr double kArrowHead = 7.0;
const QColor kVelocityColour(0, 70, 200);
const QColor kComponentColour(0, 140, 60);

void drawArrow(QPainter &painter, QPointF from, QPointF vector)
{
    const double length = std::hypot(vector.x(), vector.y());
    if (length < 0.5) {
        return;
    }
    const QPointF to = from + vector;
    painter.drawLine(from, to);
    const QPointF unit = vector / length;
    const QPointF across(-unit.y(), unit.x());
    const double head = std::min(kArrowHead, length / 2.0);
    QPen solid = painter.pen();
    solid.setStyle(Qt::SolidLine);
    painter.save();
    painter.setPen(solid);
    painter.drawLine(to, to - unit * head + across * head / 2.0);
    painter.drawLine(to, to - unit * head - across * head / 2.0);
    painter.restore();
}

} // namespace

void GraphArea::setMarker(std::optional<GraphMarker> marker)
{
    const QRect before = markerRect();
    marker_ = marker;
    update(before | markerRect());
}

// What the marker covers, in the widget's pixels, with room for the pen and the heads.
QRect GraphArea::markerRect() const
{
    if (!marker_) {
        return {};
    }
    const QPointF origin = contentsRect().topLeft();
    const QPointF at = marker_->at + origin;
    QRectF covered = QRectF(at, at + marker_->velocity).normalized();
    covered |= QRectF(at - QPointF(kBallRadius, kBallRadius), QSizeF(2 * kBallRadius, 2 * kBallRadius));
    return covered.adjusted(-kArrowHead - 2, -kArrowHead - 2, kArrowHead + 2, kArrowHead + 2).toAlignedRect();
}

void GraphArea::focusInEvent(QFocusEvent *event)
{
    QFrame::focusInEvent(event);
    focusFromKeyboard_ = orvalis::isKeyboardFocus(event->reason());
    update();
}

void GraphArea::focusOutEvent(QFocusEvent *event)
{
    QFrame::focusOutEvent(event);
    focusFromKeyboard_ = false;
    update();
}

void GraphArea::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.drawImage(contentsRect().topLeft(), image_);
    if (focusFromKeyboard_) {
        // Reached with Tab, the graph shows it has the keys (arrows, menu key).
        painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
        painter.drawRect(contentsRect().adjusted(1, 1, -2, -2));
    }
    if (!marker_) {
        return;
    }
    painter.setClipRect(contentsRect());
    painter.translate(contentsRect().topLeft());
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QPointF at = marker_->at;
    const QPointF v = marker_->velocity;
    painter.setPen(QPen(kComponentColour, 1.5, Qt::DashLine));
    drawArrow(painter, at, QPointF(v.x(), 0.0));
    drawArrow(painter, at, QPointF(0.0, v.y()));
    painter.setPen(QPen(kVelocityColour, 2.0));
    drawArrow(painter, at, v);
    painter.setBrush(marker_->pinned || marker_->ball ? QBrush(kVelocityColour) : QBrush(Qt::white));
    const double radius = marker_->ball ? kBallRadius : kMarkerRadius;
    painter.drawEllipse(at, radius, radius);
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
