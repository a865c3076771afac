#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <limits>

#include <QCoreApplication>
#include <QImage>
#include <QPaintEvent>
#include <QRegion>
#include <QTest>

#include "voltrix/view3d/TXc3DWorld.h"

using namespace voltrix;

namespace {

// A 200 x 200 view of the box 0..100 with zoom 0.5: on the plane X = 50 one
// world unit is one pixel, so at(px, py) names the world point drawn at
// exactly that pixel.
struct View {
    TXc3DWorld w;
    View()
    {
        w.resize(200, 200);
        w.Zoom = 0.5f;
        w.SetupWorld();
    }
};

struct World {
    float X, Y, Z;
};

World at(int px, int py) { return {50.0f, px - 50.0f, 150.0f - py}; }

void particleAt(TXc3DWorld &w, int i, int px, int py) { w.MoveParticle(i, 50, px - 50.0f, 150.0f - py); }
void pointAt(TXc3DWorld &w, int i, int px, int py) { w.MovePoint(i, 50, px - 50.0f, 150.0f - py); }
void labelAt(TXc3DWorld &w, int i, int px, int py) { w.MoveLabel(i, 50, px - 50.0f, 150.0f - py); }

void placeSegment(TXc3DWorld &w, int i, World a, World b) { w.MoveSegment(i, a.X, a.Y, a.Z, b.X, b.Y, b.Z); }

void placePlane(TXc3DWorld &w, int i, World a, World b, World c, World d)
{
    w.MovePlane(i, a.X, a.Y, a.Z, b.X, b.Y, b.Z, c.X, c.Y, c.Z, d.X, d.Y, d.Z);
}

// Plane i covering the whole view.
void placeBackdrop(TXc3DWorld &w, int i) { placePlane(w, i, at(0, 0), at(199, 0), at(199, 199), at(0, 199)); }

TColor pixel(const QImage &image, int x, int y) { return fromQColor(QColor(image.pixel(x, y))); }

// Whether `colour` is within one pixel of (x, y).
bool near(const QImage &image, int x, int y, TColor colour)
{
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (pixel(image, x + dx, y + dy) == colour)
                return true;
    return false;
}

int countPixels(const QImage &image, const std::function<bool(TColor)> &test)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += test(pixel(image, x, y)) ? 1 : 0;
    return n;
}

TEST(DrawSegment, ArrowHasAnOpenNinePixelHead)
{
    View v;
    v.w.AddNSegments(2, 0, 1, 0, 0, 0, 0, 0, 0, clRed, 0);
    v.w.NSegments = 2;
    placeSegment(v.w, 1, at(100, 60), at(150, 60));
    placeSegment(v.w, 2, at(100, 140), at(100, 140)); // tail and tip on one pixel
    v.w.DrawWorld();
    const QImage &img = v.w.bitmapImage();
    const struct {
        int x, y;
        bool red;
        const char *what;
    } probes[] = {
        {150, 60, true, "tip"},
        {141, 64, true, "corner"},
        {141, 56, true, "corner"},
        {120, 60, true, "shaft"},
        {141, 61, true, "base"},
        {146, 60, false, "head not filled"},
        {152, 60, false, "beyond the tip"},
        {141, 66, false, "beyond the corner"},
        {91, 144, true, "zero-length: corner"},
        {91, 136, true, "zero-length: corner"},
        {95, 140, true, "zero-length: shaft"},
        {89, 140, false, "zero-length: behind"},
    };
    for (const auto &p : probes)
        EXPECT_EQ(pixel(img, p.x, p.y) == clRed, p.red) << p.what << " " << p.x << "," << p.y;
}

TEST(DrawWorld, ObjectsInTheBackgroundColourAreNotDrawn)
{
    // Each object over a blue backdrop, once hidden (black, the background)
    // and once red; only the red one may change a pixel.
    const std::function<void(TXc3DWorld &, TColor)> objects[] = {
        [](TXc3DWorld &w, TColor c) {
            w.AddNParticles(1, 3, 12, 0, 0, 0, c, 1);
            w.NParticles = 1;
            particleAt(w, 1, 100, 100);
        },
        [](TXc3DWorld &w, TColor c) {
            w.AddNSegments(1, 1, 7, 0, 0, 0, 0, 0, 0, c, 2);
            w.NSegments = 1;
            placeSegment(w, 1, at(20, 20), at(180, 150));
        },
        [](TXc3DWorld &w, TColor c) {
            w.AddNPoints(1, 0, 6, 0, 0, 0, c, 0);
            w.NPoints = 1;
            pointAt(w, 1, 60, 60);
        },
        [](TXc3DWorld &w, TColor c) {
            w.AddNLabels(1, 16, 0, 0, 0, c, "Velocidad");
            w.NLabels = 1;
            labelAt(w, 1, 40, 40);
        },
        [](TXc3DWorld &w, TColor c) {
            w.NPlanes = 2;
            w.ChangePlaneProperties(0, 2, static_cast<float>(c));
            w.ChangePlaneProperties(1, 2, 6.0f);
            placePlane(w, 2, at(30, 30), at(90, 30), at(60, 90), at(60, 90));
        },
    };
    int which = 0;
    for (const auto &place : objects) {
        for (TColor colour : {clBlack, clRed}) {
            View v;
            v.w.AddNPlanes(2, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, clBlue, 0);
            v.w.NPlanes = 1;
            placeBackdrop(v.w, 1);
            place(v.w, colour);
            v.w.DrawWorld();
            const int changed = countPixels(v.w.bitmapImage(), [](TColor c) { return c != clBlue; });
            if (colour == clBlack)
                EXPECT_EQ(changed, 0) << "hidden object " << which;
            else
                EXPECT_GT(changed, 20) << "shown object " << which;
        }
        ++which;
    }
}

TEST(DrawWorld, BackgroundPlanesUnderForegroundPlanesOverKindTwoNever)
{
    View v;
    v.w.AddNPlanes(3, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, clBlue, 0);
    v.w.NPlanes = 3;
    placeBackdrop(v.w, 1);                                                  // layer 1, blue, everywhere
    placePlane(v.w, 2, at(70, 70), at(100, 70), at(100, 130), at(70, 130)); // left half of the particle
    v.w.ChangePlaneProperties(2, 2, 0.0f);
    v.w.ChangePlaneProperties(0, 2, static_cast<float>(clYellow));
    placeBackdrop(v.w, 3);
    v.w.ChangePlaneProperties(2, 3, 2.0f);
    v.w.ChangePlaneProperties(0, 3, static_cast<float>(clAqua));
    v.w.AddNParticles(1, 1, 15, 0, 0, 0, clRed, 0);
    v.w.NParticles = 1;
    particleAt(v.w, 1, 100, 100);
    v.w.AddNSegments(1, 1, 3, 0, 0, 0, 0, 0, 0, clLime, 0);
    v.w.NSegments = 1;
    placeSegment(v.w, 1, at(10, 180), at(190, 180));
    v.w.DrawWorld();

    const QImage &img = v.w.bitmapImage();
    EXPECT_EQ(pixel(img, 100, 180), clLime) << "segment over the background plane";
    EXPECT_EQ(pixel(img, 5, 5), clBlue);
    EXPECT_EQ(pixel(img, 90, 100), clYellow) << "foreground plane over the particle";
    EXPECT_EQ(pixel(img, 108, 100), clRed) << "uncovered part of the particle";
    EXPECT_EQ(countPixels(img, [](TColor c) { return c == clAqua; }), 0) << "kind 2 never drawn";
}

TEST(DrawTraces, PolylineEndsAtItsParticleEvenWhenTheParticleIsHidden)
{
    View v;
    v.w.ShowTrace = true;
    v.w.AddNParticles(1, 1, 3, 0, 0, 0, clBlack, 0);
    v.w.NParticles = 1;
    v.w.AddNTraces(1, 0, clLime, 2, 10);
    v.w.NTraces = 1;
    v.w.LinkTraceToParticle(1, 1, 0, clLime, 2, 5, true);
    for (int x : {20, 40, 60, 80, 100, 120, 160})
        particleAt(v.w, 1, x, 100);
    // Samples at moves 2, 4, 6 (x = 40, 80, 120); the particle stands at 160.
    v.w.DrawWorld();
    const QImage &img = v.w.bitmapImage();
    EXPECT_EQ(pixel(img, 60, 100), clLime);
    EXPECT_EQ(pixel(img, 140, 100), clLime) << "last sample joined to the particle";
    EXPECT_EQ(pixel(img, 160, 100), clLime);
    EXPECT_NE(pixel(img, 30, 100), clLime) << "nothing before the oldest sample";
    EXPECT_NE(pixel(img, 165, 100), clLime);

    // As dots: rings in (sx - 4, sy - 4, sx + 4, sy + 4), nothing between them.
    v.w.LinkTraceToParticle(1, 1, 1, clLime, 1, 5, true);
    particleAt(v.w, 1, 50, 50);
    particleAt(v.w, 1, 150, 50);
    v.w.DrawWorld();
    EXPECT_TRUE(near(img, 146, 50, clLime));
    EXPECT_TRUE(near(img, 153, 50, clLime));
    EXPECT_TRUE(near(img, 50, 46, clLime));
    EXPECT_NE(pixel(img, 100, 50), clLime);
    EXPECT_NE(pixel(img, 140, 100), clLime) << "relinking emptied the trace";
}

TEST(DrawWorld, JoinedPointsCubeFlagAndPenWidthReset)
{
    View v;
    v.w.AddNPoints(2, 1, 1, 0, 0, 0, clWhite, 0);
    v.w.NPoints = 2;
    pointAt(v.w, 1, 100, 100);
    pointAt(v.w, 2, 100, 180);
    // A thick segment drawn every frame must not thicken the next frame's cube.
    v.w.AddNSegments(1, 1, 9, 0, 0, 0, 0, 0, 0, clRed, 0);
    v.w.NSegments = 1;
    placeSegment(v.w, 1, at(150, 20), at(150, 40));
    v.w.SetCube(clYellow, false);
    v.w.DrawWorld();
    const QImage &img = v.w.bitmapImage();
    EXPECT_EQ(pixel(img, 50, 50), clWhite) << "from the pixel (0, 0) to point 1";
    EXPECT_EQ(pixel(img, 100, 140), clWhite) << "point 1 to point 2";
    EXPECT_EQ(countPixels(img, [](TColor c) { return c == clYellow; }), 0) << "cube not shown";

    v.w.SetCube(clYellow, true);
    v.w.DrawWorld();
    v.w.DrawWorld();
    const ScreenLine upright = v.w.cubeScreen()[11];
    const int x = upright.x1, y = (upright.y1 + upright.y2) / 2;
    EXPECT_EQ(pixel(img, x, y), clYellow);
    EXPECT_NE(pixel(img, x - 2, y), clYellow);
    EXPECT_NE(pixel(img, x + 2, y), clYellow);
}

TEST(DrawLabel, TextSitsOnACellOfTheBackgroundColour)
{
    View v;
    v.w.AddNPlanes(1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, clBlue, 0);
    v.w.NPlanes = 1;
    placeBackdrop(v.w, 1);
    v.w.AddNLabels(1, 20, 0, 0, 0, clWhite, "EB");
    v.w.NLabels = 1;
    labelAt(v.w, 1, 50, 60);
    v.w.DrawWorld();
    const QImage &img = v.w.bitmapImage();
    EXPECT_EQ(pixel(img, 50, 60), clBlack) << "cell's top-left corner";
    EXPECT_EQ(pixel(img, 48, 60), clBlue);
    EXPECT_EQ(pixel(img, 50, 58), clBlue);
    const QImage cell = img.copy(50, 60, 20, 18);
    EXPECT_EQ(countPixels(cell, [](TColor c) { return c == clBlue; }), 0);
    EXPECT_GT(countPixels(cell, [](TColor c) { return redOf(c) > 128; }), 10) << "the letters";
}

TEST(ImmediateDrawing, DrawsOnTheVisibleCanvasAndErasesNothing)
{
    View v;
    v.w.AddNParticles(1, 1, 3, 0, 0, 0, clRed, 0);
    v.w.NParticles = 1;
    particleAt(v.w, 1, 50, 50);
    EXPECT_EQ(pixel(v.w.visibleImage(), 50, 50), clBlack) << "off: nothing drawn";
    v.w.UpdateInmediate = true;
    particleAt(v.w, 1, 50, 50);
    particleAt(v.w, 1, 150, 50);
    EXPECT_EQ(pixel(v.w.visibleImage(), 50, 50), clRed) << "former image stays";
    EXPECT_EQ(pixel(v.w.bitmapImage(), 150, 50), clBlack) << "the bitmap is untouched";
    v.w.ChangeParticleProperties(0, 1, static_cast<int>(clLime));
    EXPECT_EQ(pixel(v.w.visibleImage(), 150, 50), clLime);

    v.w.DrawWorld();
    EXPECT_TRUE(v.w.visibleImage() == v.w.bitmapImage());
    v.w.ClearScreen();
    EXPECT_EQ(pixel(v.w.visibleImage(), 150, 50), clBlack);
}

TEST(DrawWorld, SurvivesCoordinatesFarOffAndInvalid)
{
    const float inf = std::numeric_limits<float>::infinity();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    View v;
    v.w.ShowCube = v.w.ShowAxes = v.w.ShowTrace = true;
    v.w.AddNSegments(4, 0, 1, 0, 0, 0, 0, 0, 0, clRed, 0);
    v.w.NSegments = 4;
    placeSegment(v.w, 1, at(100, 100), {50, 1e30f, 50});    // right, to "infinity"
    placeSegment(v.w, 2, at(100, 100), {50, 1e30f, 1e30f}); // up and right
    placeSegment(v.w, 3, {nan, inf, -inf}, {-1e30f, 1e30f, 0});
    // The widest pen there is, from one infinity to the other, below the view.
    v.w.ChangeSegmentProperties(3, 4, INT_MAX);
    placeSegment(v.w, 4, {50, -1e30f, -200}, {50, 1e30f, -200});
    v.w.AddNParticles(1, 1, INT_MAX, 0, 0, 0, clBlack, 0);
    v.w.NParticles = 1;
    v.w.AddNPlanes(1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, clNavy, 7);
    v.w.NPlanes = 1;
    v.w.MovePlane(1, 0, 1e30f, 0, 0, -1e30f, 1e30f, inf, 0, 0, nan, 3, 3);
    v.w.AddNLabels(1, INT_MAX, 0, 0, 0, clWhite, "far");
    v.w.NLabels = 1;
    v.w.MoveLabel(1, 50, -1e30f, 1e30f);
    v.w.AddNTraces(1, 0, clAqua, 1, 4);
    v.w.NTraces = 1;
    v.w.LinkTraceToParticle(1, 1, 0, clAqua, 1, 4, true);
    v.w.MoveParticle(1, 50, -1e30f, 1e30f);
    v.w.MoveParticle(1, inf, nan, 1e30f);
    for (float zoom : {0.0f, 1e30f, 0.5f}) {
        v.w.Zoom = zoom;
        v.w.ProjectAll();
        v.w.DrawWorld();
    }
    const QImage &img = v.w.bitmapImage();
    EXPECT_EQ(pixel(img, 195, 100), clRed);
    EXPECT_TRUE(near(img, 160, 40, clRed));
    EXPECT_NE(pixel(img, 40, 100), clRed);

    // A disc of radius INT_MAX covers the view.
    v.w.ChangeParticleProperties(0, 1, static_cast<int>(clGreen));
    v.w.NPlanes = v.w.NLabels = 0;
    particleAt(v.w, 1, 100, 100);
    v.w.DrawWorld();
    EXPECT_EQ(countPixels(img, [](TColor c) { return c == clGreen; }), 200 * 200);
}

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
public:
    int paints = 0;
    QRegion painted; // what the paints covered
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            ++paints;
            painted += static_cast<QPaintEvent *>(event)->region();
        }
        return false;
    }
};

TEST(PaintHandler, DrawWorldInsideItDoesNotQueueAnotherPaint)
{
    View v;
    int handled = 0;
    v.w.OnPaint = [&] {
        v.w.ClearScreen();
        v.w.DrawWorld();
        ++handled;
    };
    PaintCounter events;
    v.w.installEventFilter(&events);
    v.w.AddNParticles(1, 1, 4, 0, 0, 0, clYellow, 0);
    v.w.NParticles = 1;
    particleAt(v.w, 1, 30, 30);
    v.w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&v.w));
    const auto settle = [] {
        for (int i = 0; i < 5; ++i)
            QCoreApplication::processEvents();
    };
    settle();
    const int settledEvents = events.paints, settledHandled = handled;
    v.w.repaint();
    settle();
    EXPECT_EQ(events.paints, settledEvents + 1) << "a paint must not schedule the next one";
    EXPECT_EQ(handled, settledHandled + 1) << "a paint the view did not ask for runs the handler";
    // Outside the handler, many redraws queue a single paint, which shows the
    // frame they drew without drawing it once more; a frame like the one on
    // show queues none.
    for (int i = 0; i < 1000; ++i) {
        particleAt(v.w, 1, 30 + i % 2, 30);
        v.w.DrawWorld();
    }
    settle();
    EXPECT_EQ(events.paints, settledEvents + 2);
    EXPECT_EQ(handled, settledHandled + 1);
    v.w.DrawWorld();
    settle();
    EXPECT_EQ(events.paints, settledEvents + 2);
    EXPECT_EQ(fromQColor(v.w.grab().toImage().pixelColor(30, 30)), clYellow) << "the widget shows the canvas";
    // After a clear the canvas no longer holds the frame: the handler redraws.
    const int beforeClear = handled;
    v.w.DrawWorld();
    v.w.ClearScreen();
    settle();
    EXPECT_EQ(handled, beforeClear + 1);
}

// Each frame starts from a first layer kept drawn (the ground, the background
// planes, the cube, the axes) and only the part of the frame that changed is
// shown: after any change of what that layer shows, the frame must be the one
// a view drawing the same scene afresh gives, and the rectangle shown must
// hold every pixel that changed.
TEST(Drawing, TheKeptFirstLayerAndTheShownPartFollowEveryChange)
{
    const auto build = [](TXc3DWorld &w) {
        w.SetCube(clGreen, true);
        w.ShowCube = true;
        w.SetAxes(clLime, true);
        w.ShowAxes = true;
        w.AddNPlanes(2, kPlaneBackground, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, clNavy, 0);
        w.NPlanes = 2;
        placePlane(w, 1, at(10, 150), at(190, 150), at(190, 190), at(10, 190));
        w.AddNParticles(1, 1, 4, 0, 0, 0, clRed, 0);
        w.NParticles = 1;
        particleAt(w, 1, 100, 100);
    };
    const std::vector<std::function<void(TXc3DWorld &)>> changes = {
        [](TXc3DWorld &) {},
        [](TXc3DWorld &w) { particleAt(w, 1, 60, 40); },
        [](TXc3DWorld &w) { w.Alfa = 30, w.ProjectAll(); },
        [](TXc3DWorld &w) { w.Zoom = 0.3f, w.ProjectAll(); },
        [](TXc3DWorld &w) { w.SetCube(clRed, true); },
        [](TXc3DWorld &w) { w.ShowAxes = false; },
        [](TXc3DWorld &w) { w.ChangePlaneProperties(kPropColour, 1, static_cast<float>(clYellow)); },
        [](TXc3DWorld &w) { placePlane(w, 2, at(20, 20), at(80, 20), at(80, 60), at(20, 60)); },
        [](TXc3DWorld &w) { w.ChangePlaneProperties(kPropColour, 2, static_cast<float>(clAqua)); },
        [](TXc3DWorld &w) { w.Color = clGray; },
    };
    View kept;
    build(kept.w);
    PaintCounter shown;
    kept.w.installEventFilter(&shown);
    kept.w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&kept.w));
    for (std::size_t k = 0; k < changes.size(); ++k) {
        SCOPED_TRACE(k);
        kept.w.DrawWorld(); // the layer kept for the scene as it stands
        QCoreApplication::processEvents();
        const QImage before = kept.w.visibleImage().copy();
        changes[k](kept.w);
        kept.w.DrawWorld();
        shown.painted = QRegion();
        QCoreApplication::processEvents();
        View fresh;
        build(fresh.w);
        for (std::size_t j = 0; j <= k; ++j)
            changes[j](fresh.w);
        fresh.w.DrawWorld();
        ASSERT_EQ(kept.w.visibleImage(), fresh.w.visibleImage());
        ASSERT_EQ(kept.w.bitmapImage(), fresh.w.bitmapImage());
        // Every changed pixel was painted again.
        const QImage after = kept.w.visibleImage();
        for (int y = 0; y < after.height(); ++y)
            for (int x = 0; x < after.width(); ++x)
                if (after.pixel(x, y) != before.pixel(x, y)) {
                    ASSERT_TRUE(shown.painted.contains(QPoint(x, y))) << x << ", " << y;
                }
    }
}

} // namespace