#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "SceneGeometry.h"

namespace {

SceneGeometry readyScene()
{
    SceneGeometry g;
    g.Zoom = 0.55f;
    g.SetupWorld(308, 308);
    return g;
}

// The y coordinate of the particle on move m, so every sample is recognisable.
float yOfMove(int m) { return 10.0f + m; }

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
        EXPECT_EQ(p.kind, 2);
        EXPECT_EQ(p.radius, 7);
        EXPECT_EQ(p.x, 1.5f) << "stored as given, not made relative";
        EXPECT_EQ(p.z, 3.5f);
        EXPECT_EQ(p.screen.x, 0);
        EXPECT_EQ(p.color, 0x123456u);
        EXPECT_EQ(p.penStyle, 4);
        EXPECT_EQ(p.linkedTrace, 0);
    }
    EXPECT_EQ(g.NParticles, 0) << "the owner sets the counter";

    g.AddNPlanes(2, 1, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 0xFF, 6);
    EXPECT_EQ(g.plane(2).corners[11], 12.0f);
    EXPECT_EQ(g.plane(2).brushStyle, 6);

    g.AddNLabels(2, 14, 0, 0, 0, 0xFFFFFF, "abcdefghijklmnopqrstuvwxyz0123");
    EXPECT_EQ(g.label(1).text, "abcdefghijklmnopqrstuvwxy") << "25 characters fit a record";

    g.AddNTraces(2, 1, 0xFF00, 15, 40);
    const SceneTrace &t = g.trace(2);
    EXPECT_FALSE(t.shown);
    EXPECT_EQ(t.kind, 1);
    EXPECT_EQ(t.particle, 0);
    EXPECT_EQ(t.writePosition, 1);
    EXPECT_EQ(t.N, 40);
    EXPECT_EQ(t.stepCounter, 1);
    EXPECT_EQ(t.interval, 15);
    ASSERT_EQ(t.samples.size(), 41u);
    for (const TraceSample &s : t.samples)
        EXPECT_FALSE(s.valid);
    EXPECT_EQ(g.maxTraceSamples(), 40);
}

TEST(Placement, StoresRelativeCoordinatesAndProjectsThem)
{
    SceneGeometry g = readyScene();
    g.AddNSegments(1, 0, 1, 0, 0, 0, 0, 0, 0, 0xFF, 0);
    g.AddNPlanes(1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xFF, 0);
    g.AddNPoints(1, 0, 1, 0, 0, 0, 0xFF, 0);
    g.MoveSegment(1, 50, 50, 50, 50, 100, 50);
    EXPECT_EQ(g.segment(1).y2, 50.0f);
    EXPECT_EQ(g.segment(1).screen.x1, 154);
    EXPECT_EQ(g.segment(1).screen.x2, 238);
    g.MovePlane(1, 50, 0, 50, 50, 100, 50, 50, 100, 100, 50, 0, 100);
    EXPECT_EQ(g.plane(1).corners[4], 50.0f);
    EXPECT_EQ(g.plane(1).screen[0].x, 69);
    EXPECT_EQ(g.plane(1).screen[2].x, 238);
    EXPECT_EQ(g.plane(1).screen[2].y, 69);
    g.MovePoint(1, 50, 50, 100);
    EXPECT_EQ(g.point(1).screen.y, 69);
}

TEST(Restyling, EachPropertyCodeChangesItsField)
{
    SceneGeometry g = readyScene();
    g.AddNParticles(1, 0, 1, 0, 0, 0, 0, 0);
    g.AddNSegments(1, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0);
    g.AddNPoints(1, 0, 1, 0, 0, 0, 0, 0);
    g.AddNPlanes(1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
    g.AddNLabels(1, 10, 0, 0, 0, 0, "a");

    g.ChangeParticleProperties(0, 1, 0xFF00);
    g.ChangeParticleProperties(1, 1, 2);
    g.ChangeParticleProperties(2, 1, 3);
    g.ChangeParticleProperties(3, 1, 9);
    EXPECT_EQ(g.particle(1).color, 0xFF00u);
    EXPECT_EQ(g.particle(1).penStyle, 2);
    EXPECT_EQ(g.particle(1).kind, 3);
    EXPECT_EQ(g.particle(1).radius, 9);

    g.ChangeSegmentProperties(0, 1, 0xFF);
    g.ChangeSegmentProperties(1, 1, 1);
    g.ChangeSegmentProperties(2, 1, 1);
    g.ChangeSegmentProperties(3, 1, 4);
    EXPECT_EQ(g.segment(1).color, 0xFFu);
    EXPECT_EQ(g.segment(1).penStyle, 1);
    EXPECT_EQ(g.segment(1).kind, 1);
    EXPECT_EQ(g.segment(1).penWidth, 4);

    g.ChangePointProperties(2, 1, 1);
    g.ChangePointProperties(3, 1, 6);
    EXPECT_EQ(g.point(1).kind, 1);
    EXPECT_EQ(g.point(1).size, 6);

    // Planes take floats: the owner passes colours such as 16711680.0.
    g.ChangePlaneProperties(0, 1, 16711680.0f);
    g.ChangePlaneProperties(1, 1, 7.9f);
    g.ChangePlaneProperties(2, 1, 1.0f);
    const ScenePlane before = g.plane(1);
    g.ChangePlaneProperties(3, 1, 123.0f);
    g.ChangePlaneProperties(0, 1, std::nanf(""));
    EXPECT_EQ(before.color, 0xFF0000u);
    EXPECT_EQ(before.brushStyle, 7);
    EXPECT_EQ(before.kind, 1);
    EXPECT_EQ(g.plane(1).kind, before.kind) << "property 3 accepted, nothing changes";
    EXPECT_EQ(g.plane(1).color, 0u) << "NaN truncates to 0";

    g.ChangeLabelProperties(0, 1, 0xFFFF);
    g.ChangeLabelProperties(1, 1, 99);
    g.ChangeLabelProperties(2, 1, 99);
    g.ChangeLabelProperties(3, 1, 20);
    EXPECT_EQ(g.label(1).color, 0xFFFFu);
    EXPECT_EQ(g.label(1).fontHeight, 20);
    EXPECT_EQ(g.label(1).text, "a");
}

TEST(LabelText, IsCutToTwentyFiveCharacters)
{
    SceneGeometry g = readyScene();
    g.AddNLabels(1, 10, 0, 0, 0, 0, "");
    const struct { std::string in, out; } cases[] = {
        {"", ""},
        {"E", "E"},
        {std::string(25, 'x'), std::string(25, 'x')},
        {std::string(30, 'y'), std::string(25, 'y')},
        // Characters, not bytes: a UTF-8 sequence is never split.
        {[] { std::string s; for (int i = 0; i < 30; ++i) s += "\xC3\xB1"; return s; }(),
         [] { std::string s; for (int i = 0; i < 25; ++i) s += "\xC3\xB1"; return s; }()},
    };
    for (const auto &c : cases) {
        g.ChangeLabelText(1, c.in);
        EXPECT_EQ(g.label(1).text, c.out) << c.in;
    }
}

TEST(TraceSampling, PolylineKeepsTheNewestSamplesOldestFirst)
{
    SceneGeometry g = readyScene();
    g.AddNParticles(1, 1, 2, 0, 0, 0, 0xFF, 0);
    g.AddNTraces(1, 0, 0xFF00, 1, 10);
    g.LinkTraceToParticle(1, 1, 0, 0xFF00, 1, 3, true);
    EXPECT_EQ(g.particle(1).linkedTrace, 1);

    moveTimes(g, 1, 1, 1);
    EXPECT_EQ(sampleYs(g, 1), (std::vector<float>{-1, -1, yOfMove(1)})) << "new samples enter at N";
    moveTimes(g, 1, 2, 5);
    EXPECT_EQ(sampleYs(g, 1), (std::vector<float>{yOfMove(3), yOfMove(4), yOfMove(5)}));
    EXPECT_EQ(g.trace(1).writePosition, 6);
    // Samples carry the particle's screen position too.
    EXPECT_EQ(g.trace(1).samples[3].screen.x, g.particle(1).screen.x);
    EXPECT_EQ(g.trace(1).samples[4].valid, false) << "slots above N stay empty";
}

TEST(TraceSampling, DotsFormARing)
{
    SceneGeometry g = readyScene();
    g.AddNParticles(1, 1, 2, 0, 0, 0, 0xFF, 0);
    g.AddNTraces(1, 1, 0xFF00, 1, 3);
    g.LinkTraceToParticle(1, 1, 1, 0xFF00, 1, 3, true);
    moveTimes(g, 1, 1, 2);
    EXPECT_EQ(sampleYs(g, 1), (std::vector<float>{yOfMove(1), yOfMove(2), -1}));
    moveTimes(g, 1, 3, 5);
    EXPECT_EQ(sampleYs(g, 1), (std::vector<float>{yOfMove(4), yOfMove(5), yOfMove(3)}));
}

TEST(TraceSampling, TakesOneSampleEveryIntervalMoves)
{
    const struct { int interval, moves; std::vector<int> sampledMoves; } cases[] = {
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
        g.AddNParticles(1, 1, 2, 0, 0, 0, 0xFF, 0);
        g.AddNTraces(1, 0, 0xFF00, 1, 8);
        g.LinkTraceToParticle(1, 1, 0, 0xFF00, c.interval, 8, true);
        moveTimes(g, 1, 1, c.moves);
        std::vector<float> want(8 - c.sampledMoves.size(), -1.0f);
        for (int m : c.sampledMoves)
            want.push_back(yOfMove(m));
        EXPECT_EQ(sampleYs(g, 1), want) << "interval " << c.interval << ", " << c.moves << " moves";
    }
}

TEST(TraceSampling, HiddenTraceUnlinksAndRelinkingEmpties)
{
    SceneGeometry g = readyScene();
    g.AddNParticles(2, 1, 2, 0, 0, 0, 0xFF, 0);
    g.AddNTraces(1, 0, 0xFF00, 1, 4);
    g.LinkTraceToParticle(1, 2, 0, 0xFF00, 1, 4, true);
    moveTimes(g, 2, 1, 3);
    ASSERT_TRUE(g.trace(1).samples[4].valid);

    g.LinkTraceToParticle(1, 2, 0, 0xAA, 1, 4, false);
    EXPECT_EQ(g.particle(2).linkedTrace, 0);
    EXPECT_FALSE(g.trace(1).shown);
    EXPECT_EQ(g.trace(1).color, 0xAAu);
    moveTimes(g, 2, 4, 6);
    EXPECT_EQ(sampleYs(g, 1), (std::vector<float>{-1, -1, -1, -1}));
    EXPECT_EQ(g.trace(1).writePosition, 1);
}

TEST(TraceSampling, ALinkOutlivingASmallerTraceStoreIsIgnored)
{
    SceneGeometry g = readyScene();
    g.AddNParticles(1, 1, 2, 0, 0, 0, 0xFF, 0);
    g.AddNTraces(3, 0, 0xFF00, 1, 4);
    g.LinkTraceToParticle(3, 1, 0, 0xFF00, 1, 4, true);
    g.AddNTraces(1, 0, 0xFF00, 1, 4);
    g.MoveParticle(1, 50, 60, 50); // would sample trace 3, which is gone
    EXPECT_FALSE(g.trace(1).samples[4].valid);
}
