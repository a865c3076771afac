#pragma once
// The geometry of the 3D view without any painting: the world box and the two
// camera angles, the projection of box-centred coordinates onto the screen, the
// six object stores (particles, segments, points, planes, labels, traces), the
// sampling of traces, and the cube edges and axes as projected line lists.
// Every screen coordinate is computed here once per change, so painting is a
// plain pass over stored integers. Qt-free, so it is tested without a display.
#include <array>
#include <string>
#include <vector>

#include "voltrix/view3d/SceneColor.h"
#include "voltrix/view3d/ViewCodes.h"

namespace voltrix {

struct ScreenPoint {
    int x = 0;
    int y = 0;
    bool operator==(const ScreenPoint &) const = default;
};

struct ScreenLine {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    bool operator==(const ScreenLine &) const = default;
};

// One 3D segment relative to the box centre.
struct SpaceLine {
    float x1 = 0, y1 = 0, z1 = 0, x2 = 0, y2 = 0, z2 = 0;
};

struct SceneParticle {
    int kind = 0; // 0 hollow circle, 1 filled disc, 2 hollow square, 3 filled square, other: disc
    int radius = 0;
    float x = 0, y = 0, z = 0;
    ScreenPoint screen;
    TColor color = 0;
    int penStyle = 0;
    int linkedTrace = 0; // 0: none
};

struct SceneSegment {
    int kind = 0; // 0 arrow with its head at end 2, other: plain line
    int penWidth = 0;
    float x1 = 0, y1 = 0, z1 = 0, x2 = 0, y2 = 0, z2 = 0;
    ScreenLine screen;
    TColor color = 0;
    int penStyle = 0;
};

struct ScenePoint {
    int kind = 0; // 1 joined to the point drawn before it, other: circle
    int size = 0; // pen width and circle radius
    float x = 0, y = 0, z = 0;
    ScreenPoint screen;
    TColor color = 0;
    int penStyle = 0;
};

struct ScenePlane {
    int kind = 0;                    // 1 background layer, 0 foreground layer, other: never drawn
    std::array<float, 12> corners{}; // x1, y1, z1 ... x4, y4, z4
    std::array<ScreenPoint, 4> screen{};
    TColor color = 0;
    int brushStyle = 0;
};

struct SceneLabel {
    int fontHeight = 0;
    float x = 0, y = 0, z = 0;
    ScreenPoint screen;
    TColor color = 0;
    std::string text; // at most kMaxLabelChars characters
};

struct TraceSample {
    float x = 0, y = 0, z = 0;
    ScreenPoint screen;
    bool valid = false;
};

struct SceneTrace {
    bool shown = false;
    int kind = 0; // 1 dots, other: polyline
    int particle = 0;
    int writePosition = 1; // counts samples taken, from 1
    int N = 0;             // samples kept, slots 1..N
    int stepCounter = 1;
    int interval = 0;                 // one sample every `interval` moves of the particle
    std::vector<TraceSample> samples; // maximum samples + 1; slot 0 unused
    TColor color = 0;
};

class SceneGeometry {
public:
    static constexpr int kMaxLabelChars = 25;
    static constexpr int kCubeEdges = 12;
    static constexpr int kAxisSegments = 17;

    SceneGeometry();

    // The world box, the camera and what is drawn.
    float XMin = 0, YMin = 0, ZMin = 0;
    float XMax = 100, YMax = 100, ZMax = 100;
    int Alfa = 0; // about the screen's vertical axis, whole degrees
    int Beta = 0; // about the world x axis, whole degrees
    float Zoom = 0;
    bool UpdateInmediate = false;
    bool ShowCube = false;
    bool ShowAxes = false;
    bool ShowTrace = false;

    // Objects 1..N of each store are projected and drawn; the owner sets these.
    int NParticles = 0, NSegments = 0, NPoints = 0, NPlanes = 0, NLabels = 0, NTraces = 0;

    // Screen mapping from the box and a client size of width x height pixels;
    // rebuilds the cube and the axes.
    void SetupWorld(int width, int height);
    void ProjectAll();
    // (x, y, z) relative to the box centre to a pixel.
    ScreenPoint Project(float x, float y, float z) const;

    void SetCube(TColor colour, bool shown);
    void SetAxes(TColor colour, bool shown);

    void AddNParticles(int n, int kind, int radius, float x, float y, float z, TColor colour, int penStyle);
    void AddNSegments(int n, int kind, int penWidth, float x1, float y1, float z1, float x2, float y2, float z2,
                      TColor colour, int penStyle);
    void AddNPoints(int n, int kind, int size, float x, float y, float z, TColor colour, int penStyle);
    void AddNPlanes(int n, int kind, float x1, float y1, float z1, float x2, float y2, float z2, float x3, float y3,
                    float z3, float x4, float y4, float z4, TColor colour, int brushStyle);
    void AddNLabels(int n, int fontHeight, float x, float y, float z, TColor colour, const std::string &text);
    void AddNTraces(int n, int kind, TColor colour, int interval, int maxSamples);

    void MoveParticle(int index, float X, float Y, float Z);
    void MoveSegment(int index, float X1, float Y1, float Z1, float X2, float Y2, float Z2);
    void MovePlane(int index, float X1, float Y1, float Z1, float X2, float Y2, float Z2, float X3, float Y3, float Z3,
                   float X4, float Y4, float Z4);
    void MovePoint(int index, float X, float Y, float Z);
    void MoveLabel(int index, float X, float Y, float Z);

    void ChangeParticleProperties(int property, int index, int value);
    void ChangeSegmentProperties(int property, int index, int value);
    void ChangePointProperties(int property, int index, int value);
    void ChangePlaneProperties(int property, int index, float value);
    void ChangeLabelProperties(int property, int index, int value);
    void ChangeLabelText(int index, const std::string &text);

    void LinkTraceToParticle(int trace, int particle, int kind, TColor colour, int interval, int N, bool shown);

    // Read access for painting and for tests. Indices are 1-based; the
    // counts are the allocated n of each store (0 before allocation).
    int particleCount() const { return storeCount(particles_); }
    int segmentCount() const { return storeCount(segments_); }
    int pointCount() const { return storeCount(points_); }
    int planeCount() const { return storeCount(planes_); }
    int labelCount() const { return storeCount(labels_); }
    int traceCount() const { return storeCount(traces_); }
    int maxTraceSamples() const { return maxTraceSamples_; }
    const SceneParticle &particle(int i) const { return particles_[i]; }
    const SceneSegment &segment(int i) const { return segments_[i]; }
    const ScenePoint &point(int i) const { return points_[i]; }
    const ScenePlane &plane(int i) const { return planes_[i]; }
    const SceneLabel &label(int i) const { return labels_[i]; }
    const SceneTrace &trace(int i) const { return traces_[i]; }

    TColor cubeColor() const { return cubeColor_; }
    TColor axesColor() const { return axesColor_; }
    const std::array<SpaceLine, kCubeEdges> &cubeEdges() const { return cube_; }
    const std::array<ScreenLine, kCubeEdges> &cubeScreen() const { return cubeScreen_; }
    const std::array<SpaceLine, kAxisSegments> &axisSegments() const { return axes_; }
    const std::array<ScreenLine, kAxisSegments> &axesScreen() const { return axesScreen_; }

    // Screen mapping of the last SetupWorld.
    float kx() const { return kx_; }
    float ky() const { return ky_; }
    float Wc() const { return Wc_; }
    float Hc() const { return Hc_; }
    float cx() const { return cx_; }
    float cy() const { return cy_; }
    float cz() const { return cz_; }
    float D() const { return D_; }

    // The cosine and sine tables, built with 3.1415 for pi; any angle is
    // wrapped into 0..359 first.
    static float cosDeg(int degrees);
    static float sinDeg(int degrees);
    static int wrapDegrees(int degrees);

private:
    template <class Record>
    static int storeCount(const std::vector<Record> &store)
    {
        return store.empty() ? 0 : static_cast<int>(store.size()) - 1;
    }

    ScreenLine projectLine(const SpaceLine &line) const;
    void buildCube();
    void buildAxes();
    void sampleTrace(const SceneParticle &p);

    std::vector<SceneParticle> particles_;
    std::vector<SceneSegment> segments_;
    std::vector<ScenePoint> points_;
    std::vector<ScenePlane> planes_;
    std::vector<SceneLabel> labels_;
    std::vector<SceneTrace> traces_;
    int maxTraceSamples_ = 0;

    TColor cubeColor_ = 0;
    TColor axesColor_ = 0;
    std::array<SpaceLine, kCubeEdges> cube_{};
    std::array<ScreenLine, kCubeEdges> cubeScreen_{};
    std::array<SpaceLine, kAxisSegments> axes_{};
    std::array<ScreenLine, kAxisSegments> axesScreen_{};

    float kx_ = 0, ky_ = 0, Wc_ = 0, Hc_ = 0, cx_ = 0, cy_ = 0, cz_ = 0, D_ = 0;
};

} // namespace voltrix
