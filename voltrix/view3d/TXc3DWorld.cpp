#include "voltrix/view3d/TXc3DWorld.h"

#include <algorithm>

#include <QFocusEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>

#include "common/KeyboardFocus.h"
#include "voltrix/view3d/ScreenShapes.h"

namespace voltrix {

namespace {

// Marks the stretch in which the owner's paint handler runs, so a DrawWorld
// called from it does not ask for yet another paint.
class PaintingScope {
public:
    explicit PaintingScope(bool &flag)
        : flag_(flag)
        , previous_(flag)
    {
        flag_ = true;
    }
    ~PaintingScope() { flag_ = previous_; }
    PaintingScope(const PaintingScope &) = delete;
    PaintingScope &operator=(const PaintingScope &) = delete;

private:
    bool &flag_;
    bool previous_;
};

} // namespace

TXc3DWorld::TXc3DWorld(QWidget *parent)
    : QWidget(parent)
{
    // Every paint covers the whole widget with the visible canvas.
    setAttribute(Qt::WA_OpaquePaintEvent);
    bitmap_.resize(width(), height(), devicePixelRatioF());
    visible_.resize(width(), height(), devicePixelRatioF());
    bitmap_.setBrushColor(Color);
    bitmap_.fillRect(0, 0, width(), height());
    visible_.setBrushColor(Color);
    visible_.fillRect(0, 0, width(), height());
}

TXc3DWorld::~TXc3DWorld() = default;

void TXc3DWorld::SetErrorReporter(ViewErrorReporter reporter) { setViewErrorReporter(std::move(reporter)); }

void TXc3DWorld::SetupWorld()
{
    SceneGeometry::SetupWorld(width(), height());
    bitmap_.resize(width(), height(), devicePixelRatioF());
    clipWidth_ = width();
    clipHeight_ = height();
    bitmap_.setBrushColor(Color);
    bitmap_.fillRect(0, 0, clipWidth_, clipHeight_);
}

void TXc3DWorld::ProjectAll() { SceneGeometry::ProjectAll(); }

void TXc3DWorld::SetCube(TColor colour, bool shown) { SceneGeometry::SetCube(colour, shown); }

void TXc3DWorld::SetAxes(TColor colour, bool shown) { SceneGeometry::SetAxes(colour, shown); }

void TXc3DWorld::drawBackground(ViewCanvas &c)
{
    c.setBrushColor(Color);
    c.fillRect(0, 0, clipWidth_, clipHeight_);
    for (int i = 1; i <= NPlanes; ++i)
        DrawPlane(c, i, kPlaneBackground);
    if (ShowCube)
        DrawCube(c);
    if (ShowAxes)
        DrawAxes(c);
}

TXc3DWorld::Background TXc3DWorld::backgroundNow(const CanvasState &before, qreal ratio) const
{
    Background b;
    b.width = clipWidth_;
    b.height = clipHeight_;
    b.ratio = ratio;
    b.colour = Color;
    b.cubeColour = cubeColor();
    b.axesColour = axesColor();
    b.cube = ShowCube;
    b.axes = ShowAxes;
    b.cubeLines = cubeScreen();
    b.axesLines = axesScreen();
    b.before = before;
    b.planes.reserve(static_cast<std::size_t>(std::max(NPlanes, 0)));
    for (int i = 1; i <= NPlanes; ++i) {
        // A hidden plane draws nothing and leaves the pen as it was, wherever it stands.
        const ScenePlane &p = plane(i);
        if (hidden(p.color))
            b.planes.push_back({0, Color, 0, {}});
        else
            b.planes.push_back({p.kind, p.color, p.brushStyle, p.screen});
    }
    return b;
}

void TXc3DWorld::DrawWorld()
{
    syncVisibleSize();
    ViewCanvas &c = bitmap_;
    if (NPlanes > planeCount()) {
        drawBackground(c); // reports the plane that does not exist
    } else {
        Background now = backgroundNow(c.state(), c.image().devicePixelRatio());
        if (!(now == backgroundDrawn_) || background_.width() != c.width() || background_.height() != c.height()) {
            background_.resize(c.width(), c.height(), c.image().devicePixelRatio());
            background_.setState(c.state());
            drawBackground(background_);
            backgroundLeaves_ = background_.state();
            backgroundDrawn_ = std::move(now);
        }
        c.copyFrom(background_, 0, 0, clipWidth_, clipHeight_);
        c.setState(backgroundLeaves_);
    }
    drawObjects(c);
    // Only what differs from the frame on show is copied and shown again:
    // a step moves a few objects, and the rest costs the display nothing.
    const QRect changed = visible_.copyChanged(bitmap_, 0, 0, clipWidth_, clipHeight_);
    if (changed.isEmpty())
        return;
    const bool covered = clipWidth_ >= width() && clipHeight_ >= height();
    showImmediately(changed);
    if (!painting_)
        frameShown_ = covered ? FrameShown::Queued : FrameShown::None;
}

void TXc3DWorld::drawObjects(ViewCanvas &c)
{
    if (ShowTrace)
        DrawTraces(c);
    for (int i = 1; i <= NSegments; ++i)
        DrawSegment(c, i);
    for (int i = 1; i <= NPoints; ++i)
        DrawPoint(c, i);
    c.setPenWidth(1);
    for (int i = 1; i <= NParticles; ++i)
        DrawParticle(c, i);
    for (int i = 1; i <= NLabels; ++i)
        DrawLabel(c, i);
    for (int i = 1; i <= NPlanes; ++i)
        DrawPlane(c, i, kPlaneForeground);
}

QImage TXc3DWorld::frameImage(qreal pixelRatio)
{
    // The frame DrawWorld would draw next, from the same pen and brush, on a
    // canvas of its own: the view on the screen is left as it is.
    ViewCanvas c;
    c.setBrushColor(Color);
    c.resize(clipWidth_, clipHeight_, pixelRatio);
    c.setState(backgroundDrawn_.before);
    const ScreenPoint lastPoint = lastPoint_;
    drawBackground(c);
    drawObjects(c);
    lastPoint_ = lastPoint;
    return c.image();
}

void TXc3DWorld::ClearScreen()
{
    frameShown_ = FrameShown::None;
    syncVisibleSize();
    visible_.setBrushColor(Color);
    visible_.fillRect(0, 0, width(), height());
    showImmediately();
}

void TXc3DWorld::syncVisibleSize()
{
    // A hidden widget gets its resize event only when shown, so the visible
    // canvas follows the size itself; what was shown stays until redrawn.
    // The same holds for the screen's pixel ratio (a window moved to
    // another screen); the off-screen bitmap follows at the next set-up.
    if (visible_.width() != width() || visible_.height() != height()
        || visible_.image().devicePixelRatio() != devicePixelRatioF()) {
        visible_.setBrushColor(Color);
        visible_.resize(width(), height(), devicePixelRatioF());
    }
    if (bitmap_.image().devicePixelRatio() != devicePixelRatioF()) {
        bitmap_.setBrushColor(Color);
        bitmap_.resize(clipWidth_, clipHeight_, devicePixelRatioF());
    }
}

void TXc3DWorld::showImmediately(const QRect &changed)
{
    // update() only queues one paint however often it is called; inside the
    // paint handler the canvas is shown by the paint in progress.
    if (!painting_)
        update(changed.isNull() ? rect() : changed);
}

// ---- placement and restyling, with immediate drawing ----

void TXc3DWorld::MoveParticle(int index, float X, float Y, float Z)
{
    SceneGeometry::MoveParticle(index, X, Y, Z);
    if (UpdateInmediate) {
        syncVisibleSize();
        DrawParticle(visible_, index);
        showImmediately();
    }
}

void TXc3DWorld::MoveSegment(int index, float X1, float Y1, float Z1, float X2, float Y2, float Z2)
{
    SceneGeometry::MoveSegment(index, X1, Y1, Z1, X2, Y2, Z2);
    if (UpdateInmediate) {
        syncVisibleSize();
        DrawSegment(visible_, index);
        showImmediately();
    }
}

void TXc3DWorld::MovePlane(int index, float X1, float Y1, float Z1, float X2, float Y2, float Z2, float X3, float Y3,
                           float Z3, float X4, float Y4, float Z4)
{
    SceneGeometry::MovePlane(index, X1, Y1, Z1, X2, Y2, Z2, X3, Y3, Z3, X4, Y4, Z4);
}

void TXc3DWorld::MovePoint(int index, float X, float Y, float Z)
{
    SceneGeometry::MovePoint(index, X, Y, Z);
    if (UpdateInmediate) {
        syncVisibleSize();
        DrawPoint(visible_, index);
        showImmediately();
    }
}

void TXc3DWorld::MoveLabel(int index, float X, float Y, float Z)
{
    SceneGeometry::MoveLabel(index, X, Y, Z);
    if (UpdateInmediate) {
        syncVisibleSize();
        DrawLabel(visible_, index);
        showImmediately();
    }
}

void TXc3DWorld::ChangeParticleProperties(int property, int index, int value)
{
    SceneGeometry::ChangeParticleProperties(property, index, value);
    if (UpdateInmediate) {
        syncVisibleSize();
        DrawParticle(visible_, index);
        showImmediately();
    }
}

void TXc3DWorld::ChangeSegmentProperties(int property, int index, int value)
{
    SceneGeometry::ChangeSegmentProperties(property, index, value);
    if (UpdateInmediate) {
        syncVisibleSize();
        DrawSegment(visible_, index);
        showImmediately();
    }
}

void TXc3DWorld::ChangePointProperties(int property, int index, int value)
{
    SceneGeometry::ChangePointProperties(property, index, value);
    if (UpdateInmediate) {
        syncVisibleSize();
        DrawPoint(visible_, index);
        showImmediately();
    }
}

void TXc3DWorld::ChangePlaneProperties(int property, int index, float value)
{
    SceneGeometry::ChangePlaneProperties(property, index, value);
}

void TXc3DWorld::ChangeLabelProperties(int property, int index, int value)
{
    SceneGeometry::ChangeLabelProperties(property, index, value);
    if (UpdateInmediate) {
        syncVisibleSize();
        DrawLabel(visible_, index);
        showImmediately();
    }
}

// ---- drawing of single objects ----

void TXc3DWorld::DrawParticle(ViewCanvas &c, int index)
{
    if (index < 1 || index > particleCount())
        reportViewError("DrawParticle", "Attempt to address non existing particle!");
    const SceneParticle &p = particle(index);
    if (hidden(p.color))
        return;
    c.setPenColor(p.color);
    c.setBrushColor(p.color);
    c.setPenStyle(p.penStyle);
    const long long r = p.radius;
    const long long l = p.screen.x - r, t = p.screen.y - r;
    const long long R = p.screen.x + r, B = p.screen.y + r;
    switch (p.kind) {
    case kParticleCircle:
        c.setBrushStyle(kBrushClear);
        c.ellipse(l, t, R, B);
        break;
    case kParticleSquare:
        c.setBrushStyle(kBrushClear);
        c.rectangle(l, t, R, B);
        break;
    case kParticleFilledSquare:
        c.setBrushStyle(kBrushSolid);
        c.rectangle(l, t, R, B);
        break;
    default:
        c.setBrushStyle(kBrushSolid);
        c.ellipse(l, t, R, B);
        break;
    }
}

void TXc3DWorld::DrawSegment(ViewCanvas &c, int index)
{
    if (index < 1 || index > segmentCount())
        reportViewError("DrawSegment", "Attempt to address non existing segment!");
    const SceneSegment &s = segment(index);
    if (hidden(s.color))
        return;
    c.setBrushColor(Color);
    c.setPenColor(s.color);
    c.setPenStyle(s.penStyle);
    c.setPenWidth(s.penWidth);
    const ScreenLine &l = s.screen;
    if (s.kind != kSegmentArrow) {
        c.line(l.x1, l.y1, l.x2, l.y2);
        return;
    }
    const ArrowShape a = arrowShape(l.x1, l.y1, l.x2, l.y2);
    c.line(l.x1, l.y1, a.baseX, a.baseY);
    c.line(a.c1x, a.c1y, a.c2x, a.c2y);
    c.line(a.c1x, a.c1y, l.x2, l.y2);
    c.line(l.x2, l.y2, a.c2x, a.c2y);
}

void TXc3DWorld::DrawPoint(ViewCanvas &c, int index)
{
    if (index < 1 || index > pointCount())
        reportViewError("DrawPoint", "Attempt to address non existing point!");
    const ScenePoint &p = point(index);
    if (hidden(p.color))
        return;
    c.setPenColor(p.color);
    c.setPenStyle(p.penStyle);
    c.setPenWidth(p.size);
    if (p.kind == kPointJoined) {
        c.line(lastPoint_.x, lastPoint_.y, p.screen.x, p.screen.y);
    } else {
        const long long r = p.size;
        c.ellipse(p.screen.x - r, p.screen.y - r, p.screen.x + r, p.screen.y + r);
    }
    lastPoint_ = p.screen;
}

void TXc3DWorld::DrawLabel(ViewCanvas &c, int index)
{
    if (index < 1 || index > labelCount())
        reportViewError("DrawLabel", "Attempt to address non existing label!");
    const SceneLabel &l = label(index);
    if (hidden(l.color))
        return;
    c.setBrushColor(Color);
    c.setPenColor(l.color);
    c.setFontColor(l.color);
    c.setFontHeight(l.fontHeight);
    c.textOut(l.screen.x, l.screen.y, l.text);
}

void TXc3DWorld::DrawPlane(ViewCanvas &c, int index, int layer)
{
    if (index < 1 || index > planeCount())
        reportViewError("DrawPlane", "Attempt to address non existing plane!");
    const ScenePlane &p = plane(index);
    if (hidden(p.color))
        return;
    c.setPenColor(p.color);
    c.setBrushColor(p.color);
    c.setBrushStyle(p.brushStyle);
    if (p.kind != layer)
        return;
    const long long xs[4] = {p.screen[0].x, p.screen[1].x, p.screen[2].x, p.screen[3].x};
    const long long ys[4] = {p.screen[0].y, p.screen[1].y, p.screen[2].y, p.screen[3].y};
    c.polygon(xs, ys);
}

void TXc3DWorld::DrawCube(ViewCanvas &c)
{
    c.setPenColor(cubeColor());
    for (const ScreenLine &l : cubeScreen())
        c.line(l.x1, l.y1, l.x2, l.y2);
}

void TXc3DWorld::DrawAxes(ViewCanvas &c)
{
    c.setPenColor(axesColor());
    for (const ScreenLine &l : axesScreen())
        c.line(l.x1, l.y1, l.x2, l.y2);
}

void TXc3DWorld::DrawTraces(ViewCanvas &c)
{
    for (int i = 1; i <= traceCount(); ++i) {
        const SceneTrace &t = trace(i);
        if (!t.shown)
            continue;
        c.setPenColor(t.color);
        const int N = std::min(t.N, static_cast<int>(t.samples.size()) - 1);
        bool started = false;
        ScreenPoint previous;
        for (int slot = 1; slot <= N; ++slot) {
            const TraceSample &s = t.samples[slot];
            if (!s.valid)
                continue;
            if (t.kind == kTraceDots) {
                c.ellipse(s.screen.x - 4LL, s.screen.y - 4LL, s.screen.x + 4LL, s.screen.y + 4LL);
                continue;
            }
            if (started)
                c.line(previous.x, previous.y, s.screen.x, s.screen.y);
            started = true;
            previous = s.screen;
            // The line always ends at the particle itself.
            if (slot == N && t.particle >= 1 && t.particle <= particleCount()) {
                const ScreenPoint at = particle(t.particle).screen;
                c.line(s.screen.x, s.screen.y, at.x, at.y);
            }
        }
    }
}

// ---- widget ----

void TXc3DWorld::paintEvent(QPaintEvent *)
{
    // The paint that a DrawWorld asked for finds the visible canvas holding
    // the whole new frame: the owner's handler would only draw it again.
    const bool frameReady = frameShown_ == FrameShown::Queued;
    frameShown_ = FrameShown::None;
    if (!frameReady) {
        PaintingScope scope(painting_);
        if (OnPaint)
            OnPaint();
    }
    syncVisibleSize();
    QPainter p(this);
    p.drawImage(0, 0, visible_.image());
    // Reached with Tab, the view shows it has the keys.
    if (focusFromKeyboard_) {
        p.setPen(QPen(Qt::white, 1, Qt::DotLine));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void TXc3DWorld::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    focusFromKeyboard_ = orvalis::isKeyboardFocus(event->reason());
    update();
}

void TXc3DWorld::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    focusFromKeyboard_ = false;
    update();
}

void TXc3DWorld::resizeEvent(QResizeEvent *event)
{
    frameShown_ = FrameShown::None;
    syncVisibleSize();
    QWidget::resizeEvent(event);
}

} // namespace voltrix
