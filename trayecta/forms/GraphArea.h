#pragma once
// The picture box that shows the trajectory: a user coordinate system with its
// origin at the top-left corner, x to the right and y downwards, the scale kept
// in single precision. Points are plotted into an image that the widget keeps,
// so covering and uncovering the window does not erase the drawing.
#include <QFrame>
#include <QImage>
#include <optional>
#include <vector>

#include "trayecta/core/TrajectoryPlan.h"

namespace trayecta {

// A marker on the curve with the velocity arrow from it, in the area's pixels.
struct GraphMarker {
    QPointF at;
    QPointF velocity;
    bool pinned = false; // filled when pinned, a ring while it follows the pointer
    bool ball = false;   // the animated launch's ball
};

class GraphArea : public QFrame {
    Q_OBJECT
public:
    static constexpr float kInitialScaleWidth = 48.749958f;
    static constexpr float kInitialScaleHeight = 25.950134f;

    explicit GraphArea(QWidget *parent = nullptr);

    void setDrawWidth(int width) { drawWidth_ = width < 1 ? 1 : width; }
    // The caller has checked that width and height are non-zero.
    void setUserScale(float left, float width, float height);
    float scaleLeft() const { return scaleLeft_; }
    float scaleWidth() const { return scaleWidth_; }
    float scaleHeight() const { return scaleHeight_; }

    void clear();
    void plotPoint(float x, float y, QColor colour);
    // A whole curve in one colour.
    void plotPoints(const std::vector<PlotPoint> &points, QColor colour);

    // The plotted drawing: one pixel per area pixel, or on a scaled screen
    // as many as the screen has for it (its devicePixelRatio()).
    const QImage &drawing() const { return image_; }
    QSize plotSize() const { return contentsRect().size(); }

    // Drawn over the points, to the screen pixel; none hides it.
    void setMarker(std::optional<GraphMarker> marker);
    const std::optional<GraphMarker> &marker() const { return marker_; }

signals:
    // The pointer moved over the area; X and Y in user coordinates.
    void pointerMoved(Qt::MouseButtons buttons, Qt::KeyboardModifiers shift, float X, float Y);
    // The area's menu is asked for: a right click, or the menu key (or
    // Shift+F10) while the area has the focus. At is in the area's pixels.
    void menuRequested(QPoint at);

protected:
    void paintEvent(QPaintEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    bool focusFromKeyboard_ = false;
    void fitImageToArea();
    void keepImageSize();
    void setPixel(float x, float y, QRgb rgb);
    QRect markerRect() const;

    static constexpr QRgb kBackground = 0xffffffff;

    QImage image_;   // at the screen's pixel ratio
    QSize plotSize_; // the image's size in the area's own pixels
    float scaleLeft_ = 0.0f;
    float scaleWidth_ = kInitialScaleWidth;
    float scaleHeight_ = kInitialScaleHeight;
    int drawWidth_ = 1;
    std::optional<GraphMarker> marker_;
};

} // namespace trayecta
