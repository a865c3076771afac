#pragma once
// A drawing surface of the view: an image plus the pen, brush and font state
// that stays on it between paints, the way the view's drawing relies on (the
// cube and the axes reuse the pen width and style the previous frame left).
// Coordinates come in as 64-bit values and are clipped or clamped to a safe
// range around the image, so a saturated or overflowing screen coordinate
// never reaches QPainter.
#include <memory>
#include <string>

#include <QFont>
#include <QImage>

#include "voltrix/view3d/SceneColor.h"

class QPainter;
class QRect;

namespace voltrix {

struct CanvasState {
    TColor penColor = clBlack;
    int penStyle = 0; // 0 solid, 1 dash, 2 dot, 3 dash-dot, 4 dash-dot-dot, 5 none, 6 inside frame
    int penWidth = 1;
    TColor brushColor = clWhite;
    int brushStyle = 0; // 0 solid, 1 clear, 2 horizontal, 3 vertical, 4/5 diagonals, 6 cross, 7 diagonal cross
    TColor fontColor = clBlack;
    int fontHeight = 11;
    bool operator==(const CanvasState &) const = default;
};

class ViewCanvas {
public:
    ViewCanvas();
    ~ViewCanvas();
    ViewCanvas(const ViewCanvas &) = delete;
    ViewCanvas &operator=(const ViewCanvas &) = delete;

    // The image; any painting still open on it is finished first.
    const QImage &image();
    // Resizes the image to width x height design pixels stored at the
    // screen's pixel ratio, keeping what fits of the old picture; new parts
    // take the brush colour. Everything drawn is given in design pixels.
    void resize(int width, int height, qreal pixelRatio = 1);
    int width() const { return width_; }
    int height() const { return height_; }

    const CanvasState &state() const { return state_; }
    void setPenColor(TColor c) { state_.penColor = c; }
    void setPenStyle(int s) { state_.penStyle = s; }
    void setPenWidth(int w) { state_.penWidth = w; }
    void setBrushColor(TColor c) { state_.brushColor = c; }
    void setBrushStyle(int s) { state_.brushStyle = s; }
    void setFontColor(TColor c) { state_.fontColor = c; }
    void setFontHeight(int h) { state_.fontHeight = h; }
    void setState(const CanvasState &s) { state_ = s; }

    // Primitives with the framework canvas' meaning: rectangles and ellipses
    // take the bounding box (left, top, right, bottom) with right and bottom
    // outside the figure; fills use the brush colour.
    void line(long long x1, long long y1, long long x2, long long y2);
    void ellipse(long long left, long long top, long long right, long long bottom);
    void rectangle(long long left, long long top, long long right, long long bottom);
    void polygon(const long long (&xs)[4], const long long (&ys)[4]);
    void fillRect(long long left, long long top, long long right, long long bottom);
    // Text with its top-left corner at (x, y) on a cell of the brush colour.
    void textOut(long long x, long long y, const std::string &text);
    // Copies `rect` of `source` onto the same place here.
    void copyFrom(ViewCanvas &source, int left, int top, int right, int bottom);
    // The same copy, of the pixels that differ only; returns the rectangle
    // (in the design's pixels) that holds every pixel changed, empty when
    // none did, so a frame much like the last one is shown in part.
    QRect copyChanged(ViewCanvas &source, int left, int top, int right, int bottom);

    // Finishes the painting in progress so the image can be read or blitted.
    void finish();

private:
    QPainter &painter();
    // A figure drawn in a bounding box (right and bottom outside it).
    void boxFigure(long long left, long long top, long long right, long long bottom,
                   void (QPainter::*draw)(const QRect &));
    void applyPen(QPainter &p);
    void applyBrush(QPainter &p);

    QImage image_;
    int width_ = 0, height_ = 0; // in design pixels
    std::unique_ptr<QPainter> painter_;
    CanvasState state_;
    CanvasState applied_; // what the open painter holds
    bool penApplied_ = false;
    bool brushApplied_ = false;
    QFont font_;
};

} // namespace voltrix
