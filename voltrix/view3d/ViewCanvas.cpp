#include "voltrix/view3d/ViewCanvas.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include <QFontMetrics>
#include <QPainter>
#include <QPen>
#include <QString>

#include "common/SaturatingTrunc.h"
#include "voltrix/view3d/Colors.h"
#include "voltrix/view3d/ScreenShapes.h"
#include "voltrix/view3d/ViewCodes.h"

namespace voltrix {

namespace {

// Pen widths and font heights beyond these draw nothing sensible and could
// make the painter crawl.
constexpr int kMaxPenWidth = 256;
constexpr int kMaxFontHeight = 1024;
constexpr int kDefaultFontHeight = 11;

QPen makePen(const CanvasState &s, qreal pixelRatio)
{
    const int width = std::clamp(s.penWidth, 1, kMaxPenWidth);
    QPen pen(toQColor(s.penColor));
    // A whole number of screen pixels per design pixel, so a one-pixel line
    // is one even stroke at 1.5x as at 2x.
    pen.setCosmetic(true);
    pen.setWidthF(std::max(1.0, std::round(width * pixelRatio)));
    // Round ends cost a curve per line; on a screen wider than one pixel per
    // design pixel square ends cover the same last pixel.
    const bool onePixel = pen.widthF() <= 1;
    pen.setCapStyle(onePixel ? Qt::RoundCap : Qt::SquareCap);
    pen.setJoinStyle(onePixel ? Qt::RoundJoin : Qt::MiterJoin);
    // Patterned pens are one pixel wide; a wider one draws solid, as on the
    // canvas these drawings were made for. Dash lengths follow that canvas.
    const bool thin = width == 1;
    switch (s.penStyle) {
    case kPenDash:
        if (thin)
            pen.setDashPattern({18, 6});
        break;
    case kPenDot:
        if (thin)
            pen.setDashPattern({3, 3});
        break;
    case kPenDashDot:
        if (thin)
            pen.setDashPattern({9, 6, 3, 6});
        break;
    case kPenDashDotDot:
        if (thin)
            pen.setDashPattern({9, 3, 3, 3, 3, 3});
        break;
    case kPenClear: pen.setStyle(Qt::NoPen); break;
    default: break;
    }
    return pen;
}

QBrush makeBrush(const CanvasState &s)
{
    static const Qt::BrushStyle styles[8] = {Qt::SolidPattern, Qt::NoBrush,         Qt::HorPattern,
                                             Qt::VerPattern,   Qt::FDiagPattern,    Qt::BDiagPattern,
                                             Qt::CrossPattern, Qt::DiagCrossPattern};
    const Qt::BrushStyle style = (s.brushStyle >= 0 && s.brushStyle < 8) ? styles[s.brushStyle] : Qt::SolidPattern;
    return QBrush(toQColor(s.brushColor), style);
}

int fontPixels(int height)
{
    if (height == 0)
        return kDefaultFontHeight;
    // A negative height means the same size without the leading.
    const long long h = std::llabs(static_cast<long long>(height));
    return static_cast<int>(std::min<long long>(h, kMaxFontHeight));
}

struct Box {
    int left, top, width, height;
};

// A bounding box (right and bottom outside the figure) clamped to the safe
// range, as the painter's rectangle that covers the same pixels.
Box figureBox(long long l, long long t, long long r, long long b, const DrawBox &safe)
{
    if (l > r)
        std::swap(l, r);
    if (t > b)
        std::swap(t, b);
    const int L = clampCoord(double(l), safe.left, safe.right);
    const int T = clampCoord(double(t), safe.top, safe.bottom);
    const int R = clampCoord(double(r), safe.left, safe.right);
    const int B = clampCoord(double(b), safe.top, safe.bottom);
    return {L, T, std::max(R - L - 1, 0), std::max(B - T - 1, 0)};
}

} // namespace

ViewCanvas::ViewCanvas()
{
    font_.setFamily(QStringLiteral("DejaVu Sans"));
    font_.setStyleHint(QFont::SansSerif);
    font_.setPixelSize(kDefaultFontHeight);
}

ViewCanvas::~ViewCanvas() { finish(); }

const QImage &ViewCanvas::image()
{
    finish();
    return image_;
}

void ViewCanvas::resize(int width, int height, qreal pixelRatio)
{
    finish();
    width = std::max(width, 0);
    height = std::max(height, 0);
    pixelRatio = pixelRatio > 0 ? pixelRatio : 1;
    const int deviceWidth = orvalis::saturatingTrunc(std::ceil(width * pixelRatio));
    const int deviceHeight = orvalis::saturatingTrunc(std::ceil(height * pixelRatio));
    if (width_ == width && height_ == height && image_.devicePixelRatio() == pixelRatio && image_.width() == deviceWidth
        && image_.height() == deviceHeight)
        return;
    QImage resized(deviceWidth, deviceHeight, QImage::Format_RGB32);
    resized.fill(toQColor(state_.brushColor));
    if (image_.devicePixelRatio() == pixelRatio) {
        const int rows = std::min(deviceHeight, image_.height());
        const std::size_t bytes = static_cast<std::size_t>(std::min(deviceWidth, image_.width())) * 4;
        for (int row = 0; row < rows; ++row)
            std::memcpy(resized.scanLine(row), image_.constScanLine(row), bytes);
    }
    // Drawn in the design's pixels, stored at the screen's: lines and text
    // stay sharp on a scaled screen.
    resized.setDevicePixelRatio(pixelRatio);
    image_ = std::move(resized);
    width_ = width;
    height_ = height;
}

void ViewCanvas::finish()
{
    if (painter_) {
        painter_->end();
        painter_.reset();
    }
}

QPainter &ViewCanvas::painter()
{
    if (!painter_) {
        painter_ = std::make_unique<QPainter>(&image_);
        painter_->setRenderHint(QPainter::Antialiasing, false);
        painter_->setRenderHint(QPainter::TextAntialiasing, true);
        penApplied_ = brushApplied_ = false;
    }
    return *painter_;
}

// Building a pen is the costly part of a short line; most objects of a frame
// reuse the one before.
void ViewCanvas::applyPen(QPainter &p)
{
    if (penApplied_ && applied_.penColor == state_.penColor && applied_.penStyle == state_.penStyle
        && applied_.penWidth == state_.penWidth)
        return;
    p.setPen(makePen(state_, image_.devicePixelRatio()));
    applied_.penColor = state_.penColor;
    applied_.penStyle = state_.penStyle;
    applied_.penWidth = state_.penWidth;
    penApplied_ = true;
}

void ViewCanvas::applyBrush(QPainter &p)
{
    if (brushApplied_ && applied_.brushColor == state_.brushColor && applied_.brushStyle == state_.brushStyle)
        return;
    p.setBrush(makeBrush(state_));
    applied_.brushColor = state_.brushColor;
    applied_.brushStyle = state_.brushStyle;
    brushApplied_ = true;
}

void ViewCanvas::line(long long x1, long long y1, long long x2, long long y2)
{
    if (image_.isNull())
        return;
    double ax = double(x1), ay = double(y1), bx = double(x2), by = double(y2);
    if (!clipLine(ax, ay, bx, by, safeDrawBox(width(), height())))
        return;
    QPainter &p = painter();
    applyPen(p);
    p.drawLine(orvalis::saturatingTrunc(ax), orvalis::saturatingTrunc(ay), orvalis::saturatingTrunc(bx),
               orvalis::saturatingTrunc(by));
}

void ViewCanvas::ellipse(long long left, long long top, long long right, long long bottom)
{
    boxFigure(left, top, right, bottom, &QPainter::drawEllipse);
}

void ViewCanvas::rectangle(long long left, long long top, long long right, long long bottom)
{
    boxFigure(left, top, right, bottom, &QPainter::drawRect);
}

void ViewCanvas::boxFigure(long long left, long long top, long long right, long long bottom,
                           void (QPainter::*draw)(const QRect &))
{
    if (image_.isNull())
        return;
    const Box b = figureBox(left, top, right, bottom, safeDrawBox(width(), height()));
    QPainter &p = painter();
    applyPen(p);
    applyBrush(p);
    (p.*draw)(QRect(b.left, b.top, b.width, b.height));
}

void ViewCanvas::polygon(const long long (&xs)[4], const long long (&ys)[4])
{
    if (image_.isNull())
        return;
    const DrawBox safe = safeDrawBox(width(), height());
    QPoint corners[4];
    for (int k = 0; k < 4; ++k)
        corners[k] =
            QPoint(clampCoord(double(xs[k]), safe.left, safe.right), clampCoord(double(ys[k]), safe.top, safe.bottom));
    QPainter &p = painter();
    applyPen(p);
    applyBrush(p);
    p.drawPolygon(corners, 4);
}

void ViewCanvas::fillRect(long long left, long long top, long long right, long long bottom)
{
    if (image_.isNull())
        return;
    if (left > right)
        std::swap(left, right);
    if (top > bottom)
        std::swap(top, bottom);
    // Only the part on the image matters.
    const int L = clampCoord(double(left), 0, width());
    const int T = clampCoord(double(top), 0, height());
    const int R = clampCoord(double(right), 0, width());
    const int B = clampCoord(double(bottom), 0, height());
    if (R <= L || B <= T)
        return;
    painter().fillRect(QRect(L, T, R - L, B - T), toQColor(state_.brushColor));
}

void ViewCanvas::textOut(long long x, long long y, const std::string &text)
{
    if (image_.isNull() || text.empty())
        return;
    const DrawBox safe = safeDrawBox(width(), height());
    const int X = clampCoord(double(x), safe.left, safe.right);
    const int Y = clampCoord(double(y), safe.top, safe.bottom);
    const int pixels = fontPixels(state_.fontHeight);
    if (font_.pixelSize() != pixels)
        font_.setPixelSize(pixels);
    const QString s = QString::fromStdString(text);
    const QFontMetrics metrics(font_);
    const QRect cell(X, Y, metrics.horizontalAdvance(s), metrics.height());
    QPainter &p = painter();
    p.fillRect(cell, toQColor(state_.brushColor));
    p.setFont(font_);
    p.setPen(toQColor(state_.fontColor));
    penApplied_ = false;
    p.drawText(QPoint(X, Y + metrics.ascent()), s);
}

QRect ViewCanvas::copyChanged(ViewCanvas &source, int left, int top, int right, int bottom)
{
    source.finish();
    finish();
    if (image_.isNull() || source.image_.isNull())
        return {};
    const qreal ratio = image_.devicePixelRatio();
    const auto device = [ratio](int v) { return orvalis::saturatingTrunc(std::ceil(v * ratio)); };
    const int L = device(std::max(left, 0));
    const int T = device(std::max(top, 0));
    const int R = std::min({device(right), image_.width(), source.image_.width()});
    const int B = std::min({device(bottom), image_.height(), source.image_.height()});
    if (R <= L || B <= T || source.image_.devicePixelRatio() != ratio)
        return {};
    int changedLeft = R, changedRight = L, changedTop = B, changedBottom = T;
    const std::size_t bytes = static_cast<std::size_t>(R - L) * 4;
    for (int row = T; row < B; ++row) {
        auto *to = reinterpret_cast<quint32 *>(image_.scanLine(row)) + L;
        const auto *from = reinterpret_cast<const quint32 *>(source.image_.constScanLine(row)) + L;
        if (std::memcmp(to, from, bytes) == 0)
            continue;
        // Sixteen pixels at a time to the first and the last that differ.
        constexpr int kRun = 16;
        int first = 0, last = R - L;
        while (first + kRun <= last && std::memcmp(to + first, from + first, kRun * 4) == 0)
            first += kRun;
        while (last - kRun >= first && std::memcmp(to + last - kRun, from + last - kRun, kRun * 4) == 0)
            last -= kRun;
        while (to[first] == from[first])
            ++first;
        --last;
        while (to[last] == from[last])
            --last;
        std::memcpy(to + first, from + first, static_cast<std::size_t>(last - first + 1) * 4);
        changedLeft = std::min(changedLeft, L + first);
        changedRight = std::max(changedRight, L + last + 1);
        changedTop = std::min(changedTop, row);
        changedBottom = row + 1;
    }
    if (changedRight <= changedLeft)
        return {};
    // Back to the design's pixels, outwards.
    const auto down = [ratio](int v) { return orvalis::saturatingTrunc(std::floor(v / ratio)); };
    const auto up = [ratio](int v) { return orvalis::saturatingTrunc(std::ceil(v / ratio)); };
    return QRect(QPoint(down(changedLeft), down(changedTop)), QPoint(up(changedRight) - 1, up(changedBottom) - 1));
}

void ViewCanvas::copyFrom(ViewCanvas &source, int left, int top, int right, int bottom)
{
    source.finish();
    finish();
    if (image_.isNull() || source.image_.isNull())
        return;
    // The rectangle is in the design's pixels; the copy is of stored pixels.
    const qreal ratio = image_.devicePixelRatio();
    const auto device = [ratio](int v) { return orvalis::saturatingTrunc(std::ceil(v * ratio)); };
    const int L = device(std::max(left, 0));
    const int T = device(std::max(top, 0));
    const int R = std::min({device(right), image_.width(), source.image_.width()});
    const int B = std::min({device(bottom), image_.height(), source.image_.height()});
    if (R <= L || B <= T || source.image_.devicePixelRatio() != ratio)
        return;
    // Both are RGB32: a plain row copy is the source copy.
    const std::size_t bytes = static_cast<std::size_t>(R - L) * 4;
    for (int row = T; row < B; ++row)
        std::memcpy(image_.scanLine(row) + L * 4, source.image_.constScanLine(row) + L * 4, bytes);
}

} // namespace voltrix
