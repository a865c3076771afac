// On a scaled screen the pictures the programs draw themselves (the 3D view's
// off-screen image, Trayecta's graph, the about window's picture and the
// strip's glyphs) are stored at the screen's pixel ratio and drawn in the
// design's pixels: a design pixel becomes a whole block of screen pixels of
// one colour, never a blurred or half-covered one. The canvas is checked at
// several ratios directly; the windows at the ratio the test runs at (1, and
// 2 in the scaled ctest entry).
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <cmath>
#include <set>

#include "tests/support/VoltrixWindows.h"
#include "trayecta/forms/Form1.h"
#include "trayecta/forms/GraphArea.h"
#include "voltrix/view3d/ViewCanvas.h"

namespace {

using voltrix::clBlack;
using voltrix::clWhite;
using voltrix::ViewCanvas;

// Every design pixel of `image` is a uniform block of ratio x ratio screen
// pixels (for a whole ratio).
int mixedBlocks(const QImage &image, int ratio)
{
    int mixed = 0;
    for (int y = 0; y + ratio <= image.height(); y += ratio)
        for (int x = 0; x + ratio <= image.width(); x += ratio) {
            const QRgb first = image.pixel(x, y);
            bool same = true;
            for (int dy = 0; dy < ratio && same; ++dy)
                for (int dx = 0; dx < ratio && same; ++dx)
                    same = image.pixel(x + dx, y + dy) == first;
            mixed += same ? 0 : 1;
        }
    return mixed;
}

TEST(SharpDrawing, CanvasLinesAreWholeScreenPixelsThickAtEveryRatio)
{
    for (const double ratio : {1.0, 1.5, 2.0, 3.0}) {
        SCOPED_TRACE(ratio);
        ViewCanvas canvas;
        canvas.setBrushColor(clBlack);
        canvas.resize(60, 40, ratio);
        canvas.fillRect(0, 0, 60, 40);
        canvas.setPenColor(clWhite);
        canvas.line(5, 10, 55, 10); // a one-pixel line of the design
        const QImage &image = canvas.image();
        ASSERT_EQ(image.size(),
                  QSize(static_cast<int>(std::ceil(60 * ratio)), static_cast<int>(std::ceil(40 * ratio))));
        EXPECT_EQ(image.devicePixelRatio(), ratio);
        EXPECT_EQ(canvas.width(), 60);
        // Down a column through the middle: one solid run of white, as many
        // rows thick as the ratio rounds to, and nothing half-lit.
        const int column = static_cast<int>(30 * ratio);
        std::set<QRgb> colours;
        int whiteRows = 0;
        for (int y = 0; y < image.height(); ++y) {
            colours.insert(image.pixel(column, y));
            whiteRows += image.pixel(column, y) == qRgb(255, 255, 255);
        }
        EXPECT_EQ(colours.size(), 2u);
        EXPECT_EQ(whiteRows, std::max(1L, std::lround(ratio)));
    }
}

class ScaledVoltrix : public voltrix_test::VoltrixWindows {};

TEST_F(ScaledVoltrix, ViewAboutPictureAndGlyphsFollowTheScreen)
{
    using namespace voltrix;
    Form1->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Form1));
    const qreal ratio = Form1->devicePixelRatioF();
    step(40);
    const QImage &frame = view().bitmapImage();
    EXPECT_EQ(frame.devicePixelRatio(), ratio);
    EXPECT_EQ(frame.width(), static_cast<int>(std::ceil(view().width() * ratio)));
    // The geometry stays in the design's pixels whatever the ratio; how
    // thick a line is drawn is the canvas's test above.
    const ScreenPoint at = view().particle(1).screen;
    EXPECT_GT(at.x, 0);
    EXPECT_LT(at.x, view().width());

    Form3->show();
    Form3->BtnGrupoClick();
    EXPECT_EQ(Form3->ImageGrupo->pixmap().devicePixelRatio(), ratio);
    EXPECT_EQ(Form1->GiroL->icon().pixmap(QSize(10, 10), ratio).devicePixelRatio(), ratio);
}

// Each point keeps the draw width in area pixels but is placed to the screen
// pixel: at ratio 2 the curve is no 1× picture enlarged, whose 2×2 blocks
// would each be of one colour.
TEST(ScaledTrayecta, TheGraphsPointsArePlacedToTheScreenPixel)
{
    trayecta::FORM1::failureMessage = [](const QString &, const QString &) {};
    trayecta::FORM1 window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.Cmdcalcular_Click();
    const qreal ratio = window.Dibu->devicePixelRatioF();
    const QImage &drawing = window.Dibu->drawing();
    EXPECT_EQ(drawing.devicePixelRatio(), ratio);
    EXPECT_EQ(drawing.width(), static_cast<int>(std::ceil(window.Dibu->plotSize().width() * ratio)));
    int ink = 0;
    for (int y = 0; y < drawing.height(); ++y)
        for (int x = 0; x < drawing.width(); ++x)
            ink += drawing.pixel(x, y) != qRgb(255, 255, 255);
    EXPECT_GT(ink, 100);
    if (ratio >= 2.0 && ratio == std::floor(ratio)) {
        EXPECT_GT(mixedBlocks(drawing, static_cast<int>(ratio)), 100);
    }
    trayecta::FORM1::failureMessage = nullptr;
}

} // namespace
