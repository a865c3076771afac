#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "voltrix/view3d/SceneGeometry.h"

using namespace voltrix;

namespace {

SceneGeometry readyScene()
{
    SceneGeometry g;
    g.Zoom = 0.55f;
    g.SetupWorld(308, 308);
    g.AddNParticles(2, 1, 2, 0, 0, 0, 0xFF, 0);
    return g;
}

// The y coordinate of the particle on move m, so every sample is recognisable.
float yOfMove(int m) { return 10.0f + m; }

// Each slot's move number y, or -1 when empty.
std::vector<float> sampleYs(const SceneGeometry &g, int trace)
{
    std::vector<float> ys;
    const SceneTrace &t = g.trace(trace);
    for (int slot = 1; slot <= t.N; ++slot)
        ys.push_back(t.samples[slot].valid ? t.samples[slot].y + g.cy() : -1.0f);
    return ys;
}

void moveTimes(SceneGeometry &g, int particle, int from, int to)
{
    for (int m = from; m <= to; ++m)
        g.MoveParticle(particle, 50, yOfMove(m), 50);
}

} // namespace

TEST(Allocation, FillsEveryRecordAndProjectsNothing)
{
    SceneGeometry g = readyScene();
    g.AddNParticles(3, 2, 7, 1.5f, -2.5f, 3.5f, 0x123456, 4);
    ASSERT_EQ(g.particleCount(), 3);
    for (int i = 0; i <= 3; ++i) {
        const SceneParticle &p = g.particle(i);
        EXPECT_TRUE(p.kind == 2 && p.radius == 7 && p.color == 0x123456u && p.penStyle == 4) << i;
        EXPECT_EQ(p.x, 1.5f) << "stored as given, not made relative";
        EXPECT_TRUE(p.screen.x == 0 && p.screen.y == 0 && p.linkedTrace == 0) << i;
    }
    g.AddNTraces(2, 1, 0xFF00, 15, 40);
    const SceneTrace &t = g.trace(2);
    EXPECT_TRUE(!t.shown && t.kind == 1 && t.particle == 0 && t.writePosition == 1);
    EXPECT_TRUE(t.N == 40 && t.stepCounter == 1 && t.interval == 15);
    ASSERT_EQ(t.samples.size(), 41u);
    EXPECT_FALSE(t.samples[40].valid);
}

TEST(Restyling, PropertyCodesAndFloatPlaneValues)
{
    SceneGeometry g = readyScene();
    g.AddNSegments(1, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0);
    g.AddNPlanes(1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
    g.AddNLabels(1, 10, 0, 0, 0, 0, "a");
    for (int property = 0; property < 4; ++property) {
        g.ChangeParticleProperties(property, 1, 0x300 + property);
        g.ChangeSegmentProperties(property, 1, 0x300 + property);
    }
    // Kinds and styles are bytes; colours and sizes whole.
    const SceneParticle &p = g.particle(1);
    EXPECT_TRUE(p.color == 0x300u && p.penStyle == 1 && p.kind == 2 && p.radius == 0x303);
    const SceneSegment &s = g.segment(1);
    EXPECT_TRUE(s.color == 0x300u && s.penStyle == 1 && s.kind == 2 && s.penWidth == 0x303);

    // The owner passes plane colours as floats such as 16711680.0.
    g.ChangePlaneProperties(0, 1, 16711680.0f);
    g.ChangePlaneProperties(1, 1, 7.9f);
    g.ChangePlaneProperties(2, 1, 1.0f);
    g.ChangePlaneProperties(3, 1, 123.0f); // accepted, changes nothing
    EXPECT_TRUE(g.plane(1).color == 0xFF0000u && g.plane(1).brushStyle == 7 && g.plane(1).kind == 1);
    g.ChangePlaneProperties(0, 1, std::nanf(""));
    EXPECT_EQ(g.plane(1).color, 0u);

    g.ChangeLabelProperties(1, 1, 99);
    g.ChangeLabelProperties(2, 1, 99);
    g.ChangeLabelProperties(3, 1, 20);
    EXPECT_TRUE(g.label(1).color == 0u && g.label(1).fontHeight == 20 && g.label(1).text == "a");
}

TEST(LabelText, IsCutToTwentyFiveCharacters)
{
    SceneGeometry g = readyScene();
    g.AddNLabels(1, 10, 0, 0, 0, 0, std::string(30, 'z'));
    EXPECT_EQ(g.label(1).text, std::string(25, 'z')) << "allocation cuts too";
    std::string enye30, enye25; // a UTF-8 sequence is never split
    for (int i = 0; i < 30; ++i)
        enye30 += "\xC3\xB1", enye25 += i < 25 ? "\xC3\xB1" : "";
    const struct {
        std::string in, out;
    } cases[] = {{"E", "E"},
                 {std::string(25, 'x'), std::string(25, 'x')},
                 {std::string(30, 'y'), std::string(25, 'y')},
                 {enye30, enye25}};
    for (const auto &c : cases) {
        g.ChangeLabelText(1, c.in);
        EXPECT_EQ(g.label(1).text, c.out) << c.in;
    }
}

TEST(TraceSampling, PolylineShiftsDotsRing)
{
    SceneGeometry g = readyScene();
    g.AddNTraces(2, 0, 0xFF00, 1, 10);
    g.LinkTraceToParticle(1, 1, 0, 0xFF00, 1, 3, true);
    g.LinkTraceToParticle(2, 2, 1, 0xFF00, 1, 3, true);
    moveTimes(g, 1, 1, 1);
    moveTimes(g, 2, 1, 2);
    EXPECT_EQ(sampleYs(g, 1), (std::vector<float>{-1, -1, yOfMove(1)})) << "new samples enter at N";
    EXPECT_EQ(sampleYs(g, 2), (std::vector<float>{yOfMove(1), yOfMove(2), -1}));
    moveTimes(g, 1, 2, 5);
    moveTimes(g, 2, 3, 5);
    EXPECT_EQ(sampleYs(g, 1), (std::vector<float>{yOfMove(3), yOfMove(4), yOfMove(5)}));
    EXPECT_EQ(sampleYs(g, 2), (std::vector<float>{yOfMove(4), yOfMove(5), yOfMove(3)}));
    EXPECT_EQ(g.trace(1).writePosition, 6);
    EXPECT_EQ(g.trace(1).samples[3].screen.x, g.particle(1).screen.x);
    EXPECT_FALSE(g.trace(1).samples[4].valid) << "slots above N stay empty";
}

TEST(TraceSampling, TakesOneSampleEveryIntervalMoves)
{
    const struct {
        int interval, moves;
        std::vector<int> sampledMoves;
    } cases[] = {
        {15, 14, {}},
        {15, 15, {15}},
        {15, 45, {15, 30, 45}},
        {2, 5, {2, 4}},
        // An interval below 1 would divide by zero: it samples every move.
        {0, 3, {1, 2, 3}},
        {-4, 2, {1, 2}},
    };
    for (const auto &c : cases) {
        SceneGeometry g = readyScene();
        g.AddNTraces(1, 0, 0xFF00, 1, 8);
        g.LinkTraceToParticle(1, 1, 0, 0xFF00, c.interval, 8, true);
        moveTimes(g, 1, 1, c.moves);
        std::vector<float> want(8 - c.sampledMoves.size(), -1.0f);
        for (int m : c.sampledMoves)
            want.push_back(yOfMove(m));
        EXPECT_EQ(sampleYs(g, 1), want) << "interval " << c.interval << ", " << c.moves << " moves";
    }
}

TEST(TraceSampling, HiddenTraceUnlinksRelinkingEmptiesStaleLinksAreIgnored)
{
    SceneGeometry g = readyScene();
    g.AddNTraces(3, 0, 0xFF00, 1, 4);
    g.LinkTraceToParticle(1, 2, 0, 0xFF00, 1, 4, true);
    moveTimes(g, 2, 1, 3);
    ASSERT_TRUE(g.trace(1).samples[4].valid);
    g.LinkTraceToParticle(1, 2, 0, 0xAA, 1, 4, false);
    EXPECT_TRUE(g.particle(2).linkedTrace == 0 && !g.trace(1).shown && g.trace(1).color == 0xAAu);
    moveTimes(g, 2, 4, 6);
    EXPECT_EQ(sampleYs(g, 1), (std::vector<float>{-1, -1, -1, -1}));

    // A link that outlives a smaller trace store samples nothing.
    g.LinkTraceToParticle(3, 1, 0, 0xFF00, 1, 4, true);
    g.AddNTraces(1, 0, 0xFF00, 1, 4);
    g.MoveParticle(1, 50, 60, 50);
    EXPECT_FALSE(g.trace(1).samples[4].valid);
}
